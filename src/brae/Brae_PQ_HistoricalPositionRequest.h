#pragma once
// The historical position request (PQ), and the base of the submission-outcome and command-audit
// requests of the same layout: the login user name, the first and last day of the range, and the
// firm asked for (blanks: all firms). 69 bytes, all sent.
#include <cstdint>
#include <string>

#include "brae/BraeFieldTypes.h"
#include "brae/BraeHeaderIncoming.h"
#include "fields/MDateText.h"
#include "fields/MRPString.h"

class Brae_PQ_HistoricalPositionRequest : public BraeHeaderIncoming {
public:
    BraeUserName UserName;
    MDateYYYYMMDD StartDate;
    MDateYYYYMMDD EndDate;
    MRPString<4, 32, MValAccept> Firm;

    // "PQ", the header's defaults and blanks.
    Brae_PQ_HistoricalPositionRequest()
        : Brae_PQ_HistoricalPositionRequest(static_cast<uint32_t>(GetMsgType())) {}
    // The same layout under the code of another type index.
    explicit Brae_PQ_HistoricalPositionRequest(uint32_t typeIndex) : BraeHeaderIncoming(typeIndex) {}

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::PQ; }
    int GetMsgLength() const { return 69; }
    // Nothing: the caller's text describes the request whole.
    void AppendDescription(std::string&) const {}
};

static_assert(sizeof(Brae_PQ_HistoricalPositionRequest) == 69);
