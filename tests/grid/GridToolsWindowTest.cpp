// The grid window's copy, print, column and export tools on a test window over a real view, their
// dialogs answered by the scripted user interface, and the window's close and resize steps.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTime>
#include <filesystem>
#include <functional>
#include <regex>
#include <stdexcept>

#include "DialogControls.h"
#include "core/BaseIniFile.h"
#include "grid/CSVExportManager.h"
#include "grid/GridWindowFixture.h"
#include "grid/TBaseGridOptionForm.h"
#include "grid/TColumnsToHideForm.h"
#include "grid/TExportDataToCSV.h"
#include "grid/TScheduleCSVExportForm.h"
#include "grid/TTitleManagerForm.h"
#include "guisupport/ScriptedUi.h"
#include "toolkit/Action.h"
#include "toolkit/CheckBox.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/DrawGrid.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/ListBox.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/QtText.h"
#include "toolkit/UpDownEdit.h"

namespace {

class GridTools : public MainWindowGridTest {
protected:
    ~GridTools() override { TExportDataToCSV::JoinAll(); }
    // The CSV files in the export directory.
    std::vector<std::string> CsvFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            if (entry.path().extension() == ".csv") names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    size_t WorkspaceNotices() const {
        return static_cast<size_t>(std::count(received.begin(), received.end(), 0x8003u));
    }
};

// A print set-up that chooses a PDF file as the printer, before the scripted answer.
class PdfPrintUi : public ScriptedUi {
public:
    bool PrintSetup(QWidget* owner, QPrinter* printer) override {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(pdf));
        return ScriptedUi::PrintSetup(owner, printer);
    }
    std::string pdf;
};

// The PDF pages of a file.
std::ptrdiff_t PdfPages(const std::string& pdf) {
    const std::regex page("/Type\\s*/Page[^s]");
    return std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator());
}

}  // namespace

