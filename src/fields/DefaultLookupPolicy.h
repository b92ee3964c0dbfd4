#pragma once
// Lookup policy of a code enumeration that finds a code's row through an index built at compile
// time: for codes of one or two characters a table addressed by the code bytes (one byte per
// entry up to 256 rows), for longer codes the codes sorted with a binary search. Suited to tables
// of any size (country codes, delimiter types). Stateless; the tables are constant data.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "fields/MEnumCodes.h"
#include "fields/MEnumNames.h"
#include "fields/MEnumTable.h"
#include "fields/MTypeName.h"

template <int W, class E, int N>
struct DefaultLookupPolicy {
    using Codes = MEnumCodes<W, E, N>;
    static_assert(N <= 65536, "rows are indexed in 16 bits");

    static constexpr MTypeName kTypeName = MTypeName("DefaultLookupPolicy<") + MTypeNumber<W>() +
                                           MTypeName(",") + MTypeName(MEnumTable<E>::kTypeName) +
                                           MTypeName(",") + MTypeNumber<N>() + MTypeName(">");

private:
    using Row = std::conditional_t<(N <= 256), uint8_t, uint16_t>;
    static constexpr bool kDirect = W <= 2;
    static constexpr std::size_t kSlots = W == 1 ? 256 : 65536;

    static constexpr std::size_t Key(const char* code) {
        std::size_t key = static_cast<unsigned char>(code[0]);
        if constexpr (W == 2) key |= static_cast<std::size_t>(static_cast<unsigned char>(code[1])) << 8;
        return key;
    }
    // Direct table: filled from the last row up, so that a code standing on two rows finds the
    // first; a code of no row holds 0.
    static constexpr auto BuildDirect() {
        std::array<Row, kSlots> table{};
        for (int i = N; i-- > 0;) table[Key(MEnumTable<E>::kRows[i].code)] = static_cast<Row>(i);
        return table;
    }
    // Codes compared as unsigned bytes.
    static constexpr int CompareCodes(const char* a, const char* b) {
        for (int k = 0; k < W; ++k) {
            const int d = static_cast<unsigned char>(a[k]) - static_cast<unsigned char>(b[k]);
            if (d != 0) return d;
        }
        return 0;
    }
    // Sorted index: the rows in code order, equal codes by row.
    static constexpr auto BuildSorted() {
        std::array<Row, N> order{};
        for (int i = 0; i < N; ++i) order[i] = static_cast<Row>(i);
        std::sort(order.begin(), order.end(), [](Row a, Row b) {
            const int d = CompareCodes(MEnumTable<E>::kRows[a].code, MEnumTable<E>::kRows[b].code);
            return d < 0 || (d == 0 && a < b);
        });
        return order;
    }

public:
    // The first row whose code is these W characters, or 0.
    static int FindCode(const char* code) {
        if constexpr (kDirect) {
            static constexpr auto kIndex = BuildDirect();
            return kIndex[Key(code)];
        } else {
            static constexpr auto kIndex = BuildSorted();
            const Row* at = std::lower_bound(
                kIndex.begin(), kIndex.end(), code,
                [](Row row, const char* key) { return CompareCodes(Codes::Code(row), key) < 0; });
            return at != kIndex.end() && CompareCodes(Codes::Code(*at), code) == 0 ? *at : 0;
        }
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
