#pragma once
// Time-of-day field held as text: W characters with hour, minute and (when C is 3) second of two
// digits each at HP, MP and SP, exactly as they came (nothing is validated), padded with P; A is
// the validator of its checks. It compares byte by byte (HHMMSS order is time order) and is
// written from the time-of-day class when a clock meaning is needed. All pads is the null time.
// One instance: MTimeHHMMSS. W plain bytes, copied freely; nothing allocates except ToString.
//
// Filter operands are read as times of day ("093000", "09:30:00", "n" for now, "-" for null) and
// written back as digits (the null time as 0000-1, before every time) before they are compared.
#include <algorithm>
#include <cstring>
#include <string>

#include "core/MDigitText.h"
#include "core/MTimeParts.h"
#include "fields/MFixedText.h"
#include "fields/MTTimePoint.h"
#include "fields/MTypeName.h"
#include "fields/MValAccept.h"

template <int W, int HP, int MP, int SP, int C, int P = 32, class A = MValAccept>
class MTimeText : public MFixedText<MTimeText<W, HP, MP, SP, C, P, A>, W, P, A> {
    static_assert(HP + 2 <= W && MP + 2 <= W && (C < 3 || SP + 2 <= W),
                  "the time's digits lie within the field");

public:
    using MFixedText<MTimeText, W, P, A>::Clear;

    static constexpr auto kTypeName =
        MTypeName("MTimeText<") + MTypeNumber<W>() + MTypeName(",") + MTypeNumber<HP>() + MTypeName(",") +
        MTypeNumber<MP>() + MTypeName(",") + MTypeNumber<SP>() + MTypeName(",") + MTypeNumber<C>() +
        MTypeName(",") + MTypeNumber<P>() + MTypeName(",") + A::kTypeName + MTypeName(">");

    MTimeText() { Clear(); }
    // A filter operand: read as a time of day and written back as digits.
    explicit MTimeText(const std::string& operand) : MTimeText(MTimeTimePoint(operand)) {}
    // Pads, then the time's digits.
    explicit MTimeText(const MTimeTimePoint& time) {
        Clear();
        WriteTime(time);
    }
    void Assign(const MTimeText& other) { *this = other; }

    // Writes the time's hour, minute and second over the field (the null time of day gives
    // 00, 00 and -1).
    void WriteTime(const MTimeTimePoint& time) {
        const MTimeParts t = time.GetTm();
        MDigitText<2>::Format(data_ + HP, t.tm_hour);
        MDigitText<2>::Format(data_ + MP, t.tm_min);
        if constexpr (C >= 3) MDigitText<2>::Format(data_ + SP, t.tm_sec);
    }

    static const char* GetTypeName() { return kTypeName.c_str(); }

private:
    using MFixedText<MTimeText, W, P, A>::data_;
};

using MTimeHHMMSS = MTimeText<6, 0, 2, 4, 3, 32, MValAccept>;
