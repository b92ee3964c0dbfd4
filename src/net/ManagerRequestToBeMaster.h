#pragma once
// The request to become master: 'M', the gateway id and the gateway's description; 252 bytes.
#include "net/ManagerHeader.h"
#include "net/ManagerInfo.h"

struct ManagerRequestToBeMaster {
    ManagerHeader Header{EnumManagerMsgType::RequestToBeMaster};
    ManagerInfo Info;

    static constexpr auto Fields() {
        using S = ManagerRequestToBeMaster;
        return MFields(MField("Header", &S::Header), MField("Info", &S::Info));
    }
};
static_assert(sizeof(ManagerRequestToBeMaster) == 252);
