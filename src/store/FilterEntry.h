#pragma once
// One dynamic-filter link as the dynamic filter dialog lists it: five texts. A plain value.
#include <string>

class FilterEntry {
public:
    std::string FilterColumnTitle;
    std::string SourceGridTitle;  // the window that supplies the values
    std::string SourceColumnTitle;
    std::string FilterColumnName;  // the owner's column, by field name
    std::string SourceColumnName;  // the supplying column, by field name
};
