#pragma once
// The manager's heartbeat record: the header alone, 'H' and the gateway id; 41 bytes.
#include <string>

#include "net/ManagerHeader.h"

struct ManagerHeartbeat {
    ManagerHeader Header{EnumManagerMsgType::Heartbeat};

    // The gateway id cut to 40 characters, blank-filled.
    explicit ManagerHeartbeat(const std::string& gatewayId) { Header.GatewayId.SetString(gatewayId); }

    static constexpr auto Fields() { return MFields(MField("Header", &ManagerHeartbeat::Header)); }
};
static_assert(sizeof(ManagerHeartbeat) == 41);
