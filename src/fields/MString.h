#pragma once
// Growable text on the heap: a capacity (never below N), a length and an owned buffer of capacity
// + 1 bytes whose characters are not zero-terminated until CStr is asked for. The empty text is
// the null value. The value owns its buffer: a copy allocates its own, the buffer never shrinks
// (Clear keeps it) and grows by at least B characters, so an assignment that fits does not
// allocate. A is the validator of its checks. Its monitor-message form is the characters and the
// delimiter 254; its column is a string column of width 250.
#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <string>

#include "fields/MComparable.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTypeName.h"
#include "fields/MValAccept.h"

template <int N, int B, class A = MValAccept>
class MString : public MComparable<MString<N, B, A>> {
    friend class MComparable<MString<N, B, A>>;

    static_assert(N >= 0 && B >= 1);

public:
    static constexpr MTypeName kTypeName = MTypeName("MString<") + MTypeNumber<N>() + MTypeName(",") +
                                           MTypeNumber<B>() + MTypeName(",") + A::kTypeName + MTypeName(">");

    MString() : capacity_(N), data_(Allocate(N)) {}
    // The length characters (none for a null text or a length below 1).
    MString(const char* text, int length) : MString(text, length, 0) {}
    // A null text gives the empty text.
    explicit MString(const char* text) : MString(text, text ? TextLength(text) : 0, 0) {}
    explicit MString(const std::string& text) : MString(text.data(), SizeOf(text), 0) {}
    MString(const MString& other) : MString(other.data_.get(), other.length_, 0) {}
    MString& operator=(const MString& other) {
        Assign(other);
        return *this;
    }

    void Assign(const MString& other) { Assign(other.data_.get(), other.length_); }
    // A null text or a length below 1 gives the empty text.
    void Assign(const char* text, int length) {
        if (!text || length <= 0) {
            length_ = 0;
            return;
        }
        const std::unique_ptr<char[]> old = Grow(length);  // text may lie in the old buffer
        std::memmove(data_.get(), text, static_cast<std::size_t>(length));
        length_ = length;
    }
    void Assign(const std::string& text) { Assign(text.data(), SizeOf(text)); }

    // Room for n characters: nothing when they fit, else a buffer of max(n, capacity + B).
    void Reserve(int n) { Grow(n); }
    void Clear() { length_ = 0; }

    // A zero byte is written after the characters, which are returned as a terminated text.
    const char* CStr() const {
        data_[length_] = '\0';
        return data_.get();
    }
    // Nothing for a null text or a length below 1.
    void Append(const char* text, int length) {
        if (!text || length <= 0) return;
        const int total = length_ + length;
        const std::unique_ptr<char[]> old = Grow(total);  // text may lie in the old buffer
        std::memmove(data_.get() + length_, text, static_cast<std::size_t>(length));
        length_ = total;
    }
    void Append(const MString& other) { Append(other.data_.get(), other.length_); }
    void Append(const std::string& text) { Append(text.data(), SizeOf(text)); }

    int GetLength() const { return length_; }
    int GetCapacity() const { return capacity_; }
    const char* GetData() const { return data_.get(); }
    std::string ToString() const { return std::string(data_.get(), static_cast<std::size_t>(length_)); }
    static constexpr bool kTextIsDisplayText = true;  // GetText gives the ToString text

    // Delimited text: the characters in place, not zero-terminated.
    const char* GetText(int* length, bool* terminated) const {
        if (length) *length = length_;
        if (terminated) *terminated = false;
        return data_.get();
    }
    void SetText(const char* text, int length) { Assign(text, length); }
    // A null text gives the empty text.
    void SetText(const char* text) { Assign(text, text ? TextLength(text) : 0); }

    // "No argument specified!" for a null text, else the validator's answer.
    static const char* CheckText(const char* text) {
        if (!text) return "No argument specified!";
        const A validator;
        return validator.Check(text, TextLength(text));
    }

    // Monitor message: the characters, then the delimiter; read back up to the next delimiter,
    // zero byte or end, then past the delimiter ("Message is too short" when the text runs to
    // the end; the value keeps what was read).
    void WriteFixed(MMsgFormat& format) const {
        format.Write(data_.get(), length_);
        format.WriteDelimiter();
    }
    void ReadFixed(MMsgFormat& format) {
        const int count = format.CountToDelimiter();
        Assign(format.GetCurrent(), count);
        format.Skip(count);
        format.SkipDelimiter();
    }

    static void SetupInterface(MInterface& column) {
        column.SetKind(MInterface::kString);
        column.SetWidth(250);
    }
    static const char* GetTypeName() { return kTypeName.c_str(); }

private:
    MString(const char* text, int length, int)
        : capacity_(std::max(N, std::max(length, 0))), data_(Allocate(capacity_)) {
        Assign(text, length);
    }

    static std::unique_ptr<char[]> Allocate(int capacity) {
        return std::make_unique_for_overwrite<char[]>(Size(capacity) + 1);
    }
    static std::size_t Size(int n) { return static_cast<std::size_t>(n); }
    static int SizeOf(const std::string& text) {
        return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
    }
    static int TextLength(const char* text) { return static_cast<int>(strnlen(text, INT_MAX)); }

    // Reserve: returns the replaced buffer (null when none), still holding the old characters.
    std::unique_ptr<char[]> Grow(int n) {
        if (n <= capacity_) return nullptr;
        const int capacity = std::max(n, capacity_ > INT_MAX - B ? INT_MAX : capacity_ + B);
        std::unique_ptr<char[]> fresh = Allocate(capacity);
        std::memcpy(fresh.get(), data_.get(), Size(length_));
        capacity_ = capacity;
        data_.swap(fresh);
        return fresh;
    }

    int Compare(const MString& other) const {
        const int common = std::min(length_, other.length_);
        const int order = std::memcmp(data_.get(), other.data_.get(), Size(common));
        if (order != 0) return order;
        return length_ < other.length_ ? -1 : length_ > other.length_ ? 1 : 0;
    }

    int capacity_;
    int length_ = 0;
    std::unique_ptr<char[]> data_;
};
