#pragma once
// Date or time picker with a minimum and a maximum. Its change event fires on the user's edits
// only, never when the program sets the value or the range.
#include <QDateTimeEdit>
#include <functional>

class DateTimePicker : public QDateTimeEdit {
public:
    enum class Kind { Date, Time };
    explicit DateTimePicker(QWidget* parent = nullptr, const char* name = nullptr, Kind kind = Kind::Date);

    QDate Date() const { return date(); }
    void SetDate(const QDate& date);
    QTime Time() const { return time(); }
    void SetTime(const QTime& time);
    void SetMinDate(const QDate& date);
    void SetMaxDate(const QDate& date);

    std::function<void()> onChange;

private:
    bool programmatic_ = false;
};
