#pragma once
// Zero-terminated text of at most N characters kept inside the record (N + 1 bytes); a longer text
// is cut to N, never refused. The empty text is the null value and the value of a new field. A
// is the validator of its checks. Its monitor-message form is the characters and the delimiter
// 254; its column is a string column of width N. Never allocates but in ToString.
#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "fields/MComparable.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTypeName.h"
#include "fields/MValAccept.h"

template <int N, class A = MValAccept>
class MZString : public MComparable<MZString<N, A>> {
    friend class MComparable<MZString<N, A>>;
    // Three-way order of the values, for MComparable.
    int Compare(const MZString& other) const { return std::strcmp(data_, other.data_); }

    static_assert(N >= 1);

public:
    static constexpr MTypeName kTypeName =
        MTypeName("MZString<") + MTypeNumber<N>() + MTypeName(",") + A::kTypeName + MTypeName(">");

    MZString() { Clear(); }
    // The first N characters; a null text gives the empty text.
    explicit MZString(const char* text) {
        Clear();
        SetText(text);
    }
    explicit MZString(const std::string& text) { Assign(text); }

    void Assign(const MZString& other) { *this = other; }
    // At most N of the length characters; a null text or a length below 1 gives the empty text.
    void Assign(const char* text, int length) {
        const int count = text ? std::clamp(length, 0, N) : 0;
        std::memmove(data_, text ? text : "", static_cast<std::size_t>(count));
        data_[count] = '\0';
        data_[N] = '\0';
    }
    void Assign(const std::string& text) {
        Assign(text.data(), static_cast<int>(std::min<std::size_t>(text.size(), N)));
    }

    void Clear() {
        data_[0] = '\0';
        data_[N] = '\0';
    }
    const char* CStr() const { return data_; }
    int GetLength() const { return static_cast<int>(std::strlen(data_)); }

    // Appends what fits in the room left (N minus the length).
    void Append(const char* text, int length) {
        if (!text || length <= 0) return;
        const int used = GetLength();
        const int count = std::min(length, N - used);
        std::memmove(data_ + used, text, static_cast<std::size_t>(count));
        data_[used + count] = '\0';
    }
    void Append(const char* text) {
        if (text) Append(text, static_cast<int>(strnlen(text, N)));
    }
    void AppendChar(char c, int count) {
        const int used = GetLength();
        const int n = std::clamp(count, 0, N - used);
        std::memset(data_ + used, c, static_cast<std::size_t>(n));
        data_[used + n] = '\0';
    }

    std::string ToString() const { return std::string(data_); }
    static constexpr bool kTextIsDisplayText = true;  // GetText gives the ToString text
    // Delimited text: the characters in place, zero-terminated.
    const char* GetText(int* length, bool* terminated) const {
        if (length) *length = GetLength();
        if (terminated) *terminated = true;
        return data_;
    }
    void SetText(const char* text, int length) { Assign(text, length); }
    // The first N characters; a null text leaves the value unchanged.
    void SetText(const char* text) {
        if (text) Assign(text, static_cast<int>(strnlen(text, N)));
    }

    // "No argument specified!" for a null text, else the validator's answer.
    static const char* CheckText(const char* text) {
        if (!text) return "No argument specified!";
        const A validator;
        return validator.Check(text, static_cast<int>(strnlen(text, INT_MAX)));
    }

    // Monitor message: the characters, then the delimiter; read back up to the next delimiter,
    // zero byte, N characters or the end, the rest of a longer text consumed with its delimiter
    // ("Message is too short" when the text runs to the end; the value keeps what was read).
    void WriteFixed(MMsgFormat& format) const {
        format.Write(data_, GetLength());
        format.WriteDelimiter();
    }
    void ReadFixed(MMsgFormat& format) {
        const int count = std::min(format.CountToDelimiter(), N);
        Assign(format.GetCurrent(), count);
        format.Skip(count);
        format.SkipDelimiter();
    }

    static void SetupInterface(MInterface& column) {
        column.SetKind(MInterface::kString);
        column.SetWidth(N);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }

private:
    char data_[N + 1];
};
