#pragma once
// "Generic Business Object Summary": a multi-line text shown read-only in a fixed-pitch memo, one
// line per line of the text, optionally sorted by byte value, closed with one button.
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/Form.h"

class Memo;
class QPushButton;

class TGenericBOForm : public Form {
public:
    TGenericBOForm(QWidget* owner, bool sort, const std::string& text);

    // The lines of the text: split at each line feed (a carriage return before it stays with its
    // line, a final line feed gives no empty last line), sorted by byte value when asked.
    void SplitLines(std::string_view text);
    static std::vector<std::string> SplitText(std::string_view text, bool sort);

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    bool sort_;
    Memo* summaryMemo_;
    QPushButton* exitButton_;
};
