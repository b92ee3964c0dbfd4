#include "fields/MGUIPublishError.h"

#include <string>

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

}  // namespace

void MGUIPublishError::Publish(int level, const char* text) {
    const MDateTimeTimePoint now;
    std::string line = now.ToString('/', ':');
    line += " - [";
    line += LevelName(level);
    line += ']';
    if (text) line += text;
    errors_.emplace_back(level, std::move(line));
}

void MGUIPublishError::TakeErrors(GUIErrorDetailsVector& errors) {
    errors.insert(errors.end(), errors_.begin(), errors_.end());
    errors_.clear();
}
