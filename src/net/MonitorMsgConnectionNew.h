#pragma once
// The connection-new record ('E'): the application's identity, the ids, the state letter and the
// time of day of the change.
#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "fields/MMsgWriter.h"
#include "fields/MRPString.h"
#include "fields/MTTimePoint.h"
#include "net/MessagingLetterEnumerations.h"

struct MonitorMsgConnectionNew {
    MonitorType Type{EnumMonitorType::ConnectionNew};
    MRPString<40, 32, MValAccept> Application;
    MRPString<10, 32, MValAccept> ApplicationVersion;
    MRPString<50, 32, MValAccept> ApplicationHost;
    MRPString<40, 32, MValAccept> GatewayId;
    MLong ApplicationId;
    MLong ConnectionId;
    MonitorConnectionState Status;
    MTimeTimePoint StatusTimeChange;

    static constexpr auto Fields() {
        using S = MonitorMsgConnectionNew;
        return MFields(MField("Type", &S::Type, "35"), MField("Application", &S::Application, "6300"),
                       MField("ApplicationVersion", &S::ApplicationVersion, "6301"),
                       MField("ApplicationHost", &S::ApplicationHost, "6302"),
                       MField("GatewayId", &S::GatewayId, "6303"),
                       MField("ApplicationId", &S::ApplicationId, "6304"),
                       MField("ConnectionId", &S::ConnectionId, "6305"), MField("Status", &S::Status, "6311"),
                       MField("StatusTimeChange", &S::StatusTimeChange, "6312"));
    }
    void Describe(MMsgWriter& writer) { DescribeFields(*this, writer); }
};