TEST_F(GridTools, ClipboardToolsCopyWhatTheGridShows) {
    ScriptedUi ui;
    Open(3);
    window->ExportAction->Execute();
    EXPECT_EQ(ui.clipboard, "Id\tName\tAmount\n1\tN1\t10\n2\tN2\t20\n3\tN3\t30");
    Grid().SelectCell(2, 2);
    window->CopyCellAction->Execute();
    EXPECT_EQ(ui.clipboard, "N2");
    window->CopyRowAction->Execute();
    EXPECT_EQ(ui.clipboard, "2\tN2\t20");
    window->CopyColumnValuesAction->Execute();
    EXPECT_EQ(ui.clipboard, "N1;N2;N3");

    // A hidden column is never copied.
    view->GetTitleVisibility()["Name"] = false;
    window->ApplyColumnVisibility(view->GetTitleVisibility());
    window->ExportAction->Execute();
    EXPECT_EQ(ui.clipboard, "Id\tAmount\n1\t10\n2\t20\n3\t30");
    Grid().SelectCell(2, 3);
    window->CopyRowAction->Execute();
    EXPECT_EQ(ui.clipboard, "3\t30");
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(GridTools, WithoutDataTheClipboardExportIsTheTitleRowAlone) {
    ScriptedUi ui;
    Open(0);
    EXPECT_FALSE(window->ExportAction->Execute());
    window->ExportActionExecute();
    EXPECT_EQ(ui.clipboard, "Id\tName\tAmount");
}

TEST_F(GridTools, SameTextsInAColumnAreCopiedOnce) {
    ScriptedUi ui;
    Open(3);
    for (int id = 1; id <= 3; ++id) Put(*view, id, 7);
    Grid().SelectCell(view->FindColumn("Amount"), 1);
    window->CopyColumnValuesAction->Execute();
    EXPECT_EQ(ui.clipboard, "7");
}

TEST_F(GridTools, AFailureWhileTheTextIsBuiltShowsItsBoxAndLeavesTheClipboard) {
    struct Failing : TestGridWindow {
        using TestGridWindow::TestGridWindow;
        std::string GetCellText(int col, int row) override {
            if (fail && row == 2) throw std::runtime_error("no text");
            return TestGridWindow::GetCellText(col, row);
        }
        bool fail = false;
    };
    ScriptedUi ui;
    ui.clipboard = "before";
    OpenAs<Failing>(3).fail = true;
    ui.ExpectBox("std::runtime_error", "no text", BoxIcon::None, BoxButtons::Ok, mrOk);
    window->ExportAction->Execute();
    EXPECT_EQ(ui.clipboard, "before");
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(GridTools, TheRealClipboardReceivesTheCopy) {
    Open(2);
    Grid().SelectCell(2, 1);
    window->CopyCellAction->Execute();
    EXPECT_EQ(FromQt(QGuiApplication::clipboard()->text()), "N1");
}

TEST_F(GridTools, TheHidingDialogListsTitledColumnsAndEnablesOkAfterAChangeThatLeavesOneVisible) {
    // Amount has no user title: it is not listed and keeps its visibility.
    TitleMap map = titles.GetTitleMap();
    map["Amount"].Title = "";
    titles.SetTitleMap(map);
    ScriptedUi ui;
    Open(2);
    ui.ExpectModal<TColumnsToHideForm>([](TColumnsToHideForm& f) {
        EXPECT_EQ(FromQt(f.windowTitle()), "Column Hiding Selection");
        CheckListBox* list = f.Columns();
        ASSERT_EQ(list->Count(), 2);
        EXPECT_EQ(list->Item(0), "Id");
        EXPECT_EQ(list->Item(1), "Name");
        EXPECT_FALSE(Enabled(f, "OKButton"));
        EXPECT_FALSE(Enabled(f, "ResetAllButton"));
        f.Control<QPushButton>("HideAllButton")->click();
        EXPECT_TRUE(list->IsChecked(0) && list->IsChecked(1));
        EXPECT_FALSE(Enabled(f, "OKButton"));
        EXPECT_FALSE(Enabled(f, "HideAllButton"));
        f.Control<QPushButton>("ResetAllButton")->click();
        EXPECT_TRUE(Enabled(f, "OKButton"));  // every column visible again, after a change
        Toggle(list, 1);
        EXPECT_TRUE(list->IsChecked(1));
        EXPECT_TRUE(Enabled(f, "OKButton"));
        f.Control<QPushButton>("OKButton")->click();
    });
    window->HideColumnsAction->Execute();
    EXPECT_FALSE(view->GetTitleVisibility().at("Name"));
    EXPECT_TRUE(view->GetTitleVisibility().at("Amount"));
    EXPECT_EQ(Grid().ColCount(), 3);
    EXPECT_EQ(WorkspaceNotices(), 1u);

    // Cancel changes nothing.
    ui.ExpectModal<TColumnsToHideForm>([](TColumnsToHideForm& f) {
        Toggle(f.Columns(), 0);
        f.Control<QPushButton>("CancelButton")->click();
    });
    window->HideColumnsAction->Execute();
    EXPECT_TRUE(view->GetTitleVisibility().at("Id"));
    EXPECT_EQ(WorkspaceNotices(), 1u);
}

TEST_F(GridTools, HideOneColumnStopsAtTheLastVisibleColumnWhileTheDialogMayHideThemAll) {
    ScriptedUi ui;
    Open(2);
    Grid().SelectCell(view->FindColumn("Name"), 1);
    window->HideOneColumnAction->Execute();
    EXPECT_FALSE(view->GetTitleVisibility().at("Name"));
    Grid().SelectCell(view->FindColumn("Id"), 1);
    window->HideOneColumnAction->Execute();
    window->Actions().UpdateActions();
    EXPECT_FALSE(window->HideOneColumnAction->isEnabled());
    EXPECT_EQ(WorkspaceNotices(), 2u);

    // In the dialog Hide All leaves OK disabled; with every column hidden all the same, the grid
    // still shows one data column.
    ui.ExpectModal<TColumnsToHideForm>([](TColumnsToHideForm& f) {
        f.HideAllAction()->Execute();
        EXPECT_FALSE(Enabled(f, "OKButton"));
        f.Control<QPushButton>("CancelButton")->click();
    });
    window->HideColumnsAction->Execute();
    view->GetTitleVisibility()["Amount"] = false;
    window->ApplyColumnVisibility(view->GetTitleVisibility());
    EXPECT_EQ(Grid().ColCount(), 2);
}

TEST_F(GridTools, AHiddenColumnKeepsItsWidthThroughASaveAndGetsItBackWhenShown) {
    ScriptedUi ui;
    Open(2);
    const int name = view->FindColumn("Name");
    Grid().SetColWidth(name, 123);
    ui.ExpectModal<TColumnsToHideForm>([](TColumnsToHideForm& f) {
        Toggle(f.Columns(), 2);  // Name
        f.Control<QPushButton>("OKButton")->click();
    });
    window->HideColumnsAction->Execute();
    ASSERT_FALSE(view->GetTitleVisibility().at("Name"));
    {
        BaseIniFile file(Config().SettingsFileName);
        window->SaveWindowConfig(file);
    }
    delete window->SubWindow();
    Open(2);
    ASSERT_FALSE(view->GetTitleVisibility().at("Name"));
    ui.ExpectModal<TColumnsToHideForm>([](TColumnsToHideForm& f) {
        EXPECT_TRUE(f.Columns()->IsChecked(2));
        Toggle(f.Columns(), 2);
        f.Control<QPushButton>("OKButton")->click();
    });
    window->HideColumnsAction->Execute();
    EXPECT_EQ(Grid().ColWidth(view->FindColumn("Name")), 123);
}

TEST_F(GridTools, TheTitleDialogEditsACopyInKeyOrderAndValidatesOnOk) {
    ScriptedUi ui;
    Open(2);
    ui.ExpectModal<TTitleManagerForm>([&](TTitleManagerForm& f) {
        EXPECT_EQ(FromQt(f.windowTitle()), "Titles Edit Form");
        DrawGrid* grid = f.Grid();
        ASSERT_EQ(grid->ColCount(), 4);
        EXPECT_EQ(FromQt(f.CurrentColumnLabel()->text()), "Current Column: Amount");
        EXPECT_FALSE(Enabled(f, "OKButton"));
        EXPECT_FALSE(Enabled(f, "SetUserTitleButton"));
        const int widthBefore = grid->columnWidth(2);

        // Typing without Set and moving away discards the text.
        f.TitleEdit()->selectAll();
        QTest::keyClicks(f.TitleEdit(), "Sum");
        EXPECT_TRUE(Enabled(f, "SetUserTitleButton"));
        f.SelectColumn(2);
        EXPECT_EQ(FromQt(f.CurrentColumnLabel()->text()), "Current Column: Id");
        f.SelectColumn(1);
        EXPECT_EQ(f.TitleEdit()->Text(), "Amount");
        EXPECT_FALSE(Enabled(f, "SetUserTitleButton"));

        // Id titled "Name": the duplicate is named at Id, the first in key order.
        f.SelectColumn(2);
        f.TitleEdit()->selectAll();
        QTest::keyClicks(f.TitleEdit(), "Name");
        f.Control<QPushButton>("SetUserTitleButton")->click();
        EXPECT_TRUE(Enabled(f, "OKButton"));
        EXPECT_GE(grid->columnWidth(2), widthBefore);
        f.SelectColumn(3);
        ui.ExpectBox("Id - User Title Validation", "The title you have provided is already defined for: Name",
                     BoxIcon::Error, BoxButtons::Ok, mrOk);
        f.Control<QPushButton>("OKButton")->click();
        ASSERT_TRUE(f.isVisible());
        EXPECT_EQ(grid->Col(), 2);
        EXPECT_EQ(titles.GetUserTitle("Id"), "Id");

        // The empty title restores the column's name; case alone makes titles differ.
        f.TitleEdit()->clear();
        QTest::keyClicks(f.TitleEdit(), "x");
        f.TitleEdit()->clear();
        f.Control<QPushButton>("SetUserTitleButton")->click();
        EXPECT_EQ(f.WorkingMap().at("Id").Title, "Id");
        f.SelectColumn(3);
        f.TitleEdit()->selectAll();
        QTest::keyClicks(f.TitleEdit(), "id");
        f.Control<QPushButton>("SetUserTitleButton")->click();

        // Colours: the chosen ones, the current column's defaults, then all defaults.
        ui.ExpectColor(ColorValue(0x0000FF));
        f.Control<QPushButton>("BackgroundColorButton")->click();
        ui.ExpectColor(ColorValue(0x00FF00));
        f.Control<QPushButton>("ForegroundColorButton")->click();
        f.SelectColumn(1);
        ui.ExpectColor(ColorValue(0x111111));
        f.Control<QPushButton>("BackgroundColorButton")->click();
        f.Control<QPushButton>("ResetColumnColorsButton")->click();
        EXPECT_EQ(f.WorkingMap().at("Amount").BackgroundColor, TitleProperty::kWindowColor);
        EXPECT_EQ(f.WorkingMap().at("Name").BackgroundColor, 0x0000FF);
        f.Control<QPushButton>("OKButton")->click();
    });
    window->EditColumnPropertiesAction->Execute();
    EXPECT_EQ(titles.GetUserTitle("Name"), "id");
    EXPECT_EQ(titles.GetBackgroundColor("Name", clWindow), ColorValue(0x0000FF));
    EXPECT_EQ(titles.GetForegroundColor("Name", clWindowText), ColorValue(0x00FF00));
    EXPECT_EQ(WorkspaceNotices(), 1u);

    // Global defaults; Cancel drops everything.
    ui.ExpectModal<TTitleManagerForm>([](TTitleManagerForm& f) {
        f.Control<QPushButton>("ResetUserColorsButton")->click();
        f.Control<QPushButton>("ResetUserTitlesButton")->click();
        EXPECT_EQ(f.WorkingMap().at("Name").Title, "Name");
        EXPECT_EQ(f.WorkingMap().at("Name").BackgroundColor, TitleProperty::kWindowColor);
        f.Control<QPushButton>("CancelButton")->click();
    });
    window->EditColumnPropertiesAction->Execute();
    EXPECT_EQ(titles.GetUserTitle("Name"), "id");
    EXPECT_EQ(WorkspaceNotices(), 1u);

    // Default titles reset titles but not colours; OK hands that back.
    ui.ExpectModal<TTitleManagerForm>([](TTitleManagerForm& f) {
        f.Control<QPushButton>("ResetUserTitlesButton")->click();
        f.Control<QPushButton>("OKButton")->click();
    });
    window->EditColumnPropertiesAction->Execute();
    EXPECT_EQ(titles.GetUserTitle("Name"), "Name");
    EXPECT_EQ(titles.GetBackgroundColor("Name", clWindow), ColorValue(0x0000FF));
}

TEST_F(GridTools, AnEmptyTitleFromAWorkspaceIsRefusedOnItsColumn) {
    TitleMap map = titles.GetTitleMap();
    map["Id"].Title = "";
    titles.SetTitleMap(map);
    ScriptedUi ui;
    Open(1);
    ui.ExpectModal<TTitleManagerForm>([&](TTitleManagerForm& f) {
        f.SelectColumn(3);
        ui.ExpectColor(ColorValue(0x0000FF));
        f.Control<QPushButton>("BackgroundColorButton")->click();
        ui.ExpectBox("Id - User Title Validation", "The title you have provided cannot be empty.",
                     BoxIcon::Error, BoxButtons::Ok, mrOk);
        f.Control<QPushButton>("OKButton")->click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.Grid()->Col(), 2);
        EXPECT_EQ(f.WorkingMap().at("Name").BackgroundColor, 0x0000FF);  // the edits stay
        f.close();
    });
    window->EditColumnPropertiesAction->Execute();
    EXPECT_EQ(titles.GetBackgroundColor("Name", clWindow), clWindow);
}

// Cancel answers the current title; an empty answer changes nothing and tells the workspace nothing.
TEST_F(GridTools, EditWindowTitleTakesCancelAsTheCurrentTitle) {
    ScriptedUi ui;
    Open(1);
    ui.ExpectInput("Renamed");
    window->EditWindowTitleAction->Execute();
    EXPECT_EQ(ui.prompts.back(), "Window Title - Editing|Title");
    EXPECT_EQ(window->WindowTitle(), "Renamed");
    EXPECT_EQ(window->Caption(), "Renamed");
    ui.ExpectInput(std::nullopt);
    window->EditWindowTitleAction->Execute();
    EXPECT_EQ(WorkspaceNotices(), 2u);
    ui.ExpectInput("");
    window->EditWindowTitleAction->Execute();
    EXPECT_EQ(window->WindowTitle(), "Renamed");
    EXPECT_EQ(window->Caption(), "Renamed");
    EXPECT_EQ(WorkspaceNotices(), 2u);
}

TEST_F(GridTools, GridOptionsAreAppliedOnOk) {
    ScriptedUi ui;
    Open(2);
    ui.ExpectModal<TBaseGridOptionForm>([](TBaseGridOptionForm& f) {
        f.Control<UpDownEdit>("RowHeightEdit")->SetText("30");
        f.Control<QPushButton>("OKButton")->click();
    });
    window->GridOptionsAction->Execute();
    EXPECT_EQ(window->GridOptions().GetRowHeight(), 30);
    EXPECT_EQ(WorkspaceNotices(), 1u);
    ui.ExpectModal<TBaseGridOptionForm>([](TBaseGridOptionForm& f) {
        f.Control<UpDownEdit>("RowHeightEdit")->SetText("20");
        f.Control<QPushButton>("CancelButton")->click();
    });
    window->GridOptionsAction->Execute();
    EXPECT_EQ(window->GridOptions().GetRowHeight(), 30);
    EXPECT_EQ(WorkspaceNotices(), 1u);
}

TEST_F(GridTools, PrintingWritesAsManyPdfPagesAsThePlanHasSheets) {
    PdfPrintUi ui;
    Open(150);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.File("report.pdf")));
    const int sheets = window->PrintGrid(printer);
    EXPECT_GT(sheets, 1);
    ASSERT_EQ(window->PrintTable.size(), 151u);
    EXPECT_EQ(window->PrintTable[0], (std::vector<std::string>{"Id", "Name", "Amount"}));
    EXPECT_EQ(PdfPages(TestTempDir::Read(dir.File("report.pdf"))), sheets);

    // The print action prints on the printer the set-up chose; a cancelled set-up prints nothing.
    ui.pdf = dir.File("accepted.pdf");
    ui.ExpectPrintSetup(true);
    window->PrintAction->Execute();
    ASSERT_TRUE(std::filesystem::exists(ui.pdf));
    EXPECT_GT(PdfPages(TestTempDir::Read(ui.pdf)), 1);
    ui.pdf = dir.File("cancelled.pdf");
    ui.ExpectPrintSetup(false);
    window->PrintAction->Execute();
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_FALSE(std::filesystem::exists(ui.pdf));
}

