#include <cxxabi.h>

#include <QCoreApplication>
#include <QPrinter>
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <map>
#include <utility>

#include "core/BaseIniFile.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/CSVExportFile.h"
#include "grid/GridAutomationReply.h"
#include "grid/GridTextCopy.h"
#include "grid/PrintGridReport.h"
#include "grid/TBaseGridForm.h"
#include "grid/TBaseGridOptionForm.h"
#include "grid/TColumnsToHideForm.h"
#include "grid/TExportDataToCSV.h"
#include "grid/TScheduleCSVExportForm.h"
#include "grid/TTitleManagerForm.h"
#include "grid/TitleManager.h"
#include "store/InterfaceView.h"
#include "toolkit/Action.h"
#include "toolkit/BusyCursor.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

// ---- Import and dump.

void TBaseGridForm::ImportFromDialog() {
    FileDialogSpec spec;
    spec.title = "Import Data";
    spec.filter = "Import files (*.csv)|*.CSV";
    spec.defaultExt = "csv";
    spec.mustExist = true;
    std::string fileName;
    if (!Ui().OpenFile(this, spec, fileName)) return;
    {
        // The box shows while the hourglass is still set.
        BusyCursor busy;
        if (ImportData(fileName))
            ShowImportSucceeded();
        else
            ShowImportFailed();
    }
    RefreshGrid();
}

void TBaseGridForm::DumpDataActionExecute() {
    if (!view_) return;
    BusyCursor busy;
    view_->DumpData();
}

// ---- Copy, print and column tools; CSV export and its schedule.

void TBaseGridForm::ConnectTools() {
    ExportAction->onExecute = [this](Action&) { ExportActionExecute(); };
    CopyCellAction->onExecute = [this](Action&) { CopyCellActionExecute(); };
    CopyRowAction->onExecute = [this](Action&) { CopyRowActionExecute(); };
    CopyColumnValuesAction->onExecute = [this](Action&) { CopyColumnValuesActionExecute(); };
    PrintAction->onExecute = [this](Action&) { PrintActionExecute(); };
    HideColumnsAction->onExecute = [this](Action&) { HideColumnsActionExecute(); };
    HideOneColumnAction->onExecute = [this](Action&) { HideOneColumnActionExecute(); };
    EditWindowTitleAction->onExecute = [this](Action&) { EditWindowTitleActionExecute(); };
    EditColumnPropertiesAction->onExecute = [this](Action&) { EditColumnPropertiesActionExecute(); };
    GridOptionsAction->onExecute = [this](Action&) { GridOptionsActionExecute(); };
    ExportToCSVAction->onExecute = [this](Action&) { ExportToCSVActionExecute(); };
    ScheduleCSVExportAction->onExecute = [this](Action&) { ScheduleCSVExportActionExecute(); };
    ModifyColumnsAction->onExecute = [this](Action&) { ModifyColumnsActionExecute(); };
    DynamicFilterAction->onExecute = [this](Action&) { DynamicFilterActionExecute(); };
}

namespace {

std::string ClassName(const std::exception& e) {
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status);
    std::string text = status == 0 && name ? name : typeid(e).name();
    std::free(name);
    return text;
}

}  // namespace

void TBaseGridForm::ExportActionExecute() {
    BusyCursor busy;
    std::string text;
    try {
        // Without data the grid's one empty row is not copied.
        text = GridTextCopy::AllCells(grid_->ColCount(), HasData() ? grid_->RowCount() : 1,
                                      [this](int col, int row) { return GetCellText(col, row); });
    } catch (const std::exception& e) {
        Ui().MessageBox(this, e.what(), ClassName(e), BoxIcon::None, BoxButtons::Ok);
        return;
    }
    Ui().SetClipboardText(std::move(text));  // handed over, not copied
}

void TBaseGridForm::CopyCellActionExecute() {
    Ui().SetClipboardText(GetCellText(grid_->Col(), grid_->Row()));
}

void TBaseGridForm::CopyRowActionExecute() {
    Ui().SetClipboardText(GridTextCopy::Row(grid_->ColCount(), grid_->Row(),
                                            [this](int col, int row) { return GetCellText(col, row); }));
}

void TBaseGridForm::CopyColumnValuesActionExecute() {
    BusyCursor busy;
    Ui().SetClipboardText(GridTextCopy::DistinctValues(
        grid_->Col(), grid_->RowCount(), [this](int col, int row) { return GetCellText(col, row); }));
}

void TBaseGridForm::FillPrintTable() {
    PrintTable.clear();
    const int cols = grid_->ColCount();
    const int rows = HasData() ? grid_->RowCount() : 1;
    PrintTable.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        std::vector<std::string>& cells = PrintTable.emplace_back();
        cells.reserve(static_cast<std::size_t>(std::max(cols - 1, 0)));
        for (int col = 1; col < cols; ++col) cells.push_back(GetCellText(col, row));
    }
}

