#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "core/MError.h"
#include "fields/MGUIPublishError.h"
#include "support/ProcessStateGuard.h"
#include "support/TimeTestSupport.h"

namespace {

TEST(MGUIPublishError, LinesCarryTheFrozenTimeAndTheLevelName) {
    ScopedTimeZone tz(kZoneNewYork);
    ScopedNow now(LocalCount(2021, 3, 4, 14, 10, 0));
    struct Case {
        int level;
        const char* line;
    };
    const Case cases[] = {
        {0, "2021/03/04 14:10:00.000 - []message"},         {1, "2021/03/04 14:10:00.000 - []message"},
        {2, "2021/03/04 14:10:00.000 - [CRITICAL]message"}, {3, "2021/03/04 14:10:00.000 - [ERROR]message"},
        {4, "2021/03/04 14:10:00.000 - [WARNING]message"},  {5, "2021/03/04 14:10:00.000 - []message"},
        {6, "2021/03/04 14:10:00.000 - [INFO]message"},     {7, "2021/03/04 14:10:00.000 - []message"},
    };
    MGUIPublishError publisher;
    for (const Case& c : cases) publisher.Publish(c.level, "message");
    publisher.Publish(3, nullptr);
    GUIErrorDetailsVector errors;
    publisher.TakeErrors(errors);
    ASSERT_EQ(errors.size(), 9u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(errors.At(i).GetLevel(), cases[i].level);
        EXPECT_STREQ(errors.At(i).GetText(), cases[i].line);
    }
    EXPECT_STREQ(errors.At(8).GetText(), "2021/03/04 14:10:00.000 - [ERROR]");
}

TEST(MGUIPublishError, TakeErrorsAppendsAndEmpties) {
    MGUIPublishError publisher;
    publisher.Publish(3, "first");
    publisher.Publish(4, "second");
    GUIErrorDetailsVector errors;
    errors.emplace_back(6, "kept");
    publisher.TakeErrors(errors);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_STREQ(errors.At(0).GetText(), "kept");
    EXPECT_EQ(std::string(errors.At(1).GetText()).substr(23), " - [ERROR]first");
    EXPECT_EQ(std::string(errors.At(2).GetText()).substr(23), " - [WARNING]second");
    publisher.TakeErrors(errors);
    EXPECT_EQ(errors.size(), 3u);
    publisher.Publish(6, "third");
    GUIErrorDetailsVector more;
    publisher.TakeErrors(more);
    ASSERT_EQ(more.size(), 1u);
    EXPECT_EQ(std::string(more.At(0).GetText()).substr(23), " - [INFO]third");
    EXPECT_THROW(more.At(1), std::out_of_range);
}

// As the GUI event manager does: installed as the receiver of the log call, it collects every
// logged message (masked text, no prefix) until it is destroyed.
TEST(MGUIPublishError, InstalledAsTheReceiverOfTheLogCall) {
    ProcessStateGuard logState;
    ScopedTimeZone tz(kZoneUtc);
    ScopedNow now(LocalCount(2021, 3, 4, 5, 6, 7, 89));
    MErrorInit init("KELP", "Korvane", "", "", "h");  // sets up the masking of the log call
    GUIErrorDetailsVector errors;
    {
        MGUIPublishError publisher;
        ASSERT_EQ(RegisterErrorPublisher(&publisher), nullptr);
        MGUIPublishError second;
        EXPECT_EQ(RegisterErrorPublisher(&second), &publisher);
        MLOG(LOG_ERROR, "disk %s", "full");
        MLOG(LOG_NOTICE, "tab\there");
        publisher.TakeErrors(errors);
        GUIErrorDetailsVector none;
        second.TakeErrors(none);
        EXPECT_TRUE(none.empty());
    }
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors.At(0).GetLevel(), LOG_ERROR);
    EXPECT_STREQ(errors.At(0).GetText(), "2021/03/04 05:06:07.089 - [ERROR]disk full");
    EXPECT_STREQ(errors.At(1).GetText(), "2021/03/04 05:06:07.089 - []tab.here");
    // Destroyed, it is no longer the receiver: the next one installs.
    MGUIPublishError next;
    EXPECT_EQ(RegisterErrorPublisher(&next), nullptr);
}

}  // namespace

namespace {

// The CSV export logs from its own thread: the message is kept in order and dated when the GUI
// thread takes it, not by reading the clock on the export thread.
TEST(MGUIPublishError, MessagesFromAnotherThreadAreDatedWhenTaken) {
    ScopedTimeZone tz(kZoneUtc);
    ScopedNow now(LocalCount(2022, 1, 2, 3, 4, 5, 600));
    MGUIPublishError publisher;
    publisher.Publish(6, "before");
    std::thread([&] {
        for (int i = 0; i < 100; ++i) publisher.Publish(3, "export failed");
    }).join();
    publisher.Publish(4, "after");
    GUIErrorDetailsVector errors;
    publisher.TakeErrors(errors);
    ASSERT_EQ(errors.size(), 102u);
    EXPECT_STREQ(errors.At(0).GetText(), "2022/01/02 03:04:05.600 - [INFO]before");
    EXPECT_STREQ(errors.At(1).GetText(), "2022/01/02 03:04:05.600 - [ERROR]export failed");
    EXPECT_STREQ(errors.At(100).GetText(), "2022/01/02 03:04:05.600 - [ERROR]export failed");
    EXPECT_STREQ(errors.At(101).GetText(), "2022/01/02 03:04:05.600 - [WARNING]after");
}

}  // namespace
