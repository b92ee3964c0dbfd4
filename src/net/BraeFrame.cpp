#include "net/BraeFrame.h"

#include <algorithm>
#include <cstring>

#include "core/MError.h"

BraeCut CutBraeFrame(const char* bytes, uint32_t available, int32_t& length, uint32_t& frameSize) {
    if (available < 4) return BraeCut::Incomplete;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    const uint32_t l = b[0] | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) | (uint32_t{b[3]} << 24);
    length = static_cast<int32_t>(l);
    if (l > kBraeMaxLength) {
        MLOG(2, "MSocketBufferIn got an invalid message length(%d) > 64K, will be disconnect", length);
        // Only the bytes received after the length field, at most 50.
        const int shown = static_cast<int>(std::min<uint32_t>(available - 4, 50));
        MLOG(2, "First 50 bytes are: %.*s", shown, bytes + 4);
        return BraeCut::Bad;
    }
    frameSize = BraeFrameSize(l);
    if (frameSize > available) return BraeCut::Incomplete;
    if (bytes[4 + l] != kBraeEndByte) {
        MLOG(3, "MSocketBufferIn did not find character 0x03 at end of message, will be disconnect");
        return BraeCut::Bad;
    }
    return BraeCut::Message;
}

uint32_t LayBraeFrame(char* out, const char* message, uint32_t length) {
    if (length > kBraeMaxLength) {
        MLOG(2, "MSocketBufferOut Try to write message len greater then 64K was trunk to 64k");
        length &= 0xFFFFu;
    }
    const unsigned char prefix[4] = {
        static_cast<unsigned char>(length), static_cast<unsigned char>(length >> 8),
        static_cast<unsigned char>(length >> 16), static_cast<unsigned char>(length >> 24)};
    std::memcpy(out, prefix, 4);
    if (length) std::memcpy(out + 4, message, length);
    const uint32_t frameSize = BraeFrameSize(length);
    out[4 + length] = kBraeEndByte;
    std::memset(out + 5 + length, ' ', frameSize - 5 - length);
    return frameSize;
}
