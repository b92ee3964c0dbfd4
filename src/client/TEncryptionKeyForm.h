#pragma once
// The dialog in which the user types or changes the 16-character encryption key that protects
// every password the client sends. It only validates the text: OK is enabled once the text was
// changed, and closes only on a key of exactly 16 letters, digits, '/' or '+'; a refused close
// is refused once. The caller stores the key (GetKey) after an OK.
#include <string>

#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class Edit;

class TEncryptionKeyForm : public Form {
public:
    TEncryptionKeyForm(QWidget* owner, const std::string& key);

    // The key the dialog holds: the caller's until an OK, then the text typed.
    const std::string& GetKey() const { return key_; }

    // The failure text of a key, or empty for a valid one; the length is checked first, then the
    // characters from the first on.
    static std::string CheckKey(const std::string& key);

private:
    void OKActionExecute();

    bool changed_ = false;
    bool mayClose_ = false;
    std::string key_;
    Edit* edit_ = nullptr;
    Action* okAction_ = nullptr;
    ActionList actions_;
};
