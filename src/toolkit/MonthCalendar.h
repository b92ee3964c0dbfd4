#pragma once
// Month calendar that asks a callback for the bold days of every month it shows (the shown month
// and the neighbouring months whose days fill its grid), each time it shows another month, and
// marks no "today". The click event fires when the user clicks a date.
#include <QCalendarWidget>
#include <functional>
#include <vector>

class MonthCalendar : public QCalendarWidget {
public:
    explicit MonthCalendar(QWidget* parent = nullptr, const char* name = nullptr);

    QDate Date() const { return selectedDate(); }
    void SetDate(const QDate& date);
    void SetDateRange(const QDate& first, const QDate& last);
    // Asks the callback again for the months shown.
    void RefreshBoldDays();

    // Day numbers (1-31) to show in bold for the month of that year.
    std::function<std::vector<int>(int year, int month)> onGetMonthBoldInfo;
    std::function<void()> onClick;
};
