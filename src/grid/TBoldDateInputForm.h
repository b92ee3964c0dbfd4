#pragma once
// Picks one date in a month calendar among the allowed dates, which the calendar shows in bold.
// OK is enabled only after a click on a bold date; any other date reads "Invalid Date: " in red.
#include <string>
#include <vector>

#include "fields/FormDateTime.h"
#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class MonthCalendar;
class QLabel;

class TBoldDateInputForm : public Form {
public:
    TBoldDateInputForm(QWidget* owner, const std::string& caption, const std::string& title);

    void AddBoldDate(const FormDateTime& date);
    void SetDateRange(const FormDateTime& first, const FormDateTime& last);
    // The date of the last click; all zero before the first.
    FormDateTime GetDate() const { return chosen_; }

private:
    std::vector<int> BoldDays(int year, int month) const;
    void Recheck();
    void RefreshLabel();

    FormDateTime chosen_;
    bool clicked_ = false;
    bool valid_ = true;
    std::string caption_;
    std::string title_;
    std::vector<FormDateTime> boldDates_;
    QLabel* titleLabel_;
    MonthCalendar* calendar_;
    QLabel* selectedDateLabel_;
    ActionList actions_;
    Action* okAction_;
};
