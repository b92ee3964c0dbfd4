#include <QMdiSubWindow>
#include <utility>

#include "core/BaseIniFile.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/ChunkedKeyList.h"
#include "grid/DecimalText.h"
#include "grid/DynamicLinkRegistry.h"
#include "grid/TBaseGridForm.h"
#include "grid/WindowConfigText.h"
#include "store/FilterData.h"
#include "store/InterfaceView.h"
#include "toolkit/MessageRouter.h"

// ---- Configuration.

std::string TBaseGridForm::GetConfigSection() {
    if (useTemplate_ && !templateSection_.empty() && settingsFile_->SectionExists(templateSection_))
        return templateSection_;
    return windowSection_;
}

namespace {

constexpr const char* kEntryEnd = WindowConfigText::kEntryEnd;
constexpr const char* kValueEntryEnd = WindowConfigText::kValueEntryEnd;
constexpr const char* kOpener = WindowConfigText::kOpener;
constexpr const char* kCloser = WindowConfigText::kCloser;

// Swaps the window's current section for the time of a save.
class SectionSwitch {
public:
    SectionSwitch(std::string& section, std::string name) : section_(section), saved_(section) {
        section_ = std::move(name);
    }
    ~SectionSwitch() { section_ = saved_; }
    SectionSwitch(const SectionSwitch&) = delete;
    SectionSwitch& operator=(const SectionSwitch&) = delete;

private:
    std::string& section_;
    std::string saved_;
};

}  // namespace

void TBaseGridForm::InitWindowConfig() {
    settingsFile_ = std::make_unique<BaseIniFile>(settingsFileName_);
    RefreshGrid();
    LoadWindowConfig();
    invalidFileNameChars_ = {'\\', '/', ':', '*', '?', '"', '<', '>', '|'};
    exportManager_.ScheduleNext(ExportSchedule);
}

void TBaseGridForm::LoadWindowConfig() {
    SetRowHeaderWidth();
    LoadGridOptions();
    LoadSortConfig();
    LoadColumnOptions();
    LoadHiddenColumns();
    LoadFilterConfig();
    LoadDynamicFilterConfig();
    LoadWindowTitle();
    LoadWindowPosition();
    LoadExportSchedule();
}

void TBaseGridForm::LoadGridOptions() {
    options_.LoadFromFile(*settingsFile_, GetConfigSection());
    ApplyGridOptions();
}

void TBaseGridForm::LoadSortConfig() {
    if (!view_) return;
    SortCriteria.clear();
    const ChunkedKeyList list(*settingsFile_, GetConfigSection(), "Sort");
    for (const Key1ValueData& entry : list.ReadKey1ValueList(kEntryEnd, kOpener, kCloser))
        SortCriteria.emplace_back(entry.Key, entry.Value == "1");
    if (SortCriteria.empty()) return;
    view_->SetSortCriteria(SortCriteria);
    // Only the criteria on columns the view has remain: with none, no sort is active (and none is
    // saved).
    SortActive = !SortCriteria.empty();
}

void TBaseGridForm::LoadColumnOptions() {
    if (!view_) return;
    ColumnOptionMap saved;
    std::vector<std::string> names;
    const ChunkedKeyList list(*settingsFile_, GetConfigSection(), "ColumnOptions");
    WindowConfigText::ReadColumnOptions(list.ReadKey2ValueList(kEntryEnd, kOpener, ",", kCloser),
                                        BusinessObjectGrid::kDefaultColWidth, saved, names);
    if (saved.empty()) return;
    ApplyColumnOrder(saved, names);
    const TitleVisibilityMap& visibility = view_->GetTitleVisibility();
    for (const std::string& name : view_->GetTitleList()) {
        const auto option = saved.find(name);
        if (option == saved.end()) continue;
        const int col = view_->FindColumn(name);
        if (col < 1) continue;
        const auto flag = visibility.find(name);
        if (flag == visibility.end() || flag->second) {
            if (col < grid_->ColCount()) grid_->SetColWidth(col, option->second.Width);
        } else {
            // Kept with the hidden column, for when it shows again.
            grid_->SetColWidth(col, option->second.Width);
        }
    }
}

