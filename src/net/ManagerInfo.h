#pragma once
// The description of a gateway in the manager's logon and request-to-be-master records: 211
// bytes, blank when built, technical state 'I'. Its bytes are its wire form.
#include "fields/DescribeFields.h"
#include "fields/MRPString.h"
#include "net/MessagingLetterEnumerations.h"

struct ManagerInfo {
    MRPString<50, 32, MValAccept> Host;
    ManagerTechnicalState TechnicalState;
    MRPString<20, 32, MValAccept> BusinessState;
    MRPString<20, 32, MValAccept> CompileDate;
    MRPString<20, 32, MValAccept> WatchMonitorService;
    MRPString<10, 32, MValAccept> GatewayVersion;
    MRPString<40, 32, MValAccept> Application;
    MRPString<40, 32, MValAccept> GatewayName;
    MRPString<10, 32, MValAccept> Filler;

    static constexpr auto Fields() {
        using S = ManagerInfo;
        return MFields(MField("Host", &S::Host), MField("TechnicalState", &S::TechnicalState),
                       MField("BusinessState", &S::BusinessState), MField("CompileDate", &S::CompileDate),
                       MField("WatchMonitorService", &S::WatchMonitorService),
                       MField("GatewayVersion", &S::GatewayVersion), MField("Application", &S::Application),
                       MField("GatewayName", &S::GatewayName), MField("Filler", &S::Filler));
    }
};
static_assert(sizeof(ManagerInfo) == 211);
