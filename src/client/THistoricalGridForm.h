#pragma once
// The base of the four read-only historical windows, driven by their kind's row
// (HistoricalGridKind). Select Date opens the query dialog preset with the kind's last criteria;
// on OK the kind's records are deleted and the window emptied, the criteria go into the kind's
// query slot, the window title and the description follow the range, and the kind's request goes
// out (the session then shows the hourglass until the query ends). The answer rows arrive through
// the refreshes. Closing the window lowers the kind's open-window counter and deletes its
// records. The view keeps copies of the rows, so nothing in it points into the deleted records.
// No record action is ever enabled here.
//
// The store and the request of a kind are reached through the three operations that
// THistoricalGridFormOf implements.
#include <string>

#include "client/HistoricalGridKind.h"
#include "client/TKVNGrid.h"

class THistoricalGridForm : public TKVNGrid {
public:
    THistoricalGridForm(QMdiArea* owner, const HistoricalGridKind& row, const BaseGridConfig& config,
                        TitleManager* titles, KVNEventManager* session, InterfaceView* view);

    void SelectDateActionExecute();
    void SelectDateActionUpdate(Action& action);
    // Deletes the kind's records and empties the window (the old answer disappears).
    void DeleteAnswer();

    bool CanDeleteRecord(int row) override;
    bool CanCopyRecord(int row) override;
    bool CanDeleteAllDisplayed() override;
    bool CanCreateRecord(int row) override;

    const HistoricalGridKind& KindRow() const { return row_; }
    const std::string& BaseCaption() const { return baseCaption_; }
    KVNEventManager::QuerySlot& Slot();

    Action* SelectDateAction = nullptr;
    QAction* SelectDateMenuItem = nullptr;

protected:
    void FormClose() override;
    // Deletes every record of the kind's store (its change lists stay).
    virtual void DeleteRecords() = 0;
    // Sends the kind's request for the criteria in its query slot.
    virtual void SendRequest(const std::string& description) = 0;

private:
    const HistoricalGridKind& row_;
    // The title the main window gives the kind, never the title loaded from the window's saved
    // settings: that one may already end with an earlier query's dates.
    std::string baseCaption_;
};
