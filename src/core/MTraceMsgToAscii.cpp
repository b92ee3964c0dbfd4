#include "core/MTraceMsgToAscii.h"

#include "core/MTrace.h"

const char* MTraceMsgToAscii::Convert(const char* text, int32_t length, int32_t* outLength) {
    if (!text || length < 0) length = 0;
    const std::size_t needed = 4 * static_cast<std::size_t>(length);
    if (needed > capacity_) {
        buffer_ = std::make_unique<char[]>(needed);
        capacity_ = needed;
    }
    char* out = buffer_.get();
    for (int32_t i = 0; i < length; ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (byte >= 32 && byte <= 127) {
            *out++ = static_cast<char>(byte);
        } else if (byte == 0x01) {
            *out++ = ';';
        } else {
            const char* hex = GetHexText(byte);  // "0XX": the last two characters
            *out++ = '$';
            *out++ = hex[1];
            *out++ = hex[2];
            *out++ = '$';
        }
    }
    if (outLength) *outLength = static_cast<int32_t>(out - buffer_.get());
    return buffer_.get();
}
