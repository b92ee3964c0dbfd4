#pragma once
// The head of the connection records: type letter, application id (0 here) and connection id.
#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "net/MessagingLetterEnumerations.h"

struct MonitorMsgHeader {
    MonitorType Type;
    MLong ApplicationId;
    MLong ConnectionId;

    MonitorMsgHeader() = default;
    explicit MonitorMsgHeader(EnumMonitorType type) : Type(type) {}

    static constexpr auto Fields() {
        using S = MonitorMsgHeader;
        return MFields(MField("Type", &S::Type, "35"), MField("ApplicationId", &S::ApplicationId, "6304"),
                       MField("ConnectionId", &S::ConnectionId, "6305"));
    }
};
