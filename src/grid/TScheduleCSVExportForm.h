#pragma once
// The schedule dialog of a window's CSV export ("Schedule CSV Export Form"): adds single times
// and series of times to a working copy of the window's schedule, removes one or all. OK is
// enabled while the copy was changed and is not empty; after the confirmation box it replaces
// the window's schedule. A series whose end is not later than its start shows a box and adds
// nothing; a series never runs past midnight.
#include <set>
#include <string>

#include "grid/CheckedDialogButtons.h"
#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class CheckBox;
class ComboBox;
class DateTimePicker;
class ListBox;
class UpDownEdit;

class TScheduleCSVExportForm : public Form {
public:
    TScheduleCSVExportForm(QWidget* owner, const std::string& windowTitle, std::set<std::string>& schedule);

    void UpdateFrequencyRange();
    // Leaving the frequency edit: a text other than the position's number shows the position.
    void FrequencyEditExit();
    const std::set<std::string>& WorkingSet() const { return working_; }
    bool IsChanged() const { return changed_; }

    DateTimePicker* SingleTime() const { return singleTime_; }
    DateTimePicker* StartTime() const { return startTime_; }
    DateTimePicker* EndTime() const { return endTime_; }
    CheckBox* StartIncluded() const { return startIncluded_; }
    CheckBox* EndIncluded() const { return endIncluded_; }
    UpDownEdit* Frequency() const { return frequency_; }
    ComboBox* FrequencyUnit() const { return unit_; }
    ListBox* Schedules() const { return list_; }
    Action* AddSingle() const { return addSingle_; }
    Action* AddMultiple() const { return addMultiple_; }
    Action* Remove() const { return remove_; }
    Action* RemoveAll() const { return removeAll_; }

private:
    void Add(const std::string& time);
    void Changed();

    std::set<std::string>& schedule_;
    std::set<std::string> working_;
    std::string windowTitle_;
    bool changed_ = false;
    DateTimePicker* singleTime_;
    DateTimePicker* startTime_;
    DateTimePicker* endTime_;
    CheckBox* startIncluded_;
    CheckBox* endIncluded_;
    UpDownEdit* frequency_;
    ComboBox* unit_;
    ListBox* list_;
    ActionList actions_;
    Action* addSingle_;
    Action* addMultiple_;
    Action* remove_;
    Action* removeAll_;
    CheckedDialogButtons buttons_;
};
