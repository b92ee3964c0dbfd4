#pragma once
// The code table of a code enumeration of N rows with codes of W characters, derived at compile
// time from the kRows of its MEnumTable<E>: the codes side by side, W bytes each, in row order.
// Constant data, shared by the lookup policies and the field type.
#include <array>
#include <cstddef>
#include <iterator>
#include <string_view>

#include "fields/MEnumTable.h"

template <int W, class E, int N>
struct MEnumCodes {
    static_assert(W >= 1 && N >= 1, "codes have characters and a table has rows");
    static_assert(std::size(MEnumTable<E>::kRows) == static_cast<std::size_t>(N), "the table has N rows");

private:
    static constexpr bool AllCodesHaveWidth() {
        for (const MEnumCodeRow& row : MEnumTable<E>::kRows) {
            if (!row.code || std::string_view(row.code).size() != static_cast<std::size_t>(W)) return false;
        }
        return true;
    }
    static_assert(AllCodesHaveWidth(), "every code has exactly W characters");

    static constexpr std::array<char, static_cast<std::size_t>(W) * N> Build() {
        std::array<char, static_cast<std::size_t>(W) * N> codes{};
        for (int i = 0; i < N; ++i) {
            for (int k = 0; k < W; ++k)
                codes[static_cast<std::size_t>(i) * W + k] = MEnumTable<E>::kRows[i].code[k];
        }
        return codes;
    }

public:
    static constexpr std::array<char, static_cast<std::size_t>(W)* N> kCodes = Build();

    // The W characters of row index (below N).
    static const char* Code(int index) { return kCodes.data() + static_cast<std::size_t>(index) * W; }
};
