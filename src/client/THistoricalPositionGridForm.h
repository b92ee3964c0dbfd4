#pragma once
// The historical window of positions of past days.
#include "brae/Brae_PQ_HistoricalPositionRequest.h"
#include "client/THistoricalGridFormOf.h"
#include "store/HistoricalPositionData.h"

class THistoricalPositionGridForm
    : public THistoricalGridFormOf<HistoricalPositionData, Brae_PQ_HistoricalPositionRequest,
                                   &KVNEventManager::HistoricalPositions, ChildType::HistoricalPositions> {
public:
    using THistoricalGridFormOf::THistoricalGridFormOf;
};
