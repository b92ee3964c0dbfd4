#pragma once
// Collects the messages logged while it is installed (it uninstalls itself when destroyed).
#include <string>
#include <vector>

#include "core/MError.h"

class BraeLogRecorder : public MPublishErrorBase {
public:
    struct Entry {
        int level;
        std::string text;
    };

    BraeLogRecorder() { installed = RegisterErrorPublisher(this) == nullptr; }
    void Publish(int level, const char* text) override { entries.push_back({level, text}); }

    bool installed = false;
    std::vector<Entry> entries;
};
