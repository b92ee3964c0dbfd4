#pragma once
// Lookup policy of a code enumeration that searches its code table row by row: suited to tables
// looked up rarely (country codes, delimiter types). Stateless; the tables are constant data.
#include <cstring>

#include "fields/MEnumCodes.h"
#include "fields/MEnumNames.h"
#include "fields/MEnumTable.h"
#include "fields/MTypeName.h"

template <int W, class E, int N>
struct DefaultLookupPolicy {
    using Codes = MEnumCodes<W, E, N>;

    static constexpr MTypeName kTypeName = MTypeName("DefaultLookupPolicy<") + MTypeNumber<W>() +
                                           MTypeName(",") + MTypeName(MEnumTable<E>::kTypeName) +
                                           MTypeName(",") + MTypeNumber<N>() + MTypeName(">");

    // The first row whose code is these W characters, or 0.
    static int FindCode(const char* code) {
        for (int i = 0; i < N; ++i) {
            if (std::memcmp(Codes::Code(i), code, W) == 0) return i;
        }
        return 0;
    }
    // A text of W characters is a code; any other the name of a row (exact, case-sensitive). A
    // null text or a miss gives 0.
    static int FindText(const char* text, int length) {
        if (!text) return 0;
        if (length == W) return FindCode(text);
        const int index = MEnumNames<E, N>::Find(text, length);
        return index >= 0 ? index : 0;
    }
};
