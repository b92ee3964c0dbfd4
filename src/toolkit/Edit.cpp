#include "toolkit/Edit.h"

#include "toolkit/QtText.h"
#include "toolkit/Win1252Validator.h"

Edit::Edit(QWidget* parent, const char* name) : QLineEdit(parent) {
    if (name) setObjectName(QString::fromLatin1(name));
    setValidator(new Win1252Validator(this));
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (onChange) onChange();
    });
}

std::string Edit::Text() const {
    return FromQt(text());
}

void Edit::SetText(const std::string& text) {
    setText(ToQt(text));
}

void Edit::SetMaxLength(int length) {
    setMaxLength(length > 0 ? length : 32767);
}

void Edit::SetPassword(bool password) {
    setEchoMode(password ? Password : Normal);
}
