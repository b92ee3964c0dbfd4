#pragma once
// Death-test support: prints every logged line as "[level] text" to standard error, where the
// death assertions look for it. Uninstalls itself when destroyed.
#include <cstdio>

#include "core/MError.h"

class StderrLogReceiver : public MPublishErrorBase {
public:
    StderrLogReceiver() { RegisterErrorPublisher(this); }
    void Publish(int level, const char* text) override { std::fprintf(stderr, "[%d] %s\n", level, text); }
};
