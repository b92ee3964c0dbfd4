#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "core/MError.h"
#include "core/MException.h"
#include "support/LogRecorder.h"
#include "support/ProcessStateGuard.h"
#include "support/ScopedEnvironment.h"
#include "support/ScopedTimeZone.h"
#include "support/TraceCapture.h"

namespace {

// Sets USERNAME for the identity built by MErrorInit; the environment and the log are put back
// afterwards.
class LogTest : public ProcessStateTest {
protected:
    void SetUp() override {
        environment_.Set("USERNAME", std::getenv("USERNAME"));
        environment_.Set("USER", std::getenv("USER"));
    }
    std::string Line(int level) { return GetLastLogLine(level); }
    // Lines nobody sees are not built: a receiver makes the records fill.
    void Listen() { ASSERT_EQ(RegisterErrorPublisher(&listener_), nullptr); }

private:
    ScopedEnvironment environment_;
    // Installed only by Listen, so that a test can first see the log without a receiver.
    struct Listener : MPublishErrorBase {
        void Publish(int, const char*) override {}
    } listener_;
};

TEST_F(LogTest, LineCarriesUserLevelIdentityFileLineAndMaskedText) {
    setenv("USERNAME", "jdoe", 1);
    MErrorInit init("KELP", "Korvane", "", "", "host1");
    Listen();
    LogMessage("sock", 405, 3, "connect failed %d\tnow\r\n\x7f\xff!", 10061);
    EXPECT_EQ(Line(3), "jdoe E[KELP]Korvane - sock[0405] connect failed 10061.now....!");

    const struct {
        unsigned line;
        const char* text;
    } numbers[] = {
        {0, "[0000]"}, {42, "[0042]"}, {9999, "[9999]"}, {12345, "[12345]"}, {4000000000u, "[4000000000]"}};
    for (const auto& n : numbers) {
        SCOPED_TRACE(n.line);
        LogMessage("f.cpp", n.line, 6, "x");
        EXPECT_EQ(Line(6), std::string("jdoe I[KELP]Korvane - f.cpp") + n.text + " x");
    }
}

TEST_F(LogTest, EveryLevelHasItsLetterAndRecordsAreSeparate) {
    setenv("USERNAME", "u", 1);
    MErrorInit init("KELP", "Korvane", "", "", "h");
    Listen();
    LogMessage("f", 1, 3, "error line");
    LogMessage("f", 2, 4, "warning line");
    LogMessage("f", 3, 6, "info line");
    EXPECT_EQ(Line(2), "u E[KELP]Korvane - f[0001] error line");
    EXPECT_EQ(Line(4), "u W[KELP]Korvane - f[0002] warning line");
    EXPECT_EQ(Line(6), "u I[KELP]Korvane - f[0003] info line");
    const char letters[] = "XACEWNID";
    for (int level = 0; level < 8; ++level) {
        LogMessage(nullptr, 7, level, nullptr);
        EXPECT_EQ(Line(level), std::string("u ") + letters[level] + "[KELP]Korvane - [0007] ");
    }
}

TEST_F(LogTest, MissingUserNameLeavesABlankAndFallsBackToUser) {
    unsetenv("USERNAME");
    unsetenv("USER");
    Listen();
    {
        MErrorInit init("KELP", "Korvane", "", "", "h");
        LogMessage("f", 1, 6, "m");
        EXPECT_EQ(Line(6), " I[KELP]Korvane - f[0001] m");
    }
    setenv("USER", "linuxname", 1);
    MErrorInit init("KELP", "Korvane", "", "", "h");
    EXPECT_EQ(std::string(GetUserName()), "linuxname");
}

TEST_F(LogTest, LongMessagesAndLongPrefixesAreCutWithinTheRecord) {
    setenv("USERNAME", "jdoe", 1);
    MErrorInit init("KELP", "Korvane", "", "", "h");
    Listen();
    const std::string file(100 - 27,
                           'f');  // prefix "jdoe I[KELP]Korvane - " (22) + "[0001] " (7) - ... = 100
    const std::string message(10000, 'm');
    LogMessage(file.c_str(), 1, 6, "%s", message.c_str());
    const std::string line = Line(6);
    EXPECT_EQ(line.size(), 7999u);
    EXPECT_EQ(line.find('m'), 22 + file.size() + 7);

    // A user-chosen path longer than the record is cut too; the line still ends in the record.
    const std::string hugeFile(9000, 'p');
    LogMessage(hugeFile.c_str(), 1, 6, "text");
    EXPECT_EQ(Line(6).size(), 7999u);

    setenv("USERNAME", std::string(9000, 'u').c_str(), 1);
    MErrorInit longUser("KELP", "Korvane", "", "", "h");
    LogMessage("f", 1, 6, "text");
    EXPECT_LE(Line(6).size(), 7999u);
}

TEST_F(LogTest, ReceiverGetsLevelAndMessageOnlyAndTheFirstStays) {
    setenv("USERNAME", "u", 1);
    MErrorInit init("KELP", "Korvane", "", "", "h");
    LogRecorder first, second;
    ASSERT_TRUE(first.installed);
    EXPECT_FALSE(second.installed);
    EXPECT_EQ(RegisterErrorPublisher(&second), &first);
    LogMessage("f", 1, 4, "low %s\n", "disk");
    ASSERT_EQ(first.messages.size(), 1u);
    EXPECT_EQ(first.messages[0].level, 4);
    EXPECT_EQ(first.messages[0].text, "low disk.");
    EXPECT_TRUE(second.messages.empty());
}

TEST_F(LogTest, DestroyedReceiverUninstallsItself) {
    setenv("USERNAME", "u", 1);
    {
        auto init = std::make_unique<MErrorInit>("KELP", "Korvane", "", "", "h");
        {
            LogRecorder receiver;
            ASSERT_TRUE(receiver.installed);
        }
        // "Logging disabled" goes out after the receiver is gone: nothing is delivered to it, and
        // the next receiver can be installed.
        LogRecorder next;
        EXPECT_TRUE(next.installed);
        init.reset();
        ASSERT_EQ(next.messages.size(), 1u);
        EXPECT_EQ(next.messages[0].text, "Logging disabled in KELP, Korvane on Host h");
        EXPECT_NE(Line(6).find("Logging disabled in KELP, Korvane on Host h"), std::string::npos);
    }
}

TEST_F(LogTest, StartAndEndOfLoggingAreLogged) {
    setenv("USERNAME", "u", 1);
    LogRecorder receiver;
    {
        MErrorInit init("KELP", "Korvane", "", "", "myhost");
        EXPECT_STREQ(GetFrameworkName(), "KELP");
        EXPECT_STREQ(GetApplicationName(), "Korvane");
        EXPECT_STREQ(GetApplicationVersion(), "");
        EXPECT_STREQ(GetHostName(), "myhost");
    }
    ASSERT_EQ(receiver.messages.size(), 2u);
    EXPECT_EQ(receiver.messages[0].level, 6);
    EXPECT_EQ(receiver.messages[0].text, "Logging enabled in KELP, Korvane on Host myhost");
    EXPECT_EQ(receiver.messages[1].text, "Logging disabled in KELP, Korvane on Host myhost");
}

TEST_F(LogTest, PendingNoticeIsLoggedOnceAfterTheNextLineAndNeverAsAFormat) {
    setenv("USERNAME", "u", 1);
    MErrorInit init("KELP", "Korvane", "", "", "h");
    LogRecorder receiver;
    SetPendingLogNotice("killed at 100%s%n");
    LogMessage("f", 1, 3, "first");
    LogMessage("f", 2, 3, "second");
    ASSERT_EQ(receiver.messages.size(), 3u);
    EXPECT_EQ(receiver.messages[0].text, "first");
    EXPECT_EQ(receiver.messages[1].level, 6);
    EXPECT_EQ(receiver.messages[1].text, "killed at 100%s%n");
    EXPECT_EQ(receiver.messages[2].text, "second");
}

TEST_F(LogTest, SettingValuesAreReportedAndPasswordsHidden) {
    setenv("USERNAME", "u", 1);
    MErrorInit init("KELP", "Korvane", "", "", "h");
    LogRecorder receiver;
    LogSettingValue("Xml", "Port", "KVN_PORT", "4000", "1000");
    LogSettingValue("Env", "DbPASSWORD", "KVN_PASSWORD", "secret", "");
    LogSettingValue("Env", "Password", "KVN_Password", "shown", "");
    ASSERT_EQ(receiver.messages.size(), 3u);
    EXPECT_EQ(receiver.messages[0].text, " Xml       [4000]" + std::string(31, ' ') +
                                             " -> EnvVar [KVN_PORT]," + std::string(37, ' ') + " BD [Port]," +
                                             std::string(41, ' ') + " Def. [1000]");
    EXPECT_EQ(receiver.messages[1].text.substr(0, 50), " Env       []" + std::string(35, ' ') + " -");
    EXPECT_EQ(receiver.messages[2].text.substr(0, 18), " Env       [shown]");
    EXPECT_NE(std::string(GetLastLogLine(6)).find("[0000]  Env"), std::string::npos);
}

TEST_F(LogTest, ConsoleSwitchPrintsOneLineInsteadOfDeliveringIt) {
    setenv("USERNAME", "u", 1);
    MErrorInit init("KELP", "Korvane", "", "", "h");
    LogRecorder receiver;
    SetLogConsoleSwitch(true);
    testing::internal::CaptureStdout();
    LogMessage("f", 5, 6, "to console");
    LogMessage("f", 6, 6, "to receiver");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "[TRACE] u I[KELP]Korvane - f[0005] to console\n");
    ASSERT_EQ(receiver.messages.size(), 1u);
    EXPECT_EQ(receiver.messages[0].text, "to receiver");
}

