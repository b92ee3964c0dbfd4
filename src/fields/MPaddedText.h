#pragma once
// Shared body of the padded texts MRPString (padded on the right) and MLPString (padded on the
// left): exactly N characters, padded with the pad character P, checked by the validator A. The
// N characters are the whole value (no terminator, no length); all pads is the null (blank)
// value. Compared byte by byte over all N characters, pads included. F is the text class itself.
// Nothing allocates except the texts it builds.
#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "fields/MComparable.h"

template <class F, int N, int P, class A, bool PadLeft>
class MPaddedText : public MComparable<F> {
    static_assert(N >= 1, "a padded text has at least one character");

public:
    MPaddedText() { Clear(); }
    // A null text gives the null value.
    explicit MPaddedText(const char* text) {
        Clear();
        SetText(text);
    }
    explicit MPaddedText(const std::string& text) { SetString(text); }
    F& operator=(const char* text) {
        SetText(text);
        return static_cast<F&>(*this);
    }
    void Assign(const F& other) { static_cast<F&>(*this) = other; }

    // A null text leaves the value unchanged.
    void SetText(const char* text) {
        if (text) SetChars(text, static_cast<int>(strnlen(text, N)));
    }
    // The first length characters (at most N, zero bytes included), padded with P; a negative
    // length or a null text gives the null value.
    void SetChars(const char* data, int length) {
        if (!data || length <= 0) {
            Clear();
            return;
        }
        const int count = std::min(length, N);
        const int pads = N - count;
        std::memcpy(data_ + (PadLeft ? pads : 0), data, static_cast<std::size_t>(count));
        std::memset(data_ + (PadLeft ? 0 : count), P, static_cast<std::size_t>(pads));
    }
    void SetText(const char* text, int length) { SetChars(text, length); }
    void SetString(const std::string& text) {
        SetChars(text.data(), static_cast<int>(std::min<std::size_t>(text.size(), N)));
    }

    // The characters without their pads.
    std::string ToString() const {
        const int length = Length();
        return std::string(data_ + (PadLeft ? N - length : 0), static_cast<std::size_t>(length));
    }
    std::string ToPaddedString() const { return std::string(data_, N); }
    // N minus the count of pads.
    int Length() const {
        int pads = 0;
        while (pads < N && data_[PadLeft ? pads : N - 1 - pads] == static_cast<char>(P)) ++pads;
        return N - pads;
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

    int Compare(const MPaddedText& other) const { return std::memcmp(data_, other.data_, N); }
    // The bytes whose memcmp order is Compare's: the N characters as they stand.
    static constexpr int kSortKeyWidth = N;
    void WriteSortKey(unsigned char* key) const { std::memcpy(key, data_, N); }

protected:
    char data_[N];
};
