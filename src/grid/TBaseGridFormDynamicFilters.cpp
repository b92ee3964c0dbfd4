#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "grid/BusinessObjectGrid.h"
#include "grid/DynamicFilterLinks.h"
#include "grid/DynamicLinkRegistry.h"
#include "grid/TBaseGridForm.h"
#include "grid/TDynamicFilterForm.h"
#include "grid/TitleManager.h"
#include "store/InterfaceView.h"
#include "toolkit/MessageRouter.h"

// ---- Dynamic filters.

void TBaseGridForm::AddDynamicFilter(const std::string& column, const std::string& supplierTitle,
                                     const std::string& supplierColumn) {
    if (!view_) return;
    uint32_t supplier = 0;
    if (Links().Add(column, supplierTitle, supplierColumn, supplier) != DynamicFilterLinks::Added::Linked)
        return;
    if (supplier != 0) MessageRouter::SendMessage(supplier, kPublishLinkValues, 0, 0);
    ApplyDynamicFilterValues();
}
DynamicLinkRegistry* TBaseGridForm::GetDynamicLinkRegistry() {
    return LinkRegistry;
}
void TBaseGridForm::ApplyDynamicFilterValues() {
    if (!view_ || !GetDynamicLinkRegistry()) return;
    Links().TakeValues();
    ApplyFilters();
    RepaintGrid();
    NotifyWorkspaceChanged();
    if (Links().IsSupplier()) PublishLinkValues();
}
void TBaseGridForm::PublishLinkValues() {
    if (!view_ || !GetDynamicLinkRegistry()) return;
    RepaintGrid();
    Links().Publish(static_cast<unsigned>(std::max(grid_->Row(), 0)));
}
void TBaseGridForm::ClearDynamicFilters() {
    if (!view_ || !GetDynamicLinkRegistry()) return;
    if (!Links().Clear()) return;
    ApplyFilters();
    NotifyWorkspaceChanged();
}
void TBaseGridForm::PublishRowLinkValues(int row) {
    // Runs for every cell painted in the selected row: no repaint from here.
    if (!view_ || !GetDynamicLinkRegistry() || row < 1) return;
    Links().Publish(static_cast<unsigned>(row));
}
void TBaseGridForm::ForceGridRefreshActionExecute() {
    if (DynamicLinkRegistry* registry = GetDynamicLinkRegistry()) registry->ForceRefreshAllGrids();
}
void TBaseGridForm::DynamicFilterActionExecute() {
    QMdiArea* area = SubWindow() ? SubWindow()->mdiArea() : nullptr;
    if (!area) return;
    if (view_) {
        // The other windows that hold records, by the caption the registry finds them by.
        TDynamicFilterForm::SourceGrids grids;
        for (QMdiSubWindow* sub : area->subWindowList()) {
            auto* other = dynamic_cast<TBaseGridForm*>(sub->widget());
            if (!other || other == this || !other->View() || other->View()->GetAllRowCount() <= 1) continue;
            std::vector<GridColumns>& columns = grids[other->Caption()];
            const std::vector<std::string>& names = other->View()->GetTitleList();
            for (int field = 0; field < static_cast<int>(names.size()); ++field) {
                const std::string title =
                    other->Titles() ? other->Titles()->GetUserTitle(names[field]) : names[field];
                if (!title.empty())
                    columns.push_back(GridColumns{title, names[field], other->View()->GetColumnKind(field)});
            }
        }
        const auto ownTitle = [this](const std::string& field) {
            const std::string title = titles_ ? titles_->GetUserTitle(field) : std::string();
            return title.empty() ? field : title;
        };
        const auto sourceTitle = [&grids](const std::string& supplier, const std::string& field) {
            const auto grid = grids.find(supplier);
            if (grid == grids.end()) return field;
            for (const GridColumns& column : grid->second)
                if (column.Name == field) return column.Title;
            return field;
        };
        TDynamicFilterForm form(this, titles_, view_.get(), ColumnName(grid_->Col()));
        form.SetSourceGrids(grids);
        form.SetEntries(Links().Entries(ownTitle, sourceTitle));
        if (form.ShowModal() == mrOk) {
            ClearDynamicFilters();
            for (const FilterEntry& entry : form.GetEntries())
                AddDynamicFilter(entry.FilterColumnName, entry.SourceGridTitle, entry.SourceColumnName);
            NotifyWorkspaceChanged();
            ApplyFilters();
            RepaintGrid();
        }
    }
    for (QMdiSubWindow* sub : area->subWindowList()) {
        if (auto* form = dynamic_cast<MdiForm*>(sub->widget()))
            MessageRouter::SendMessage(form->Handle(), kDataChanged, 0, 0);
    }
}
DynamicFilterLinks TBaseGridForm::Links() {
    return DynamicFilterLinks(*view_, GetDynamicLinkRegistry(), Handle());
}
void TBaseGridForm::RefreshDynamicFilters() {
    ApplyDynamicFilterValues();
}
void TBaseGridForm::RepublishLinkValues() {
    PublishRowLinkValues(grid_->Row());
}
