#pragma once
// The account entry (AN) that creates or modifies an account or a master account: the account's
// number, types, owner, name and address, country and approved participant. 351 bytes, all sent;
// built, filled by the account screen or the account import, appended to the outgoing queue,
// dropped. A non-reportable account goes out as the AM built from it.
#include <string>

#include "brae/BraeHeaderIncoming.h"
#include "brae/BraeKTSAccountNumber.h"
#include "brae/BraeLetterEnumerations.h"
#include "brae/EnumBraeCountryCode.h"
#include "fields/MChar.h"
#include "fields/MRPString.h"

class Brae_AN_AccountEntry : public BraeHeaderIncoming {
public:
    // The letter of the account screen's mode (EnumBraeKTSAccountEntryAction); blank from the import.
    MChar Action;
    MRPString<24, 32, MValAccept> AffiliatedCie;
    BraeKTSAccountNumber AccountNumber;
    BraeKTSAccountType AccountType;
    BraeKTSAccountOwnerType AccountOwnerType;
    MRPString<24, 32, MValAccept> OwnerId;
    MRPString<24, 32, MValAccept> NormalizedOwnerId;
    BraeHedgeSpec HedgeSpec;
    MRPString<25, 32, MValAccept> Name;
    MRPString<48, 32, MValAccept> Address;
    MRPString<24, 32, MValAccept> City;
    MRPString<24, 32, MValAccept> State;
    MRPString<12, 32, MValAccept> ZipPostalCode;
    MRPString<24, 32, MValAccept> Phone;
    MRPString<24, 32, MValAccept> Fax;
    MRPString<48, 32, MValAccept> Email;
    BraeCountryCode CountryCode;
    MRPString<4, 32, MValAccept> ApprovedParticipantId;

    // "AN", the header's defaults, blanks, the first letter of each letter field and "??".
    Brae_AN_AccountEntry() : BraeHeaderIncoming(GetMsgType()) {}

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::AN; }
    int GetMsgLength() const { return 351; }
    // " - " and the account number up to its last non-blank character.
    void AppendDescription(std::string& description) const;
};

static_assert(sizeof(Brae_AN_AccountEntry) == 351);
