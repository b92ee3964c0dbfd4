#pragma once
// One line of a position import file, before validation; its fields are the file's columns in
// order. The call/put code is held as the free text of the file, which the import validator
// checks. Owns its heap text; copies allocate their own.
#include "brae/BraeFieldTypes.h"
#include "brae/BraeKTSAccountNumber.h"
#include "fields/MDateText.h"
#include "fields/MFieldList.h"
#include "fields/MObjectFormat.h"
#include "fields/MRPString.h"
#include "fields/MStaticFormat.h"
#include "fields/MString.h"
#include "fields/MStringFloat.h"
#include "fields/MStringInt.h"
#include "store/BaseKey.h"

class PositionImport {
public:
    MDateYYYYMMDD ReportDate;
    BraeKTSAccountNumber AccountNumber;
    MRPString<30, 32, MValAccept> ExternalSymbol;
    MRPString<20, 32, MValAccept> ClassSymbol;
    MDateYYYYMMDD ExpirationDate;
    MString<64, 10, MValAccept> CallPutCode;
    BraePrice StrikePrice;
    BraeNb8 LongQuantity;
    BraeNb8 ShortQuantity;

    void Assign(const PositionImport& other) { *this = other; }
    // Runs the destructor of the row at row without freeing its storage.
    static void DestroyInPlace(PositionImport* row) { row->~PositionImport(); }

    // (0, 0) for every row.
    BaseKey GetKey() const { return BaseKey(); }
    static const char* GetDisplayName() { return "TrdTraderImport"; }

    static constexpr auto Fields() {
        using S = PositionImport;
        return MFields(
            MField("ReportDate", &S::ReportDate, "987"), MField("AccountNumber", &S::AccountNumber, "1"),
            MField("ExternalSymbol", &S::ExternalSymbol, "6146"),
            MField("ClassSymbol", &S::ClassSymbol, "6179"),
            MField("ExpirationDate", &S::ExpirationDate, "432"),
            MField("CallPutCode", &S::CallPutCode, "201"), MField("StrikePrice", &S::StrikePrice, "202"),
            MField("LongQuantity", &S::LongQuantity, "196"),
            MField("ShortQuantity", &S::ShortQuantity, "197"));
    }
    static const char* GetFieldName(int index) { return kFieldList<PositionImport>.GetName(index); }
    static const char* GetFieldTag(int index) { return kFieldList<PositionImport>.GetTag(index); }
    static void DescribeClass(MStaticFormat& format);
    void FormatObject(MObjectFormat& format);
};
