#pragma once
// Lookup policy of a two-character code enumeration that finds a code's row with one read of a
// table of 65,536 rows addressed by the two code bytes (first byte + 256 x second byte): suited to
// the message type of every received message. The table (256 KiB of constant data) is built at
// compile time in row order, so a code that stands on two rows finds the later one; a key that no
// row has holds 0. Stateless.
#include <array>
#include <cstdint>

#include "fields/MEnumCodes.h"
#include "fields/MEnumNames.h"
#include "fields/MEnumTable.h"
#include "fields/MTypeName.h"

template <class E, int N>
struct Key2LookupPolicy {
    using Codes = MEnumCodes<2, E, N>;

    static constexpr MTypeName kTypeName = MTypeName("Key2LookupPolicy<") +
                                           MTypeName(MEnumTable<E>::kTypeName) + MTypeName(",") +
                                           MTypeNumber<N>() + MTypeName(">");

    static constexpr int Key(const char* code) {
        return static_cast<unsigned char>(code[0]) | static_cast<unsigned char>(code[1]) << 8;
    }

private:
    static constexpr std::array<int32_t, 65536> Build() {
        std::array<int32_t, 65536> index{};
        for (int i = 0; i < N; ++i) index[Key(MEnumTable<E>::kRows[i].code)] = i;
        return index;
    }

public:
    static constexpr std::array<int32_t, 65536> kIndex = Build();

    // The row of the two-character code, or 0.
    static int FindCode(const char* code) { return kIndex[Key(code)]; }
    // A text of 2 characters is a code; any other the name of a row (exact, case-sensitive). A
    // null text or a miss gives 0.
    static int FindText(const char* text, int length) {
        if (!text) return 0;
        if (length == 2) return FindCode(text);
        const int index = MEnumNames<E, N>::Find(text, length);
        return index >= 0 ? index : 0;
    }
};
