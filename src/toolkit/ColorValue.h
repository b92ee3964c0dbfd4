#pragma once
// A colour as the settings files store it: a signed 32-bit value. A value of 0 or more is
// 0x00BBGGRR; a negative value 0xFF0000nn is the system colour number nn, which the toolkit
// takes from the application's palette when it paints (see ToQColor in toolkit/QtPaint.h).
#include <cstdint>

class ColorValue {
public:
    constexpr ColorValue() = default;
    constexpr explicit ColorValue(int32_t value) : value_(value) {}
    static constexpr ColorValue FromRgb(int red, int green, int blue) {
        return ColorValue(int32_t((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF)));
    }
    static constexpr ColorValue System(int number) {
        return ColorValue(int32_t(0xFF000000u | (number & 0xFF)));
    }

    constexpr int32_t Value() const { return value_; }
    constexpr bool IsSystem() const { return value_ < 0; }
    constexpr int SystemNumber() const { return value_ & 0xFF; }
    constexpr int Red() const { return value_ & 0xFF; }
    constexpr int Green() const { return (value_ >> 8) & 0xFF; }
    constexpr int Blue() const { return (value_ >> 16) & 0xFF; }
    constexpr bool operator==(const ColorValue&) const = default;

    // System colour numbers that the windows name.
    enum : int { kWindow = 5, kWindowText = 8, kButtonFace = 15, kHighlight = 13, kHighlightText = 14 };

private:
    int32_t value_ = 0;
};

inline constexpr ColorValue clWindow = ColorValue::System(ColorValue::kWindow);
inline constexpr ColorValue clWindowText = ColorValue::System(ColorValue::kWindowText);
inline constexpr ColorValue clBtnFace = ColorValue::System(ColorValue::kButtonFace);
inline constexpr ColorValue clRed = ColorValue::FromRgb(255, 0, 0);
inline constexpr ColorValue clBlack = ColorValue::FromRgb(0, 0, 0);
inline constexpr ColorValue clWhite = ColorValue::FromRgb(255, 255, 255);
