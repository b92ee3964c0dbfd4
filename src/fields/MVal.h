#pragma once
// Base of the text validators that the text field types take as a template parameter. A validator
// is a small object made on the stack for one check; it never throws and never changes a value.

class MVal {
public:
    virtual ~MVal() = default;
    // Null when the length characters of text are acceptable, else the message for the user.
    // A null text or a negative length is checked as the empty text.
    virtual const char* Check(const char* text, int length) const = 0;
};
