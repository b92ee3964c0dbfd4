#pragma once
// The Brae frame, the wire framing of every message on the session's socket:
//   offset 0      4 bytes  message length L, unsigned 32-bit little-endian, below 65,536
//   offset 4      L bytes  the message
//   offset 4 + L  1 byte   end byte 0x03
//   then blanks up to the frame size T = (L + 8) with the two lowest bits cleared.
// The cutter finds one frame at the front of received bytes; the writer lays one frame. Both are
// the framing of the client's input and output buffers.
#include <cstdint>

constexpr uint32_t kBraeMaxLength = 65535;
constexpr char kBraeEndByte = 0x03;

// T for a message of length L.
constexpr uint32_t BraeFrameSize(uint32_t length) {
    return (length + 8) & ~3u;
}

enum class BraeCut { Incomplete, Message, Bad };

// Looks at the available bytes from their first one. Sets length once the four length bytes are
// there, and frameSize once the length is valid. Bad (logged) for a length of 65,536 or more, as
// soon as its four bytes are in, and for a whole frame without its end byte; Incomplete while
// the frame is not whole; else Message, the message at bytes + 4.
BraeCut CutBraeFrame(const char* bytes, uint32_t available, int32_t& length, uint32_t& frameSize);

// Lays the frame of the message at out, which must have room for BraeFrameSize(length) bytes,
// and answers the frame size. A length of 65,536 or more is logged and cut to its low 16 bits.
uint32_t LayBraeFrame(char* out, const char* message, uint32_t length);
