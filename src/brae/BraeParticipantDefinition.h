#pragma once
// One participant of the server's bulk participant message (BP): its 25-character name (the key of
// the session's participant list, all 25 characters compared), approved participant id, firm unit
// member, type letter ('P' for the participants an account may name) and firm name. 46 plain
// bytes exactly as received; copying copies every byte.
#include "fields/MChar.h"
#include "fields/MFieldList.h"
#include "fields/MRPString.h"

class BraeParticipantDefinition {
public:
    MRPString<25, 32, MValAccept> ParticipantName;
    MRPString<4, 32, MValAccept> ApprovedParticipantId;
    MRPString<8, 32, MValAccept> FirmUnitMember;
    MChar ParticipantType;
    MRPString<8, 32, MValAccept> FirmName;

    static constexpr auto Fields() {
        using S = BraeParticipantDefinition;
        return MFieldsWithLength(MField("ParticipantName", &S::ParticipantName),
                                 MField("ApprovedParticipantId", &S::ApprovedParticipantId),
                                 MField("FirmUnitMember", &S::FirmUnitMember),
                                 MField("ParticipantType", &S::ParticipantType),
                                 MField("FirmName", &S::FirmName));
    }
};

static_assert(sizeof(BraeParticipantDefinition) == 46 && alignof(BraeParticipantDefinition) == 1);
