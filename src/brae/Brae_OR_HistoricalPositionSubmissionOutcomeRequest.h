#pragma once
// The historical request of position submission outcomes (OR): the layout of the historical
// position request under its own type. 69 bytes, all sent.
#include "brae/Brae_PQ_HistoricalPositionRequest.h"

class Brae_OR_HistoricalPositionSubmissionOutcomeRequest : public Brae_PQ_HistoricalPositionRequest {
public:
    // "OR", the header's defaults and blanks.
    Brae_OR_HistoricalPositionSubmissionOutcomeRequest()
        : Brae_PQ_HistoricalPositionRequest(static_cast<uint32_t>(GetMsgType())) {}

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::OR; }
};

static_assert(sizeof(Brae_OR_HistoricalPositionSubmissionOutcomeRequest) == 69);
