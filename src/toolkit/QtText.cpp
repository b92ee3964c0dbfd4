#include "toolkit/QtText.h"

#include <array>

#include "core/HugePages.h"

namespace {

// Unicode of the bytes 0x80-0x9F; 0 for the five bytes the code page leaves undefined.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

struct Tables {
    std::array<char16_t, 256> toUnicode{};
    std::array<unsigned char, 256> fromLatin1{};  // characters below 0x100; 0 = not held
    std::array<unsigned char, 256> fromHigh{};    // by Hash: the byte of a character above 0xFF
    Tables() {
        for (int b = 0; b < 256; ++b) {
            char16_t u = b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] ? kHigh[b - 0x80] : char16_t(b);
            toUnicode[b] = u;
        }
        for (int c = 0; c < 256; ++c) fromLatin1[c] = (c < 0x80 || c >= 0xA0 || !kHigh[c - 0x80]) ? c : 0;
        for (int i = 0; i < 32; ++i)
            if (kHigh[i]) fromHigh[Hash(kHigh[i])] = static_cast<unsigned char>(0x80 + i);
    }
    // Distinct for the 27 characters above 0xFF that the code page holds.
    static unsigned Hash(char16_t c) { return (c ^ (c >> 8)) & 0xFF; }
};

const Tables& T() {
    static const Tables tables;
    return tables;
}

// Byte for a character at or above 0x100, 0 when the code page lacks it.
unsigned char HighByte(char16_t c) {
    unsigned char b = T().fromHigh[Tables::Hash(c)];
    return b && kHigh[b - 0x80] == c ? b : 0;
}

}  // namespace

// Both conversions first do the plain widening or narrowing in loops the compiler vectorises and
// fix up the few characters that differ afterwards.
QString ToQt(std::string_view text) {
    const size_t n = text.size();
    const unsigned char* src = reinterpret_cast<const unsigned char*>(text.data());
    QString out(static_cast<qsizetype>(n), Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    AdviseHugePages(dst, n * sizeof(char16_t));
    unsigned char high = 0;
    for (size_t i = 0; i < n; ++i) {
        dst[i] = src[i];
        high |= static_cast<unsigned char>(src[i] - 0x80u < 0x20u);
    }
    if (high) {
        const auto& table = T().toUnicode;
        for (size_t i = 0; i < n; ++i) dst[i] = table[src[i]];
    }
    return out;
}

std::string FromQt(const QString& text) {
    const size_t n = static_cast<size_t>(text.size());
    const char16_t* src = reinterpret_cast<const char16_t*>(text.constData());
    std::string out(n, '\0');
    char* dst = out.data();
    char16_t all = 0;
    for (size_t i = 0; i < n; ++i) {
        dst[i] = static_cast<char>(src[i]);
        all |= src[i];
    }
    if (all < 0x80) return out;
    const auto& table = T().fromLatin1;
    for (size_t i = 0; i < n; ++i) {
        char16_t c = src[i];
        if (c < 0x80) continue;
        unsigned char b = c < 0x100 ? table[c] : HighByte(c);  // the undefined bytes' stand-ins map
        dst[i] = b ? static_cast<char>(b) : '?';               // to themselves, U+0080 and such to '?'
    }
    return out;
}

bool IsWin1252Char(char16_t c) {
    if (c < 0x100) return c < 0x80 || c >= 0xA0;
    return HighByte(c) != 0;
}
