#pragma once
// An account as the client shows and edits it: the fields of the server's account messages, the
// reporting flags and the firm unit of its approved participant. Plain bytes, copied freely.
#include "brae/BraeKTSAccountFlags.h"
#include "brae/BraeKTSAccountNumber.h"
#include "brae/BraeLetterEnumerations.h"
#include "brae/EnumBraeCountryCode.h"
#include "fields/MFieldList.h"
#include "fields/MObjectFormat.h"
#include "fields/MRPString.h"
#include "fields/MStaticFormat.h"

class AccountDisplayData {
public:
    MRPString<24, 32, MValAccept> AffiliatedCie;
    BraeKTSAccountNumber AccountNumber;
    BraeKTSAccountType AccountType;
    BraeKTSAccountOwnerType AccountOwnerType;
    MRPString<24, 32, MValAccept> OwnerId;
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
    BraeKTSStatus ResponseStatus;
    MRPString<16, 32, MValAccept> AccountId;
    BraeKTSInternalAccountType InternalAccountType;
    MRPString<16, 32, MValAccept> MasterAccountId;
    BraeKTSAccountFlagsSet Flags;
    MRPString<8, 32, MValAccept> FirmUnitMember;

    void Assign(const AccountDisplayData& other) { *this = other; }

    const BraeKTSAccountNumber& GetAccountNumber() const { return AccountNumber; }
    const BraeKTSAccountType& GetAccountType() const { return AccountType; }
    const MRPString<4, 32, MValAccept>& GetApprovedParticipantId() const { return ApprovedParticipantId; }
    const MRPString<16, 32, MValAccept>& GetAccountId() const { return AccountId; }
    const BraeKTSAccountFlagsSet& GetFlags() const { return Flags; }
    const MRPString<8, 32, MValAccept>& GetFirmUnitMember() const { return FirmUnitMember; }

    static constexpr auto Fields() {
        using S = AccountDisplayData;
        return MFieldsWithLength(
            MField("AffiliatedCie", &S::AffiliatedCie), MField("AccountNumber", &S::AccountNumber),
            MField("AccountType", &S::AccountType), MField("AccountOwnerType", &S::AccountOwnerType),
            MField("OwnerId", &S::OwnerId), MField("HedgeSpec", &S::HedgeSpec), MField("Name", &S::Name),
            MField("Address", &S::Address), MField("City", &S::City), MField("State", &S::State),
            MField("ZipPostalCode", &S::ZipPostalCode), MField("Phone", &S::Phone), MField("Fax", &S::Fax),
            MField("Email", &S::Email), MField("CountryCode", &S::CountryCode),
            MField("ApprovedParticipantId", &S::ApprovedParticipantId),
            MField("ResponseStatus", &S::ResponseStatus), MField("AccountId", &S::AccountId),
            MField("InternalAccountType", &S::InternalAccountType),
            MField("MasterAccountId", &S::MasterAccountId), MField("Flags", &S::Flags),
            MField("FirmUnitMember", &S::FirmUnitMember));
    }
    static const char* GetFieldName(int index) { return kFieldList<AccountDisplayData>.GetName(index); }
    static int GetFieldNameLength(int index) { return kFieldList<AccountDisplayData>.GetNameLength(index); }
    static void DescribeClass(MStaticFormat& format);
    void FormatObject(MObjectFormat& format);
};
