// Feeds arbitrary bytes to the client's frame reader (an input buffer of 65,536 bytes whose socket
// read hands out the input in chunks). Each chunk is one length byte (1 to 256 bytes follow) and
// its bytes, so frames are cut at every boundary. Checks that every message returned lies inside
// the buffer, is shorter than 65,536 bytes and is followed by the end byte, and that the reader
// gives up (length -1) only on a bad length, a missing end byte or a frame that cannot fit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "net/BraeFrame.h"
#include "net/MSocketBufferIn.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

class FuzzInput : public MSocketBufferIn {
public:
    FuzzInput(const uint8_t* data, size_t size) : MSocketBufferIn(nullptr, 65536), data_(data), size_(size) {}

    int ReadSocket(char* buffer, int size) override {
        if (at_ >= size_) return 0;
        const size_t chunk = std::min<size_t>(size_t{data_[at_]} + 1, size_ - at_ - 1);
        ++at_;
        const size_t taken = std::min<size_t>(chunk, static_cast<size_t>(size));
        std::memcpy(buffer, data_ + at_, taken);
        at_ += chunk;  // what did not fit is lost, as with a peer that overran the buffer
        return static_cast<int>(taken);
    }
    bool Exhausted() const { return at_ >= size_; }
    const char* Begin() const { return GetBuffer(); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const char* begin = in.Begin();
    const char* end = begin + in.GetCapacity();
    for (;;) {
        int32_t length = 0;
        const char* message = in.ReadMessage(&length, nullptr);
        if (message) {
            Check(length >= 0 && length < 65536);
            Check(message >= begin + 4 && message + length < end);
            Check(message[length] == kBraeEndByte);
            continue;
        }
        if (length == -1) {
            const auto* unread = reinterpret_cast<const unsigned char*>(begin + in.GetReadPosition());
            const uint32_t held = in.GetLength() - in.GetReadPosition();
            Check(held >= 4);
            const uint32_t l = unread[0] | (uint32_t{unread[1]} << 8) | (uint32_t{unread[2]} << 16) |
                               (uint32_t{unread[3]} << 24);
            const bool badLength = l > kBraeMaxLength;
            const bool whole = !badLength && BraeFrameSize(l) <= held;
            const bool noEndByte = whole && unread[4 + l] != static_cast<unsigned char>(kBraeEndByte);
            const bool cannotFit =
                !badLength && !whole && in.GetLength() == static_cast<uint32_t>(in.GetCapacity());
            Check(badLength || noEndByte || cannotFit);
            return 0;
        }
        Check(length == 0);
        if (in.Exhausted()) return 0;
    }
}
