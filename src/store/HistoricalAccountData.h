#pragma once
// One row of the answer to a historical account query, built from one JZ: the account's fields as
// of a date, with the firm unit of its approved participant. RecordId is the row's number in its
// answer, set by the session. Plain bytes, copied freely.
#include "brae/BraeKTSAccountFlags.h"
#include "brae/BraeKTSAccountNumber.h"
#include "brae/BraeLetterEnumerations.h"
#include "brae/EnumBraeCountryCode.h"
#include "fields/MDateText.h"
#include "fields/MFieldList.h"
#include "fields/MIntX.h"
#include "fields/MObjectFormat.h"
#include "fields/MRPString.h"
#include "fields/MStaticFormat.h"
#include "store/BaseKey.h"

class HistoricalAccountData {
public:
    MInt RecordId;
    MDateYYYYMMDD Date;
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
    BraeKTSStatus ResponseStatus;
    MRPString<16, 32, MValAccept> AccountId;
    BraeKTSInternalAccountType InternalAccountType;
    MRPString<16, 32, MValAccept> MasterAccountId;
    BraeKTSAccountFlagsSet Flags;
    MRPString<8, 32, MValAccept> FirmUnitMember;

    // The number of bytes of a JZ that the row reads.
    static constexpr int kBytesRead = 433;

    HistoricalAccountData() = default;
    // The fields of a JZ of length bytes; those it does not hold whole keep their defaults. Of the
    // flag text only the first two characters are read.
    HistoricalAccountData(const char* message, int length);

    BaseKey GetKey() const { return BaseKey(RecordId.GetValue(), RecordId.GetValue()); }
    static const char* GetDisplayName() { return "Historical Accounts"; }

    static constexpr auto Fields() {
        using S = HistoricalAccountData;
        return MFieldsWithLength(
            MField("RecordId", &S::RecordId), MField("Date", &S::Date),
            MField("AffiliatedCie", &S::AffiliatedCie), MField("AccountNumber", &S::AccountNumber),
            MField("AccountType", &S::AccountType), MField("AccountOwnerType", &S::AccountOwnerType),
            MField("OwnerId", &S::OwnerId), MField("NormalizedOwnerId", &S::NormalizedOwnerId),
            MField("HedgeSpec", &S::HedgeSpec), MField("Name", &S::Name), MField("Address", &S::Address),
            MField("City", &S::City), MField("State", &S::State), MField("ZipPostalCode", &S::ZipPostalCode),
            MField("Phone", &S::Phone), MField("Fax", &S::Fax), MField("Email", &S::Email),
            MField("CountryCode", &S::CountryCode),
            MField("ApprovedParticipantId", &S::ApprovedParticipantId),
            MField("ResponseStatus", &S::ResponseStatus), MField("AccountId", &S::AccountId),
            MField("InternalAccountType", &S::InternalAccountType),
            MField("MasterAccountId", &S::MasterAccountId), MField("Flags", &S::Flags),
            MField("FirmUnitMember", &S::FirmUnitMember));
    }
    static const char* GetFieldName(int index) { return kFieldList<HistoricalAccountData>.GetName(index); }
    static int GetFieldNameLength(int index) {
        return kFieldList<HistoricalAccountData>.GetNameLength(index);
    }
    static void DescribeClass(MStaticFormat& format);
    void FormatObject(MObjectFormat& format);
};
