#pragma once
// Reading a received message into a record whose bytes are its wire form, never past the message's
// received length.
#include <algorithm>
#include <cstring>
#include <type_traits>

#include "core/MError.h"

// Copies the received bytes over record, which holds its defaults: min(length, the record's size)
// bytes. Fields beyond the received length keep their defaults; a message shorter than the record
// is logged at level 3. Returns the number of bytes copied.
template <class T>
int CopyReceivedBytes(T& record, const char* message, int length) {
    static_assert(std::is_trivially_copyable_v<T>, "the record's bytes are its wire form");
    constexpr int kSize = static_cast<int>(sizeof(T));
    const int count = message ? std::clamp(length, 0, kSize) : 0;
    if (count > 0) std::memcpy(static_cast<void*>(&record), message, static_cast<std::size_t>(count));
    if (count < kSize) {
        MLOG(LOG_ERROR, "Received message of %d bytes, %d expected: missing fields keep their defaults", count,
             kSize);
    }
    return count;
}
