#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>

#include "ClientTestSupport.h"
#include "client/ClientProgram.h"
#include "client/TMainForm.h"
#include "core/ProcessClock.h"
#include "support/LogRecorder.h"
#include "support/ProcessStateGuard.h"

// The program's run fills the far-future time limits for good: its own process.
TEST(ClientProgramFreshProcess, LogsItsStartAndEndAndReturnsZeroAfterTheMainWindowClosed) {
    ProcessStateGuard state;
    ClientEnvironment environment;
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    int exitCode = -1;
    std::string host;
    TMainForm* shown = nullptr;
    {
        ClientProgram program;
        host = program.HostName();
        EXPECT_TRUE(log.Has(6, "Logging enabled in KELP, Korvane on Host " + host));
        EXPECT_EQ(GetMaxDateCount(), GetMaxDateTimeCount() - 5LL * 3600 * 1'000'000'000);
        QTimer::singleShot(100, [&] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* form = dynamic_cast<TMainForm*>(window); form && form->isVisible()) shown = form;
            if (shown) {
                EXPECT_EQ(QApplication::applicationName().toStdString(), "Korvane");
                shown->close();
            }
        });
        exitCode = program.Run();
        EXPECT_FALSE(log.Has(6, "Logging disabled in"));
    }
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(log.Has(6, "Logging disabled in KELP, Korvane on Host " + host));
}

TEST(ClientProgramFreshProcess, HostWithoutANameStartsWithAnEmptyHost) {
    ProcessStateGuard state;
    ClientEnvironment environment;
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    {
        ClientProgram program("");
        QTimer::singleShot(50, [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (dynamic_cast<TMainForm*>(window) && window->isVisible()) window->close();
        });
        EXPECT_EQ(program.Run(), 0);
    }
    std::vector<std::string> texts;
    for (const LoggedMessage& message : log.messages) texts.push_back(message.text);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Logging enabled in KELP, Korvane on Host "),
              texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Logging disabled in KELP, Korvane on Host "),
              texts.end());
}
