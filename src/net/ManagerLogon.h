#pragma once
// The manager's logon record: 'L', the gateway id and the gateway's description; 252 bytes.
#include "net/ManagerHeader.h"
#include "net/ManagerInfo.h"

struct ManagerLogon {
    ManagerHeader Header{EnumManagerMsgType::Logon};
    ManagerInfo Info;

    static constexpr auto Fields() {
        using S = ManagerLogon;
        return MFields(MField("Header", &S::Header), MField("Info", &S::Info));
    }
};
static_assert(sizeof(ManagerLogon) == 252);