void TBaseGridForm::ApplyColumnOrder(const ColumnOptionMap& saved,
                                     const std::vector<std::string>& savedNames) {
    std::vector<int32_t> order =
        WindowConfigText::ColumnOrder(view_->GetTitleList(), saved, savedNames, view_->GetColumnCount());
    view_->SetColumnOrder(order.data(), static_cast<int>(order.size()));
}

void TBaseGridForm::LoadHiddenColumns() {
    if (!view_) return;
    TitleVisibilityMap& visibility = view_->GetTitleVisibility();
    for (auto& [name, visible] : visibility) visible = true;
    const ChunkedKeyList list(*settingsFile_, GetConfigSection(), "HiddenColumns");
    for (const KeyData& entry : list.ReadKeyList(kEntryEnd)) {
        const auto flag = visibility.find(entry.Key);
        if (flag != visibility.end()) flag->second = false;
    }
    ApplyColumnVisibility(visibility);
}

void TBaseGridForm::LoadFilterConfig() {
    if (!view_) return;
    const std::string section = GetConfigSection();
    BaseIniFile& file = *settingsFile_;
    FilterData& filters = view_->GetFilter();
    filters.clear();

    const std::string negation = file.ReadString(section, "FilterNegation", "0");
    int32_t negated = 0;
    view_->SetFilterNegation(!negation.empty() && ParseDecimalText(negation, negated) && negated != 0);
    filters.SoundAlertEnabled = file.ReadString(section, "FilterSoundAlertEnabled", "0") == "1";
    filters.SoundAlertFilename =
        WindowConfigText::Unquoted(file.ReadString(section, "FilterSoundAlertFilename", ""));
    filters.PopupAlertEnabled = file.ReadString(section, "FitlerPopupAlertEnabled", "0") == "1";
    filters.PopupAlertMessage =
        WindowConfigText::Unquoted(file.ReadString(section, "FilterPopupAlertMessage", ""));

    WindowConfigText::ReadFilters(
        ChunkedKeyList(file, section, "FilterCondition").ReadKey1ValueList(kEntryEnd, kOpener, kCloser),
        ChunkedKeyList(file, section, "Filter").ReadKey1ValueList(kValueEntryEnd, kOpener, kCloser),
        ChunkedKeyList(file, section, "FilterUseDeltaTime")
            .ReadKey1ValueList(kValueEntryEnd, kOpener, kCloser),
        [this](const std::string& name) { return view_->FindField(name); }, filters);
}

void TBaseGridForm::LoadDynamicFilterConfig() {
    if (!view_) return;
    const std::string section = GetConfigSection();
    FilterData& dynamic = view_->GetDynamicFilter();
    dynamic.clear();
    const int32_t count = settingsFile_->ReadCount(section, "DynamicFilterCount");
    for (int32_t n = 1; n <= count; ++n) {
        const std::string number = std::to_string(n);
        ColumnFilter filter;
        filter.ColumnName = settingsFile_->ReadString(section, "DynamicFilter" + number, "");
        filter.LinkWindowTitle = settingsFile_->ReadString(section, "DynamicFilterGrid" + number, "");
        filter.LinkColumnName = settingsFile_->ReadString(section, "DynamicFilterGridColumn" + number, "");
        // Stops at the first incomplete number, so an edited count reads no further than the keys.
        if (filter.ColumnName.empty() || filter.LinkWindowTitle.empty() || filter.LinkColumnName.empty())
            break;
        filter.Condition = 2;
        filter.Column = view_->FindField(filter.ColumnName);
        filter.Values.emplace_back();
        if (DynamicLinkRegistry* registry = GetDynamicLinkRegistry()) {
            uint32_t supplier = 0;
            registry->AddDynamicFilterLink(Handle(), filter.ColumnName, supplier, filter.LinkColumnName,
                                           filter.LinkWindowTitle);
        }
        dynamic.push_back(std::move(filter));
    }
}

