#include "toolkit/FileDialogSpec.h"

#include <fnmatch.h>

#include <algorithm>

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

std::string Cased(std::string text, bool upper) {
    for (char& c : text)
        if (upper ? (c >= 'a' && c <= 'z') : (c >= 'A' && c <= 'Z')) c = char(c ^ 0x20);
    return text;
}

// Patterns of each description, in filter order.
std::vector<std::pair<std::string, std::vector<std::string>>> Pairs(const std::string& filter) {
    std::vector<std::pair<std::string, std::vector<std::string>>> pairs;
    if (filter.empty()) return pairs;
    std::vector<std::string> parts = Split(filter, '|');
    for (size_t i = 0; i + 1 < parts.size(); i += 2) pairs.emplace_back(parts[i], Split(parts[i + 1], ';'));
    return pairs;
}

}  // namespace

std::vector<std::string> FileDialogSpec::NameFilters() const {
    std::vector<std::string> filters;
    for (const auto& [description, patterns] : Pairs(filter)) {
        std::vector<std::string> offered;
        for (const std::string& p : patterns)
            for (const std::string& v : {p, Cased(p, false), Cased(p, true)})
                if (!v.empty() && std::find(offered.begin(), offered.end(), v) == offered.end())
                    offered.push_back(v);
        std::string text = description + " (";
        for (size_t i = 0; i < offered.size(); ++i) text += (i ? " " : "") + offered[i];
        filters.push_back(text + ")");
    }
    return filters;
}

bool FileDialogSpec::Matches(const std::string& path) const {
    auto pairs = Pairs(filter);
    if (pairs.empty()) return true;
    std::string name = path.substr(path.find_last_of('/') + 1);
    for (const auto& pair : pairs)
        for (const std::string& p : pair.second)
            if (fnmatch(p.c_str(), name.c_str(), FNM_CASEFOLD) == 0) return true;
    return false;
}
