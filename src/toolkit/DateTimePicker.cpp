#include "toolkit/DateTimePicker.h"

DateTimePicker::DateTimePicker(QWidget* parent, const char* name, Kind kind) : QDateTimeEdit(parent) {
    if (name) setObjectName(QString::fromLatin1(name));
    programmatic_ = true;
    if (kind == Kind::Date) {
        setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        setCalendarPopup(true);
        setDate(QDate::currentDate());
    } else {
        setDisplayFormat(QStringLiteral("HH:mm:ss"));
        setTime(QTime::currentTime());
    }
    programmatic_ = false;
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (!programmatic_ && onChange) onChange();
    });
}

void DateTimePicker::SetDate(const QDate& value) {
    programmatic_ = true;
    setDate(value);
    programmatic_ = false;
}

void DateTimePicker::SetTime(const QTime& value) {
    programmatic_ = true;
    setTime(value);
    programmatic_ = false;
}

void DateTimePicker::SetMinDate(const QDate& value) {
    programmatic_ = true;
    setMinimumDate(value);
    programmatic_ = false;
}

void DateTimePicker::SetMaxDate(const QDate& value) {
    programmatic_ = true;
    setMaximumDate(value);
    programmatic_ = false;
}
