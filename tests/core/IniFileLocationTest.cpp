#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "core/IniFileLocation.h"
#include "core/RegistryReader.h"
#include "support/TestTempDir.h"

namespace {

// Sets an environment variable for the test's length and puts the old value back.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~EnvironmentVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class LocateIniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(executable);
        SetExecutableDirectory(executable + "/");
    }
    void TearDown() override { SetExecutableDirectory(""); }

    void WriteRegistry(const std::string& text) {
        std::filesystem::create_directories(dir.File("config/KelpTools"));
        TestTempDir::Write(dir.File("config/KelpTools/Korvane.reg"), text);
    }
    bool Locate(std::string& path) { return LocateIniFile("Korvane", "Korvane.ini", path, "IniFile"); }

    TestTempDir dir;
    std::string executable = dir.File("bin");
    EnvironmentVariable config{"XDG_CONFIG_HOME", dir.File("config")};
};

TEST_F(LocateIniFileTest, AFileBesideTheExecutableWins) {
    TestTempDir::Write(executable + "/Korvane.ini", "");
    std::filesystem::create_directory(dir.File("cfg"));
    TestTempDir::Write(dir.File("cfg/Korvane.ini"), "");
    WriteRegistry("[Software\\KelpTools\\Korvane]\nIniFile=" + dir.File("cfg") + "\n");
    std::string path = "stale";
    EXPECT_TRUE(Locate(path));
    EXPECT_EQ(path, executable + "/Korvane.ini");
}

TEST_F(LocateIniFileTest, TheRegistryNamesTheDirectory) {
    std::filesystem::create_directory(dir.File("cfg"));
    TestTempDir::Write(dir.File("cfg/Korvane.ini"), "");
    for (const std::string& value : {dir.File("cfg"), dir.File("cfg") + "/"}) {
        SCOPED_TRACE(value);
        WriteRegistry("[Other]\nIniFile=/nowhere\n\n[software\\kelptools\\korvane]\r\nInifile=" + value +
                      "\r\n");
        std::string path;
        EXPECT_TRUE(Locate(path));
        EXPECT_EQ(path, dir.File("cfg/Korvane.ini"));
    }
}

TEST_F(LocateIniFileTest, EachFailureLeavesItsCandidate) {
    const struct {
        const char* name;
        const char* registry;  // null: no registry file
        std::string path;
    } cases[] = {
        {"no registry file", nullptr, executable + "/Korvane.ini"},
        {"key absent", "[Software\\KelpTools\\Other]\nIniFile=/cfg\n", executable + "/Korvane.ini"},
        {"value absent", "[Software\\KelpTools\\Korvane]\nOther=/cfg\n", ""},
        {"value empty", "[Software\\KelpTools\\Korvane]\nIniFile=\n", ""},
        {"no file in the directory", "[Software\\KelpTools\\Korvane]\nIniFile=/nonexistent/cfg\n",
         "/nonexistent/cfg/Korvane.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dir.File("config"));
        if (c.registry) WriteRegistry(c.registry);
        std::string path = "stale";
        EXPECT_FALSE(Locate(path));
        EXPECT_EQ(path, c.path);
    }
}

TEST_F(LocateIniFileTest, ADirectoryNamedLikeTheFileDoesNotCount) {
    std::filesystem::create_directory(executable + "/Korvane.ini");
    std::string path;
    EXPECT_FALSE(Locate(path));
    EXPECT_EQ(path, executable + "/Korvane.ini");
}

TEST(RegistryReader, FallsBackToTheHomeConfiguration) {
    TestTempDir dir;
    EnvironmentVariable config("XDG_CONFIG_HOME", "");
    EnvironmentVariable home("HOME", dir.Path());
    EXPECT_EQ(RegistryReader::GetRegistryFileName(), dir.Path() + "/.config/KelpTools/Korvane.reg");
    RegistryReader registry;
    EXPECT_FALSE(registry.OpenKey("\\Software\\KelpTools\\Korvane"));
    EXPECT_EQ(registry.ReadString("IniFile"), "");
}

TEST(GetExecutableDirectory, IsTheDirectoryOfTheRunningProgram) {
    const std::string directory = GetExecutableDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '/');
    EXPECT_TRUE(std::filesystem::is_regular_file(directory + "core_tests"));
}

}  // namespace
