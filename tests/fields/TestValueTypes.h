#pragma once
// Small value types for the format tests: a 32-bit number column whose monitor form is its decimal
// text and the delimiter 254, and a one-letter enumeration column that shows and sorts by name.
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>

#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"

class TestNumber {
public:
    TestNumber() = default;
    explicit TestNumber(int32_t value) : value_(value) {}
    explicit TestNumber(const std::string& operand) {
        SetText(operand.data(), static_cast<int>(operand.size()));
    }

    void Clear() { value_ = 0; }
    int32_t Get() const { return value_; }
    std::string ToString() const { return std::to_string(value_); }
    const char* GetText(int* length, bool* terminated) const {
        static std::string buffer;
        buffer = ToString();
        *length = static_cast<int>(buffer.size());
        *terminated = true;
        return buffer.c_str();
    }
    void SetText(const char* text, int length) {
        value_ = 0;
        if (text && length > 0) std::from_chars(text + (text[0] == '+'), text + length, value_);
    }
    void SetText(const char* text) { SetText(text, text ? static_cast<int>(std::strlen(text)) : 0); }
    static const char* CheckText(const char* text) {
        int32_t value = 0;
        const char* end = text ? text + std::strlen(text) : nullptr;
        return text && std::from_chars(text, end, value).ptr == end && end != text ? nullptr
                                                                                   : "Invalid numeric value!";
    }

    bool IsEqual(const TestNumber& other) const { return value_ == other.value_; }
    bool IsLess(const TestNumber& other) const { return value_ < other.value_; }
    bool IsLessOrEqual(const TestNumber& other) const { return value_ <= other.value_; }
    bool IsGreater(const TestNumber& other) const { return value_ > other.value_; }
    bool IsGreaterOrEqual(const TestNumber& other) const { return value_ >= other.value_; }

    void WriteFixed(MMsgFormat& format) const {
        const std::string text = ToString();
        format.Write(text.data(), static_cast<int>(text.size()));
        format.WriteDelimiter();
    }
    void ReadFixed(MMsgFormat& format) {
        const int count = format.CountToDelimiter();
        SetText(format.GetCurrent(), count);
        format.SkipAndDelimiter(count);
    }

    static void SetupInterface(MInterface& column) {
        column.SetKind(MInterface::kNumber);
        column.SetWidth(10);
    }
    static const char* GetTypeName() { return "TestNumber"; }

private:
    int32_t value_ = 0;
};

// Letters 'A', 'B', 'C' named "Zinc", "Amber", "Mint": the letter order is not the name order.
class TestMetal {
public:
    TestMetal() = default;
    explicit TestMetal(const std::string& operand) { SetText(operand.c_str()); }

    void Clear() { letter_ = 'A'; }
    char GetLetter() const { return letter_; }
    std::string ToString() const { return Name(letter_); }
    const char* GetText(int* length, bool* terminated) const {
        const char* name = Name(letter_);
        *length = static_cast<int>(std::strlen(name));
        *terminated = true;
        return name;
    }
    // A letter or a name; anything else gives the first letter.
    void SetText(const char* text, int length) {
        SetText(text && length > 0 ? std::string(text, static_cast<std::size_t>(length)).c_str() : "");
    }
    void SetText(const char* text) {
        letter_ = 'A';
        for (char letter : {'A', 'B', 'C'}) {
            if (text && (std::strcmp(text, Name(letter)) == 0 || (text[0] == letter && text[1] == 0)))
                letter_ = letter;
        }
    }
    static const char* CheckText(const char* text) { return nullptr; }
    std::string ToDescription(bool raw) const {
        return raw ? std::string(1, letter_) + "]-->[" + Name(letter_) : std::string(1, letter_);
    }
    void SetDescription(const std::string& text) { SetText(text.substr(0, 1).c_str()); }

    bool IsEqual(const TestMetal& other) const { return letter_ == other.letter_; }
    bool IsLess(const TestMetal& other) const { return letter_ < other.letter_; }
    bool IsLessOrEqual(const TestMetal& other) const { return letter_ <= other.letter_; }
    bool IsGreater(const TestMetal& other) const { return letter_ > other.letter_; }
    bool IsGreaterOrEqual(const TestMetal& other) const { return letter_ >= other.letter_; }

    void WriteFixed(MMsgFormat& format) const { format.Write(&letter_, 1); }
    void ReadFixed(MMsgFormat& format) {
        const char* byte = format.GetCurrent();
        format.Skip(1);
        letter_ = *byte;
    }

    static void SetupInterface(MInterface& column) {
        static const char* const names[] = {"Zinc", "Amber", "Mint"};
        column.SetKind(MInterface::kEnumeration);
        column.AddValues(names, 3);
    }
    static const char* GetTypeName() { return "TestMetal"; }

private:
    static const char* Name(char letter) { return letter == 'B' ? "Amber" : letter == 'C' ? "Mint" : "Zinc"; }

    char letter_ = 'A';
};
