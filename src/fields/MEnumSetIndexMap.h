#pragma once
// The positions of the enumerators of E (N of them) in an enumeration set: for a letter
// enumeration the position is the letter's index in its table (a byte that is no letter gives 0)
// and the enumerator at a position its letter (the zero character from N on); for an integer
// enumeration the position is the enumerator's value and the enumerator at a position the
// position itself. No data.
#include <type_traits>

#include "fields/MEnumAlpha.h"
#include "fields/MEnumTable.h"

template <class E, int N>
struct MEnumSetIndexMap {
    static_assert(std::is_enum_v<E>, "E is an enumeration");

    static int IndexOf(E value) {
        if constexpr (MLetterEnumeration<E>) {
            return MEnumAlpha<E, N>::IndexOf(value);
        } else {
            return static_cast<int>(static_cast<std::make_unsigned_t<std::underlying_type_t<E>>>(value));
        }
    }
    static E EnumAt(int position) {
        if constexpr (MLetterEnumeration<E>) {
            return MEnumAlpha<E, N>::GetEnumAt(static_cast<unsigned>(position));
        } else {
            return static_cast<E>(position);
        }
    }
};
