#pragma once
// One row of the answer to a historical submission-outcome query, built from one OH: the date, the
// firm unit and firm, the outcome and the number of positions. RecordId is the row's number in its
// answer, set by the session. Plain bytes, copied freely.
#include "brae/BraeFieldTypes.h"
#include "brae/BraeLetterEnumerations.h"
#include "fields/MDateText.h"
#include "fields/MFieldList.h"
#include "fields/MIntX.h"
#include "fields/MObjectFormat.h"
#include "fields/MRPString.h"
#include "fields/MStaticFormat.h"
#include "fields/MStringInt.h"
#include "store/BaseKey.h"

class HistoricalSubmissionData {
public:
    MInt RecordId;
    MDateYYYYMMDD Date;
    BraeFirmUnitName FirmUnitName;
    MRPString<8, 32, MValAccept> FirmUnitMember;
    MRPString<8, 32, MValAccept> FirmName;
    BraeKTSSubmissionStatus SubmissionStatus;
    BraeNb8 NbPositions;

    // The number of bytes of an OH that the row reads.
    static constexpr int kBytesRead = 81;

    HistoricalSubmissionData() = default;
    // The fields of an OH of length bytes; those it does not hold whole keep their defaults.
    HistoricalSubmissionData(const char* message, int length);

    BaseKey GetKey() const { return BaseKey(RecordId.GetValue(), RecordId.GetValue()); }
    static const char* GetDisplayName() { return "Historical Submissions Outcome"; }

    static constexpr auto Fields() {
        using S = HistoricalSubmissionData;
        return MFieldsWithLength(
            MField("RecordId", &S::RecordId), MField("Date", &S::Date),
            MField("FirmUnitName", &S::FirmUnitName), MField("FirmUnitMember", &S::FirmUnitMember),
            MField("FirmName", &S::FirmName), MField("SubmissionStatus", &S::SubmissionStatus),
            MField("NbPositions", &S::NbPositions));
    }
    static const char* GetFieldName(int index) { return kFieldList<HistoricalSubmissionData>.GetName(index); }
    static int GetFieldNameLength(int index) {
        return kFieldList<HistoricalSubmissionData>.GetNameLength(index);
    }
    static void DescribeClass(MStaticFormat& format);
    void FormatObject(MObjectFormat& format);
};
