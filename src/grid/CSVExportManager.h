#pragma once
// Works out when a grid window's scheduled CSV export is next due. The schedule is the window's
// set of "hhnnss" times (text order is time order). The next time moves forward through the set
// during one day and is empty after the day's last time until ScheduleNext runs again; a change
// of day is noticed only by Advance, that is after an export. The clock is injected: it answers
// the current local date and time as "yyyymmddhhnnss" (the framework clock by default).
#include <functional>
#include <set>
#include <string>
#include <vector>

class CSVExportManager {
public:
    using Clock = std::function<std::string()>;

    CSVExportManager();
    explicit CSVExportManager(Clock clock) : clock_(std::move(clock)) {}

    // Remembers the set (which must outlive the manager's use of it); the date becomes today and
    // the next time the set's first time later than now, or none.
    void ScheduleNext(const std::set<std::string>& schedule);
    // True when there is a next time and it is not later than now.
    bool IsExportDue() const;
    // After an export: on a new day ScheduleNext again, else the set's first time later than the
    // one just used, or none.
    void Advance();

    const std::string& NextTime() const { return next_; }
    const std::string& Date() const { return date_; }
    // The times of a series from start to end ("hhnnss", start earlier than end) every
    // stepSeconds: start when included, start + step, start + 2 x step, ... while earlier than end
    // and before midnight, then end when included.
    static std::vector<std::string> Series(const std::string& start, const std::string& end, int stepSeconds,
                                           bool startIncluded, bool endIncluded);
    // The framework clock's local date and time as "yyyymmddhhnnss".
    static std::string Now();

private:
    std::string FirstLater(const std::string& time) const;

    Clock clock_;
    const std::set<std::string>* schedule_ = nullptr;
    std::string next_;
    std::string date_;
};
