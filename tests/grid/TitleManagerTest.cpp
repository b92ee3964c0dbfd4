#include <gtest/gtest.h>

#include "core/BaseIniFile.h"
#include "grid/TitleManager.h"
#include "support/TestTempDir.h"

namespace {

// The columns in the view's order, which is not the order of their names.
const std::vector<std::string> kColumns = {"Name",          "Zip", "alpha", "zeta", "Email", "Fax",  "Phone",
                                           "AccountNumber", "Ddd", "Ccc",   "Bbb",  "Aaa",   "Spare"};
constexpr int32_t kWindow = TitleProperty::kWindowColor;
constexpr int32_t kWindowText = TitleProperty::kWindowTextColor;

std::string Dump(const TitleMap& map) {
    std::string text;
    for (const auto& [name, entry] : map)
        text += name + "=" + entry.Title + "," + std::to_string(entry.BackgroundColor) + "," +
                std::to_string(entry.ForegroundColor) + "\n";
    return text;
}

TEST(TitleManager, EachWindowKindHasItsSection) {
    const char* sections[] = {"AccountTitles",
                              "PositionTitles",
                              "CommandHistoryTitles",
                              "",
                              "HistoricalAccountTitles",
                              "HistoricalPositionTitles",
                              "HistoricalSubmissionTitles",
                              "HistoricalCommandTitles",
                              ""};
    for (int kind = 0; kind < int(std::size(sections)); ++kind)
        EXPECT_EQ(TitleManager::SectionOfKind(kind), sections[kind]);
    EXPECT_EQ(TitleManager::SectionOfKind(-1), "");
}

TEST(TitleManager, StartsWithEveryColumnTitledByItsNameAndLookupsAddNothing) {
    TitleManager titles(kColumns, "AccountTitles");
    ASSERT_EQ(titles.GetTitleMap().size(), kColumns.size());
    for (const auto& [name, entry] : titles.GetTitleMap()) {
        EXPECT_EQ(entry.Title, name);
        EXPECT_EQ(entry.BackgroundColor, kWindow);
        EXPECT_EQ(entry.ForegroundColor, kWindowText);
    }
    EXPECT_EQ(titles.GetUserTitle("Zip"), "Zip");
    EXPECT_EQ(titles.GetUserTitle("Ghost"), "");
    EXPECT_EQ(titles.GetUserTitle("zip"), "");
    EXPECT_EQ(titles.GetBackgroundColor("Ghost", clRed), clRed);
    EXPECT_EQ(titles.FindColumnByTitle("Ghost"), "");
    EXPECT_EQ(titles.GetTitleMap().size(), kColumns.size());
    EXPECT_EQ(titles.GetTitleMap().count("Ghost"), 0u);
}

TEST(TitleManager, FindsTheFirstColumnInNameOrderWithTheExactTitle) {
    TitleManager titles(kColumns, "AccountTitles");
    TitleMap map = titles.GetTitleMap();
    map["zeta"].Title = "Code";
    map["Zip"].Title = "Code";
    map["alpha"].Title = "Code";
    titles.SetTitleMap(map);
    EXPECT_EQ(titles.FindColumnByTitle("Code"), "Zip");  // 'Z' sorts before 'a' and 'z'
    EXPECT_EQ(titles.FindColumnByTitle("code"), "");
    EXPECT_EQ(titles.FindColumnByTitle("Cod"), "");
    EXPECT_EQ(titles.FindColumnByTitle("Name"), "Name");
    EXPECT_EQ(titles.GetUserTitle("alpha"), "Code");

    titles.ResetTitles();
    EXPECT_EQ(titles.GetUserTitle("alpha"), "alpha");
    EXPECT_EQ(titles.FindColumnByTitle("Code"), "");
}

TEST(TitleManager, ColoursFallBackToTheCallersDefaultWhenTheColumnHasTheWindowColours) {
    TitleManager titles(kColumns, "AccountTitles");
    TitleMap map = titles.GetTitleMap();
    map["Name"].BackgroundColor = 0x00FF00;
    map["Name"].ForegroundColor = -16777201;  // a system colour other than the window text
    map["Zip"].BackgroundColor = kWindowText;
    map["Zip"].ForegroundColor = kWindow;
    titles.SetTitleMap(map);
    const ColorValue brush = ColorValue(0x6A240A), font = clWhite;
    EXPECT_EQ(titles.GetBackgroundColor("Name", brush), ColorValue(0x00FF00));
    EXPECT_EQ(titles.GetForegroundColor("Name", font), ColorValue(-16777201));
    EXPECT_EQ(titles.GetBackgroundColor("Zip", brush), clWindowText);
    EXPECT_EQ(titles.GetForegroundColor("Zip", font), clWindow);
    EXPECT_EQ(titles.GetBackgroundColor("Fax", brush), brush);
    EXPECT_EQ(titles.GetForegroundColor("Fax", font), font);
    EXPECT_EQ(titles.GetBackgroundColor("Ghost", brush), brush);
    EXPECT_EQ(titles.GetForegroundColor("Ghost", font), font);
}

// Only a title other than the name or a colour other than the window's counts as a change; a
// reset drops them all.
TEST(TitleManager, ChangesAreTitlesOtherThanTheNameOrColoursOtherThanTheWindows) {
    TitleManager titles(kColumns, "AccountTitles");
    EXPECT_FALSE(titles.HasUserChanges());
    const struct {
        const char* what;
        void (*change)(TitleProperty&);
    } cases[] = {
        {"title", [](TitleProperty& p) { p.Title = "Zip code"; }},
        {"background", [](TitleProperty& p) { p.BackgroundColor = 0x00FF00; }},
        {"foreground", [](TitleProperty& p) { p.ForegroundColor = kWindow; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TitleMap map = titles.GetTitleMap();
        c.change(map["Zip"]);
        titles.SetTitleMap(map);
        EXPECT_TRUE(titles.HasUserChanges());
        titles.ResetTitles();
        EXPECT_FALSE(titles.HasUserChanges());
    }
}

// Each case folder holds the file before (input.ini) and after (expected.ini): the titles are
// loaded from it and saved back into it.
TEST(TitleManager, LoadsAndSavesTheSectionsOfTheFixtureFiles) {
    for (const char* name : {"titles-fresh", "titles-order", "titles-malformed", "titles-long"}) {
        SCOPED_TRACE(name);
        const std::string folder = std::string(KORVANE_TEST_DATA) + "/" + name;
        TestTempDir dir;
        const std::string path = dir.File("workspace.wrk");
        TestTempDir::Write(path, TestTempDir::Read(folder + "/input.ini"));
        {
            BaseIniFile file(path);
            TitleManager titles(kColumns, "AccountTitles");
            TitleMap map = titles.GetTitleMap();
            map["Spare"].Title = "changed before loading";
            titles.SetTitleMap(map);
            titles.LoadFromFile(file);
            EXPECT_EQ(titles.GetUserTitle("Spare"), "Spare");
            const std::string loaded = Dump(titles.GetTitleMap());
            titles.SaveToFile(file);
            EXPECT_EQ(Dump(titles.GetTitleMap()), loaded);
        }
        EXPECT_EQ(TestTempDir::Read(path), TestTempDir::Read(folder + "/expected.ini"));
    }
}

TEST(TitleManager, TitlesHoldingTheEntryMarksReadBackCutWithoutHarm) {
    struct Case {
        std::string stored;
        std::string name, title;
        std::string other;  // the title of "Fax" after loading
    };
    const Case cases[] = {
        {"Name(a)b);Fax(F);", "Name", "a", "F"},   {"Name(a;b);Fax(F);", "Name", "a;b", "F"},
        {"Name(a(b);Fax(F);", "Name", "a(b", "F"}, {"Name();Fax(F);", "Name", "", "F"},
        {"Name)(x;Fax(F);", "Name)", "", "F"},     {"Name(x", "Name", "Name", "Fax"},
        {";;;((()))", "Name", "Name", "Fax"},      {"(", "Name", "Name", "Fax"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        BaseIniFile file("");
        file.WriteString("S", "TitlesCount", "1");
        file.WriteString("S", "Titles", c.stored);
        TitleManager titles(kColumns, "S");
        titles.LoadFromFile(file);
        EXPECT_EQ(titles.GetUserTitle(c.name), c.title);
        EXPECT_EQ(titles.GetUserTitle("Fax"), c.other);
        EXPECT_EQ(titles.GetTitleMap().size(), kColumns.size());
    }
}

// Counts edited far beyond the keys present cost nothing: only the keys there are read, and a
// save deletes only those.
TEST(TitleManager, EditedCountsFollowOnlyTheKeysPresent) {
    TestTempDir directory;
    const std::string path = directory.File("workspace.ini");
    TestTempDir::Write(path,
                       "[S]\nTitlesCount=2000000000\nTitles=Name(Label);\nTitles1999999999=Zip(Post);\n"
                       "TitlesColorsCount=2000000\nTitlesColors1999999=Fax(1,2);\n");
    {
        BaseIniFile file(path);
        TitleManager titles(kColumns, "S");
        titles.LoadFromFile(file);
        EXPECT_EQ(titles.GetUserTitle("Name"), "Label");
        EXPECT_EQ(titles.GetUserTitle("Zip"), "Post");
        EXPECT_EQ(titles.GetBackgroundColor("Fax", clRed), ColorValue(1));
        titles.SaveToFile(file);
    }
    EXPECT_EQ(
        TestTempDir::Read(path),
        "[S]\nTitlesCount=1\nTitles=Name(Label);Zip(Post);\nTitlesColorsCount=1\nTitlesColors=Fax(1,2);\n");
}

TEST(TitleManager, LoadingResetsFirstAndAMissingCountReadsTwentyKeys) {
    BaseIniFile file("");
    file.WriteString("S", "Titles19", "Name(Nineteen);");
    file.WriteString("S", "Titles20", "Zip(Twenty);");
    file.WriteString("S", "TitlesColorsCount", "many");
    file.WriteString("S", "TitlesColors19", "Fax(1,2);");
    TitleManager titles(kColumns, "S");
    TitleMap map = titles.GetTitleMap();
    map["Email"] = TitleProperty{"Mail", 3, 4};
    titles.SetTitleMap(map);
    titles.LoadFromFile(file);
    EXPECT_EQ(titles.GetUserTitle("Name"), "Nineteen");
    EXPECT_EQ(titles.GetUserTitle("Zip"), "Zip");
    EXPECT_EQ(titles.GetBackgroundColor("Fax", clRed), ColorValue(1));
    EXPECT_EQ(titles.GetForegroundColor("Fax", clRed), ColorValue(2));
    EXPECT_EQ(titles.GetUserTitle("Email"), "Email");
    EXPECT_EQ(titles.GetBackgroundColor("Email", clRed), clRed);
}

}  // namespace
