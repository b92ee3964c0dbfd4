#include "store/KR_Account.h"

#include <algorithm>

#include "fields/NumericTextParsing.h"
#include "store/ReceivedRecordReader.h"

KR_Account::KR_Account(EnumBraeMsgType type, const char* message, int length) {
    // The KR and JY share one layout but for the flag text, one byte later in the JY; the QR has no
    // entry action letter, so everything comes one byte earlier.
    int shift = 0;
    int flags = 385;
    switch (type) {
        case EnumBraeMsgType::KR:
            break;
        case EnumBraeMsgType::JY:
            flags = 386;
            break;
        case EnumBraeMsgType::QR:
            shift = -1;
            flags = 384;
            break;
        default:
            return;
    }
    ReceivedRecordReader reader(message, length, flags + 32);
    reader.Read(AffiliatedCie, 25 + shift);
    reader.Read(AccountNumber, 49 + shift);
    reader.Read(AccountType, 65 + shift);
    reader.Read(AccountOwnerType, 66 + shift);
    reader.Read(OwnerId, 67 + shift);
    reader.Read(HedgeSpec, 115 + shift);
    reader.Read(Name, 116 + shift);
    reader.Read(Address, 141 + shift);
    reader.Read(City, 189 + shift);
    reader.Read(State, 213 + shift);
    reader.Read(ZipPostalCode, 237 + shift);
    reader.Read(Phone, 249 + shift);
    reader.Read(Fax, 273 + shift);
    reader.Read(Email, 297 + shift);
    reader.Read(CountryCode, 345 + shift);
    reader.Read(ApprovedParticipantId, 347 + shift);
    reader.Read(ResponseStatus, 351 + shift);
    reader.Read(AccountId, 352 + shift);
    reader.Read(InternalAccountType, 368 + shift);
    reader.Read(MasterAccountId, 369 + shift);
    reader.ReadFlags(Flags, flags);
    reader.Finish();
}

BaseKey KR_Account::GetKey() const {
    if (const int length = AccountId.Length()) {
        // Up to 16 digits: read wide, so that an id beyond the 32-bit range clamps instead of wrapping.
        return BaseKey::FromWide(1, static_cast<int64_t>(ParseDecimalDigits64(AccountId.GetData(), length)));
    }
    if (!accountNumbers_) return BaseKey(1, 0);
    const auto found = std::find(accountNumbers_->begin(), accountNumbers_->end(), AccountNumber.ToString());
    if (found == accountNumbers_->end()) return BaseKey(1, 0);
    return BaseKey::FromWide(1, (found - accountNumbers_->begin()) + 1);
}