int TBaseGridForm::PrintGrid(QPrinter& printer) {
    FillPrintTable();
    return PrintGridReport(*this, printer);
}

void TBaseGridForm::PrintActionExecute() {
    FillPrintTable();
    QPrinter printer;
    if (Ui().PrintSetup(this, &printer)) PrintGridReport(*this, printer);
}

void TBaseGridForm::HideColumnsActionExecute() {
    if (!view_) return;
    TitleVisibilityMap& visibility = view_->GetTitleVisibility();
    std::map<std::string, bool> byTitle;
    for (const auto& [name, visible] : visibility) {
        const std::string title = titles_ ? titles_->GetUserTitle(name) : std::string();
        if (!title.empty()) byTitle[title] = visible;
    }
    TColumnsToHideForm dialog(this, byTitle);
    if (dialog.ShowModal() == mrOk) {
        for (const auto& [title, visible] : byTitle) {
            const auto entry = visibility.find(titles_->FindColumnByTitle(title));
            if (entry != visibility.end()) entry->second = visible;
        }
        NotifyWorkspaceChanged();
        ApplyColumnVisibility(visibility);
    }
    RepaintGrid();
}

void TBaseGridForm::HideOneColumnActionExecute() {
    if (!view_) return;
    TitleVisibilityMap& visibility = view_->GetTitleVisibility();
    const auto entry = visibility.find(ColumnName(grid_->Col()));
    if (entry != visibility.end()) entry->second = false;
    NotifyWorkspaceChanged();
    ApplyColumnVisibility(visibility);
    RepaintGrid();
}

void TBaseGridForm::EditWindowTitleActionExecute() {
    // Cancel answers the current title, as an OK with the text unchanged would.
    std::string title = windowTitle_;
    if (!Ui().InputQuery(this, "Window Title - Editing", "Title", title)) title = windowTitle_;
    // An empty answer changes nothing, the workspace included.
    if (title.empty()) return;
    SetWindowTitle(title);
    NotifyWorkspaceChanged();
}

void TBaseGridForm::EditColumnPropertiesActionExecute() {
    if (!titles_) return;
    TTitleManagerForm dialog(nullptr, *titles_);
    if (dialog.ShowModal() != mrOk) return;
    NotifyWorkspaceChanged();
    RepaintGrid();
}

void TBaseGridForm::GridOptionsActionExecute() {
    TBaseGridOptionForm dialog(this, GetConfigSection(), *settingsFile_, options_);
    if (dialog.ShowModal() != mrOk) return;
    RememberRowKey(grid_->Row() - 1);
    NotifyWorkspaceChanged();
    ApplyGridOptions();
    RepaintGrid();
}

void TBaseGridForm::ExportToCSV() {
    const int cols = grid_->ColCount();
    const int rows = HasData() ? grid_->RowCount() : 1;
    // The title as last saved for this window, read afresh.
    const BaseIniFile file(settingsFileName_);
    const std::string title = file.ReadString(windowSection_, "WindowTitle", windowTitle_);
    exportDirectory_ =
        CSVExportFile::Directory(exportDirectory_, FromQt(QCoreApplication::applicationDirPath()));
    const std::string name =
        CSVExportFile::FileName(exportDirectory_, title, invalidFileNameChars_, CSVExportManager::Now());
    BusyCursor busy;
    auto writer = std::make_unique<TExportDataToCSV>(name);
    std::string lines = TExportDataToCSV::TakeSpareBuffer();
    CSVExportFile::AppendLines(lines, cols, rows, [this](int col, int row) { return GetCellText(col, row); });
    writer->AddLines(std::move(lines));
    TExportDataToCSV::Start(std::move(writer));
}

void TBaseGridForm::RunScheduledExport() {
    if (!exportManager_.IsExportDue()) return;
    ExportToCSV();
    exportManager_.Advance();
}

void TBaseGridForm::SendColumnNames(int32_t, int32_t) {
    GridAutomationReply::SendColumnNames(*this);
}

void TBaseGridForm::SendCellText(int32_t, int32_t lParam) {
    GridAutomationReply::SendCellText(*this, lParam);
}

void TBaseGridForm::ScheduleCSVExportActionExecute() {
    TScheduleCSVExportForm dialog(this, windowTitle_, ExportSchedule);
    if (dialog.ShowModal() == mrOk) exportManager_.ScheduleNext(ExportSchedule);
}

void TBaseGridForm::FormResize() {
    // Resizes while the window is built and placed are not the user's.
    if (!isVisible()) return;
    RepaintGrid();
    NotifyWorkspaceChanged();
    WindowResized();
}