TEST_F(LogTest, SourceNameIsShownWholeInAtLeastNineCharacters) {
    setenv("USERNAME", "u", 1);
    MErrorInit init("KELP", "Korvane", "", "", "h");
    LogRecorder receiver;
    const struct {
        const char* source;
        const char* head;
    } cases[] = {{"", "           ["},
                 {"Env", " Env       ["},
                 {"Default", " Default   ["},
                 {"NineChars", " NineChars ["},
                 {"SixteenCharacter", " SixteenCharacter ["},
                 {"AVeryLongSourceNameOf29Chars.", " AVeryLongSourceNameOf29Chars. ["}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        LogSettingValue(c.source, "Tag", "VAR", "v", "");
        EXPECT_EQ(receiver.messages.back().text.substr(0, std::strlen(c.head) + 2),
                  std::string(c.head) + "v]");
    }
}

TEST_F(LogTest, PasswordValuesAreShownWhileTracing) {
    setenv("USERNAME", "u", 1);
    MErrorInit init("KELP", "Korvane", "", "", "h");
    TraceCapture trace;
    LogRecorder receiver;
    SetTraceLevel(1);
    LogSettingValue("Env", "DbPASSWORD", "KVN_PASSWORD", "secret", "");
    ASSERT_EQ(receiver.messages.size(), 1u);
    EXPECT_EQ(receiver.messages[0].text.substr(0, 19), " Env       [secret]");
}

