#pragma once
// A historical window over one kind's store and request: Row is the kind's record (its view must
// be a TInterfaceView<Row>), Request the kind's request message, Store the kind's store in the
// session. Each refresh pulls only the kind's changed rows into the view.
#include <string>

#include "client/THistoricalGridForm.h"
#include "session/KVNEventManager.h"
#include "store/TInterfaceView.h"

template <class Row, class Request, DataHandler<Row> KVNEventManager::*Store, ChildType Kind>
class THistoricalGridFormOf : public THistoricalGridForm {
public:
    THistoricalGridFormOf(QMdiArea* owner, const BaseGridConfig& config, TitleManager* titles,
                          KVNEventManager* session, InterfaceView* view)
        : THistoricalGridForm(owner, *HistoricalGridKind::Of(Kind), config, titles, session, view) {}

    void ReloadData() override {
        auto* view = dynamic_cast<TInterfaceViewBase<Row>*>(View());
        if (!view) return;
        const DataHandler<Row>& store = Session()->*Store;
        for (const BaseKey& key : store.ChangedKeys)
            if (const Row* row = store.Find(key)) view->UpdateRow(row);
    }

protected:
    void DeleteRecords() override { (Session()->*Store).DeleteAll(); }
    void SendRequest(const std::string& description) override {
        Request request;
        HistoricalGridKind::FillRequest(request, Session()->UserName, Slot(), Session()->IsSupervisor());
        Session()->SendCommand(request, {EnumActionType::Query, KindRow().BusinessItem, description, false});
    }
};