TEST_F(GridTools, TheCsvExportWritesTheDisplayedRowsOfTheVisibleColumns) {
    Open(3);
    window->SortCriteria = {SortSelectionData("Id", false)};
    view->SetSortCriteria(window->SortCriteria);
    window->SortActive = true;
    window->SortRows();
    view->GetTitleVisibility()["Name"] = false;
    window->ApplyColumnVisibility(view->GetTitleVisibility());
    window->ExportToCSVAction->Execute();
    TExportDataToCSV::JoinAll();
    const auto files = CsvFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(std::regex_match(files[0], std::regex("Lots_[0-9]{14}\\.csv"))) << files[0];
    EXPECT_EQ(TestTempDir::Read(dir.File(files[0])), "Id;Amount;\n3;30;\n2;20;\n1;10;\n");
}

TEST_F(GridTools, TheCsvTitleIsReadAfreshFromTheSettingsFileAndAMissingDirectoryFallsBack) {
    {
        BaseIniFile file(Config().SettingsFileName);
        file.WriteString("Lots1", "WindowTitle", "Saved/Title");
    }
    Open(1);
    window->SetWindowTitle("Changed");
    window->ExportToCSV();
    {
        BaseIniFile file(Config().SettingsFileName);
        file.WriteString("Lots1", "WindowTitle", "Later");
    }
    window->ExportToCSV();
    TExportDataToCSV::JoinAll();
    const auto files = CsvFiles();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].substr(0, 6), "Later_");
    EXPECT_EQ(files[1].substr(0, 12), "Saved_Title_");
    EXPECT_EQ(window->ExportDirectory(), dir.Path() + "/");

    // A window whose directory is missing exports to the program's directory, and keeps exporting
    // there once the directory exists.
    BaseGridConfig config = Config();
    config.WindowSection = "Lots2";
    config.WorkingDirectory = dir.File("missing");
    config.WindowTitle = "Fallback" + std::to_string(QCoreApplication::applicationPid());
    delete window->SubWindow();
    Open(1, config);
    const std::filesystem::path exe = FromQt(QCoreApplication::applicationDirPath());
    const auto exported = [&] {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(exe))
            if (entry.path().filename().string().starts_with(config.WindowTitle + "_"))
                found.push_back(entry.path());
        return found;
    };
    const auto removeExported = [&] {
        for (const std::filesystem::path& file : exported()) std::filesystem::remove(file);
    };
    struct Cleanup {
        std::function<void()> run;
        ~Cleanup() { run(); }
    } cleanup{[&] {
        TExportDataToCSV::JoinAll();
        removeExported();
    }};
    window->ExportToCSVAction->Execute();
    TExportDataToCSV::JoinAll();
    ASSERT_EQ(exported().size(), 1u);
    EXPECT_EQ(TestTempDir::Read(exported()[0].string()), "Id;Name;Amount;\n1;N1;10;\n");
    EXPECT_EQ(window->ExportDirectory(), exe.string() + "/");
    removeExported();
    std::filesystem::create_directory(config.WorkingDirectory);
    window->ExportToCSVAction->Execute();
    TExportDataToCSV::JoinAll();
    EXPECT_EQ(exported().size(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(config.WorkingDirectory));
}

