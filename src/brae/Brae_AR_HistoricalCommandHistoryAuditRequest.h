#pragma once
// The historical request of the command-history audit (AR): the layout of the historical position
// request under its own type. 69 bytes, all sent.
#include "brae/Brae_PQ_HistoricalPositionRequest.h"

class Brae_AR_HistoricalCommandHistoryAuditRequest : public Brae_PQ_HistoricalPositionRequest {
public:
    // "AR", the header's defaults and blanks.
    Brae_AR_HistoricalCommandHistoryAuditRequest()
        : Brae_PQ_HistoricalPositionRequest(static_cast<uint32_t>(GetMsgType())) {}

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::AR; }
};

static_assert(sizeof(Brae_AR_HistoricalCommandHistoryAuditRequest) == 69);
