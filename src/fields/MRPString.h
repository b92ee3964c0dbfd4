#pragma once
// Text field of exactly N characters, right-padded with the pad character P (32, the blank); A is
// the validator of its checks. The N characters are the whole value, with no terminator and no
// length, and they are the field's form on the wire: a record holding the field holds N plain
// bytes. All pads is the null (blank) value. Copies, compares (byte order over all N characters,
// pads included) and assignments work in place and never allocate; only ToString and
// ToPaddedString build a std::string. A text too long for the field is cut, never refused.
#include <algorithm>
#include <climits>
#include <compare>
#include <cstring>
#include <string>

#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTypeName.h"
#include "fields/MValAccept.h"

template <int N, int P = 32, class A = MValAccept>
class MRPString {
    static_assert(N >= 1, "a padded text has at least one character");

public:
    static constexpr MTypeName kTypeName = MTypeName("MRPString<") + MTypeNumber<N>() + MTypeName(",") +
                                           MTypeNumber<P>() + MTypeName(",") + A::kTypeName + MTypeName(">");

    MRPString() { Clear(); }
    // A null text gives the null value.
    explicit MRPString(const char* text) {
        Clear();
        SetText(text);
    }
    explicit MRPString(const std::string& text) { SetString(text); }
    MRPString& operator=(const char* text) {
        SetText(text);
        return *this;
    }
    void Assign(const MRPString& other) { *this = other; }

    // A null text leaves the value unchanged.
    void SetText(const char* text) {
        if (text) SetChars(text, static_cast<int>(strnlen(text, N)));
    }
    // The first length characters (at most N, zero bytes included), padded with P. A negative
    // length or a null text gives the null value.
    void SetChars(const char* data, int length) {
        if (!data || length <= 0) {
            Clear();
            return;
        }
        const int count = std::min(length, N);
        std::memcpy(data_, data, static_cast<std::size_t>(count));
        std::memset(data_ + count, P, static_cast<std::size_t>(N - count));
    }
    void SetText(const char* text, int length) { SetChars(text, length); }
    void SetString(const std::string& text) {
        SetChars(text.data(), static_cast<int>(std::min<std::size_t>(text.size(), N)));
    }

    // The characters before the trailing pads.
    std::string ToString() const { return std::string(data_, static_cast<std::size_t>(Length())); }
    std::string ToPaddedString() const { return std::string(data_, N); }
    int Length() const {
        int i = N - 1;
        while (i >= 0 && data_[i] == static_cast<char>(P)) --i;
        return i + 1;
    }
    bool IsBlank() const { return Length() == 0; }
    void Fill(char c) { std::memset(data_, c, N); }
    void Clear() { Fill(static_cast<char>(P)); }
    static constexpr int GetWidth() { return N; }
    const char* GetData() const { return data_; }
    char* GetData() { return data_; }

    // Null when A accepts the text; "No argument specified!" for a null text. The length is not
    // compared with N: a longer text is cut by the setters.
    static const char* CheckText(const char* text) {
        if (!text) return "No argument specified!";
        const A validator;
        return validator.Check(text, static_cast<int>(std::min<std::size_t>(std::strlen(text), INT_MAX)));
    }

    bool IsEqual(const MRPString& other) const { return Compare(other) == 0; }
    bool IsLess(const MRPString& other) const { return Compare(other) < 0; }
    bool IsLessOrEqual(const MRPString& other) const { return Compare(other) <= 0; }
    bool IsGreater(const MRPString& other) const { return Compare(other) > 0; }
    bool IsGreaterOrEqual(const MRPString& other) const { return Compare(other) >= 0; }
    friend bool operator==(const MRPString& a, const MRPString& b) { return a.IsEqual(b); }
    friend std::strong_ordering operator<=>(const MRPString& a, const MRPString& b) {
        return a.Compare(b) <=> 0;
    }

    // Delimited text: the characters in place, trailing pads left out, not zero-terminated.
    const char* GetText(int* length, bool* terminated) const {
        if (length) *length = Length();
        if (terminated) *terminated = false;
        return data_;
    }
    // Description: the trimmed text, or all N characters when raw.
    std::string ToDescription(bool raw) const { return raw ? ToPaddedString() : ToString(); }

    // Monitor message: all N bytes; read back from min(N, bytes left) bytes, padded.
    void WriteFixed(MMsgFormat& format) const { format.Write(data_, N); }
    void ReadFixed(MMsgFormat& format) {
        int remaining = 0;
        const char* bytes = format.GetRemaining(&remaining);
        const int count = std::clamp(remaining, 0, N);
        SetChars(bytes, count);
        format.Skip(count);
    }

    static void SetupInterface(MInterface& column) {
        column.SetKind(MInterface::kString);
        column.SetWidth(N);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }

private:
    int Compare(const MRPString& other) const { return std::memcmp(data_, other.data_, N); }

    char data_[N];
};

// The widths in use, by the names under which they are declared.
using GroupBase = MRPString<2, 32, MValAccept>;
using SubAccount = MRPString<4, 32, MValAccept>;
using MatchNumber = MRPString<8, 32, MValAccept>;
using MonitorApplicationVersion = MRPString<10, 32, MValAccept>;
using LegOpenCloseDefinitionBase = MRPString<12, 32, MValAccept>;
using VintMsgClientId = MRPString<16, 32, MValAccept>;
using MonitorBusinessState = MRPString<20, 32, MValAccept>;
using MonitorApplication = MRPString<40, 32, MValAccept>;
using MonitorHost = MRPString<50, 32, MValAccept>;
