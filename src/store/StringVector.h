#pragma once
// A list of texts: field names, filter values, flag names, excluded field names. A plain value.
#include <string>
#include <vector>

class StringVector : public std::vector<std::string> {
public:
    using std::vector<std::string>::vector;
    StringVector() = default;
    StringVector(const std::vector<std::string>& texts) : std::vector<std::string>(texts) {}
};
