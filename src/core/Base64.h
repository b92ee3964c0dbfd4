#pragma once
// Base64 text (RFC 4648 alphabet, '=' fill) of a block of bytes. Linear in the input; the results
// are owned by the caller.
#include <cstddef>
#include <memory>
#include <string>

// The Base64 text of length bytes, without a terminating zero; outSize receives its length,
// 4 * ceil(length / 3). An empty input gives an empty block.
std::unique_ptr<char[]> EncodeBase64(const void* bytes, size_t length, size_t& outSize);

// The Base64 text of the string's bytes.
std::string EncodeBase64String(const std::string& bytes);
