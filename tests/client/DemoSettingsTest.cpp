#include <gtest/gtest.h>

#include <QProcess>
#include <memory>

#include "ClientTestSupport.h"
#include "client/TMainForm.h"
#include "core/BaseIniFile.h"
#include "testserver/ClientSettings.h"

using namespace std::chrono_literals;

namespace {

const char kRegistrySection[] = "Software\\KelpTools\\Korvane";

// The test server started as the run script starts it, writing the client's settings for the
// port it listens on; stopped as the script stops it.
class DemoServer {
public:
    DemoServer(const std::string& settingsDirectory, const std::string& configHome) {
        process_.setProgram(QStringLiteral(KORVANE_TEST_SERVER));
        process_.setArguments({"--client-settings", QString::fromStdString(settingsDirectory),
                               "--config-home", QString::fromStdString(configHome)});
        process_.start();
        if (!process_.waitForStarted(5000)) return;
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        port_ = process_.readLine().trimmed().toStdString();
    }
    ~DemoServer() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
    }
    const std::string& Port() const { return port_; }
    std::string RestOfOutput() { return process_.readAll().toStdString(); }

private:
    QProcess process_;
    std::string port_;
};

}  // namespace

TEST(ClientSettingsTest, ParsesServerAddresses) {
    std::vector<testserver::ServerAddress> servers;
    ASSERT_TRUE(testserver::ParseServerAddresses("10.1.2.3:7001,backup.example:7002", servers));
    ASSERT_EQ(servers.size(), 2u);
    EXPECT_EQ(servers[0].host, "10.1.2.3");
    EXPECT_EQ(servers[0].port, "7001");
    EXPECT_EQ(servers[1].host, "backup.example");
    EXPECT_EQ(servers[1].port, "7002");
    for (const char* bad : {"", "host", "host:", ":7001", "host:70a1", "a:1,", "a:1,,b:2"})
        EXPECT_FALSE(testserver::ParseServerAddresses(bad, servers)) << bad;
    EXPECT_EQ(servers.size(), 2u);
}

TEST(ClientSettingsTest, WritesTheSettingsAndTheRegistryStandIn) {
    TestTempDir temp;
    const std::string directory = temp.File("demo");
    std::string error;
    ASSERT_TRUE(testserver::WriteClientSettings(directory, temp.File("config"), {{"127.0.0.1", "40001"}},
                                                true, error))
        << error;
    {
        const BaseIniFile settings(directory + "/Korvane.ini");
        EXPECT_EQ(settings.ReadString("Config", "HostNameList", ""), "127.0.0.1");
        EXPECT_EQ(settings.ReadString("Config", "PortList", ""), "40001");
        EXPECT_EQ(settings.ReadString("Config", "EncryptionKey", ""), "0123456789abcdef");
        EXPECT_EQ(settings.ReadString("Config", "WorkingDir", ""), directory + "/work/");
        EXPECT_TRUE(std::filesystem::is_directory(directory + "/work"));
        const BaseIniFile registry(temp.File("config/KelpTools/Korvane.reg"));
        EXPECT_EQ(registry.ReadString(kRegistrySection, "IniFile", ""), directory);
    }
    // The keys the client writes are kept; only the servers are rewritten.
    {
        BaseIniFile settings(directory + "/Korvane.ini");
        settings.WriteString("Config", "EncryptionKey", "fedcba9876543210");
        settings.WriteString("Config", "DefaultWorkspace", "daily.wrk");
        settings.WriteString("Config", "WorkingDir", "/elsewhere/");
    }
    ASSERT_TRUE(testserver::WriteClientSettings(directory, temp.File("config"),
                                                {{"10.0.0.1", "7001"}, {"10.0.0.2", "7002"}}, true, error));
    const BaseIniFile settings(directory + "/Korvane.ini");
    EXPECT_EQ(settings.ReadString("Config", "HostNameList", ""), "10.0.0.1,10.0.0.2");
    EXPECT_EQ(settings.ReadString("Config", "PortList", ""), "7001,7002");
    EXPECT_EQ(settings.ReadString("Config", "EncryptionKey", ""), "fedcba9876543210");
    EXPECT_EQ(settings.ReadString("Config", "DefaultWorkspace", ""), "daily.wrk");
    EXPECT_EQ(settings.ReadString("Config", "WorkingDir", ""), "/elsewhere/");
}

TEST(ClientSettingsTest, ARealServerGetsNoDemoKey) {
    TestTempDir temp;
    std::string error;
    ASSERT_TRUE(testserver::WriteClientSettings(temp.File("server"), temp.File("config"),
                                                {{"10.0.0.1", "7001"}}, false, error));
    const BaseIniFile settings(temp.File("server/Korvane.ini"));
    EXPECT_EQ(settings.ReadString("Config", "EncryptionKey", "none"), "none");
    EXPECT_EQ(settings.ReadString("Config", "PortList", ""), "7001");
}

TEST(ClientSettingsTest, UnwritableDirectoryIsReported) {
    TestTempDir temp;
    TestTempDir::Write(temp.File("file"), "x");
    std::string error;
    EXPECT_FALSE(testserver::WriteClientSettings(temp.File("file/demo"), temp.File("config"), {{"h", "1"}},
                                                 true, error));
    EXPECT_FALSE(error.empty());
}

// What the run script gives a newcomer: the server's one command writes the settings, and the
// client finds them through the registry stand-in alone.
TEST(ClientSettingsTest, TheServersOneCommandGivesTheClientItsSettings) {
    ClientEnvironment environment;
    DemoServer server(environment.File("demo"), environment.ConfigHome());
    ASSERT_FALSE(server.Port().empty());
    const auto form = std::make_unique<TMainForm>();
    form->ProcessTimer().SetEnabled(false);
    EXPECT_EQ(form->SettingsFilePath(), environment.File("demo") + "/Korvane.ini");
    EXPECT_EQ(form->EncryptionKey(), "0123456789abcdef");
    EXPECT_EQ(form->SettingsFile()->ReadString("Config", "PortList", ""), server.Port());
    // Logs in as the Login action will, and reaches a ready session: the server's acknowledgment
    // seeded the sequence counter (the component notice took the next number) and gave the days
    // to expiry and the user type of its demo user.
    form->ProcessTimer().SetEnabled(true);
    form->Session().ProcessTimer = &form->ProcessTimer();
    form->Session().Login("part", "secret");
    EXPECT_TRUE(RunUntil([&] { return form->Session().IsReady() && !form->ReloadWorkspace(); }, 10000ms));
    EXPECT_EQ(form->Session().SequenceCounter, 1001u);
    EXPECT_EQ(form->Session().DaysToPasswordExpiry, "0030");
    EXPECT_TRUE(form->Session().UserTypeP);
    // The demo data: two firms' client and master accounts, and positions on two client accounts.
    EXPECT_EQ(form->Session().Accounts.Records.size(), 5u);
    EXPECT_EQ(form->Session().Positions.Records.size(), 2u);
}
