#pragma once
// Runs a whole test program on the real clock, whatever VARN_* test-clock settings the calling
// environment has: they are removed (and the test clock re-read) before the first test and put
// back after the last. Included by the clock tests of every test program; registered once.
#include <gtest/gtest.h>

#include <memory>

#include "core/MGlobalTime.h"
#include "support/ScopedEnvironment.h"

class PlainTestClock : public ::testing::Environment {
public:
    void SetUp() override {
        environment_ = std::make_unique<ScopedEnvironment>();
        for (const char* name : {"VARN_EXEC_MODE", "VARN_TIME_OVERWRITE_DATE", "VARN_DELTA_TIME_SECONDS",
                                 "VARN_DELTA_TIME_DAYS", "VARN_TIME_SPEED", "VARN_TIME_SPEED_REFERENCE"}) {
            environment_->Set(name, nullptr);
        }
        MGlobalTime::Instance().Init();
    }
    void TearDown() override {
        environment_.reset();
        MGlobalTime::Instance().Init();
    }

private:
    std::unique_ptr<ScopedEnvironment> environment_;
};

inline ::testing::Environment* const kPlainTestClock =
    ::testing::AddGlobalTestEnvironment(new PlainTestClock);
