#pragma once
// Reading the fixed-width fields of a received message, never past its received length: a field
// that the message does not hold whole keeps the value it has (its default), and the short message
// is logged at level 3.
#include <cstring>
#include <type_traits>

#include "core/MError.h"

// Copies the bytes of field from offset of a message of length bytes when the message holds all of
// them; otherwise leaves field unchanged and returns false.
template <class T>
bool ReadReceivedField(T& field, const char* message, int length, int offset) {
    static_assert(std::is_trivially_copyable_v<T>, "a field's bytes are its wire form");
    constexpr int kSize = static_cast<int>(sizeof(T));
    if (!message || offset < 0 || length < offset || length - offset < kSize) return false;
    std::memcpy(static_cast<void*>(&field), message + offset, static_cast<std::size_t>(kSize));
    return true;
}

// While one lives (on this thread), LogShortMessage logs nothing: a caller that has already logged
// a message's shortfall (the session's dispatch, which names the message's type) keeps the record
// readers from logging it a second time.
class ShortMessageLogMute {
public:
    ShortMessageLogMute() { ++Depth(); }
    ~ShortMessageLogMute() { --Depth(); }
    ShortMessageLogMute(const ShortMessageLogMute&) = delete;
    ShortMessageLogMute& operator=(const ShortMessageLogMute&) = delete;
    static bool Active() { return Depth() > 0; }

private:
    static int& Depth() {
        thread_local int depth = 0;
        return depth;
    }
};

// Logs at level 3 that a received message of length bytes lacks fields of its expected size.
inline void LogShortMessage(int length, int expected) {
    if (ShortMessageLogMute::Active()) return;
    MLOG(LOG_ERROR, "Received message of %d bytes, %d expected: fields beyond its end keep their defaults",
         length, expected);
}