// Without a receiver, a line goes to the trace stream when the trace is on, after a time stamp
// that only moves when the time-stamp switch is on.
TEST_F(LogTest, WithoutReceiverLinesGoToTheTraceWithTheirTimeStamp) {
    setenv("USERNAME", "u", 1);
    ScopedTimeZone zone(kZoneUtc);
    MErrorInit init("KELP", "Korvane", "", "", "h");
    TraceCapture trace;
    LogMessage("f", 1, 3, "not traced");
    EXPECT_EQ(trace.Text(), "");

    SetTraceLevel(1);
    LogMessage("f", 2, 3, "traced");
    EXPECT_EQ(trace.Text(), "1970/01/01-00:00:00.000000 u E[KELP]Korvane - f[0002] traced\n");

    trace.Clear();
    SetLogTimeStampSwitch(true);
    const time_t before = std::time(nullptr);
    LogMessage("f", 3, 6, "stamped");
    const std::string text = trace.Text();
    ASSERT_GT(text.size(), 26u) << text;
    EXPECT_EQ(text.substr(26), " u I[KELP]Korvane - f[0003] stamped\n");
    std::tm parts{};
    gmtime_r(&before, &parts);
    char date[11];
    std::strftime(date, sizeof date, "%Y/%m/%d", &parts);
    EXPECT_EQ(text.substr(0, 10), date);  // a test run across midnight UTC may see the next day
    EXPECT_EQ(text[10], '-');
    EXPECT_EQ(text[19], '.');
}

TEST_F(LogTest, RaisingAnExceptionIsTracedWhenTheTraceIsOn) {
    TraceCapture trace;
    EXPECT_THROW(ThrowMException(2, "quiet %d", 1), MException);
    EXPECT_EQ(trace.Text(), "");
    SetTraceLevel(1);
    EXPECT_THROW(ThrowMException(2, "Out of bounds %d", 12), MException);
    EXPECT_EQ(trace.Text(), "Raising MException(2,Out of bounds 12)\n");
}

TEST(MException, CarriesCodeAndFormattedText) {
    try {
        ThrowMException(2, "Out of bounds integer value(%ld <= %ld <= %ld)", 0L, 12L, 10L);
        FAIL();
    } catch (const MException& e) {
        EXPECT_EQ(e.GetCode(), 2);
        EXPECT_EQ(e.GetText(), "Out of bounds integer value(0 <= 12 <= 10)");
    }
    const std::string longText(5000, 'x');
    try {
        ThrowMException(1, "%s", longText.c_str());
    } catch (const MException& e) {
        EXPECT_EQ(e.GetText().size(), 2047u);
    }
}

}  // namespace
