#pragma once
// Joins two texts into a new one (the dotted names of controls are built with it).
#include <string>

inline std::string ConcatStrings(const std::string& first, const std::string& second) {
    std::string result;
    result.reserve(first.size() + second.size());
    result += first;
    result += second;
    return result;
}
