#include "store/HistoricalSubmissionData.h"

#include "fields/DescribeFields.h"
#include "store/ReceivedRecordReader.h"

HistoricalSubmissionData::HistoricalSubmissionData(const char* message, int length) {
    ReceivedRecordReader reader(message, length, kBytesRead);
    reader.Read(Date, 24);
    reader.Read(FirmUnitName, 32);
    reader.Read(FirmUnitMember, 56);
    reader.Read(FirmName, 64);
    reader.Read(SubmissionStatus, 72);
    reader.Read(NbPositions, 73);
    reader.Finish();
}

void HistoricalSubmissionData::DescribeClass(MStaticFormat& format) {
    DescribeFieldTypes<HistoricalSubmissionData>(format);
}

void HistoricalSubmissionData::FormatObject(MObjectFormat& format) {
    DescribeFields(*this, format);
}
