#include <algorithm>

#include "grid/BusinessObjectGrid.h"
#include "grid/GridQuickTools.h"
#include "grid/TBaseGridForm.h"
#include "grid/TFilterForm.h"
#include "grid/TFilterToolsForm.h"
#include "grid/TSortSelectionForm.h"
#include "grid/TitleManager.h"
#include "store/InterfaceView.h"
#include "toolkit/Action.h"
#include "toolkit/BusyCursor.h"

// ---- Sort and filter tools.

void TBaseGridForm::ConnectSortAndFilterTools() {
    SortAction->onExecute = [this](Action&) { SortActionExecute(); };
    FilterAction->onExecute = [this](Action&) { FilterActionExecute(); };
    SetQuickFilterAction->onExecute = [this](Action&) { SetQuickFilterActionExecute(); };
    SetLowerQuickFilterAction->onExecute = [this](Action&) { SetLowerQuickFilterActionExecute(); };
    SetGreaterQuickFilterAction->onExecute = [this](Action&) { SetGreaterQuickFilterActionExecute(); };
    NegateColumnFilterAction->onExecute = [this](Action&) { SetFilterNegationActionExecute(); };
    RemoveColumnFilterAction->onExecute = [this](Action&) { RemoveColumnFilterActionExecute(); };
    SetQuickSortAscAction->onExecute = [this](Action&) { SetQuickSortAscActionExecute(); };
    SetQuickSortDescAction->onExecute = [this](Action&) { SetQuickSortDescActionExecute(); };
    RemoveColumnSortAction->onExecute = [this](Action&) { RemoveColumnSortActionExecute(); };
}

void TBaseGridForm::FiltersChanged() {
    ApplyFilters();
    RowSelected(grid_->Row());
    NotifyWorkspaceChanged();
}

void TBaseGridForm::SortCriteriaChanged() {
    SortActive = !SortCriteria.empty();
    NotifyWorkspaceChanged();
    view_->SetSortCriteria(SortCriteria);
    BusyCursor busy;
    SortRows();
}

void TBaseGridForm::SetFilterNegationActionExecute() {
    if (!view_ || !GridQuickTools::NegateColumnFilter(view_->GetFilter(), ColumnName(grid_->Col()))) return;
    ApplyFilters();
    NotifyWorkspaceChanged();
}

void TBaseGridForm::RemoveColumnFilterActionExecute() {
    if (!view_ || !GridQuickTools::RemoveColumnFilter(view_->GetFilter(), ColumnName(grid_->Col()))) return;
    FiltersChanged();
}

void TBaseGridForm::RemoveColumnSortActionExecute() {
    if (!view_) return;
    if (GridQuickTools::RemoveColumnSort(SortCriteria, ColumnName(grid_->Col()))) {
        SortCriteriaChanged();
    }
    RowSelected(grid_->Row());
    grid_->Invalidate();
}

void TBaseGridForm::SortActionExecute() {
    if (!view_ || !titles_) return;
    std::vector<SortSelectionData> criteria;
    for (const SortSelectionData& c : SortCriteria)
        criteria.emplace_back(titles_->GetUserTitle(c.Column), c.Ascending);
    std::vector<std::string> available;
    for (const std::string& name : view_->GetTitleList()) {
        const std::string title = titles_->GetUserTitle(name);
        const bool sorted = std::any_of(SortCriteria.begin(), SortCriteria.end(),
                                        [&](const SortSelectionData& c) { return c.Column == name; });
        if (!title.empty() && !sorted) available.push_back(title);
    }
    TSortSelectionForm dialog(this, criteria, available);
    if (dialog.ShowModal() == mrOk) {
        SortCriteria.clear();
        for (const SortSelectionData& c : criteria)
            SortCriteria.emplace_back(titles_->FindColumnByTitle(c.Column), c.Ascending);
        SortCriteriaChanged();
        RowSelected(grid_->Row());
    }
    grid_->Invalidate();
}

void TBaseGridForm::FilterActionExecute() {
    if (!view_ || !titles_) return;
    AlertState = kAlertBusy;
    // The editors are declared first so that they outlive the dialog, which holds one of their
    // panels while it is open, also when an exception leaves it.
    std::unique_ptr<TFilterToolsForm> tools;
    auto dialog = std::make_unique<TFilterForm>(this, SupportsFilterAlerts(), *titles_, *view_);
    tools = std::make_unique<TFilterToolsForm>(nullptr, dialog->Handle());
    dialog->SetToolsForm(tools.get());
    if (dialog->ShowModal() == mrOk) {
        NotifyWorkspaceChanged();
        ApplyFilters();
        RowSelected(grid_->Row());
        RepaintGrid();
    }
    AlertState = kAlertIdle;
    dialog.reset();
}
