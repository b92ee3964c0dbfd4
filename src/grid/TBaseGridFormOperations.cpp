#include <QCoreApplication>
#include <QFileInfo>

#include "core/BaseIniFile.h"
#include "core/DateTimeText.h"
#include "fields/MInterface.h"
#include "fields/MTTimePoint.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/ColumnSetText.h"
#include "grid/GridQuickTools.h"
#include "grid/TBaseGridForm.h"
#include "grid/TCheckListSingleSelectionForm.h"
#include "grid/TCheckListTriStateForm.h"
#include "grid/TDateTimeInputForm.h"
#include "grid/TEnumInputForm.h"
#include "grid/TStringInputForm.h"
#include "store/InterfaceView.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

// ---- Own virtual operations: the base behaviour.

bool TBaseGridForm::EditRow(int) {
    return false;
}
bool TBaseGridForm::CanEditRow(int) {
    return true;
}
bool TBaseGridForm::CanCloseWindow() {
    return true;
}
bool TBaseGridForm::SpareRowCheck() {
    return true;
}
bool TBaseGridForm::CanModifyColumnValues(int) {
    return true;
}
bool TBaseGridForm::CanImport() {
    return false;
}
bool TBaseGridForm::ImportData(const std::string&) {
    return true;
}
int TBaseGridForm::SpareQueryFirst() {
    return 0;
}
int TBaseGridForm::SpareQuerySecond() {
    return 0;
}
void TBaseGridForm::SaveExtraConfig(BaseIniFile&) {}
void TBaseGridForm::WriteWindowEntry(BaseIniFile&) {}
void TBaseGridForm::WriteApplicationName(BaseIniFile& file) {
    file.WriteString("Application", "Name",
                     FromQt(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
}
void TBaseGridForm::WindowResized() {}
void TBaseGridForm::DataReloaded() {}
void TBaseGridForm::ShowImportSucceeded() {
    Ui().MessageBox(this, "The import has been successfully completed", "Import status", BoxIcon::Information,
                    BoxButtons::Ok);
}
void TBaseGridForm::ShowImportFailed() {
    Ui().MessageBox(this,
                    "The import has been completed with some problems.\nFor more details please consult "
                    "Communication Status Window",
                    "Import Status", BoxIcon::Warning, BoxButtons::Ok);
}
void TBaseGridForm::ColumnOrderRestored() {}
void TBaseGridForm::ColumnMoved() {}
void TBaseGridForm::BeforeSort() {}
void TBaseGridForm::SetQuickFilter(int condition) {
    if (!view_) return;
    const int col = grid_->Col();
    const std::string name = ColumnName(col);
    if (name.empty()) return;
    unsigned length = 0;
    const char* text = view_->GetCellText(col, static_cast<unsigned>(grid_->Row()), &length);
    GridQuickTools::SetQuickFilter(view_->GetFilter(), name, view_->FindField(name),
                                   std::string(text, length), condition);
    FiltersChanged();
}
void TBaseGridForm::FiltersApplied() {}
void TBaseGridForm::SetQuickSort(bool ascending) {
    if (!view_) return;
    const std::string name = ColumnName(grid_->Col());
    if (name.empty()) return;
    GridQuickTools::SetQuickSort(SortCriteria, name, ascending);
    SortCriteriaChanged();
    RowSelected(grid_->Row());
}
void TBaseGridForm::ReloadData() {}
void TBaseGridForm::GridMouseDown(int, int, int, int) {}
std::string TBaseGridForm::GetRowHeaderSuffix(int) {
    return {};
}
std::string TBaseGridForm::GetCaptionSuffix() {
    return {};
}
bool TBaseGridForm::CanSort() {
    return view_ != nullptr;
}
bool TBaseGridForm::CanFilter() {
    return view_ && view_->GetAllRowCount() > 1;
}
bool TBaseGridForm::CanQuickFilter() {
    return HasData();
}
bool TBaseGridForm::CanRemoveColumnFilter() {
    return CurrentColumnHasFilter();
}
bool TBaseGridForm::CanHideColumns() {
    return view_ != nullptr;
}
bool TBaseGridForm::CanEditColumnProperties() {
    return view_ && titles_;
}
int TBaseGridForm::GetColumnMaxLength(const std::string&) {
    return -1;
}
void TBaseGridForm::ModifyColumnValue(int, const std::string&) {}
void TBaseGridForm::ModifyColumnSetValues(int, const StringVector&, const StringVector&) {}
void TBaseGridForm::ModifyColumnValues() {
    if (!view_) return;
    const int col = grid_->Col();
    unsigned length = 0;
    const char* cell = view_->GetCellText(col, static_cast<unsigned>(grid_->Row()), &length);
    std::string text(cell, length);
    const int field = view_->GetColumnIndex(col) - 1;
    const std::string name = ColumnName(col);
    switch (const int kind = view_->GetColumnKind(field)) {
        case MInterface::kOther:
        case MInterface::kString:
        case MInterface::kNumber: {
            TStringInputForm form(this, name, &text);
            if (const int limit = GetColumnMaxLength(name); limit > 0)
                form.Control<Edit>("StringInputEdit")->SetMaxLength(limit);
            if (form.ShowModal() == mrOk) ModifyColumnValue(field, text);
            break;
        }
        case MInterface::kEnumeration: {
            TEnumInputForm form(this, &text, name, view_->GetColumnValues(field));
            if (form.ShowModal() == mrOk) ModifyColumnValue(field, text);
            break;
        }
        case MInterface::kSet:
            ModifySetColumnValues(field, name, text);
            break;
        default:
            if (kind >= 1 && kind <= 3) EditDateTimeColumnValue(text, kind, field);
            break;
    }
    ApplyFilters();
}

void TBaseGridForm::ModifySetColumnValues(int field, const std::string& name, const std::string& text) {
    const std::vector<std::string> offered =
        SetValueList.empty() ? view_->GetColumnValues(field) : SetValueList;
    const char separator = view_->GetColumnSeparator(field);
    if (SetEditTriState) {
        TCheckListTriStateForm form(this, offered, name);
        if (form.ShowModal() != mrOk) return;
        StringVector set;
        StringVector clear;
        for (int i = 0; i < static_cast<int>(offered.size()); ++i) {
            const CheckListBox::State state = form.FlagState(i);
            if (state == CheckListBox::Checked) set.push_back(offered[i]);
            if (state == CheckListBox::Unchecked) clear.push_back(offered[i]);
        }
        ModifyColumnSetValues(field, set, clear);
        return;
    }
    std::vector<std::string> chosen = ColumnSetText::CurrentFlags(
        text, offered, view_->GetColumnNoneText(field), view_->GetColumnAllText(field), separator);
    TCheckListSingleSelectionForm form(this, false, name, chosen, offered);
    if (form.ShowModal() == mrOk) ModifyColumnValue(field, ColumnSetText::Join(chosen, separator));
}

void TBaseGridForm::EditDateTimeColumnValue(std::string& value, int kind, int field) {
    const MDateTimeTimePoint reference;
    // A time of day alone is read against the reference date, as the dialog reads full date-times.
    std::string text = value;
    if (kind == MInterface::kTime && !text.empty()) text = FormatTmDate(reference.GetTm(), '/') + " " + text;
    std::string name;
    if (view_ && field >= 0 && field < static_cast<int>(view_->GetTitleList().size()))
        name = view_->GetTitleList()[field];
    TDateTimeInputForm form(this, reference, name, kind, text);
    if (form.ShowModal() != mrOk) return;
    value = text;
    ModifyColumnValue(field, value);
}
bool TBaseGridForm::SupportsFilterAlerts() {
    return false;
}
void TBaseGridForm::RowSelected(int) {}
