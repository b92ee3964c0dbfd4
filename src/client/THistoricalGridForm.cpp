#include "client/THistoricalGridForm.h"

#include <QMenu>
#include <QPointer>

#include "client/THistoricalQueryForm.h"
#include "session/KVNEventManager.h"
#include "toolkit/Action.h"

THistoricalGridForm::THistoricalGridForm(QMdiArea* owner, const HistoricalGridKind& row,
                                         const BaseGridConfig& config, TitleManager* titles,
                                         KVNEventManager* session, InterfaceView* view)
    : TKVNGrid(owner, row.Kind, config, titles, session, view), row_(row), baseCaption_(config.WindowTitle) {
    // Select Date answers Ctrl+Alt+D through its popup item: Ctrl+Alt+H stays Hide Columns'.
    const ActionEntry entries[] = {
        {&SelectDateAction, "SelectDateAction", row.ActionCaption, "", ""},
    };
    MakeActions(entries);
    SelectDateAction->onExecute = [this](Action&) { SelectDateActionExecute(); };
    SelectDateAction->onUpdate = [this](Action& action) { SelectDateActionUpdate(action); };
    if (row.SeparatorBefore) PopupMenu()->addSeparator();
    SelectDateMenuItem = AddPopupItem(PopupMenu(), SelectDateAction, "Ctrl+Alt+D", "");
    SelectDateMenuItem->setObjectName("SelectDateMenuItem");
    if (!row.SeparatorBefore) PopupMenu()->addSeparator();
    UpdateCaption();
}

KVNEventManager::QuerySlot& THistoricalGridForm::Slot() {
    return Session()->QuerySlots[row_.Slot];
}

void THistoricalGridForm::SelectDateActionUpdate(Action& action) {
    action.SetEnabled(Session()->IsReady() && Slot().PendingSequence == 0);
}

void THistoricalGridForm::SelectDateActionExecute() {
    const QPointer<THistoricalGridForm> self(this);
    THistoricalQueryForm form(this, Session());
    form.SetCriteria(Slot().StartDate, Slot().EndDate, Slot().Firm);
    if (form.ShowModal() != mrOk || !self) return;
    DeleteAnswer();
    KVNEventManager::QuerySlot& slot = Slot();
    slot.Firm = form.GetFirm();
    slot.StartDate = form.GetStartDate();
    slot.EndDate = form.GetEndDate();
    const bool supervisor = Session()->IsSupervisor();
    SetWindowTitle(HistoricalGridKind::WindowTitle(baseCaption_, slot));
    SendRequest(row_.Description(slot, supervisor));
    UpdateCaption();
}

void THistoricalGridForm::DeleteAnswer() {
    DeleteRecords();
    ReloadGrid();
}

bool THistoricalGridForm::CanDeleteRecord(int) {
    return false;
}

bool THistoricalGridForm::CanCopyRecord(int) {
    return false;
}

bool THistoricalGridForm::CanDeleteAllDisplayed() {
    return false;
}

bool THistoricalGridForm::CanCreateRecord(int) {
    return false;
}

void THistoricalGridForm::FormClose() {
    TKVNGrid::FormClose();
    --Session()->OpenHistoricalWindows[row_.Slot];
    DeleteRecords();
}
