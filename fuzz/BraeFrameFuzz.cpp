// Feeds arbitrary bytes to the Brae frame reader. The first byte of each step says how many of
// the following bytes arrive next (1 to 256), so that frames are cut at every boundary. Checks
// that every message found lies inside the buffer, is shorter than 65,536 bytes and is followed
// by the end byte, and that bad frames are refused.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "net/BraeFrame.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr uint32_t kCapacity = 65536;
    std::vector<char> buffer(kCapacity);
    uint32_t held = 0;
    uint32_t read = 0;
    size_t at = 0;
    while (at < size) {
        const size_t piece = std::min<size_t>(size_t{data[at]} + 1, size - at - 1);
        ++at;
        if (read && held) {
            std::memmove(buffer.data(), buffer.data() + read, held - read);
            held -= read;
            read = 0;
        }
        const size_t taken = std::min<size_t>(piece, kCapacity - held);
        std::memcpy(buffer.data() + held, data + at, taken);
        held += static_cast<uint32_t>(taken);
        at += piece;
        for (;;) {
            int32_t length = 0;
            uint32_t frameSize = 0;
            const BraeCut cut = CutBraeFrame(buffer.data() + read, held - read, length, frameSize);
            if (cut == BraeCut::Incomplete) break;
            if (cut == BraeCut::Bad) {
                const auto* b = reinterpret_cast<const unsigned char*>(buffer.data() + read);
                const uint32_t l = b[0] | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) | (uint32_t{b[3]} << 24);
                Check(l > kBraeMaxLength || buffer[read + 4 + l] != kBraeEndByte);
                return 0;
            }
            Check(length >= 0 && length < 65536);
            Check(frameSize == BraeFrameSize(static_cast<uint32_t>(length)));
            Check(read + 4 + static_cast<uint32_t>(length) < held);
            Check(buffer[read + 4 + static_cast<uint32_t>(length)] == kBraeEndByte);
            read += frameSize;
        }
        if (held == kCapacity && read == 0) return 0;  // no whole frame fits: the reader gives up
    }
    return 0;
}
