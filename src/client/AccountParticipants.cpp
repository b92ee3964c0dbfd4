#include "client/AccountParticipants.h"

AccountParticipants AccountParticipants::Make(const std::vector<BraeParticipantDefinition>& participants,
                                              const std::string& userName,
                                              const MRPString<4, 32, MValAccept>& approvedParticipantId) {
    const MRPString<25, 32, MValAccept> user(userName);
    AccountParticipants list;
    list.Names.reserve(participants.size());
    for (const BraeParticipantDefinition& participant : participants) {
        if (participant.ParticipantType.ToString()[0] == 'P' &&
            participant.ParticipantName.Compare(user) != 0)
            list.Names.push_back(participant.ParticipantName.ToString());
        if (participant.ApprovedParticipantId.Compare(approvedParticipantId) == 0)
            list.Remembered = participant.ParticipantName.ToString();
    }
    return list;
}

MRPString<4, 32, MValAccept> AccountParticipants::FindApprovedParticipantId(
    const std::vector<BraeParticipantDefinition>& participants, const std::string& name) {
    const MRPString<25, 32, MValAccept> wanted(name);
    for (const BraeParticipantDefinition& participant : participants)
        if (participant.ParticipantName.Compare(wanted) == 0) return participant.ApprovedParticipantId;
    return {};
}
