#include "toolkit/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "toolkit/QtText.h"

RadioGroup::RadioGroup(QWidget* parent, const char* name, const std::string& caption)
    : QGroupBox(ToQt(caption), parent), group_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
    if (name) setObjectName(QString::fromLatin1(name));
    connect(group_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on && !setting_ && onClick) onClick();
    });
}

void RadioGroup::SetItems(const std::vector<std::string>& items) {
    setting_ = true;
    for (QAbstractButton* b : group_->buttons()) delete b;
    for (size_t i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(ToQt(items[i]), this);
        group_->addButton(button, int(i));
        layout_->addWidget(button);
    }
    setting_ = false;
}

int RadioGroup::Count() const {
    return int(group_->buttons().size());
}

int RadioGroup::ItemIndex() const {
    return group_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == ItemIndex()) return;
    setting_ = true;
    if (index < 0) {
        group_->setExclusive(false);
        group_->checkedButton()->setChecked(false);
        group_->setExclusive(true);
    } else {
        group_->button(index)->setChecked(true);
    }
    setting_ = false;
    if (onClick) onClick();
}

void RadioGroup::SetItemEnabled(int index, bool enabled) {
    if (QAbstractButton* b = group_->button(index)) b->setEnabled(enabled);
}

QRadioButton* RadioGroup::Button(int index) const {
    return static_cast<QRadioButton*>(group_->button(index));
}
