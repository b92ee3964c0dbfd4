#pragma once
// The message of a failed enumeration check, "Invalid enum [" + text + "]", built in a buffer of
// the enumeration type that holds at most kEnumMessageCapacity characters and a terminator: each
// piece is cut to what still fits, so a long text loses its end and, from 4,082 characters on,
// the closing "]".
#include <cstddef>

inline constexpr int kEnumMessageCapacity = 4096;

// Writes the message for the first length characters of text into buffer (kEnumMessageCapacity
// + 1 bytes) and returns buffer. A null text counts as empty.
const char* FormatInvalidEnum(char* buffer, const char* text, std::size_t length);
