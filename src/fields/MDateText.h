#pragma once
// Date field held as text: W characters with a year of YL digits at YP, a month of ML digits at MP
// and a day of 2 digits at DP, exactly as they came (nothing is validated), padded with P; A is
// the validator of its checks. It compares byte by byte and converts to and from the date class
// D when a calendar meaning is needed. All pads is the null date (a pad as the first character
// means null), which sorts before every date. One instance: MDateYYYYMMDD. W plain bytes, copied
// freely; nothing allocates except ToString.
//
// Filter operands are read as dates ("20210304", "2021/03/04", "n" for today, "-" for null) and
// written back as digits before they are compared.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/MDigitText.h"
#include "core/MTimeParts.h"
#include "core/TimeUnits.h"
#include "fields/MFixedText.h"
#include "fields/MTTimePoint.h"
#include "fields/MTypeName.h"
#include "fields/MValAccept.h"
#include "fields/NumericTextParsing.h"

template <int W, int YL, int YP, int ML, int MP, int DP, class D, int P = 32, class A = MValAccept>
class MDateText : public MFixedText<MDateText<W, YL, YP, ML, MP, DP, D, P, A>, W, P, A> {
    static_assert(YP + YL <= W && MP + ML <= W && DP + 2 <= W, "the date's digits lie within the field");

public:
    using MFixedText<MDateText, W, P, A>::Clear;
    using MFixedText<MDateText, W, P, A>::IsNull;

    static constexpr auto kTypeName =
        MTypeName("MDateText<") + MTypeNumber<W>() + MTypeName(",") + MTypeNumber<YL>() + MTypeName(",") +
        MTypeNumber<YP>() + MTypeName(",") + MTypeNumber<ML>() + MTypeName(",") + MTypeNumber<MP>() +
        MTypeName(",") + MTypeNumber<DP>() + MTypeName(",") + D::kTypeName + MTypeName(",") +
        MTypeNumber<P>() + MTypeName(",") + A::kTypeName + MTypeName(">");

    MDateText() { Clear(); }
    // A filter operand: read as a date and written back as digits.
    explicit MDateText(const std::string& operand) { SetDate(D(operand)); }
    explicit MDateText(const D& date) { SetDate(date); }
    void Assign(const MDateText& other) { *this = other; }

    // The local date of a date (its valid flag is not looked at), as digits.
    void SetDate(const D& date) {
        const MTimeParts t = date.GetTm();
        Clear();
        MDigitText<YL>::Format(
            data_ + YP, static_cast<int>(std::clamp<int64_t>(int64_t{t.tm_year} + 1900, INT_MIN, INT_MAX)));
        MDigitText<ML>::Format(data_ + MP, t.tm_mon + 1);
        MDigitText<2>::Format(data_ + DP, t.tm_mday);
    }
    // The calendar fields: a null date gives all fields 0; otherwise the digits as year, month and
    // day with the time fields, weekday, day of year and daylight-saving flag 0.
    MTimeParts GetTm() const {
        MTimeParts t = MTimeParts::Cleared();
        t.tm_isdst = 0;
        if (IsNull()) return t;
        t.tm_year = GetYear() - 1900;
        t.tm_mon = GetMonth() - 1;
        t.tm_mday = GetDay();
        return t;
    }
    // The date at the local midnight of the digits (0 for the null date).
    D GetDate() const {
        D date(0, TIME_UNIT_NANOSECOND);
        date.SetTm(GetTm());
        return date;
    }
    // Seconds since 1970 of the date's local midnight.
    int64_t GetSeconds() const { return GetDate().GetUnits(TIME_UNIT_SECOND); }

    // The digits as numbers; a pad or any other character counts as the digit 0.
    int32_t GetYear() const { return static_cast<int32_t>(ParseDecimalDigits(data_ + YP, YL)); }
    int32_t GetMonth() const { return static_cast<int32_t>(ParseDecimalDigits(data_ + MP, ML)); }
    int32_t GetDay() const { return static_cast<int32_t>(ParseDecimalDigits(data_ + DP, 2)); }

    static const char* GetTypeName() { return kTypeName.c_str(); }

private:
    using MFixedText<MDateText, W, P, A>::data_;
};

using MDateYYYYMMDD = MDateText<8, 4, 0, 2, 4, 6, MDate, 32, MValAccept>;
