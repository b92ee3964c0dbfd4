#pragma once
// The account deletion (AD): the number and id of the account to delete, copied from the selected
// account. 56 bytes, all sent.
#include <string>

#include "brae/BraeHeaderIncoming.h"
#include "brae/BraeKTSAccountNumber.h"
#include "fields/MRPString.h"

class Brae_AD_AccountDelete : public BraeHeaderIncoming {
public:
    BraeKTSAccountNumber AccountNumber;
    MRPString<16, 32, MValAccept> AccountId;

    // "AD", the header's defaults and blanks.
    Brae_AD_AccountDelete() : BraeHeaderIncoming(GetMsgType()) {}

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::AD; }
    int GetMsgLength() const { return 56; }
    // " - " and the account number up to its last non-blank character.
    void AppendDescription(std::string& description) const;
};

static_assert(sizeof(Brae_AD_AccountDelete) == 56);
