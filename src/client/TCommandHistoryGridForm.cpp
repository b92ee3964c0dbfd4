#include "client/TCommandHistoryGridForm.h"

#include "session/KVNEventManager.h"
#include "store/CommandHistory.h"
#include "store/TInterfaceView.h"

TCommandHistoryGridForm::TCommandHistoryGridForm(QMdiArea* owner, const BaseGridConfig& config,
                                                 TitleManager* titles, KVNEventManager* session,
                                                 InterfaceView* view)
    : TKVNGrid(owner, ChildType::CommandHistory, config, titles, session, view) {
    setObjectName("CommandHistoryGridForm");
}

void TCommandHistoryGridForm::ReloadData() {
    auto* view = static_cast<TInterfaceView<CommandHistory>*>(View());
    if (!view) return;
    // The session never removes a single entry: only the changed keys are read.
    const DataHandler<CommandHistory>& store = Session()->CommandHistories;
    for (const BaseKey& key : store.ChangedKeys)
        if (const CommandHistory* entry = store.Find(key)) view->UpdateRow(entry);
}

bool TCommandHistoryGridForm::CanEditRecord(int) {
    return false;
}

bool TCommandHistoryGridForm::CanDeleteAllDisplayed() {
    return false;
}
