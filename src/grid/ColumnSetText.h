#pragma once
// The texts of a set column's cell when its flags are edited: which flags a cell text names, and
// the text that a chosen list of flags gives back. Plain functions of texts; no Qt.
#include <string>
#include <vector>

class ColumnSetText {
public:
    // The flags a cell names: none for the empty-set text, every offered flag for the full-set
    // text, otherwise the pieces between separators (the piece after the last one included, so
    // "A,B," gives "A", "B" and "").
    static std::vector<std::string> CurrentFlags(const std::string& cellText,
                                                 const std::vector<std::string>& offered,
                                                 const std::string& noneText, const std::string& allText,
                                                 char separator);
    // Each flag followed by the separator, the last one too: "A,B,".
    static std::string Join(const std::vector<std::string>& flags, char separator);
};
