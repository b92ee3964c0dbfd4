#include "store/HistoricalCommandData.h"

#include "fields/DescribeFields.h"
#include "store/ReceivedRecordReader.h"

HistoricalCommandData::HistoricalCommandData(const char* message, int length) {
    ReceivedRecordReader reader(message, length, kBytesRead);
    reader.Read(ExecutionDate, 24);
    reader.Read(ExecutionTime, 32);
    reader.Read(CommandType, 38);
    reader.Read(BusinessItemType, 39);
    reader.Read(CommandStatus, 40);
    reader.Read(Description, 41);
    reader.Read(UserName, 341);
    reader.Read(FirmUnitMember, 352);
    reader.Finish();
}

void HistoricalCommandData::DescribeClass(MStaticFormat& format) {
    DescribeFieldTypes<HistoricalCommandData>(format);
}

void HistoricalCommandData::FormatObject(MObjectFormat& format) {
    DescribeFields(*this, format);
}
