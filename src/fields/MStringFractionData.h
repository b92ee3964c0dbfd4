#pragma once
// The digit part of a price held as text: N characters, the value's digits without sign and point,
// right-aligned and filled with '0' on the left, or N pad characters P in the null value. A plain
// byte layout inside MStringFloat.
#include "fields/MTypeName.h"

template <int N, int P>
struct MStringFractionData {
    static_assert(N >= 1);
    static constexpr int kWidth = N;
    static constexpr char kPad = static_cast<char>(P);
    static constexpr MTypeName kTypeName = MTypeName("MStringFractionData<") + MTypeNumber<N>() +
                                           MTypeName(",") + MTypeNumber<P>() + MTypeName(">");

    char digits[N];
};
