#pragma once
// One-character field: a signed 8-bit character, blank when new or cleared. Its wire form is the
// byte itself; it orders as a signed character (bytes 128 to 255 before 0 to 127).
#include <string>

#include "fields/MComparable.h"

class MInterface;
class MMsgFormat;

class MChar : public MComparable<MChar> {
    friend class MComparable<MChar>;
    // Three-way order of the values, for MComparable.
    int Compare(const MChar& other) const { return (value_ > other.value_) - (value_ < other.value_); }

public:
    MChar() = default;
    // The operand's first character; the zero character when it is empty.
    explicit MChar(const std::string& operand) : value_(static_cast<signed char>(operand.c_str()[0])) {}

    void Assign(const MChar& other) { value_ = other.value_; }
    void Clear() { value_ = ' '; }

    std::string ToString() const { return std::string(1, static_cast<char>(value_)); }
    static constexpr bool kTextIsDisplayText = true;  // GetText gives the ToString text
    // Delimited text: the character in place, length 1, not zero-terminated.
    const char* GetText(int* length, bool* terminated) const;
    // The first character when length is above 0, else the blank.
    void SetText(const char* text, int length);
    // The text's first character: the zero character for an empty (or null) text.
    void SetText(const char* text);
    // Null when the first character is printable (32 to 126), else "Invalid char!" (also for an
    // empty or null text).
    static const char* CheckText(const char* text);

    // A description reads back as the first character of its text.
    void SetDescription(const std::string& text) { SetText(text.c_str()); }

    // Monitor message: the one byte; reading it with no byte left raises "Message is too short".
    void WriteFixed(MMsgFormat& format) const;
    void ReadFixed(MMsgFormat& format);

    static void SetupInterface(MInterface& column);
    static const char* GetTypeName() { return "MChar"; }

private:
    signed char value_ = ' ';
};
