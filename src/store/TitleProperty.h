#pragma once
// The user's title of one column and the colours its cells are painted in, as signed 32-bit
// colour values (system colours are negative). A plain value.
#include <cstdint>
#include <string>

class TitleProperty {
public:
    static constexpr int32_t kWindowColor = static_cast<int32_t>(0xFF000005u);      // the window background
    static constexpr int32_t kWindowTextColor = static_cast<int32_t>(0xFF000008u);  // the window text

    std::string Title;
    int32_t BackgroundColor = kWindowColor;
    int32_t ForegroundColor = kWindowTextColor;
};
