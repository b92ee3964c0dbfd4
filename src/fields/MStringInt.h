#pragma once
// Unsigned number held as W digit characters, right-aligned and filled on the left with P ('0'),
// exactly as it goes on the wire: W plain bytes, no terminator, nothing else. A new or cleared
// field is all fill characters, the value 0 (there is no other null value). S is 0 and B, the
// radix policy, MBase10 in every instance. The significant digits are the characters after the
// leading '0's. Copies, compares (byte order, which is numeric order) and assignments work in
// place; only ToString builds a std::string. Its column is a string column of width W.
#include <algorithm>
#include <cstring>
#include <string>

#include "core/MDigitText.h"
#include "fields/MComparable.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTypeName.h"
#include "fields/NumericTextParsing.h"

// The decimal radix policy of the digit strings.
struct MBase10 {
    static constexpr MTypeName kTypeName = MTypeName("MBase10");
};

template <int W, int P = 48, int S = 0, class B = MBase10>
class MStringInt : public MComparable<MStringInt<W, P, S, B>> {
    friend class MComparable<MStringInt<W, P, S, B>>;

    static_assert(W >= 1 && W <= 20);

public:
    static constexpr MTypeName kTypeName = MTypeName("MStringInt<") + MTypeNumber<W>() + MTypeName(",") +
                                           MTypeNumber<P>() + MTypeName(",") + MTypeNumber<S>() +
                                           MTypeName(",") + B::kTypeName + MTypeName(">");

    MStringInt() { Clear(); }
    // The text read as SetText(text) does.
    explicit MStringInt(const char* text) {
        Clear();
        SetText(text);
    }
    explicit MStringInt(const std::string& text) {
        Clear();
        SetText(text.data(), static_cast<int>(std::min<std::size_t>(text.size(), 0x7fffffff)));
    }

    void Clear() { std::memset(data_, P, W); }
    void Assign(const MStringInt& other) { *this = other; }

    // The W characters read as decimal digits (any other character counts as a zero digit).
    int GetValue() const { return static_cast<int>(ParseDigitText(data_, W)); }
    // Limited to [-(10^(W-1) - 1), 10^W - 1], then written as W characters ('-' and W-1 digits
    // for a negative value).
    void SetValue(int value) { MDigitText<W>::FormatClamped(data_, value); }
    bool IsBlank() const { return FirstSignificant() == W; }

    static constexpr bool kTextIsDisplayText = true;  // GetText gives the ToString text
    std::string ToString() const {
        const int first = FirstSignificant();
        return std::string(data_ + first, static_cast<std::size_t>(W - first));
    }
    // Delimited text: the significant digits, zero-terminated, in a buffer of the type valid on
    // the calling thread until its next GetText there.
    const char* GetText(int* length, bool* terminated) const {
        thread_local char buffer[W + 1];  // one per thread: any thread may format
        const int first = FirstSignificant();
        std::memcpy(buffer, data_ + first, static_cast<std::size_t>(W - first));
        buffer[W - first] = '\0';
        if (length) *length = W - first;
        if (terminated) *terminated = true;
        return buffer;
    }
    // Skips leading blanks and '0's and takes the characters before the first '.', right-aligned
    // with fill (the first W when there are more); nothing taken clears. Unvalidated: CheckText
    // is the callers' guard.
    void SetText(const char* text, int length) {
        int start = 0;
        while (text && start < length && (text[start] == ' ' || text[start] == '0')) ++start;
        int end = start;
        while (text && end < length && text[end] != '.') ++end;
        const int count = std::min(end - start, W);
        if (count <= 0) {
            Clear();
            return;
        }
        std::memset(data_, P, static_cast<std::size_t>(W - count));
        std::memcpy(data_ + W - count, text + start, static_cast<std::size_t>(count));
    }
    // A null text clears.
    void SetText(const char* text) { SetText(text, text ? static_cast<int>(std::strlen(text)) : 0); }

    // Null for leading blanks, digits and an optional '.' followed only by '0's, with at most W
    // significant digits; else "Invalid value!" (also for a null text).
    static const char* CheckText(const char* text) {
        if (!text) return "Invalid value!";
        const char* p = text;
        while (*p == ' ') ++p;
        while (*p == '0') ++p;
        const char* digits = p;
        while (IsDigitCharacter(*p)) ++p;
        if (p - digits > W) return "Invalid value!";
        if (*p == '.') {
            ++p;
            while (*p == '0') ++p;
        }
        return *p ? "Invalid value!" : nullptr;
    }

    // Monitor message: exactly the W characters; reading with fewer left raises "Message is too
    // short" and takes nothing.
    void WriteFixed(MMsgFormat& format) const { format.Write(data_, W); }
    void ReadFixed(MMsgFormat& format) {
        const char* bytes = format.GetCurrent();
        format.Skip(W);
        std::memcpy(data_, bytes, W);
    }

    static void SetupInterface(MInterface& column) {
        column.SetKind(MInterface::kString);
        column.SetWidth(W);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }
    static constexpr int GetWidth() { return W; }
    const char* GetData() const { return data_; }
    // The bytes whose memcmp order is Compare's: the W characters as they stand.
    static constexpr int kSortKeyWidth = W;
    void WriteSortKey(unsigned char* key) const { std::memcpy(key, data_, W); }

private:
    int FirstSignificant() const {
        int i = 0;
        while (i < W && data_[i] == '0') ++i;
        return i;
    }
    int Compare(const MStringInt& other) const { return std::memcmp(data_, other.data_, W); }

    char data_[W];
};
