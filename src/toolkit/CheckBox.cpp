#include "toolkit/CheckBox.h"

#include "toolkit/QtText.h"

CheckBox::CheckBox(QWidget* parent, const char* name, const std::string& caption)
    : QCheckBox(ToQt(caption), parent) {
    if (name) setObjectName(QString::fromLatin1(name));
    connect(this, &QCheckBox::toggled, this, [this] {
        if (onClick) onClick();
    });
}
