#pragma once
// The one order of sorted list boxes and combo boxes: case-insensitive on the ASCII letters,
// ties broken by byte order (so "abc" < "ABd" and "ABC" < "abc").
#include <string_view>

// Negative, zero or positive as a sorts before, equal to or after b.
int CompareSortText(std::string_view a, std::string_view b);
