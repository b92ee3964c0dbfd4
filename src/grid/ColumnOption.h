#pragma once
// Where a column stood and how wide it was, as a window section keeps it: the 1-based display
// position (0 when not placed) and the width in pixels.
#include <cstdint>
#include <map>
#include <string>

struct ColumnOption {
    int32_t Position = 0;
    int32_t Width = 0;
};

// Saved column options by field name.
using ColumnOptionMap = std::map<std::string, ColumnOption>;
