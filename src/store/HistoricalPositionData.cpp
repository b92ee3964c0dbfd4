#include "store/HistoricalPositionData.h"

#include "fields/DescribeFields.h"
#include "store/ReceivedRecordReader.h"

HistoricalPositionData::HistoricalPositionData(const char* message, int length) {
    ReceivedRecordReader reader(message, length, kBytesRead);
    reader.Read(ReportDate, 24);
    reader.Read(AccountNumber, 33);
    reader.Read(Group, 49);
    reader.Read(Instrument, 51);
    reader.Read(CallPutCode, 130);
    reader.Read(StrikePrice, 131);
    reader.Read(ExpirationDate, 141);
    reader.Read(ClassSymbol, 149);
    reader.Read(ExternalSymbol, 169);
    reader.Read(LongQuantity, 55);
    reader.Read(ShortQuantity, 63);
    reader.Read(ResponseStatus, 71);
    reader.Read(MasterAccountId, 72);
    reader.Read(AccountId, 88);
    reader.Read(ApprovedParticipantId, 104);
    reader.Read(SubmissionDate, 108);
    reader.Read(SubmissionTime, 116);
    reader.Read(FirmUnitMember, 122);
    reader.Finish();
}

void HistoricalPositionData::DescribeClass(MStaticFormat& format) {
    DescribeFieldTypes<HistoricalPositionData>(format);
}

void HistoricalPositionData::FormatObject(MObjectFormat& format) {
    DescribeFields(*this, format);
}
