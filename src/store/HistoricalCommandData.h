#pragma once
// One row of the answer to a historical command-history audit query, built from one RA: when the
// command ran, its type, business item and status, its description of up to 300 characters, the
// user and the firm unit. RecordId is the row's number in its answer, set by the session. Plain
// bytes, copied freely.
#include "brae/BraeFieldTypes.h"
#include "brae/BraeLetterEnumerations.h"
#include "fields/MDateText.h"
#include "fields/MFieldList.h"
#include "fields/MIntX.h"
#include "fields/MObjectFormat.h"
#include "fields/MRPString.h"
#include "fields/MStaticFormat.h"
#include "fields/MTimeText.h"
#include "store/BaseKey.h"

class HistoricalCommandData {
public:
    MInt RecordId;
    MDateYYYYMMDD ExecutionDate;
    MTimeHHMMSS ExecutionTime;
    BraeKTSCommandType CommandType;
    BraeKTSBusinessItemType BusinessItemType;
    BraeKTSStatus CommandStatus;
    BraeKTSOperationDescription Description;
    MRPString<11, 32, MValAccept> UserName;
    MRPString<8, 32, MValAccept> FirmUnitMember;

    // The number of bytes of an RA that the row reads.
    static constexpr int kBytesRead = 360;

    HistoricalCommandData() = default;
    // The fields of an RA of length bytes; those it does not hold whole keep their defaults.
    HistoricalCommandData(const char* message, int length);

    BaseKey GetKey() const { return BaseKey(RecordId.GetValue(), RecordId.GetValue()); }
    static const char* GetDisplayName() { return "Historical Commands History"; }

    static constexpr auto Fields() {
        using S = HistoricalCommandData;
        return MFieldsWithLength(
            MField("RecordId", &S::RecordId), MField("ExecutionDate", &S::ExecutionDate),
            MField("ExecutionTime", &S::ExecutionTime), MField("CommandType", &S::CommandType),
            MField("BusinessItemType", &S::BusinessItemType), MField("CommandStatus", &S::CommandStatus),
            MField("Description", &S::Description), MField("UserName", &S::UserName),
            MField("FirmUnitMember", &S::FirmUnitMember));
    }
    static const char* GetFieldName(int index) { return kFieldList<HistoricalCommandData>.GetName(index); }
    static int GetFieldNameLength(int index) {
        return kFieldList<HistoricalCommandData>.GetNameLength(index);
    }
    static void DescribeClass(MStaticFormat& format);
    void FormatObject(MObjectFormat& format);
};
