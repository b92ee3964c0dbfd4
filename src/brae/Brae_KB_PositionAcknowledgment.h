#pragma once
// The position acknowledgment (KB) that the server sends for each position entry and when it loads
// the firm's positions: the position (report date, account, group and instrument, quantities), the
// outcome, the account's master and ids, and when it was submitted. The client never sends it;
// it reads it, within its received length, and builds its position records on it. 122 bytes.
#include "brae/BraeFieldTypes.h"
#include "brae/BraeHeaderIncoming.h"
#include "brae/BraeKTSAccountNumber.h"
#include "brae/BraeLetterEnumerations.h"
#include "fields/MChar.h"
#include "fields/MDateText.h"
#include "fields/MFieldList.h"
#include "fields/MRPString.h"
#include "fields/MStringInt.h"
#include "fields/MTimeText.h"

class MObjectFormat;
class MStaticFormat;

class Brae_KB_PositionAcknowledgment : public BraeHeaderIncoming {
public:
    MDateYYYYMMDD ReportDate;
    MChar Filler1;
    BraeKTSAccountNumber AccountNumber;
    MRPString<2, 32, MValAccept> Group;
    MRPString<4, 32, MValAccept> Instrument;
    BraeNb8 LongQuantity;
    BraeNb8 ShortQuantity;
    BraeKTSStatus ResponseStatus;
    MRPString<16, 32, MValAccept> MasterAccountId;
    MRPString<16, 32, MValAccept> AccountId;
    MRPString<4, 32, MValAccept> ApprovedParticipantId;
    MDateYYYYMMDD SubmissionDate;
    MTimeHHMMSS SubmissionTime;

    // "KB", the header's defaults, blanks, "00000000" twice and the first status letter.
    Brae_KB_PositionAcknowledgment() : BraeHeaderIncoming(GetMsgType()) {}

    // The received message's bytes, field by field: a field that the length does not hold whole
    // keeps its default (the shortfall is logged at level 3). The filler is kept as received.
    void Read(const char* message, int length);

    static constexpr EnumBraeMsgType GetMsgType() { return EnumBraeMsgType::KB; }

    static constexpr auto Fields() {
        using S = Brae_KB_PositionAcknowledgment;
        return MFieldsWithLength<BraeHeaderIncoming>(
            MField("ReportDate", &S::ReportDate, "827"), MField("Filler1", &S::Filler1),
            MField("AccountNumber", &S::AccountNumber, "1"), MField("Group", &S::Group, "6004"),
            MField("Instrument", &S::Instrument, "2164"), MField("LongQuantity", &S::LongQuantity, "196"),
            MField("ShortQuantity", &S::ShortQuantity, "197"),
            MField("ResponseStatus", &S::ResponseStatus, "127"),
            MField("MasterAccountId", &S::MasterAccountId, "5310"), MField("AccountId", &S::AccountId, "30"),
            MField("ApprovedParticipantId", &S::ApprovedParticipantId, "26"),
            MField("SubmissionDate", &S::SubmissionDate, "6143"),
            MField("SubmissionTime", &S::SubmissionTime, "70"));
    }
    // The index-th of the 13 field names and tags (the filler has no tag); null outside them.
    static const char* GetFieldName(int index) {
        return kFieldList<Brae_KB_PositionAcknowledgment>.GetName(index);
    }
    static int GetFieldNameLength(int index) {
        return kFieldList<Brae_KB_PositionAcknowledgment>.GetNameLength(index);
    }
    static const char* GetFieldTag(int index) {
        return kFieldList<Brae_KB_PositionAcknowledgment>.GetTag(index);
    }
    static int GetFieldTagLength(int index) { return field_list_detail::Length(GetFieldTag(index)); }

    // The field types, then the fields with their data, of the header's parts first (the type
    // code, then the rest of the header), then of the acknowledgment's own 13, while the format
    // asks for more.
    static void DescribeClass(MStaticFormat& format);
    void FormatObject(MObjectFormat& format);
};

static_assert(sizeof(Brae_KB_PositionAcknowledgment) == 122);
