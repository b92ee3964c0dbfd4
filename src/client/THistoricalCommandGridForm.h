#pragma once
// The historical window of the command audit trail of past days.
#include "brae/Brae_AR_HistoricalCommandHistoryAuditRequest.h"
#include "client/THistoricalGridFormOf.h"
#include "store/HistoricalCommandData.h"

class THistoricalCommandGridForm
    : public THistoricalGridFormOf<HistoricalCommandData, Brae_AR_HistoricalCommandHistoryAuditRequest,
                                   &KVNEventManager::HistoricalCommands, ChildType::HistoricalCommands> {
public:
    using THistoricalGridFormOf::THistoricalGridFormOf;
};
