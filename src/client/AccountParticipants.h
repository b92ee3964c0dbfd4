#pragma once
// The participants an account may name on the account profile screen: the names (trailing blanks
// cut) of the participant definitions of type 'P' whose 25-character name differs from the
// logged-in user's name blank-padded to 25, in the session's order; and the name of the
// participant whose approved participant id is the account's, whatever its type (the last match
// wins; empty when none matches). Plain values, no Qt; one pass over the definitions.
#include <string>
#include <vector>

#include "brae/BraeParticipantDefinition.h"
#include "fields/MRPString.h"

class AccountParticipants {
public:
    static AccountParticipants Make(const std::vector<BraeParticipantDefinition>& participants,
                                    const std::string& userName,
                                    const MRPString<4, 32, MValAccept>& approvedParticipantId);

    // The approved participant id of the first definition whose 25-character name is the text
    // blank-padded (blanks when none is).
    static MRPString<4, 32, MValAccept> FindApprovedParticipantId(
        const std::vector<BraeParticipantDefinition>& participants, const std::string& name);

    std::vector<std::string> Names;
    std::string Remembered;
};
