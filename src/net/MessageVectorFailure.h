#pragma once
// The end of the process when a message vector cannot store a message: the level-2 line "Can't
// add message in Message Vector" under the storage's source name and line, then exit code 1.
[[noreturn]] void FailMessageVectorAdd(const char* source, unsigned line);

// The largest message a vector stores: entries hold 16-bit lengths.
inline constexpr int kMaxVectorMessageLength = 65535;
