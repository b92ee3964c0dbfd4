#pragma once
// Text field of exactly N characters, left-padded with the pad character P: the text is
// right-aligned behind the pads. Stored, copied and compared like MRPString (N plain bytes, byte
// order, no allocation); it is the base of texts that add their own text forms (the protocol's
// user time) and has no binder or column of its own.
#include <algorithm>
#include <climits>
#include <compare>
#include <cstring>
#include <string>

#include "fields/MValAccept.h"

template <int N, int P = 32, class A = MValAccept>
class MLPString {
    static_assert(N >= 1, "a padded text has at least one character");

public:
    MLPString() { Clear(); }
    // A null text gives the null value.
    explicit MLPString(const char* text) {
        Clear();
        SetText(text);
    }
    explicit MLPString(const std::string& text) { SetString(text); }
    MLPString& operator=(const char* text) {
        SetText(text);
        return *this;
    }
    void Assign(const MLPString& other) { *this = other; }

    // A null text leaves the value unchanged.
    void SetText(const char* text) {
        if (text) SetChars(text, static_cast<int>(strnlen(text, N)));
    }
    // N or more characters: the first N; fewer: pads, then the characters. A negative length or a
    // null text gives the null value.
    void SetChars(const char* data, int length) {
        if (!data || length <= 0) {
            Clear();
            return;
        }
        const int count = std::min(length, N);
        std::memset(data_, P, static_cast<std::size_t>(N - count));
        std::memcpy(data_ + (N - count), data, static_cast<std::size_t>(count));
    }
    void SetText(const char* text, int length) { SetChars(text, length); }
    void SetString(const std::string& text) {
        SetChars(text.data(), static_cast<int>(std::min<std::size_t>(text.size(), N)));
    }

    // The characters after the leading pads.
    std::string ToString() const {
        const int length = Length();
        return std::string(data_ + (N - length), static_cast<std::size_t>(length));
    }
    std::string ToPaddedString() const { return std::string(data_, N); }
    // N minus the count of leading pads.
    int Length() const {
        int i = 0;
        while (i < N && data_[i] == static_cast<char>(P)) ++i;
        return N - i;
    }
    bool IsBlank() const { return Length() == 0; }
    void Fill(char c) { std::memset(data_, c, N); }
    void Clear() { Fill(static_cast<char>(P)); }
    static constexpr int GetWidth() { return N; }
    const char* GetData() const { return data_; }
    char* GetData() { return data_; }

    // Null when A accepts the text; "No argument specified!" for a null text.
    static const char* CheckText(const char* text) {
        if (!text) return "No argument specified!";
        const A validator;
        return validator.Check(text, static_cast<int>(std::min<std::size_t>(std::strlen(text), INT_MAX)));
    }

    bool IsEqual(const MLPString& other) const { return Compare(other) == 0; }
    bool IsLess(const MLPString& other) const { return Compare(other) < 0; }
    bool IsLessOrEqual(const MLPString& other) const { return Compare(other) <= 0; }
    bool IsGreater(const MLPString& other) const { return Compare(other) > 0; }
    bool IsGreaterOrEqual(const MLPString& other) const { return Compare(other) >= 0; }
    friend bool operator==(const MLPString& a, const MLPString& b) { return a.IsEqual(b); }
    friend std::strong_ordering operator<=>(const MLPString& a, const MLPString& b) {
        return a.Compare(b) <=> 0;
    }

private:
    int Compare(const MLPString& other) const { return std::memcmp(data_, other.data_, N); }

    char data_[N];
};
