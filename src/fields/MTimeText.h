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
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTTimePoint.h"
#include "fields/MTypeName.h"
#include "fields/MValAccept.h"

template <int W, int HP, int MP, int SP, int C, int P = 32, class A = MValAccept>
class MTimeText {
    static_assert(HP + 2 <= W && MP + 2 <= W && (C < 3 || SP + 2 <= W), "the time's digits lie within the field");

public:
    static constexpr auto kTypeName = MTypeName("MTimeText<") + MTypeNumber<W>() + MTypeName(",") +
                                      MTypeNumber<HP>() + MTypeName(",") + MTypeNumber<MP>() + MTypeName(",") +
                                      MTypeNumber<SP>() + MTypeName(",") + MTypeNumber<C>() + MTypeName(",") +
                                      MTypeNumber<P>() + MTypeName(",") + A::kTypeName + MTypeName(">");

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

    // A null text leaves the value unchanged; otherwise its first W characters, padded.
    void SetText(const char* text) {
        if (text) SetText(text, static_cast<int>(strnlen(text, W)));
    }
    // The first length characters (at most W), padded; a null text or negative length gives pads.
    void SetText(const char* text, int length) {
        const int count = text ? std::clamp(length, 0, W) : 0;
        if (count > 0) std::memcpy(data_, text, static_cast<std::size_t>(count));
        std::memset(data_ + count, P, static_cast<std::size_t>(W - count));
    }
    void Clear() { std::memset(data_, P, W); }
    bool IsNull() const { return data_[0] == static_cast<char>(P); }
    // All W characters, pads kept.
    std::string ToString() const { return std::string(data_, W); }
    static constexpr int GetWidth() { return W; }
    const char* GetChars() const { return data_; }

    // "No argument specified!" for a null text; otherwise the validator on the first W characters.
    static const char* CheckText(const char* text) {
        if (!text) return "No argument specified!";
        const A validator;
        return validator.Check(text, static_cast<int>(strnlen(text, W)));
    }

    bool IsEqual(const MTimeText& other) const { return Compare(other) == 0; }
    bool IsLess(const MTimeText& other) const { return Compare(other) < 0; }
    bool IsLessOrEqual(const MTimeText& other) const { return Compare(other) <= 0; }
    bool IsGreater(const MTimeText& other) const { return Compare(other) > 0; }
    bool IsGreaterOrEqual(const MTimeText& other) const { return Compare(other) >= 0; }
    friend bool operator==(const MTimeText& a, const MTimeText& b) { return a.IsEqual(b); }

    // Delimited text: the characters in place, trailing pads left out, not zero-terminated.
    const char* GetText(int* length, bool* terminated) const {
        int n = W;
        while (n > 0 && data_[n - 1] == static_cast<char>(P)) --n;
        if (length) *length = n;
        if (terminated) *terminated = false;
        return data_;
    }

    // Monitor message: the W bytes as they are; reading takes exactly W bytes ("Message is too
    // short" when fewer remain, the value unchanged).
    void WriteFixed(MMsgFormat& format) const { format.Write(data_, W); }
    void ReadFixed(MMsgFormat& format) {
        int remaining = 0;
        const char* bytes = format.GetRemaining(&remaining);
        format.Skip(W);
        std::memcpy(data_, bytes, W);
    }

    static void SetupInterface(MInterface& column) {
        column.SetKind(MInterface::kString);
        column.SetWidth(W);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }

private:
    int Compare(const MTimeText& other) const { return std::memcmp(data_, other.data_, W); }

    char data_[W];
};

using MTimeHHMMSS = MTimeText<6, 0, 2, 4, 3, 32, MValAccept>;
