#pragma once
// Asks for one line of text under a label. The dialog can only be widened; it opens with the
// caller's text selected; OK copies the text back (Windows-1252), Cancel leaves it.
#include <string>

#include "toolkit/Form.h"

class Edit;

class TStringInputForm : public Form {
public:
    TStringInputForm(QWidget* owner, const std::string& label, std::string* text);

private:
    std::string* text_;
    Edit* edit_;
};
