#pragma once
// One line of an account import file, before validation; its fields are the file's columns in
// order. The account type, owner type and hedge spec are held as the free text of the file, which
// the import validator checks. Owns its three heap texts; copies allocate their own.
#include "brae/BraeKTSAccountNumber.h"
#include "brae/EnumBraeCountryCode.h"
#include "fields/MFieldList.h"
#include "fields/MObjectFormat.h"
#include "fields/MRPString.h"
#include "fields/MStaticFormat.h"
#include "fields/MString.h"
#include "store/BaseKey.h"

class AccountImport {
public:
    MRPString<24, 32, MValAccept> AffiliatedCie;
    BraeKTSAccountNumber AccountNumber;
    MString<64, 10, MValAccept> AccountType;
    MString<64, 10, MValAccept> AccountOwnerType;
    MRPString<24, 32, MValAccept> OwnerId;
    MString<64, 10, MValAccept> HedgeSpec;
    MRPString<25, 32, MValAccept> Name;
    MRPString<48, 32, MValAccept> Address;
    MRPString<24, 32, MValAccept> City;
    MRPString<24, 32, MValAccept> State;
    MRPString<12, 32, MValAccept> ZipPostalCode;
    MRPString<24, 32, MValAccept> Phone;
    MRPString<24, 32, MValAccept> Fax;
    MRPString<48, 32, MValAccept> Email;
    BraeCountryCode CountryCode;

    void Assign(const AccountImport& other) { *this = other; }

    // (0, 0) for every row.
    BaseKey GetKey() const { return BaseKey(); }
    static const char* GetDisplayName() { return "TrdTraderImport"; }

    static constexpr auto Fields() {
        using S = AccountImport;
        return MFields(
            MField("AffiliatedCie", &S::AffiliatedCie, "6412"),
            MField("AccountNumber", &S::AccountNumber, "1"), MField("AccountType", &S::AccountType, "5077"),
            MField("AccountOwnerType", &S::AccountOwnerType, "1204"), MField("OwnerId", &S::OwnerId, "958"),
            MField("HedgeSpec", &S::HedgeSpec, "506"), MField("Name", &S::Name, "969"),
            MField("Address", &S::Address, "1180"), MField("City", &S::City, "5296"),
            MField("State", &S::State, "5312"), MField("ZipPostalCode", &S::ZipPostalCode, "3100"),
            MField("Phone", &S::Phone, "1058"), MField("Fax", &S::Fax, "5297"),
            MField("Email", &S::Email, "1192"), MField("CountryCode", &S::CountryCode, "10020"));
    }
    static const char* GetFieldName(int index) { return kFieldList<AccountImport>.GetName(index); }
    static const char* GetFieldTag(int index) { return kFieldList<AccountImport>.GetTag(index); }
    static void DescribeClass(MStaticFormat& format);
    void FormatObject(MObjectFormat& format);
};
