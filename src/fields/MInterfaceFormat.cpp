#include "fields/MInterfaceFormat.h"

#include <string_view>

const char* MInterfaceFormat::GetText(const void* record, int index, int* length) const {
    return Column(index).GetText(record, length);
}

void MInterfaceFormat::SetText(void* record, int index, const char* text) const {
    Column(index).SetText(record, text);
}

bool MInterfaceFormat::IsLess(const void* a, const void* b, const ColumnVector& keys) const {
    for (const MInterfaceSortingData& key : keys) {
        const MInterface& column = Column(key.column);
        if (column.IsLess(a, b)) return key.ascending;
        if (column.IsLess(b, a)) return !key.ascending;
    }
    return false;
}

bool MInterfaceFormat::IsEqual(const void* a, const void* b, int index) const {
    return Column(index).IsEqual(a, b);
}

bool MInterfaceFormat::IsLessText(const void* record, int index, const std::string& operand) const {
    return Column(index).IsLessText(record, operand);
}

bool MInterfaceFormat::IsLessOrEqualText(const void* record, int index, const std::string& operand) const {
    return Column(index).IsLessOrEqualText(record, operand);
}

bool MInterfaceFormat::IsGreaterOrEqualText(const void* record, int index, const std::string& operand) const {
    return Column(index).IsGreaterOrEqualText(record, operand);
}

bool MInterfaceFormat::IsGreaterText(const void* record, int index, const std::string& operand) const {
    return Column(index).IsGreaterText(record, operand);
}

bool MInterfaceFormat::ContainsText(const void* record, int index, const std::string& pattern,
                                    bool matchEmpty, bool matchAny) const {
    const MInterface& column = Column(index);
    if (pattern.find(';') == std::string::npos) return column.ContainsText(record, pattern, matchEmpty);
    std::string_view rest = pattern;
    while (!rest.empty()) {
        const std::size_t end = rest.find(';');
        const std::string_view alternative = rest.substr(0, end);
        const bool found = column.ContainsText(record, std::string(alternative), matchEmpty);
        if (matchAny && found) return true;
        if (!matchAny && !found) return false;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return !matchAny;
}

bool MInterfaceFormat::MatchesPattern(const void* record, int index, const std::string& pattern) const {
    return Column(index).MatchesPattern(record, pattern);
}

bool MInterfaceFormat::IsInList(const void* record, int index,
                                const std::vector<std::string>& sortedList) const {
    return Column(index).IsInList(record, sortedList);
}

bool MInterfaceFormat::IsInRange(const void* record, int index, const std::string& low,
                                 const std::string& high, bool lowIncluded, bool highIncluded) const {
    return Column(index).IsInRange(record, low, high, lowIncluded, highIncluded);
}
