#pragma once
// The manager's refresh record: 'R', the gateway id, the technical state letter and the business
// state name (20 characters); 62 bytes, blank with state 'I' when built.
#include "fields/MRPString.h"
#include "net/ManagerHeader.h"

struct ManagerRefresh {
    ManagerHeader Header{EnumManagerMsgType::Refresh};
    ManagerTechnicalState TechnicalState;
    MRPString<20, 32, MValAccept> BusinessState;

    static constexpr auto Fields() {
        using S = ManagerRefresh;
        return MFields(MField("Header", &S::Header), MField("TechnicalState", &S::TechnicalState),
                       MField("BusinessState", &S::BusinessState));
    }
};
static_assert(sizeof(ManagerRefresh) == 62);
