#pragma once
// The component notice (TF) that the client sends once the server has accepted its login: the
// product name and file version of the executable's version block, under the next command
// sequence number. 104 bytes, all sent; built, filled, appended to the outgoing queue, dropped.
#include <cstdint>

#include "brae/BraeHeaderIncoming.h"
#include "fields/MRPString.h"

class VersionInfo;

class Brae_TF_ComponentNotice : public BraeHeaderIncoming {
public:
    MRPString<64, 32, MValAccept> ProductName;
    MRPString<16, 32, MValAccept> FileVersion;

    // "TF", the header's defaults and blanks.
    Brae_TF_ComponentNotice() : BraeHeaderIncoming(GetMsgType()) {}

    // The sequence number, then the product name and file version of the version block, each cut
    // to its field and padded with blanks.
    void Prepare(int32_t sequenceNumber, VersionInfo& version);

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::TF; }
    int GetMsgLength() const { return 104; }
};

static_assert(sizeof(Brae_TF_ComponentNotice) == 104);
