#include <gtest/gtest.h>

#include <string>

#include "core/ArgumentUsage.h"
#include "core/MBaseArgument.h"
#include "core/SettingsUsed.h"
#include "support/LogRecorder.h"
#include "support/TraceCapture.h"

namespace {

class ArgumentUsageTest : public ::testing::Test {
protected:
    void TearDown() override { SetUsageText(""); }
};

TEST_F(ArgumentUsageTest, PrintsSynopsisDetailsAndXmlTemplateSortedByLetter) {
    MBaseArgument verbose('v', "verbose level", false, true);
    MBaseArgument file('f', "file name", true, false);
    MBaseArgument logDir(' ', "log dir", false, true);
    MBaseArgument exchange('e', "exchange", false, false);
    MBaseArgument retries('R', "retry count", true, true);

    testing::internal::CaptureStdout();
    PrintUsage(false, false, "KorvaneCfg", "Unknown option %c (%d)", 'z', 7);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed,
              "\nUnknown option z (7)\nKorvaneCfg"
              " -R value [-e] -f [-v value]"
              "\nXML : LOG_DIR"
              "\n-R: retry count"
              "\n-e: exchange"
              "\n-f: file name"
              "\n-v: verbose level"
              "\n-h: Display help\n\n"
              "\n<KorvaneCfg>\n\n"
              "   <LOG_DIR></LOG_DIR>\n"
              "   <FILE_NAME></FILE_NAME>\n"
              "   <VERBOSE_LEVEL></VERBOSE_LEVEL>\n"
              "\n</KorvaneCfg>\n");
}

TEST_F(ArgumentUsageTest, UsageTextLogAndCutMessage) {
    MBaseArgument file('f', "file", true, false);
    SetUsageText("Korvane -f file");
    LogRecorder log;
    testing::internal::CaptureStdout();
    PrintUsage(true, false, "R", "%s", "50%d done");
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed,
              "\n50%d done\nR -f\n-f: file\n-h: Display help\n\nUSAGE:\nKorvane -f file\n\n"
              "\n<R>\n\n   <FILE></FILE>\n\n</R>\n");
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].level, 2);
    EXPECT_EQ(log.messages[0].text, "50%d done");  // the message is never taken as a format

    testing::internal::CaptureStdout();
    PrintUsage(false, false, "R", "%s", std::string(2000, 'm').c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout().rfind("\n" + std::string(999, 'm') + "\nR -f", 0), 0u);
}

TEST_F(ArgumentUsageTest, ExitEndsTheProcessWithCodeOne) {
    EXPECT_EXIT(PrintUsage(false, true, "R", "bad"), testing::ExitedWithCode(1), "");
}

TEST(SettingsUsed, RecordsEntriesAndSummary) {
    ClearSettingsUsed();
    RecordSettingUsed("Port", "7000");
    RecordSettingUsed("Host", "h1");
    RecordSettingUsed("Empty", nullptr);
    EXPECT_EQ(GetSettingsUsedText(), "Port[7000],Host[h1],Empty[],");
    EXPECT_EQ(GetSettingsUsed(), (std::vector<std::string>{"Port[7000]", "Host[h1]", "Empty[]"}));
    ClearSettingsUsed();
}

}  // namespace
