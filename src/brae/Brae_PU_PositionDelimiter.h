#pragma once
// The position delimiter (PU) that declares that there is no position to report for a date
// (delimiter type "EP"). 34 bytes, all sent.
#include <cstdint>
#include <string>

#include "brae/BraeHeaderIncoming.h"
#include "brae/EnumBraeDelimiterType.h"
#include "fields/MDateText.h"

class Brae_PU_PositionDelimiter : public BraeHeaderIncoming {
public:
    BraeDelimiterType DelimiterType;
    MDateYYYYMMDD ReportDate;

    // "PU", the header's defaults, "ST" and blanks.
    Brae_PU_PositionDelimiter() : BraeHeaderIncoming(GetMsgType()) {}

    // The code of the delimiter type of that index; an index above 32 writes index 0 ("ST").
    void SetDelimiterType(uint32_t index) { DelimiterType.Set(index); }
    void SetDelimiterType(EnumBraeDelimiterType type) { SetDelimiterType(static_cast<uint32_t>(type)); }

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::PU; }
    int GetMsgLength() const { return 34; }
    // " - " and the report date's 8 characters.
    void AppendDescription(std::string& description) const;
};

static_assert(sizeof(Brae_PU_PositionDelimiter) == 34);
