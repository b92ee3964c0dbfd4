#include "core/MFileMode.h"

#include <cstring>

namespace {
struct ModeEntry {
    const char* text;
    const char* description;
};

constexpr ModeEntry kModes[MFileMode::kCount] = {
    {"r", "Open file for reading"},
    {"w", "Truncate to  zero  length or create file for writing"},
    {"a", "Append; open or create file for writing at EOF"},
    {"r+", "Open file for update (reading and writing)"},
    {"w+", "Truncate to zero length or create file for update"},
    {"a+", "Append; open or create file for update, writing  at EOF"},
    {"rb", "Open file for reading in binary mode"},
    {"wb", "Truncate to  zero  length or create file for writing in binary mode"},
    {"ab", "Append; open or create file for writing at EOF in binary mode"},
    {"r+b", "Open file for update (reading and writing) in binary mode"},
    {"w+b", "Truncate to zero length or create file for update in binary mode"},
    {"a+b", "Append; open or create file for update, writing  at EOF in binary mode"},
};

constexpr char kBinaryLetters[] = "rwaRWA";
constexpr int kFirstBinaryMode = 6;

int ValidIndex(int index) {
    return index >= 0 && index < MFileMode::kCount ? index : 0;
}
}  // namespace

MFileMode::MFileMode(int index) {
    std::strncpy(text_.data(), kModes[ValidIndex(index)].text, 3);
}

int MFileMode::GetIndex() const {
    for (int i = 0; i < kCount; ++i) {
        if (MFileMode(i) == *this) return i;
    }
    return 0;
}

MFileMode MFileMode::FromBinaryLetter(char letter) {
    const char* found = letter ? std::strchr(kBinaryLetters, letter) : nullptr;
    return MFileMode(kFirstBinaryMode + (found ? static_cast<int>(found - kBinaryLetters) : 0));
}

const char* MFileMode::GetModeText(int index) {
    return kModes[ValidIndex(index)].text;
}
const char* MFileMode::GetDescription(int index) {
    return kModes[ValidIndex(index)].description;
}
