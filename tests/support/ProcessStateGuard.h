#pragma once
// Puts back, when it dies, the process-wide state that tests change: the log (identity, records,
// masking, switches, pending notice), the trace level, mask and stream, and the test clock (its
// settings re-read from the environment and the frozen current time dropped). A test fixture that
// changes any of these derives from ProcessStateTest or holds a guard.
#include <gtest/gtest.h>

#include "core/MError.h"
#include "core/MGlobalTime.h"
#include "core/MTrace.h"
#include "core/ProcessClock.h"

class ProcessStateGuard {
public:
    ProcessStateGuard() : traceLevel_(GetTraceLevel()), traceMask_(GetTraceMask()) {}
    ~ProcessStateGuard() {
        ResetLogState();
        SetTraceStream(nullptr);
        SetTraceLevel(traceLevel_);
        SetTraceMask(traceMask_);
        MGlobalTime::Instance().Init();
    }
    ProcessStateGuard(const ProcessStateGuard&) = delete;
    ProcessStateGuard& operator=(const ProcessStateGuard&) = delete;

private:
    int traceLevel_;
    int traceMask_;
};

class ProcessStateTest : public ::testing::Test {
private:
    ProcessStateGuard guard_;
};
