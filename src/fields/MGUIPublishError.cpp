#include "fields/MGUIPublishError.h"

#include <string>
#include <utility>

#include "fields/MTTimePoint.h"

namespace {

const char* LevelName(int level) {
    switch (level) {
        case 2:
            return "CRITICAL";
        case 3:
            return "ERROR";
        case 4:
            return "WARNING";
        case 6:
            return "INFO";
        default:
            return "";
    }
}

std::string DateText() {
    return MDateTimeTimePoint().ToString('/', ':');
}

}  // namespace

void MGUIPublishError::Publish(int level, const char* text) {
    const bool owner = std::this_thread::get_id() == owner_;
    std::string line = owner ? DateText() : std::string();
    line += " - [";
    line += LevelName(level);
    line += ']';
    if (text) line += text;
    std::lock_guard lock(mutex_);
    if (!owner) undated_.push_back(errors_.size());
    errors_.emplace_back(level, std::move(line));
}

void MGUIPublishError::TakeErrors(GUIErrorDetailsVector& errors) {
    std::lock_guard lock(mutex_);
    std::size_t next = 0;
    for (std::size_t i = 0; i < errors_.size(); ++i) {
        const GUIErrorDetails& entry = errors_.At(i);
        if (next < undated_.size() && undated_[next] == i) {
            errors.emplace_back(entry.GetLevel(), DateText() + entry.GetText());
            ++next;
        } else {
            errors.push_back(entry);
        }
    }
    errors_.clear();
    undated_.clear();
}
