#pragma once
// The heartbeat response (TI): echoes the heartbeat id, load counter and heartbeat time of the
// server's heartbeat question (TH) byte for byte, unchecked. 22 bytes, all sent. The session keeps
// one for its whole life and refills it for every question.
#include "brae/BraeHeartbeatBase.h"

class Brae_TI_HeartbeatResponse : public BraeHeartbeatBase {
public:
    // "TI", "00000000", six blanks, six blanks.
    Brae_TI_HeartbeatResponse() : BraeHeartbeatBase(GetMsgType()) {}

    // Copies the three fields (bytes 2 to 21) of a question of length bytes. A field that the
    // question does not hold whole is reset to its default, and the short question is logged at
    // level 3.
    void Answer(const char* question, int length);

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::TI; }
    int GetMsgLength() const { return 22; }
};

static_assert(sizeof(Brae_TI_HeartbeatResponse) == 22);
