#include "grid/ColumnSetText.h"

std::vector<std::string> ColumnSetText::CurrentFlags(const std::string& cellText,
                                                     const std::vector<std::string>& offered,
                                                     const std::string& noneText, const std::string& allText,
                                                     char separator) {
    if (cellText == noneText) return {};
    if (cellText == allText) return offered;
    std::vector<std::string> flags;
    std::string::size_type start = 0;
    for (std::string::size_type at; (at = cellText.find(separator, start)) != std::string::npos;
         start = at + 1)
        flags.push_back(cellText.substr(start, at - start));
    flags.push_back(cellText.substr(start));
    return flags;
}

std::string ColumnSetText::Join(const std::vector<std::string>& flags, char separator) {
    std::string text;
    for (const std::string& flag : flags) {
        text += flag;
        text += separator;
    }
    return text;
}
