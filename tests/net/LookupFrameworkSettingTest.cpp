#include <gtest/gtest.h>

#include <cstdlib>

#include "core/MXmlCfgParser.h"
#include "core/SettingsUsed.h"
#include "net/LookupFrameworkSetting.h"
#include "support/LogRecorder.h"

namespace {
constexpr const char* kName = "KORVANE_NET_TEST_SETTING";

// Restores the configuration and the environment variable of the test setting.
class SettingScope {
public:
    SettingScope() : saved_(GetXmlCfgParser()) { unsetenv(kName); }
    ~SettingScope() {
        GetXmlCfgParser() = saved_;
        unsetenv(kName);
    }

private:
    MXmlCfgParser saved_;
};
}  // namespace

TEST(LookupFrameworkSettingTest, TakesTheTagElseTheVariableElseTheDefault) {
    SettingScope scope;
    struct Case {
        const char* tag;  // null: no tag
        const char* env;  // null: unset
        const char* value;
        const char* source;
    };
    const Case cases[] = {
        {"fromXml", "fromEnv", "fromXml", "Xml"},
        {"", "fromEnv", "fromEnv", "Env"},
        {nullptr, "", "", "Env"},
        {nullptr, nullptr, "def", "Default"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        GetXmlCfgParser().Clear();
        if (c.tag) GetXmlCfgParser().AddTag({kName, c.tag, {}});
        if (c.env) {
            setenv(kName, c.env, 1);
        } else {
            unsetenv(kName);
        }
        LogRecorder log;
        EXPECT_EQ(LookupFrameworkSetting(kName, "def", true), c.value);
        ASSERT_EQ(log.messages.size(), 1u);
        EXPECT_EQ(log.messages[0].level, 6);
        EXPECT_EQ(log.messages[0].text.rfind(" " + std::string(c.source), 0), 0u) << log.messages[0].text;
        EXPECT_NE(log.messages[0].text.find("[" + std::string(c.value) + "]"), std::string::npos);
        EXPECT_NE(log.messages[0].text.find("Def. [def]"), std::string::npos);
        ASSERT_FALSE(GetSettingsUsed().empty());
        EXPECT_EQ(GetSettingsUsed().back(), std::string(kName) + "[" + c.value + "]");
    }
}

TEST(LookupFrameworkSettingTest, WithoutTheReportFlagNothingIsLoggedOrRecorded) {
    SettingScope scope;
    const std::size_t recorded = GetSettingsUsed().size();
    LogRecorder log;
    EXPECT_EQ(LookupFrameworkSetting(kName, "quiet", false), "quiet");
    EXPECT_TRUE(log.messages.empty());
    EXPECT_EQ(GetSettingsUsed().size(), recorded);
}
