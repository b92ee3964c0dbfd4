#pragma once
// MD5 digest (RFC 1321) through libcrypto, for the password digest sent at log-on. Linear in the
// input; no state.
#include <string>

// Bytes 8 to 15 of the MD5 digest of first followed by second: 8 raw bytes, not text. Empty
// when the digest cannot be computed (logged at level 3).
std::string ComputeMD5SecondHalf(const std::string& first, const std::string& second);
