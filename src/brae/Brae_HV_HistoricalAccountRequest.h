#pragma once
// The historical account request (HV): the login user name, the first and last day of the range,
// and the firm asked for (blanks: all firms). 69 bytes, all sent.
#include <string>

#include "brae/BraeFieldTypes.h"
#include "brae/BraeHeaderIncoming.h"
#include "fields/MDateText.h"
#include "fields/MRPString.h"

class Brae_HV_HistoricalAccountRequest : public BraeHeaderIncoming {
public:
    BraeUserName UserName;
    MDateYYYYMMDD StartDate;
    MDateYYYYMMDD EndDate;
    MRPString<4, 32, MValAccept> Firm;

    // "HV", the header's defaults and blanks.
    Brae_HV_HistoricalAccountRequest() : BraeHeaderIncoming(GetMsgType()) {}

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::HV; }
    int GetMsgLength() const { return 69; }
    // Nothing: the caller's text describes the request whole.
    void AppendDescription(std::string&) const {}
};

static_assert(sizeof(Brae_HV_HistoricalAccountRequest) == 69);
