#pragma once
// A scheduler rule that stands for a timer in tests: keyed by its name.
#include <string>

#include "net/MSchedulerXRule.h"

class TimerRule : public MSchedulerXRule {
public:
    explicit TimerRule(const std::string& name = "Timer") { SetName(name); }
    const char* GetKey(int* length) const override {
        *length = static_cast<int>(GetName().size());
        return GetName().data();
    }
};
