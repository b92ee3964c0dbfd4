#include "brae/Brae_KB_PositionAcknowledgment.h"

#include <cstddef>
#include <cstring>
#include <type_traits>

#include "brae/ReceivedMessage.h"
#include "fields/DescribeFields.h"

namespace {
template <class T>
bool ReadAt(Brae_KB_PositionAcknowledgment& kb, T& field, const char* message, int length) {
    const auto offset = reinterpret_cast<const char*>(&field) - reinterpret_cast<const char*>(&kb);
    return ReadReceivedField(field, message, length, static_cast<int>(offset));
}
}  // namespace

// Every field is held as its wire bytes at its wire offset, and together they fill the record's
// 122 bytes, so that a whole message is the record's bytes as they stand.
static_assert(std::is_trivially_copyable_v<Brae_KB_PositionAcknowledgment>);

void Brae_KB_PositionAcknowledgment::Read(const char* message, int length) {
    if (message && length >= static_cast<int>(sizeof(Brae_KB_PositionAcknowledgment))) {
        std::memcpy(static_cast<void*>(this), message, sizeof(Brae_KB_PositionAcknowledgment));
        return;
    }
    *this = Brae_KB_PositionAcknowledgment();
    const bool whole =
        ReadAt(*this, MsgType, message, length) & ReadAt(*this, UserTime, message, length) &
        ReadAt(*this, TraderID, message, length) & ReadAt(*this, UserSequenceID, message, length) &
        ReadAt(*this, ReportDate, message, length) & ReadAt(*this, Filler1, message, length) &
        ReadAt(*this, AccountNumber, message, length) & ReadAt(*this, Group, message, length) &
        ReadAt(*this, Instrument, message, length) & ReadAt(*this, LongQuantity, message, length) &
        ReadAt(*this, ShortQuantity, message, length) & ReadAt(*this, ResponseStatus, message, length) &
        ReadAt(*this, MasterAccountId, message, length) & ReadAt(*this, AccountId, message, length) &
        ReadAt(*this, ApprovedParticipantId, message, length) &
        ReadAt(*this, SubmissionDate, message, length) & ReadAt(*this, SubmissionTime, message, length);
    if (!whole) LogShortMessage(length, static_cast<int>(sizeof(Brae_KB_PositionAcknowledgment)));
}

void Brae_KB_PositionAcknowledgment::DescribeClass(MStaticFormat& format) {
    DescribeFieldTypes<Brae_KB_PositionAcknowledgment>(format);
}

void Brae_KB_PositionAcknowledgment::FormatObject(MObjectFormat& format) {
    DescribeFields(*this, format);
}
