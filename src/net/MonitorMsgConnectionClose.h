#pragma once
// The connection-close record ('G'): the ids and the time of day of the close.
#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "fields/MMsgWriter.h"
#include "fields/MTTimePoint.h"
#include "net/MessagingLetterEnumerations.h"

struct MonitorMsgConnectionClose {
    MonitorType Type{EnumMonitorType::ConnectionClose};
    MLong ApplicationId;
    MLong ConnectionId;
    MTimeTimePoint StatusTimeChange;

    static constexpr auto Fields() {
        using S = MonitorMsgConnectionClose;
        return MFields(MField("Type", &S::Type, "35"), MField("ApplicationId", &S::ApplicationId, "6304"),
                       MField("ConnectionId", &S::ConnectionId, "6305"),
                       MField("StatusTimeChange", &S::StatusTimeChange, "6312"));
    }
    void Describe(MMsgWriter& writer) { DescribeFields(*this, writer); }
};
