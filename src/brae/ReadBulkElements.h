#pragma once
// Reading the element array of a received bulk message (instruments BI, participants BP): after
// the 24-byte header, the element count as 4 digits at offset 24 and the elements, each a packed
// record of type E, from offset 28. Only elements that the received bytes hold whole are read:
// a count that claims more is cut to them and logged at level 3.
#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

#include "brae/BraeFieldTypes.h"
#include "brae/ReceivedMessage.h"
#include "core/MError.h"
#include "fields/MStringInt.h"

inline constexpr int kBraeBulkCountOffset = 24;
inline constexpr int kBraeBulkElementsOffset = 28;

// The elements of a bulk message of length bytes, in order; none when the message does not hold
// its count (logged) or its count is 0 or negative.
template <class E>
std::vector<E> ReadBulkElements(const char* message, int length) {
    static_assert(std::is_trivially_copyable_v<E> && alignof(E) == 1, "an element's bytes are its wire form");
    constexpr int kSize = static_cast<int>(sizeof(E));
    BraeNb4 countField;
    if (!ReadReceivedField(countField, message, length, kBraeBulkCountOffset)) {
        LogShortMessage(length, kBraeBulkElementsOffset);
        return {};
    }
    const int count = std::max(countField.GetValue(), 0);
    const int held = (length - kBraeBulkElementsOffset) / kSize;
    if (count > held) {
        MLOG(LOG_ERROR,
             "Bulk message of %d bytes holds %d of its %d elements of %d bytes: the others are dropped",
             length, held, count, kSize);
    }
    const int read = std::min(count, held);
    std::vector<E> elements(static_cast<std::size_t>(read));
    for (int i = 0; i < read; ++i) {
        std::memcpy(static_cast<void*>(&elements[static_cast<std::size_t>(i)]),
                    message + kBraeBulkElementsOffset + i * kSize, static_cast<std::size_t>(kSize));
    }
    return elements;
}
