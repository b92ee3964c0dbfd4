#include "toolkit/UpDownEdit.h"

#include <QLineEdit>

#include "toolkit/QtText.h"

UpDownEdit::UpDownEdit(QWidget* parent, const char* name) : QAbstractSpinBox(parent) {
    if (name) setObjectName(QString::fromLatin1(name));
    lineEdit()->setText(QStringLiteral("0"));
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (onChange) onChange();
    });
}

std::string UpDownEdit::Text() const {
    return FromQt(lineEdit()->text());
}

void UpDownEdit::SetText(const std::string& text) {
    lineEdit()->setText(ToQt(text));
}

int UpDownEdit::Position() const {
    bool ok = false;
    int typed = lineEdit()->text().trimmed().toInt(&ok);
    return ok && typed >= min_ && typed <= max_ ? typed : position_;
}

void UpDownEdit::SetPosition(int position) {
    position_ = position < min_ ? min_ : position > max_ ? max_ : position;
    lineEdit()->setText(QString::number(position_));
}

void UpDownEdit::SetRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = maximum < minimum ? minimum : maximum;
    if (position_ < min_ || position_ > max_) SetPosition(position_);
}

void UpDownEdit::stepBy(int steps) {
    long long next = static_cast<long long>(Position()) + steps;
    SetPosition(next < min_ ? min_ : next > max_ ? max_ : static_cast<int>(next));
}

QValidator::State UpDownEdit::validate(QString& input, int&) const {
    for (QChar c : input)
        if (!IsWin1252Char(c.unicode())) return QValidator::Invalid;
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled UpDownEdit::stepEnabled() const {
    int p = Position();
    StepEnabled e = StepNone;
    if (p < max_) e |= StepUpEnabled;
    if (p > min_) e |= StepDownEnabled;
    return e;
}
