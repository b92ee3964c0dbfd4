#pragma once
// Asks for the user name and the password before a login. OK is enabled once something was typed
// and closes only when both are given; it then copies both (Windows-1252) into the caller's texts,
// which must outlive the dialog. A refused close is refused once; Cancel leaves the caller's texts.
#include <cstdint>
#include <string>

#include "grid/CheckedDialogButtons.h"
#include "toolkit/Form.h"

class Edit;

class TLoginForm : public Form {
public:
    static constexpr int kPasswordMaxLength = 40;

    // userName is shown when the dialog opens and receives the typed name.
    TLoginForm(QWidget* owner, int16_t userNameMaxLength, std::string& password, std::string& userName);

    // OK's check: false, after the validation box, when a text is missing.
    bool Validate();

private:
    std::string& password_;
    std::string& userName_;
    int16_t userNameMaxLength_;
    Edit* userNameEdit_ = nullptr;
    Edit* passwordEdit_ = nullptr;
    CheckedDialogButtons buttons_;
};
