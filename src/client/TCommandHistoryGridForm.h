#pragma once
// The command-history window: a read-only list of every command the session sent, with its
// outcome. The session adds and updates the entries; each refresh brings the changed ones into
// the window's view, in place.
#include "client/TKVNGrid.h"

class TCommandHistoryGridForm : public TKVNGrid {
public:
    // The view must be a TInterfaceView<CommandHistory>.
    TCommandHistoryGridForm(QMdiArea* owner, const BaseGridConfig& config, TitleManager* titles,
                            KVNEventManager* session, InterfaceView* view);

    void ReloadData() override;
    bool CanEditRecord(int row) override;
    bool CanDeleteAllDisplayed() override;
};
