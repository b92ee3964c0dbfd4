#pragma once
// The 41-byte head of every manager record: the message type letter and the gateway id, 40
// characters, blank-filled. Its bytes are its wire form.
#include "fields/DescribeFields.h"
#include "fields/MRPString.h"
#include "net/MessagingLetterEnumerations.h"

struct ManagerHeader {
    ManagerMsgType MsgType;
    MRPString<40, 32, MValAccept> GatewayId;

    ManagerHeader() = default;
    explicit ManagerHeader(EnumManagerMsgType type) : MsgType(type) {}

    static constexpr auto Fields() {
        using S = ManagerHeader;
        return MFields(MField("MsgType", &S::MsgType), MField("GatewayId", &S::GatewayId));
    }
};
static_assert(sizeof(ManagerHeader) == 41);
