#include "toolkit/QtText.h"

#include <array>

namespace {

// Unicode of the bytes 0x80-0x9F; 0 for the five bytes the code page leaves undefined.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

struct Tables {
    std::array<char16_t, 256> toUnicode{};
    std::array<unsigned char, 256> fromLatin1{};  // characters below 0x100; 0 = not held
    Tables() {
        for (int b = 0; b < 256; ++b) {
            char16_t u = b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] ? kHigh[b - 0x80] : char16_t(b);
            toUnicode[b] = u;
        }
        for (int c = 0; c < 256; ++c) fromLatin1[c] = (c < 0x80 || c >= 0xA0 || !kHigh[c - 0x80]) ? c : 0;
    }
};

const Tables& T() {
    static const Tables tables;
    return tables;
}

// Byte for a character at or above 0x100, 0 when the code page lacks it.
unsigned char HighByte(char16_t c) {
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) return static_cast<unsigned char>(0x80 + i);
    return 0;
}

}  // namespace

QString ToQt(std::string_view text) {
    const auto& table = T().toUnicode;
    QString out(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    for (unsigned char b : text) *dst++ = table[b];
    return out;
}

std::string FromQt(const QString& text) {
    const auto& table = T().fromLatin1;
    std::string out(static_cast<size_t>(text.size()), '?');
    const char16_t* src = reinterpret_cast<const char16_t*>(text.constData());
    for (char& b : out) {
        char16_t c = *src++;
        if (c < 0x100) {
            // NUL and the undefined bytes' stand-ins map to themselves; U+0080 and the like are '?'.
            unsigned char m = table[c];
            if (m || c == 0) b = static_cast<char>(m);
        } else if (unsigned char h = HighByte(c)) {
            b = static_cast<char>(h);
        }
    }
    return out;
}

bool IsWin1252Char(char16_t c) {
    if (c < 0x100) return c < 0x80 || c >= 0xA0;
    return HighByte(c) != 0;
}
