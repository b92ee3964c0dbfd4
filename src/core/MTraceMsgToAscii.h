#pragma once
// Turns message bytes into printable trace text: bytes 32 to 127 stay, 0x01 becomes ';', every
// other byte becomes '$', its two upper-case hexadecimal digits and '$'. Owns one output buffer
// that only grows (to four times the longest input); the returned text lives until the next call.
#include <cstddef>
#include <cstdint>
#include <memory>

class MTraceMsgToAscii {
public:
    MTraceMsgToAscii() = default;
    virtual ~MTraceMsgToAscii() = default;
    MTraceMsgToAscii(const MTraceMsgToAscii&) = delete;
    MTraceMsgToAscii& operator=(const MTraceMsgToAscii&) = delete;

    // The converted text (not terminated) and its length; a null text or a length of 0 or less
    // converts as empty.
    const char* Convert(const char* text, int32_t length, int32_t* outLength);

private:
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
};
