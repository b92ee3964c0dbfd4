#pragma once
// One column of another grid window, offered to the dynamic filter dialog: its user title, its
// field name and its column kind code. A plain value.
#include <cstdint>
#include <string>

class GridColumns {
public:
    std::string Title;
    std::string Name;
    int32_t Kind = 0;
};
