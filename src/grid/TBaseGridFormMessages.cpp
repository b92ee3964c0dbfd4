#include <algorithm>

#include "grid/BusinessObjectGrid.h"
#include "grid/TBaseGridForm.h"
#include "store/FilterData.h"
#include "store/InterfaceView.h"
#include "toolkit/BusyCursor.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/UiHost.h"

// ---- Messages and refresh.

int32_t TBaseGridForm::Dispatch(uint32_t message, int32_t wParam, int32_t lParam) {
    switch (message) {
        case kDataChanged:
            HandleDataChanged(wParam);
            break;
        case kReload:
            ReloadGrid();
            break;
        case kNewRowAlertCheck:
            CheckNewRowAlert();
            break;
        case kScheduledExport:
            RunScheduledExport();
            break;
        case kApplyLinkValues:
            ApplyDynamicFilterValues();
            break;
        case kPublishLinkValues:
            PublishLinkValues();
            break;
        case kClearDynamicFilters:
            ClearDynamicFilters();
            break;
        case kRefreshDynamicFilters:
            RefreshDynamicFilters();
            break;
        case kRepublishLinkValues:
            RepublishLinkValues();
            break;
        case kSendColumnNames:
            SendColumnNames(wParam, lParam);
            break;
        case kSendCellText:
            SendCellText(wParam, lParam);
            break;
        default:
            break;
    }
    return 0;
}

void TBaseGridForm::HandleDataChanged(int32_t wParam) {
    if (wParam != 0) {
        grid_->setCursor(Qt::BusyCursor);
        return;
    }
    grid_->unsetCursor();
    ReloadData();
    CollectAlertKeys();
    RefreshGrid();
    if (SelectsByData()) RestoreSelectedRow();
    RepaintGrid();
    RowSelected(grid_->Row());
}

void TBaseGridForm::ReloadGrid() {
    if (!view_) return;
    ReloadData();
    view_->ClearRows();
    DataReloaded();
    RefreshGrid();
}

void TBaseGridForm::RefreshGrid() {
    if (HasData()) {
        grid_->SetRowCount(view_->GetDisplayedRowCount());
        for (uint32_t supplier : Links().RegisterAgain())
            MessageRouter::SendMessage(supplier, kPublishLinkValues, 0, 0);
        PublishLinkValues();
        if (SortActive) SortRows();
    } else {
        grid_->SetRowCount(2);
    }
    int cols = 2;
    if (view_) {
        // At least one data column stays, even with every column hidden.
        cols = std::max(view_->GetColumnCount() - view_->CountHiddenColumns(), 2);
    }
    grid_->SetColCount(cols);
    grid_->Invalidate();
    UpdateCaption();
}

void TBaseGridForm::SortRows() {
    if (!view_) return;
    BeforeSort();
    view_->SortRows();
    if (SelectsByData()) RestoreSelectedRow();
    grid_->Invalidate();
}

void TBaseGridForm::ApplyFilters() {
    if (!view_) return;
    view_->SetDynamicFilterActive(GetDynamicLinkRegistry() != nullptr);
    if (view_->GetAllRowCount() > 1) {
        if (view_->ApplyFilter()) {
            grid_->SetRowCount(view_->GetDisplayedRowCount());
            if (SelectsByData()) RestoreSelectedRow();
            BusyCursor busy;
            SortRows();
        } else {
            // No row shown: the values this window supplies are gone.
            if (!view_->IsFilterAlertEnabled() && GetDynamicLinkRegistry()) Links().EmptyPublished();
            grid_->SetRowCount(2);
        }
    }
    CollectAlertKeys();
    UpdateCaption();
    FiltersApplied();
}

void TBaseGridForm::RememberRowKey(int index) {
    RememberedRowKey = HasData() ? view_->GetDisplayedKey(index) : BaseKey();
}

void TBaseGridForm::RestoreSelectedRow() {
    if (!view_ || RememberedRowKey.IsNull()) return;
    int index = 0;
    if (view_->FindDisplayedRow(RememberedRowKey, &index))
        grid_->SetRow(index + 1);
    else
        RememberedRowKey = BaseKey();
}

bool TBaseGridForm::CollectAlertKeys() {
    if (!view_ || !view_->IsFilterAlertEnabled()) return false;
    view_->GetDisplayedKeys(CurrentAlertKeys);
    return true;
}

void TBaseGridForm::CheckNewRowAlert() {
    if (!view_ || !view_->IsFilterAlertEnabled() || AlertState != kAlertIdle) return;
    if (CurrentAlertKeys.empty()) {
        PreviousAlertKeys.clear();
        return;
    }
    AlertState = kAlertBusy;
    const bool fire =
        PreviousAlertKeys.empty() || !std::includes(PreviousAlertKeys.begin(), PreviousAlertKeys.end(),
                                                    CurrentAlertKeys.begin(), CurrentAlertKeys.end());
    PreviousAlertKeys = CurrentAlertKeys;
    if (fire) PlayAlert();
    AlertState = kAlertIdle;
}

void TBaseGridForm::PlayAlert() {
    if (!view_) return;
    const FilterData& filter = view_->GetFilter();
    if (filter.SoundAlertEnabled) Ui().AlertSound(filter.SoundAlertFilename);
    if (filter.PopupAlertEnabled)
        Ui().MessageBox(this, filter.PopupAlertMessage, "Alert", BoxIcon::None, BoxButtons::Ok);
}
