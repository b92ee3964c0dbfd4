#include "store/HistoricalAccountData.h"

#include "fields/DescribeFields.h"
#include "store/ReceivedRecordReader.h"

HistoricalAccountData::HistoricalAccountData(const char* message, int length) {
    ReceivedRecordReader reader(message, length, kBytesRead);
    reader.Read(Date, 417);
    reader.Read(AffiliatedCie, 25);
    reader.Read(AccountNumber, 49);
    reader.Read(AccountType, 65);
    reader.Read(AccountOwnerType, 66);
    reader.Read(OwnerId, 67);
    reader.Read(NormalizedOwnerId, 91);
    reader.Read(HedgeSpec, 115);
    reader.Read(Name, 116);
    reader.Read(Address, 141);
    reader.Read(City, 189);
    reader.Read(State, 213);
    reader.Read(ZipPostalCode, 237);
    reader.Read(Phone, 249);
    reader.Read(Fax, 273);
    reader.Read(Email, 297);
    reader.Read(CountryCode, 345);
    reader.Read(ApprovedParticipantId, 347);
    reader.Read(ResponseStatus, 351);
    reader.Read(AccountId, 352);
    reader.Read(InternalAccountType, 368);
    reader.Read(MasterAccountId, 369);
    reader.ReadFlags(Flags, 385);
    reader.Read(FirmUnitMember, 425);
    reader.Finish();
}

void HistoricalAccountData::DescribeClass(MStaticFormat& format) {
    DescribeFieldTypes<HistoricalAccountData>(format);
}

void HistoricalAccountData::FormatObject(MObjectFormat& format) {
    DescribeFields(*this, format);
}
