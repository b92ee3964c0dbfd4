#include "grid/CSVExportManager.h"

#include "core/CalendarConversion.h"
#include "core/DateTimeText.h"
#include "core/ProcessClock.h"

CSVExportManager::CSVExportManager() : clock_(&CSVExportManager::Now) {}

std::string CSVExportManager::Now() {
    ResetCurrentTimeCache();
    return FormatTmCompactDateTime(BreakDownLocalTime(ReadCurrentTime()));
}

std::string CSVExportManager::FirstLater(const std::string& time) const {
    if (!schedule_) return {};
    const auto later = schedule_->upper_bound(time);
    return later == schedule_->end() ? std::string() : *later;
}

void CSVExportManager::ScheduleNext(const std::set<std::string>& schedule) {
    schedule_ = &schedule;
    const std::string now = clock_();
    date_ = now.substr(0, 8);
    next_ = FirstLater(now.substr(8, 6));
}

bool CSVExportManager::IsExportDue() const {
    return !next_.empty() && next_ <= clock_().substr(8, 6);
}

void CSVExportManager::Advance() {
    const std::string used = next_;
    next_.clear();
    if (clock_().substr(0, 8) != date_) {
        if (schedule_) ScheduleNext(*schedule_);
        return;
    }
    next_ = FirstLater(used);
}

namespace {

int Seconds(const std::string& time) {
    return std::stoi(time.substr(0, 2)) * 3600 + std::stoi(time.substr(2, 2)) * 60 +
           std::stoi(time.substr(4, 2));
}

std::string TimeText(int seconds) {
    const auto two = [](int value) { return std::string{char('0' + value / 10), char('0' + value % 10)}; };
    return two(seconds / 3600) + two(seconds / 60 % 60) + two(seconds % 60);
}

}  // namespace

std::vector<std::string> CSVExportManager::Series(const std::string& start, const std::string& end,
                                                  int stepSeconds, bool startIncluded, bool endIncluded) {
    std::vector<std::string> times;
    if (startIncluded) times.push_back(start);
    const int last = Seconds(end);
    if (stepSeconds > 0)
        for (int t = Seconds(start) + stepSeconds; t < last && t < 24 * 3600; t += stepSeconds)
            times.push_back(TimeText(t));
    if (endIncluded) times.push_back(end);
    return times;
}
