#pragma once
// The server's position acknowledgment extended with what the client adds to a position: the
// instrument's call/put code, strike price, expiration date and symbols, and the firm unit of its
// approved participant. The session fills the added fields; they start at their defaults. Plain
// bytes, copied freely.
#include "brae/BraeFieldTypes.h"
#include "brae/BraeLetterEnumerations.h"
#include "brae/Brae_KB_PositionAcknowledgment.h"
#include "fields/MDateText.h"
#include "fields/MFieldList.h"
#include "fields/MRPString.h"
#include "fields/MStringFloat.h"

class KB_PositionLong : public Brae_KB_PositionAcknowledgment {
public:
    BraeInstrumentCallPutCode CallPutCode;
    BraePrice StrikePrice;
    MDateYYYYMMDD ExpirationDate;
    MRPString<20, 32, MValAccept> ClassSymbol;
    BraeExternalSymbol ExternalSymbol;
    MRPString<8, 32, MValAccept> FirmUnitMember;

    KB_PositionLong() = default;
    // The header and the 13 fields of the acknowledgment; the added fields at their defaults.
    explicit KB_PositionLong(const Brae_KB_PositionAcknowledgment& acknowledgment)
        : Brae_KB_PositionAcknowledgment(acknowledgment) {}
    // The same from a received KB of length bytes, read as the acknowledgment reads it.
    KB_PositionLong(const char* message, int length) { Read(message, length); }

    void Assign(const KB_PositionLong& other) { *this = other; }

    static constexpr auto Fields() {
        using S = KB_PositionLong;
        return MFields<Brae_KB_PositionAcknowledgment>(
            MField("CallPutCode", &S::CallPutCode), MField("StrikePrice", &S::StrikePrice),
            MField("ExpirationDate", &S::ExpirationDate), MField("ClassSymbol", &S::ClassSymbol),
            MField("ExternalSymbol", &S::ExternalSymbol), MField("FirmUnitMember", &S::FirmUnitMember));
    }
    // The index-th added field name; the added fields have no tags.
    static const char* GetFieldName(int index) { return kFieldList<KB_PositionLong>.GetName(index); }
    static const char* GetFieldTag(int index) { return nullptr; }
    // The acknowledgment's part first (its header parts, then its 13 fields), then the 6 added ones.
    static void DescribeClass(MStaticFormat& format);
    void FormatObject(MObjectFormat& format);
};
