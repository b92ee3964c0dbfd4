#pragma once
// The position entry (PN) that reports a position of an account for a report date: the group and
// instrument and the long and short quantities. 71 bytes, all sent; the server answers with a KB.
#include <string>

#include "brae/BraeFieldTypes.h"
#include "brae/BraeHeaderIncoming.h"
#include "brae/BraeKTSAccountNumber.h"
#include "fields/MChar.h"
#include "fields/MDateText.h"
#include "fields/MRPString.h"
#include "fields/MStringInt.h"

class Brae_PN_PositionEntry : public BraeHeaderIncoming {
public:
    MDateYYYYMMDD ReportDate;
    MChar Filler1;
    BraeKTSAccountNumber AccountNumber;
    MRPString<2, 32, MValAccept> Group;
    MRPString<4, 32, MValAccept> Instrument;
    BraeNb8 LongQuantity;
    BraeNb8 ShortQuantity;

    // "PN", the header's defaults, blanks and "00000000" twice.
    Brae_PN_PositionEntry() : BraeHeaderIncoming(GetMsgType()) {}

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::PN; }
    int GetMsgLength() const { return 71; }
    // " - " and the report date's 8 characters, " - " and the instrument, " - " and the account
    // number, each text up to its last non-blank character.
    void AppendDescription(std::string& description) const;
};

static_assert(sizeof(Brae_PN_PositionEntry) == 71);
