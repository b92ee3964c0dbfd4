#include "toolkit/MonthCalendar.h"

#include <QTextCharFormat>

MonthCalendar::MonthCalendar(QWidget* parent, const char* name) : QCalendarWidget(parent) {
    if (name) setObjectName(QString::fromLatin1(name));
    setVerticalHeaderFormat(NoVerticalHeader);
    connect(this, &QCalendarWidget::currentPageChanged, this, [this] { RefreshBoldDays(); });
    connect(this, &QCalendarWidget::clicked, this, [this] {
        if (onClick) onClick();
    });
}

void MonthCalendar::SetDate(const QDate& date) {
    int year = yearShown(), month = monthShown();
    setSelectedDate(date);
    if (year == yearShown() && month == monthShown()) RefreshBoldDays();  // else the page change did
}

void MonthCalendar::SetDateRange(const QDate& first, const QDate& last) {
    int year = yearShown(), month = monthShown();
    setMinimumDate(first);
    setMaximumDate(last);
    if (year == yearShown() && month == monthShown()) RefreshBoldDays();
}

void MonthCalendar::RefreshBoldDays() {
    setDateTextFormat(QDate(), QTextCharFormat());  // clears every day's format
    if (!onGetMonthBoldInfo) return;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QDate shown(yearShown(), monthShown(), 1);
    for (int offset = -1; offset <= 1; ++offset) {
        QDate month = shown.addMonths(offset);
        for (int day : onGetMonthBoldInfo(month.year(), month.month())) {
            QDate d(month.year(), month.month(), day);
            if (d.isValid()) setDateTextFormat(d, bold);
        }
    }
}
