#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/BaseIniFile.h"
#include "core/MError.h"
#include "support/LogRecorder.h"
#include "support/TestTempDir.h"

namespace {

class BaseIniFileTest : public ::testing::Test {
protected:
    // A file holding one value, read back through a fresh object.
    std::unique_ptr<BaseIniFile> WithValue(const std::string& value) {
        TestTempDir::Write(path, "[S]\nK=" + value + "\n");
        return std::make_unique<BaseIniFile>(path);
    }

    TestTempDir dir;
    std::string path = dir.File("Korvane.ini");
};

TEST_F(BaseIniFileTest, TypedValuesSurviveTheWriteBack) {
    {
        BaseIniFile ini(path);
        ini.WriteString("Config", "WorkingDir", " /home/user/work ");
        ini.WriteString("Config", "Empty", "");
        ini.WriteInteger("Grid", "Low", INT32_MIN);
        ini.WriteInteger("Grid", "High", INT32_MAX);
        ini.WriteInteger("Grid", "Zero", 0);
        ini.WriteBool("Grid", "Bold", true);
        ini.WriteBool("Grid", "Italic", false);
        EXPECT_EQ(ini.ReadInteger("Grid", "Low", 5), INT32_MIN);  // the object reads its own writes
    }
    EXPECT_EQ(TestTempDir::Read(path),
              "[Config]\nWorkingDir= /home/user/work \nEmpty=\n\n"
              "[Grid]\nLow=-2147483648\nHigh=2147483647\nZero=0\nBold=1\nItalic=0\n\n");

    BaseIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Config", "WorkingDir", "x"), " /home/user/work ");
    EXPECT_EQ(ini.ReadString("Config", "Empty", "x"), "");
    EXPECT_EQ(ini.ReadString("Config", "Missing", "x"), "x");
    EXPECT_EQ(ini.ReadString("Nowhere", "WorkingDir", "x"), "x");
    EXPECT_EQ(ini.ReadString("CONFIG", "workingdir", "x"), " /home/user/work ");  // names ignore case
    EXPECT_EQ(ini.ReadInteger("Grid", "Low", 5), INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("Grid", "High", 5), INT32_MAX);
    EXPECT_EQ(ini.ReadInteger("Grid", "Zero", 5), 0);
    EXPECT_TRUE(ini.ReadBool("Grid", "Bold", false));
    EXPECT_FALSE(ini.ReadBool("Grid", "Italic", true));
    EXPECT_TRUE(ini.ReadBool("Grid", "Missing", true));
    EXPECT_TRUE(ini.SectionExists("grid"));
    EXPECT_FALSE(ini.SectionExists("Other"));

    std::vector<std::string> list{"stale"};
    ini.ReadSection("Grid", list);
    EXPECT_EQ(list, (std::vector<std::string>{"Low", "High", "Zero", "Bold", "Italic"}));
    ini.ReadSectionValues("Config", list);
    EXPECT_EQ(list, (std::vector<std::string>{"WorkingDir= /home/user/work ", "Empty="}));
    ini.ReadSection("Other", list);
    EXPECT_TRUE(list.empty());
}

TEST_F(BaseIniFileTest, IntegerTextsAndTheirDefaults) {
    const struct {
        const char* text;
        int32_t integer;  // ReadInteger with default 99
        bool flag;        // ReadBool with default true
    } cases[] = {{"42", 42, true},
                 {"-7", -7, true},
                 {"+3", 3, true},
                 {"0x1F", 31, true},
                 {"0XfF", 255, true},
                 {"0", 0, false},
                 {"abc", 99, true},
                 {"", 99, true},
                 {"12abc", 99, true},
                 {"2147483648", 99, true},
                 {"-2147483648", INT32_MIN, true},
                 {"0x", 99, true},
                 {"true", 99, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto ini = WithValue(c.text);
        EXPECT_EQ(ini->ReadInteger("S", "K", 99), c.integer);
        EXPECT_EQ(ini->ReadBool("S", "K", true), c.flag);
    }
}

TEST_F(BaseIniFileTest, ReadsLfAndCrlfAndLeavesAFileThatWasOnlyReadAsItWas) {
    const std::string original = "; settings\r\n[Config]\r\nHostNameList = a,b\r\n\r\n[Grid]\nRowHeight=30\n";
    TestTempDir::Write(path, original);
    {
        BaseIniFile ini(path);
        EXPECT_EQ(ini.ReadString("Config", "HostNameList", ""), " a,b");
        EXPECT_EQ(ini.ReadInteger("Grid", "RowHeight", 24), 30);
    }
    EXPECT_EQ(TestTempDir::Read(path), original);

    {
        BaseIniFile ini(path);
        ini.DeleteKey("Config", "NoSuchKey");  // still counts as a change: the file is rewritten
    }
    EXPECT_EQ(TestTempDir::Read(path), original);  // with every line as it was
}

TEST_F(BaseIniFileTest, WritesNothingWithoutAFileName) {
    { BaseIniFile ini(path); }  // a missing file that was only read is not created
    EXPECT_FALSE(std::filesystem::exists(path));
    {
        BaseIniFile ini("");
        ini.WriteString("Config", "Key", "value");
        EXPECT_EQ(ini.ReadString("Config", "Key", ""), "value");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST_F(BaseIniFileTest, DeleteKeyKeepsTheOtherKeys) {
    TestTempDir::Write(path, "[S]\nA=1\nB=2\nC=3\n");
    {
        BaseIniFile ini(path);
        ini.DeleteKey("s", "b");
        EXPECT_EQ(ini.ReadString("S", "B", "gone"), "gone");
    }
    EXPECT_EQ(TestTempDir::Read(path), "[S]\nA=1\nC=3\n");
}

TEST_F(BaseIniFileTest, AValueCannotAddLinesToTheFile) {
    {
        BaseIniFile ini(path);
        ini.WriteString("S", "Title", "one\n[Other]\r\nX=1");
    }
    EXPECT_EQ(TestTempDir::Read(path), "[S]\nTitle=one [Other]  X=1\n\n");
}

TEST_F(BaseIniFileTest, ReadCountGivesTwentyForMissingOrBadValues) {
    const struct {
        const char* value;  // null: key absent
        int32_t count;
    } cases[] = {{nullptr, 20}, {"", 20}, {"abc", 20}, {"0", 0}, {"7", 7}, {"-3", -3}, {"99999999999", 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(absent)");
        BaseIniFile ini("");
        if (c.value) ini.WriteString("S", "ListCount", c.value);
        EXPECT_EQ(ini.ReadCount("S", "ListCount"), c.count);
    }
}

TEST_F(BaseIniFileTest, ReadKeyListSplitsAtEachSeparator) {
    const struct {
        const char* value;
        const char* separator;
        std::vector<std::string> keys;
    } cases[] = {
        {"a;b;c", ";", {"a", "b", "c"}},
        {"a;b;", ";", {"a", "b"}},
        {"a;;b", ";", {"a", "", "b"}},
        {";", ";", {""}},
        {"x,y", ",", {"x", "y"}},
        {"single", ";", {"single"}},
        {"a::b::", "::", {"a", "b"}},
        {"a;;;b", ";;", {"a", ";b"}},
        {"a;b", "", {"a;b"}},
        {"", ";", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.value) + " / " + c.separator);
        BaseIniFile ini("");
        ini.WriteString("S", "K", c.value);
        KeyDataVector list{KeyData("stale")};
        ini.ReadKeyList("S", "K", c.separator, list);
        std::vector<std::string> keys;
        for (const KeyData& entry : list) keys.push_back(entry.Key);
        EXPECT_EQ(keys, c.keys);
    }
}

TEST_F(BaseIniFileTest, ReadKey1ValueListReadsWholeEntries) {
    const struct {
        const char* value;
        std::vector<std::pair<std::string, std::string>> entries;
    } cases[] = {
        {"Name(Up);Date(Down);", {{"Name", "Up"}, {"Date", "Down"}}},
        {"k1(1);k2(2)", {{"k1", "1"}}},
        {"k1(1);k2(2);", {{"k1", "1"}, {"k2", "2"}}},
        {"k();", {{"k", ""}}},
        {"k1(1);junk;k2(2);",
         {{"k1", "1"}, {"junk;k2", "2"}, {"k2", "2"}}},  // each mark is searched on its own
        // A closer before its opener gives that entry an empty value; reading goes on.
        {"a)b(;c(2);", {{"a)b", ""}, {"c", "2"}}},
        {")(;", {{")", ""}}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        BaseIniFile ini("");
        ini.WriteString("S", "Sort", c.value);
        Key1ValueDataVector list{Key1ValueData("stale", "x")};
        ini.ReadKey1ValueList("S", "Sort", list, ";", "(", ")");
        std::vector<std::pair<std::string, std::string>> entries;
        for (const Key1ValueData& entry : list) entries.emplace_back(entry.Key, entry.Value);
        EXPECT_EQ(entries, c.entries);
    }
}

TEST_F(BaseIniFileTest, ReadKey2ValueListStopsAtAnEntryWithoutValueSeparator) {
    const struct {
        const char* value;
        std::vector<std::vector<std::string>> entries;
    } cases[] = {
        {"k1(1,2);k2(3);k3(4,5);", {{"k1", "1", "2"}}},
        {"Name(0,80);Date(1,120);", {{"Name", "0", "80"}, {"Date", "1", "120"}}},
        {"k(,);", {{"k", "", ""}}},
        {"k(1,2,3);", {{"k", "1", "2,3"}}},
        {"k1(1,2);k2(3,4)", {{"k1", "1", "2"}}},
        {"a)b(1,2;", {}},  // closer first: no inner text, so no value separator
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        BaseIniFile ini("");
        ini.WriteString("S", "ColumnOptions", c.value);
        Key2ValueDataVector list{Key2ValueData("stale", "x", "y")};
        ini.ReadKey2ValueList("S", "ColumnOptions", list, ";", "(", ",", ")");
        std::vector<std::vector<std::string>> entries;
        for (const Key2ValueData& entry : list)
            entries.push_back({entry.Key, entry.Value, entry.SecondValue});
        EXPECT_EQ(entries, c.entries);
    }
}

TEST_F(BaseIniFileTest, ObjectsOnOneFileKeepEachOthersChanges) {
    TestTempDir::Write(path, "[Config]\nDefaultWorkspace=a.wrk\nOld=1\nKeep=1\n");
    auto mainWindow = std::make_unique<BaseIniFile>(path);  // open for the whole test
    mainWindow->WriteString("Window1", "Title", "Accounts");
    mainWindow->DeleteKey("Config", "Old");
    {
        BaseIniFile workspaces(path);  // short-lived: writes at once
        workspaces.DeleteKey("Config", "DefaultWorkspace");
        workspaces.WriteString("Config", "WorkingDir", "/work");
    }
    {
        BaseIniFile connection(path);  // only reads
        EXPECT_EQ(connection.ReadString("Config", "WorkingDir", ""), "/work");
    }
    EXPECT_EQ(mainWindow->ReadString("Config", "DefaultWorkspace", ""), "a.wrk");  // its own copy
    mainWindow->WriteString("Config", "Keep", "2");
    mainWindow.reset();
    EXPECT_EQ(TestTempDir::Read(path), "[Config]\nKeep=2\nWorkingDir=/work\n\n[Window1]\nTitle=Accounts\n\n");
}

TEST_F(BaseIniFileTest, AKeyWrittenAfterItsDeletionIsKept) {
    {
        BaseIniFile ini(path);
        ini.WriteString("S", "A", "1");
        ini.DeleteKey("S", "A");
        ini.WriteString("S", "B", "2");
        ini.DeleteKey("S", "B");
        ini.WriteString("S", "B", "3");
    }
    EXPECT_EQ(TestTempDir::Read(path), "[S]\nB=3\n\n");
}

TEST_F(BaseIniFileTest, AFailedWriteBackIsLoggedAndLosesNothing) {
    LogRecorder receiver;
    ASSERT_TRUE(receiver.installed);

    const std::string inMissingDirectory = dir.File("missing/Korvane.ini");
    {
        BaseIniFile ini(inMissingDirectory);
        ini.WriteString("S", "K", "v");
    }  // must not throw
    EXPECT_FALSE(std::filesystem::exists(inMissingDirectory));
    ASSERT_EQ(receiver.messages.size(), 1u);
    EXPECT_EQ(receiver.messages[0].level, LOG_ERROR);
    EXPECT_EQ(receiver.messages[0].text.find("Unable to write the file " + inMissingDirectory), 0u)
        << receiver.messages[0].text;

    // A path that cannot be read (a directory) is neither loaded nor replaced.
    receiver.messages.clear();
    const std::string directory = dir.File("sub");
    std::filesystem::create_directory(directory);
    TestTempDir::Write(directory + "/inside", "x");
    {
        BaseIniFile ini(directory);
        ini.WriteString("S", "K", "v");
    }
    EXPECT_TRUE(std::filesystem::is_directory(directory));
    EXPECT_EQ(TestTempDir::Read(directory + "/inside"), "x");
    ASSERT_EQ(receiver.messages.size(), 2u);
    EXPECT_EQ(receiver.messages[0].level, LOG_ERROR);
    EXPECT_EQ(receiver.messages[1].level, LOG_ERROR);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);  // no temporary left
}

TEST_F(BaseIniFileTest, FlushWritesBackNowAndReportsWhetherTheFileHoldsTheChanges) {
    TestTempDir::Write(path, "[S]\nA=1\n");
    {
        BaseIniFile ini(path);
        EXPECT_TRUE(ini.Flush());  // nothing written: nothing to do
        ini.WriteString("S", "B", "2");
        EXPECT_TRUE(ini.Flush());
        EXPECT_EQ(TestTempDir::Read(path), "[S]\nA=1\nB=2\n");
        EXPECT_EQ(ini.FlushError(), "");
        TestTempDir::Write(path, "[S]\nA=other\n");  // changed behind the object's back
    }  // flushed: nothing left for the destructor, the file stays as it was changed
    EXPECT_EQ(TestTempDir::Read(path), "[S]\nA=other\n");
    {
        BaseIniFile inMemory("");
        inMemory.WriteString("S", "K", "v");
        EXPECT_TRUE(inMemory.Flush());
    }

    // Failures that hold for root too: the file is a directory, or its parent a regular file.
    LogRecorder receiver;
    ASSERT_TRUE(receiver.installed);
    const std::string directory = dir.File("sub");
    std::filesystem::create_directory(directory);
    const std::pair<std::string, int> failures[] = {{directory, EISDIR}, {path + "/Korvane.ini", ENOTDIR}};
    for (const auto& [target, cause] : failures) {
        SCOPED_TRACE(target);
        receiver.messages.clear();
        {
            BaseIniFile ini(target);
            ini.WriteString("S", "K", "v");
            EXPECT_FALSE(ini.Flush());
            EXPECT_EQ(ini.FlushError(), std::strerror(cause));
            EXPECT_EQ(ini.ReadString("S", "K", ""), "v");  // the copy in memory stays
        }
        ASSERT_FALSE(receiver.messages.empty());
        EXPECT_EQ(receiver.messages.back().level, LOG_ERROR);
        EXPECT_EQ(receiver.messages.back().text.find("Unable to write the file " + target), 0u)
            << receiver.messages.back().text;
    }
    EXPECT_TRUE(std::filesystem::is_empty(directory));
    EXPECT_EQ(TestTempDir::Read(path), "[S]\nA=other\n");
}

TEST_F(BaseIniFileTest, TheWriteBackKeepsTheFilePermissions) {
    TestTempDir::Write(path, "[S]\nK=1\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    {
        BaseIniFile ini(path);
        ini.WriteString("S", "K", "2");
    }
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::owner_write |
                                                               std::filesystem::perms::group_read);
    EXPECT_EQ(TestTempDir::Read(path), "[S]\nK=2\n");
}

std::tm Moment(int year, int month, int day, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    return local;
}

TEST_F(BaseIniFileTest, MakeSectionNameRunsUnpaddedFieldsTogether) {
    BaseIniFile ini("");
    EXPECT_EQ(ini.MakeSectionName(Moment(2021, 3, 5, 14, 7, 9), 45), "202135147945");
    EXPECT_EQ(ini.MakeSectionName(Moment(2021, 1, 2, 3, 4, 5), 6), "2021123456");
    EXPECT_EQ(ini.MakeSectionName(Moment(2099, 12, 31, 23, 59, 59), 999), "20991231235959999");
}

TEST_F(BaseIniFileTest, MakeSectionNameNeverRepeatsASection) {
    auto mainWindow = std::make_unique<BaseIniFile>(path);
    {
        BaseIniFile other(path);
        other.WriteString("2021123456", "Title", "written meanwhile");
    }
    // The same digits for another moment, a section written by another object, and a name
    // this object made before.
    EXPECT_EQ(mainWindow->MakeSectionName(Moment(2021, 1, 11, 1, 2, 3), 4), "20211111234");
    EXPECT_EQ(mainWindow->MakeSectionName(Moment(2021, 11, 1, 1, 2, 3), 4), "20211111234_1");
    EXPECT_EQ(mainWindow->MakeSectionName(Moment(2021, 1, 2, 3, 4, 5), 6), "2021123456_1");
    mainWindow->WriteString("2021123456_2", "Title", "own copy");
    EXPECT_EQ(mainWindow->MakeSectionName(Moment(2021, 1, 2, 3, 4, 5), 6), "2021123456_3");

    std::vector<std::string> names;
    for (int i = 0; i < 20; ++i) names.push_back(mainWindow->MakeSectionName());
    for (size_t i = 0; i < names.size(); ++i)
        for (size_t j = i + 1; j < names.size(); ++j) EXPECT_NE(names[i], names[j]);
}

}  // namespace
