#include "brae/BraeUserTime.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MTInterface.h"
#include "fields/NumericTextParsing.h"

namespace {

// Digit values of the base-85 alphabet (RFC 1924); every other byte counts 0.
constexpr std::array<uint8_t, 256> MakeBase85Values() {
    constexpr char kAlphabet[] =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz!#$%&()*+-;<=>?@^_`{|}~";
    std::array<uint8_t, 256> values{};
    for (int i = 0; i < 85; ++i) values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<uint8_t>(i);
    return values;
}
constexpr std::array<uint8_t, 256> kBase85 = MakeBase85Values();

constexpr int kDecodedWidth = 12;
// HHMMSSmmmuuu of the thread's last decoding; one per thread: any thread may decode.
thread_local char decoded[kDecodedWidth];

void WriteDigits(char* place, uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        place[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

void WriteClock(uint32_t hour, uint32_t minute, uint32_t second, uint32_t milliseconds) {
    WriteDigits(decoded, hour % 100, 2);
    WriteDigits(decoded + 2, minute % 100, 2);
    WriteDigits(decoded + 4, second % 100, 2);
    WriteDigits(decoded + 6, milliseconds % 1000, 3);
}

uint32_t Base85Value(const char* p) {
    uint32_t k = 0;
    for (int i = 0; i < 5; ++i) k = k * 85u + kBase85[static_cast<unsigned char>(p[i])];
    return k;
}

}  // namespace

void BraeUserTime::InitFromString(const std::string& text) {
    Clear();
    SetText(text.data(), static_cast<int>(std::min<std::size_t>(text.size(), kWidth)));
}

void BraeUserTime::SetText(const char* text, int length) {
    const int count = text ? std::clamp(length, 0, kWidth) : 0;
    char* data = Data();
    if (count > 0) std::memcpy(data, text, static_cast<std::size_t>(count));
    std::memset(data + count, '0', static_cast<std::size_t>(kWidth - count));
}

void BraeUserTime::SetText(const char* text) {
    SetText(text, text ? static_cast<int>(strnlen(text, kWidth)) : 0);
}

int BraeUserTime::GetEncodingType() const {
    if (IsBlank()) return 0;
    const auto first = static_cast<signed char>(Data()[0]);
    if (first == '#') return 1;
    if (first >= 'A') return 2;
    return 0;
}

const char* BraeUserTime::Decode(int* length, bool* terminated) const {
    if (length) *length = kWidth;
    if (terminated) *terminated = false;
    const char* data = Data();
    if (IsBlank()) return data;
    switch (GetEncodingType()) {
        case 1:
            WriteClock(ParseBase62Digits(data + 1, 1), ParseBase62Digits(data + 2, 1),
                       ParseBase62Digits(data + 3, 1), ParseBase62Digits(data + 4, 2));
            break;
        case 2: {
            const auto hour = static_cast<uint32_t>(static_cast<signed char>(data[0]) - 'A');
            uint32_t k = Base85Value(data + 1);
            const uint32_t microseconds = k % 1000;
            k /= 1000;
            const uint32_t milliseconds = k % 1000;
            k /= 1000;
            WriteClock(hour, k / 60, k % 60, milliseconds);
            WriteDigits(decoded + 9, microseconds, 3);
            break;
        }
        default:
            std::memcpy(decoded, data, kWidth);
            std::memset(decoded + kWidth, '0', kDecodedWidth - kWidth);
            break;
    }
    return decoded;
}

int BraeUserTime::GetTextLength(int type) {
    return type == 2 ? 12 : type == 1 ? 9 : 6;
}

std::string BraeUserTime::ToString(int type) const {
    int length = 0;
    const char* text = Decode(&length, nullptr);
    return std::string(text, static_cast<std::size_t>(std::min(length, GetTextLength(type))));
}

const char* BraeUserTime::GetText(int* length, bool* terminated) const {
    return Decode(length, terminated);
}

std::string BraeUserTime::ToDescription(bool raw) const {
    const char* text = Decode(nullptr, nullptr);
    const int width = raw ? GetTextLength(GetEncodingType()) : kWidth;
    return std::string(text, static_cast<std::size_t>(width));
}

void BraeUserTime::WriteFixed(MMsgFormat& format) const {
    format.Write(Data(), kWidth);
}

void BraeUserTime::ReadFixed(MMsgFormat& format) {
    const char* bytes = format.GetCurrent();
    format.Skip(kWidth);
    std::memcpy(Data(), bytes, kWidth);
}

void BraeUserTime::SetupInterface(MInterface& column) {
    column.SetKind(MInterface::kString);
    column.SetWidth(kWidth);
}

std::unique_ptr<MInterface> BraeUserTime::MakeInterface() const {
    return std::make_unique<MTInterface<BraeUserTime>>(this);
}
