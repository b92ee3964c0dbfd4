#pragma once
// The historical window of outcomes of past position submissions.
#include "brae/Brae_OR_HistoricalPositionSubmissionOutcomeRequest.h"
#include "client/THistoricalGridFormOf.h"
#include "store/HistoricalSubmissionData.h"

class THistoricalSubmissionGridForm
    : public THistoricalGridFormOf<
          HistoricalSubmissionData, Brae_OR_HistoricalPositionSubmissionOutcomeRequest,
          &KVNEventManager::HistoricalSubmissions, ChildType::HistoricalSubmissions> {
public:
    using THistoricalGridFormOf::THistoricalGridFormOf;
};
