#pragma once
// The answer to the manager's are-you-there: 'a', the gateway id and 10 blank bytes; 51 bytes.
#include "fields/MRPString.h"
#include "net/ManagerHeader.h"

struct ManagerAreYouThereAck {
    ManagerHeader Header{EnumManagerMsgType::AreYouThereAck};
    MRPString<10, 32, MValAccept> Filler;

    static constexpr auto Fields() {
        using S = ManagerAreYouThereAck;
        return MFields(MField("Header", &S::Header), MField("Filler", &S::Filler));
    }
};
static_assert(sizeof(ManagerAreYouThereAck) == 51);
