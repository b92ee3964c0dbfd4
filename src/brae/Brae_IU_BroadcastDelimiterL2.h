#pragma once
// The broadcast delimiter (IU) that the client sends around an account import: the broadcast
// timing letter and the delimiter type. It expects no answer. 29 bytes, all sent.
#include <cstdint>
#include <string>

#include "brae/BraeHeaderIncoming.h"
#include "brae/BraeProtocolEnumerations.h"
#include "brae/EnumBraeDelimiterType.h"
#include "fields/MRPString.h"

class Brae_IU_BroadcastDelimiterL2 : public BraeHeaderIncoming {
public:
    MRPString<2, 32, MValAccept> Spare;
    BraeBroadcastTiming BroadcastTiming;
    BraeDelimiterType DelimiterType;

    // "IU", the header's defaults, two blanks, "?" and "ST".
    Brae_IU_BroadcastDelimiterL2() : BraeHeaderIncoming(GetMsgType()) {}

    // The code of the delimiter type of that index; an index above 32 writes index 0 ("ST").
    void SetDelimiterType(uint32_t index) { DelimiterType.Set(index); }
    void SetDelimiterType(EnumBraeDelimiterType type) { SetDelimiterType(static_cast<uint32_t>(type)); }

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::IU; }
    int GetMsgLength() const { return 29; }
    // Nothing: the caller's text describes the delimiter whole.
    void AppendDescription(std::string&) const {}
};

static_assert(sizeof(Brae_IU_BroadcastDelimiterL2) == 29);
