#pragma once
// The position deletion (PD): the account, group, instrument and report date of the position to
// delete, copied from the position. 54 bytes, all sent.
#include <string>

#include "brae/BraeHeaderIncoming.h"
#include "brae/BraeKTSAccountNumber.h"
#include "fields/MDateText.h"
#include "fields/MRPString.h"

class Brae_PD_PositionDelete : public BraeHeaderIncoming {
public:
    BraeKTSAccountNumber AccountNumber;
    MRPString<2, 32, MValAccept> Group;
    MRPString<4, 32, MValAccept> Instrument;
    MDateYYYYMMDD ReportDate;

    // "PD", the header's defaults and blanks.
    Brae_PD_PositionDelete() : BraeHeaderIncoming(GetMsgType()) {}

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::PD; }
    int GetMsgLength() const { return 54; }
    // " - " and the account number up to its last non-blank character.
    void AppendDescription(std::string& description) const;
};

static_assert(sizeof(Brae_PD_PositionDelete) == 54);