TEST_F(GridTools, AScheduleTickAtADueTimeWritesOneExport) {
    Open(2);
    std::string now = "20210203115959";
    window->ExportSchedule = {"090000", "120000"};
    window->ExportManager() = CSVExportManager([&] { return now; });
    window->ExportManager().ScheduleNext(window->ExportSchedule);
    MessageRouter::SendMessage(window->Handle(), TBaseGridForm::kScheduledExport, 0, 0);
    TExportDataToCSV::JoinAll();
    EXPECT_TRUE(CsvFiles().empty());
    now = "20210203120005";
    MessageRouter::SendMessage(window->Handle(), TBaseGridForm::kScheduledExport, 0, 0);
    MessageRouter::SendMessage(window->Handle(), TBaseGridForm::kScheduledExport, 0, 0);
    TExportDataToCSV::JoinAll();
    EXPECT_EQ(CsvFiles().size(), 1u);
    EXPECT_EQ(window->ExportManager().NextTime(), "");
}

TEST_F(GridTools, TheScheduleDialogAddsTimesAndSeriesAndConfirmsTheChange) {
    ScriptedUi ui;
    Open(1);
    window->ExportSchedule = {"070000"};
    ui.ExpectModal<TScheduleCSVExportForm>([&](TScheduleCSVExportForm& f) {
        EXPECT_EQ(FromQt(f.windowTitle()), "Schedule CSV Export Form - Lots");
        EXPECT_EQ(f.FrequencyUnit()->Text(), "hour");
        EXPECT_EQ(f.Frequency()->Maximum(), 12);
        EXPECT_EQ(f.Schedules()->Count(), 1);
        EXPECT_FALSE(Enabled(f, "OKButton"));

        f.StartTime()->SetTime(QTime(8, 0, 0));
        f.EndTime()->SetTime(QTime(9, 0, 0));
        ComboBox* unit = f.FrequencyUnit();
        unit->SetText("second");
        emit unit->activated(unit->currentIndex());
        EXPECT_EQ(f.Frequency()->Maximum(), 120);
        unit->SetText("minute");
        emit unit->activated(unit->currentIndex());
        f.Frequency()->SetPosition(15);
        // A text that is not the position's number is put back when the edit is left.
        f.Frequency()->SetText("1x5");
        emit f.Frequency()->editingFinished();
        EXPECT_EQ(f.Frequency()->Text(), "15");
        f.Control<QPushButton>("AddMultipleSchedulesButton")->click();
        EXPECT_EQ(f.WorkingSet(), (std::set<std::string>{"070000", "081500", "083000", "084500"}));
        f.StartIncluded()->SetChecked(true);
        f.EndIncluded()->SetChecked(true);
        f.Control<QPushButton>("AddMultipleSchedulesButton")->click();
        EXPECT_EQ(f.WorkingSet().size(), 6u);
        EXPECT_EQ(f.Schedules()->Count(), 6);

        // Equal ends: the box, nothing added.
        f.EndTime()->SetTime(QTime(8, 0, 0));
        ui.ExpectBox("Time Range Validation Error",
                     "Ending time cannot be the same or prior to starting time", BoxIcon::Error,
                     BoxButtons::Ok, mrOk);
        f.Control<QPushButton>("AddMultipleSchedulesButton")->click();
        EXPECT_EQ(f.WorkingSet().size(), 6u);

        // Remove one: the line at the same index is selected.
        f.Schedules()->SetItemIndex(1);
        EXPECT_TRUE(f.Remove()->Execute());
        EXPECT_EQ(f.WorkingSet().count("080000"), 0u);
        EXPECT_EQ(f.Schedules()->Item(f.Schedules()->ItemIndex()), "081500");

        // After Remove All OK stays disabled until a time is added.
        f.Control<QPushButton>("RemoveAllSchedulesButton")->click();
        EXPECT_FALSE(Enabled(f, "OKButton"));
        EXPECT_FALSE(Enabled(f, "RemoveAllSchedulesButton"));
        f.SingleTime()->SetTime(QTime(12, 0, 0));
        f.Control<QPushButton>("AddSingleScheduleButton")->click();
        f.Control<QPushButton>("AddSingleScheduleButton")->click();
        EXPECT_EQ(f.WorkingSet(), (std::set<std::string>{"120000"}));
        EXPECT_TRUE(Enabled(f, "OKButton"));

        const std::string text =
            "You are about to change the schedule definition\n\nPress OK button to proceed with the "
            "modification.";
        ui.ExpectBox("CSV Schedule Modification", text, BoxIcon::Information, BoxButtons::OkCancel, mrCancel);
        f.Control<QPushButton>("OKButton")->click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(window->ExportSchedule, (std::set<std::string>{"070000"}));
        ui.ExpectBox("CSV Schedule Modification", text, BoxIcon::Information, BoxButtons::OkCancel, mrOk);
        f.Control<QPushButton>("OKButton")->click();
    });
    window->ScheduleCSVExportAction->Execute();
    EXPECT_EQ(window->ExportSchedule, (std::set<std::string>{"120000"}));
    EXPECT_EQ(WorkspaceNotices(), 0u);
}

TEST_F(GridTools, OpeningSendsNoNoticeWhileResizingAndClosingTheShownWindowDo) {
    Open(2);
    QApplication::processEvents();
    EXPECT_EQ(WorkspaceNotices(), 0u);
    window->SubWindow()->resize(window->SubWindow()->size() + QSize(40, 30));
    QApplication::processEvents();
    EXPECT_EQ(WorkspaceNotices(), 1u);

    // An open find dialog refuses the close; then CanCloseWindow answers and the close notices.
    ScriptedUi ui;
    window->FindDialogShow();
    window->SubWindow()->close();
    QApplication::processEvents();
    ASSERT_TRUE(window);
    EXPECT_FALSE(window->IsChildClosed());
    window->FindDialogClose();
    window->SubWindow()->close();
    QApplication::processEvents();
    EXPECT_EQ(WorkspaceNotices(), 2u);
}
