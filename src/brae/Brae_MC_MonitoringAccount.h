#pragma once
// The monitoring switch (MC) that sets or clears an account's reporting flags: the account's
// number, id, approved participant and type, copied from the selected account, and its flags. 93
// bytes, all sent.
#include <string>

#include "brae/BraeHeaderIncoming.h"
#include "brae/BraeKTSAccountFlags.h"
#include "brae/BraeKTSAccountNumber.h"
#include "brae/BraeLetterEnumerations.h"
#include "fields/MRPString.h"

class Brae_MC_MonitoringAccount : public BraeHeaderIncoming {
public:
    BraeKTSAccountNumber AccountNumber;
    MRPString<16, 32, MValAccept> AccountId;
    MRPString<4, 32, MValAccept> ApprovedParticipantId;
    BraeKTSAccountType AccountType;
    BraeKTSAccountFlagsSetText Flags;

    // "MC", the header's defaults, blanks, "1" and 32 "N".
    Brae_MC_MonitoringAccount() : BraeHeaderIncoming(GetMsgType()) {}

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::MC; }
    int GetMsgLength() const { return 93; }
    // " - " and the account number up to its last non-blank character.
    void AppendDescription(std::string& description) const;
};

static_assert(sizeof(Brae_MC_MonitoringAccount) == 93);
