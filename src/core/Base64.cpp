#include "core/Base64.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

std::unique_ptr<char[]> EncodeBase64(const void* bytes, size_t length, size_t& outSize) {
    const auto* in = static_cast<const unsigned char*>(bytes);
    outSize = 4 * (length / 3) + (length % 3 ? 4 : 0);
    auto text = std::make_unique<char[]>(outSize);
    char* out = text.get();
    size_t i = 0;
    for (; i + 3 <= length; i += 3) {
        const unsigned group = (in[i] << 16) | (in[i + 1] << 8) | in[i + 2];
        *out++ = kAlphabet[(group >> 18) & 0x3F];
        *out++ = kAlphabet[(group >> 12) & 0x3F];
        *out++ = kAlphabet[(group >> 6) & 0x3F];
        *out++ = kAlphabet[group & 0x3F];
    }
    if (length - i == 1) {
        *out++ = kAlphabet[in[i] >> 2];
        *out++ = kAlphabet[(in[i] & 0x03) << 4];
        *out++ = '=';
        *out++ = '=';
    } else if (length - i == 2) {
        *out++ = kAlphabet[in[i] >> 2];
        *out++ = kAlphabet[((in[i] & 0x03) << 4) | (in[i + 1] >> 4)];
        *out++ = kAlphabet[(in[i + 1] & 0x0F) << 2];
        *out++ = '=';
    }
    return text;
}

std::string EncodeBase64String(const std::string& bytes) {
    size_t size = 0;
    const auto text = EncodeBase64(bytes.data(), bytes.size(), size);
    return std::string(text.get(), size);
}
