#pragma once
// The state record ('F'): the ids, the connection type letter, the client and server endpoints,
// the state letter and the time of day of the change.
#include "fields/DescribeFields.h"
#include "fields/MIntX.h"
#include "fields/MMsgWriter.h"
#include "fields/MRPString.h"
#include "fields/MTTimePoint.h"
#include "net/MessagingLetterEnumerations.h"

struct MonitorMsgConnectionStateUpdate {
    MonitorType Type{EnumMonitorType::ConnectionStateUpdate};
    MLong ApplicationId;
    MLong ConnectionId;
    MonitorConnectionType ConnectionType;
    MRPString<50, 32, MValAccept> ClientHost;
    MRPString<20, 32, MValAccept> ClientService;
    MRPString<50, 32, MValAccept> ServerHost;
    MRPString<20, 32, MValAccept> ServerService;
    MRPString<20, 32, MValAccept> EnteringService;
    MonitorConnectionState Status;
    MTimeTimePoint StatusTimeChange;

    static constexpr auto Fields() {
        using S = MonitorMsgConnectionStateUpdate;
        return MFields(
            MField("Type", &S::Type, "35"), MField("ApplicationId", &S::ApplicationId, "6304"),
            MField("ConnectionId", &S::ConnectionId, "6305"),
            MField("ConnectionType", &S::ConnectionType, "6306"),
            MField("ClientHost", &S::ClientHost, "6307"), MField("ClientService", &S::ClientService, "6308"),
            MField("ServerHost", &S::ServerHost, "6309"), MField("ServerService", &S::ServerService, "6310"),
            MField("EnteringService", &S::EnteringService, "6343"), MField("Status", &S::Status, "6311"),
            MField("StatusTimeChange", &S::StatusTimeChange, "6312"));
    }
    void Describe(MMsgWriter& writer) { DescribeFields(*this, writer); }
};
