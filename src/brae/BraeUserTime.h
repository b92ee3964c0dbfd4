#pragma once
// The six-character time of day of the client header's UserTime field. The same six characters
// hold one of three encodings, chosen by the first character: six blanks (no time); '#' and four
// base-62 digits (hour, minute, second, then the milliseconds in two digits: 9 characters decoded,
// HHMMSSmmm); a character from 'A' up, the hour counted from 'A', then the minute, second,
// millisecond and microsecond of the hour packed in five base-85 digits (12 characters decoded,
// HHMMSSmmmuuu); any other first character is plain HHMMSS. It is shown decoded but compared,
// copied and sent as the six stored bytes. A value is those six bytes; decoding writes into one
// buffer per thread shared by every value (a decoded text stays valid on the decoding thread until
// its next decoding).
#include <memory>
#include <string>

#include "fields/MLPString.h"
#include "fields/MValAccept.h"

class MInterface;
class MMsgFormat;

class BraeUserTime : public MLPString<6, 32, MValAccept> {
public:
    static constexpr int kWidth = 6;

    // Six blanks.
    BraeUserTime() = default;
    // Six blanks, then SetText with the operand's characters.
    explicit BraeUserTime(const std::string& operand) { InitFromString(operand); }
    void InitFromString(const std::string& text);

    const char* Data() const { return GetData(); }
    char* Data() { return GetData(); }

    // Six characters or more: the first six; fewer: the characters followed by '0' up to six. Any
    // characters are taken as they are; a null text or a negative length count as empty.
    void SetText(const char* text, int length);
    void SetText(const char* text);
    void SetString(const std::string& text) { SetText(text.data(), static_cast<int>(text.size())); }
    void SetChars(const char* text, int length) { SetText(text, length); }
    BraeUserTime& operator=(const char* text) {
        SetText(text);
        return *this;
    }
    // Every text is accepted.
    static const char* CheckText(const char*) { return nullptr; }

    // The decoded text (the stored characters themselves when blank, else the thread's buffer, laid
    // out HHMMSSmmmuuu; a millisecond form leaves the buffer's microseconds as they were). *length
    // is set to 6 and *terminated to false; the text is not zero-terminated.
    const char* Decode(int* length, bool* terminated) const;
    // The decoded text cut to the smaller of 6 and the width of the encoding type: always HHMMSS.
    std::string ToString(int type = 0) const;
    // The width of an encoding type: 12 for type 2 (microseconds), 9 for type 1 (milliseconds), 6
    // for any other.
    static int GetTextLength(int type);
    // The encoding type of the stored characters: 2, 1, or 0 for plain and blank.
    int GetEncodingType() const;

    // Delimited text: the first six decoded characters, not zero-terminated.
    const char* GetText(int* length, bool* terminated) const;
    // Description: the six decoded characters; raw: the whole decoded text, as wide as the stored
    // encoding (6, 9 or 12 characters).
    std::string ToDescription(bool raw) const;

    // Order of the six stored bytes, unsigned.
    bool IsEqual(const BraeUserTime& other) const { return MLPString::IsEqual(other); }
    bool IsLess(const BraeUserTime& other) const { return MLPString::IsLess(other); }
    bool IsLessOrEqual(const BraeUserTime& other) const { return MLPString::IsLessOrEqual(other); }
    bool IsGreater(const BraeUserTime& other) const { return MLPString::IsGreater(other); }
    bool IsGreaterOrEqual(const BraeUserTime& other) const { return MLPString::IsGreaterOrEqual(other); }

    // Monitor message: the six stored bytes; reading takes exactly six ("Message is too short"
    // when fewer are left).
    void WriteFixed(MMsgFormat& format) const;
    void ReadFixed(MMsgFormat& format);

    // Column: kind string, width 6.
    static void SetupInterface(MInterface& column);
    // A column descriptor over this field (MTInterface<BraeUserTime>).
    std::unique_ptr<MInterface> MakeInterface() const;
    static const char* GetTypeName() { return "BraeUserTime"; }
};

static_assert(sizeof(BraeUserTime) == BraeUserTime::kWidth, "a user time is its six bytes");