void TBaseGridForm::LoadWindowTitle() {
    const std::string title = settingsFile_->ReadString(windowSection_, "WindowTitle", windowTitle_);
    if (title.empty()) return;
    windowTitle_ = title;
    UpdateCaption();
}

void TBaseGridForm::LoadWindowPosition() {
    const char* const keys[] = {"Left", "Top", "Height", "Width"};
    int32_t values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const std::string text = settingsFile_->ReadString(windowSection_, keys[i], "");
        if (text.empty() || !ParseDecimalText(text, values[i])) return;
    }
    QWidget* frame = SubWindow();
    frame->move(values[0], frame->y());
    frame->move(frame->x(), values[1]);
    frame->resize(frame->width(), values[2]);
    frame->resize(values[3], frame->height());
}

void TBaseGridForm::LoadExportSchedule() {
    ExportSchedule.clear();
    const ChunkedKeyList list(*settingsFile_, GetConfigSection(), "CSVExportSchedule");
    for (const KeyData& entry : list.ReadKeyList(kEntryEnd)) ExportSchedule.insert(entry.Key);
}

void TBaseGridForm::SaveWindowConfig(BaseIniFile& file) {
    WriteApplicationName(file);
    WriteWindowEntry(file);
    SaveSortConfig(file);
    SaveFilterConfig(file);
    SaveDynamicFilterConfig(file);
    SaveHiddenColumns(file);
    SaveColumnOptions(file);
    SaveExportSchedule(file);
    SaveWindowTitle(file);
    SaveWindowPosition(file);
    SaveGridOptions(file);
    SaveExtraConfig(file);
}

void TBaseGridForm::SaveWindowConfigToSection(BaseIniFile& file, int number) {
    const SectionSwitch section(windowSection_, std::to_string(number));
    SaveWindowConfig(file);
}

std::string TBaseGridForm::SaveWindowConfigData(BaseIniFile& file) {
    const std::string name = file.MakeSectionName();
    const SectionSwitch section(windowSection_, name);
    WriteApplicationName(file);
    WriteWindowEntry(file);
    SaveSortConfig(file);
    SaveFilterConfig(file);
    SaveHiddenColumns(file);
    SaveColumnOptions(file);
    SaveExportSchedule(file);
    SaveWindowTitle(file);
    SaveGridOptions(file);
    return name;
}

void TBaseGridForm::SaveWindowAsTemplate(BaseIniFile& file) {
    const SectionSwitch section(windowSection_, templateSection_);
    SaveSortConfig(file);
    SaveFilterConfig(file);
    SaveHiddenColumns(file);
    SaveColumnOptions(file);
    SaveExportSchedule(file);
    SaveGridOptions(file);
}

void TBaseGridForm::SaveSortConfig(BaseIniFile& file) {
    ChunkedKeyList list(file, windowSection_, "Sort");
    for (const SortSelectionData& criterion : SortCriteria)
        list.Add(WindowConfigText::Entry(criterion.Column, criterion.Ascending ? "1" : "0"));
    list.Save();
}

