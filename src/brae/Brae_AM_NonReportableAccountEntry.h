#pragma once
// The non-reportable account entry (AM): the fields of an account entry without its action letter,
// followed by the account's reporting flags. Built only from a filled AN, whose header it takes
// with its own type code. 382 bytes, all sent.
#include <string>

#include "brae/BraeHeaderIncoming.h"
#include "brae/BraeKTSAccountFlags.h"
#include "brae/BraeKTSAccountNumber.h"
#include "brae/BraeLetterEnumerations.h"
#include "brae/Brae_AN_AccountEntry.h"
#include "brae/EnumBraeCountryCode.h"
#include "fields/MRPString.h"

class Brae_AM_NonReportableAccountEntry : public BraeHeaderIncoming {
public:
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
    BraeKTSAccountFlagsSetText Flags;

    // The header of entry with "AM" as its type code, every account field of entry but its action,
    // and 32 "N" as flags.
    explicit Brae_AM_NonReportableAccountEntry(const Brae_AN_AccountEntry& entry);

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::AM; }
    int GetMsgLength() const { return 382; }
    // " - " and the account number up to its last non-blank character.
    void AppendDescription(std::string& description) const;
};

static_assert(sizeof(Brae_AM_NonReportableAccountEntry) == 382);
