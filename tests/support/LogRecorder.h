#pragma once
// Test support: collects the messages logged while it is installed. It installs itself when no
// other receiver is installed (installed says whether it did) and uninstalls itself when destroyed.
#include <algorithm>
#include <string>
#include <vector>

#include "core/MError.h"

struct LoggedMessage {
    int level;
    std::string text;
};

class LogRecorder : public MPublishErrorBase {
public:
    LogRecorder() { installed = RegisterErrorPublisher(this) == nullptr; }
    void Publish(int level, const char* text) override { messages.push_back({level, text}); }

    // True when a line at that level holds the text.
    bool Has(int level, const std::string& text) const {
        return std::any_of(messages.begin(), messages.end(), [&](const LoggedMessage& m) {
            return m.level == level && m.text.find(text) != std::string::npos;
        });
    }

    bool installed = false;
    std::vector<LoggedMessage> messages;
};
