#pragma once
// Test support: collects the lines logged while it is installed and uninstalls itself when
// destroyed. Installing it replaces any receiver that was installed before.
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
