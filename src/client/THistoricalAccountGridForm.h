#pragma once
// The historical window of accounts as they were on past days.
#include "brae/Brae_HV_HistoricalAccountRequest.h"
#include "client/THistoricalGridFormOf.h"
#include "store/HistoricalAccountData.h"

class THistoricalAccountGridForm
    : public THistoricalGridFormOf<HistoricalAccountData, Brae_HV_HistoricalAccountRequest,
                                   &KVNEventManager::HistoricalAccounts, ChildType::HistoricalAccounts> {
public:
    using THistoricalGridFormOf::THistoricalGridFormOf;
};
