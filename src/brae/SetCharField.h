#pragma once
// Writes one character into a one-character field of a message (a letter field such as the
// broadcast timing, or a one-character text), as the byte that goes on the wire; nothing checked.
#include <cstring>
#include <type_traits>

template <class F>
void SetCharField(F& field, char value) {
    static_assert(sizeof(F) == 1 && std::is_trivially_copyable_v<F>, "a one-character field is one byte");
    std::memcpy(static_cast<void*>(&field), &value, 1);
}