void TBaseGridForm::SaveFilterConfig(BaseIniFile& file) {
    if (!view_) return;
    // The lists read their present counts before anything is written.
    ChunkedKeyList values(file, windowSection_, "Filter");
    ChunkedKeyList conditions(file, windowSection_, "FilterCondition");
    ChunkedKeyList deltas(file, windowSection_, "FilterUseDeltaTime");
    const FilterData& filters = view_->GetFilter();
    file.WriteString(windowSection_, "FilterNegation", view_->GetFilterNegation() ? "1" : "0");
    file.WriteString(windowSection_, "FilterSoundAlertEnabled", filters.SoundAlertEnabled ? "1" : "0");
    file.WriteString(windowSection_, "FilterSoundAlertFilename", '"' + filters.SoundAlertFilename + '"');
    file.WriteString(windowSection_, "FitlerPopupAlertEnabled", filters.PopupAlertEnabled ? "1" : "0");
    file.WriteString(windowSection_, "FilterPopupAlertMessage", '"' + filters.PopupAlertMessage + '"');
    for (const ColumnFilter& filter : filters) {
        const WindowConfigText::FilterEntries entries = WindowConfigText::FilterToEntries(filter);
        for (const std::string& value : entries.ListValues) values.Add(value);
        deltas.Add(entries.Delta);
        conditions.Add(entries.Condition);
        if (!entries.Operands.empty()) values.Add(entries.Operands);
    }
    deltas.WriteChunk();
    values.WriteChunk();
    conditions.WriteChunk();
    values.WriteCount();
    conditions.WriteCount();
    deltas.WriteCount();
    values.DeleteStaleChunks();
    conditions.DeleteStaleChunks();
    deltas.DeleteStaleChunks();
}

void TBaseGridForm::SaveDynamicFilterConfig(BaseIniFile& file) {
    if (!view_) return;
    int32_t n = 0;
    for (const ColumnFilter& filter : view_->GetDynamicFilter()) {
        const std::string number = std::to_string(++n);
        file.WriteString(windowSection_, "DynamicFilter" + number, filter.ColumnName);
        file.WriteString(windowSection_, "DynamicFilterGrid" + number, filter.LinkWindowTitle);
        file.WriteString(windowSection_, "DynamicFilterGridColumn" + number, filter.LinkColumnName);
    }
    file.WriteInteger(windowSection_, "DynamicFilterCount", n);
}

void TBaseGridForm::SaveHiddenColumns(BaseIniFile& file) {
    if (!view_) return;
    ChunkedKeyList list(file, windowSection_, "HiddenColumns");
    for (const auto& [name, visible] : view_->GetTitleVisibility()) {
        if (!visible) list.Add(name + kEntryEnd);
    }
    list.Save();
}

void TBaseGridForm::SaveColumnOptions(BaseIniFile& file) {
    if (!view_) return;
    ChunkedKeyList list(file, windowSection_, "ColumnOptions");
    for (const std::string& name : view_->GetTitleList()) {
        // A hidden column's width is the one it keeps for showing again.
        const int col = view_->FindColumn(name);
        list.Add(
            WindowConfigText::Entry(name, std::to_string(col) + "," + std::to_string(grid_->ColWidth(col))));
    }
    list.Save();
}

void TBaseGridForm::SaveExportSchedule(BaseIniFile& file) {
    ChunkedKeyList list(file, windowSection_, "CSVExportSchedule");
    for (const std::string& time : ExportSchedule) list.Add(time + kEntryEnd);
    list.Save();
}

void TBaseGridForm::SaveWindowTitle(BaseIniFile& file) {
    file.WriteString(windowSection_, "WindowTitle", windowTitle_);
}

void TBaseGridForm::SaveWindowPosition(BaseIniFile& file) {
    const QWidget* frame = SubWindow();
    file.WriteInteger(windowSection_, "Left", frame->x());
    file.WriteInteger(windowSection_, "Top", frame->y());
    file.WriteInteger(windowSection_, "Height", frame->height());
    file.WriteInteger(windowSection_, "Width", frame->width());
}

void TBaseGridForm::SaveGridOptions(BaseIniFile& file) {
    options_.SaveToFile(file, windowSection_);
}

void TBaseGridForm::ApplyGridOptions() {
    grid_->SetGridFont(options_.GetFont());
    grid_->SetDefaultRowHeight(options_.GetRowHeight());
}

void TBaseGridForm::NotifyWorkspaceChanged() {
    MessageRouter::SendMessage(MessageRouter::MainWindow(), kWorkspaceChanged, 0, 0);
}

void TBaseGridForm::RepaintGrid() {
    grid_->Invalidate();
}
