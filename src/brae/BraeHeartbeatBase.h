#pragma once
// The 22-byte layout of the server's heartbeat question (TH) and of the client's heartbeat
// response (TI): the type, the heartbeat id, the load counter and the heartbeat time. Lives inside
// its message; nothing owned.
#include <cstdint>

#include "brae/BraeFieldTypes.h"
#include "brae/BraeMsgBase.h"
#include "fields/MLPString.h"
#include "fields/MStringInt.h"
#include "fields/MTimeText.h"

class BraeHeartbeatBase : public BraeMsgBase {
public:
    BraeNb8 HeartbeatId;
    MLPString<6, 32, MValAccept> LoadCounter;
    MTimeHHMMSS HeartbeatTime;

    // The type's code, "00000000", six blanks, six blanks.
    explicit BraeHeartbeatBase(EnumBraeMsgType type) : BraeMsgBase(type) {}
};

static_assert(sizeof(BraeHeartbeatBase) == 22);
