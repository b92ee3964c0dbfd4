#pragma once
// One row of the answer to a historical position query, built from one PH: the position as the
// acknowledgment gives it, with its instrument's fields and the firm unit. RecordId is the row's
// number in its answer, set by the session. Plain bytes, copied freely.
#include "brae/BraeFieldTypes.h"
#include "brae/BraeKTSAccountNumber.h"
#include "brae/BraeLetterEnumerations.h"
#include "fields/MDateText.h"
#include "fields/MFieldList.h"
#include "fields/MIntX.h"
#include "fields/MObjectFormat.h"
#include "fields/MRPString.h"
#include "fields/MStaticFormat.h"
#include "fields/MStringFloat.h"
#include "fields/MStringInt.h"
#include "fields/MTimeText.h"
#include "store/BaseKey.h"

class HistoricalPositionData {
public:
    MInt RecordId;
    MDateYYYYMMDD ReportDate;
    BraeKTSAccountNumber AccountNumber;
    MRPString<2, 32, MValAccept> Group;
    MRPString<4, 32, MValAccept> Instrument;
    BraeInstrumentCallPutCode CallPutCode;
    BraePrice StrikePrice;
    MDateYYYYMMDD ExpirationDate;
    MRPString<20, 32, MValAccept> ClassSymbol;
    MRPString<30, 32, MValAccept> ExternalSymbol;
    BraeNb8 LongQuantity;
    BraeNb8 ShortQuantity;
    BraeKTSStatus ResponseStatus;
    MRPString<16, 32, MValAccept> MasterAccountId;
    MRPString<16, 32, MValAccept> AccountId;
    MRPString<4, 32, MValAccept> ApprovedParticipantId;
    MDateYYYYMMDD SubmissionDate;
    MTimeHHMMSS SubmissionTime;
    MRPString<8, 32, MValAccept> FirmUnitMember;

    // The number of bytes of a PH that the row reads.
    static constexpr int kBytesRead = 199;

    HistoricalPositionData() = default;
    // The fields of a PH of length bytes; those it does not hold whole keep their defaults.
    HistoricalPositionData(const char* message, int length);

    BaseKey GetKey() const { return BaseKey(RecordId.GetValue(), RecordId.GetValue()); }
    static const char* GetDisplayName() { return "Historical Positions"; }

    static constexpr auto Fields() {
        using S = HistoricalPositionData;
        return MFieldsWithLength(
            MField("RecordId", &S::RecordId), MField("ReportDate", &S::ReportDate),
            MField("AccountNumber", &S::AccountNumber), MField("Group", &S::Group),
            MField("Instrument", &S::Instrument), MField("CallPutCode", &S::CallPutCode),
            MField("StrikePrice", &S::StrikePrice), MField("ExpirationDate", &S::ExpirationDate),
            MField("ClassSymbol", &S::ClassSymbol), MField("ExternalSymbol", &S::ExternalSymbol),
            MField("LongQuantity", &S::LongQuantity), MField("ShortQuantity", &S::ShortQuantity),
            MField("ResponseStatus", &S::ResponseStatus), MField("MasterAccountId", &S::MasterAccountId),
            MField("AccountId", &S::AccountId), MField("ApprovedParticipantId", &S::ApprovedParticipantId),
            MField("SubmissionDate", &S::SubmissionDate), MField("SubmissionTime", &S::SubmissionTime),
            MField("FirmUnitMember", &S::FirmUnitMember));
    }
    static const char* GetFieldName(int index) { return kFieldList<HistoricalPositionData>.GetName(index); }
    static int GetFieldNameLength(int index) {
        return kFieldList<HistoricalPositionData>.GetNameLength(index);
    }
    static void DescribeClass(MStaticFormat& format);
    void FormatObject(MObjectFormat& format);
};
