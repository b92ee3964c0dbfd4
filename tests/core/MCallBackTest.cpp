#include <gtest/gtest.h>

#include "core/MCallBack.h"
#include "support/LogRecorder.h"
#include "support/TraceCapture.h"

namespace {

class NoTarget : public MCallBack<const char*> {};

class Target : public MCallBack<const char*> {
public:
    bool Execute(const char* argument) override {
        last = argument;
        return true;
    }
    std::string last;
};

TEST(MCallBack, WithoutTargetLogsEachCallAndAnswersFalse) {
    LogRecorder log;
    NoTarget callBack;
    MCallBack<const char*>& base = callBack;
    EXPECT_FALSE(base.Execute("Master"));
    EXPECT_FALSE(base.Execute("Slave"));
    ASSERT_EQ(log.messages.size(), 2u);
    for (const LoggedMessage& m : log.messages) {
        EXPECT_EQ(m.level, 3);
        EXPECT_EQ(m.text, "Try to execute a non defined CallBack");
    }

    Target target;
    MCallBack<const char*>& defined = target;
    EXPECT_TRUE(defined.Execute("Master"));
    EXPECT_EQ(target.last, "Master");
    EXPECT_EQ(log.messages.size(), 2u);
}

}  // namespace
