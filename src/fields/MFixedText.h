#pragma once
// Shared body of the date and time-of-day fields held as text (MDateText, MTimeText): W
// characters exactly as they came (nothing is validated), padded with P, checked by the validator
// A, compared byte by byte. F is the field class itself, so comparisons take only fields of one
// kind. All pads, or a pad as the first character, is the null value. The W bytes are the only
// data: plain bytes, copied freely; nothing allocates except ToString.
#include <algorithm>
#include <cstring>
#include <string>

#include "fields/MComparable.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"

template <class F, int W, int P, class A>
class MFixedText : public MComparable<F> {
    friend class MComparable<F>;

public:
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
    // The bytes whose memcmp order is Compare's: the W characters as they stand.
    static constexpr int kSortKeyWidth = W;
    void WriteSortKey(unsigned char* key) const { std::memcpy(key, data_, W); }
    // The W characters (not zero-terminated).
    const char* GetChars() const { return data_; }

    // "No argument specified!" for a null text; otherwise the validator on the first W characters.
    static const char* CheckText(const char* text) {
        if (!text) return "No argument specified!";
        const A validator;
        return validator.Check(text, static_cast<int>(strnlen(text, W)));
    }

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

protected:
    MFixedText() = default;
    int Compare(const MFixedText& other) const { return std::memcmp(data_, other.data_, W); }

    char data_[W];
};
