// A grid window's configuration in a settings section: loading every group at construction, the
// full, data, template and workspace saves, and the filter keys. The file layouts are checked
// against the fixture files of tests/grid/data/config-*.
#include <QHeaderView>
#include <QMdiSubWindow>
#include <map>
#include <sstream>

#include "GridWindowFixture.h"
#include "core/BaseIniFile.h"
#include "grid/ChunkedKeyList.h"
#include "store/FilterData.h"

namespace {

std::string Folder(const std::string& name) {
    return std::string(KORVANE_TEST_DATA) + "/" + name;
}

class WindowConfigTest : public GridWindowTest {
protected:
    std::string SettingsPath() const { return dir.File("Korvane.ini"); }
    void WriteSettings(const std::string& text) { TestTempDir::Write(SettingsPath(), text); }
    // The view's fields in display order.
    std::vector<std::string> DisplayOrder() const {
        std::vector<std::string> names;
        for (int col = 1; col < view->GetColumnCount(); ++col) names.push_back(view->GetColumnName(col));
        return names;
    }
    const ColumnFilter& FilterOn(const std::string& name) {
        for (const ColumnFilter& filter : view->GetFilter())
            if (filter.ColumnName == name) return filter;
        ADD_FAILURE() << "no filter on " << name;
        static const ColumnFilter none;
        return none;
    }
    QRect Frame() const { return window->SubWindow()->geometry(); }
};

}  // namespace

TEST_F(WindowConfigTest, AWindowSectionLoadsEveryGroupAndTheFullSaveWritesItBack) {
    WriteSettings(TestTempDir::Read(Folder("config-full") + "/input.ini"));
    Open(20);

    // Sort: names the view lacks are dropped, and the next refit sorts.
    ASSERT_EQ(window->SortCriteria.size(), 2u);
    EXPECT_EQ(window->SortCriteria[0].Column, "Name");
    EXPECT_FALSE(window->SortCriteria[0].Ascending);
    EXPECT_TRUE(window->SortCriteria[1].Ascending);
    EXPECT_TRUE(window->SortActive);
    // Column order Name, Id (moved up from 3: Omega at 2 is gone), then the hidden Amount.
    EXPECT_EQ(DisplayOrder(), (std::vector<std::string>{"Name", "Id", "Amount"}));
    EXPECT_EQ(Grid().ColCount(), 3);
    EXPECT_EQ(Grid().ColWidth(1), 120);
    EXPECT_EQ(Grid().ColWidth(2), 70);
    EXPECT_EQ(Grid().ColWidth(3), 90);  // kept for showing again
    EXPECT_FALSE(view->GetTitleVisibility().at("Amount"));
    // Filters: the unknown field and the code that is no number are dropped; the alert texts lose
    // their quotes; "yes" is no integer, so no set-wide negation.
    EXPECT_FALSE(view->GetFilterNegation());
    ASSERT_EQ(view->GetFilter().size(), 2u);
    const ColumnFilter& name = FilterOn("Name");
    EXPECT_TRUE(name.Negation);
    EXPECT_EQ(name.Condition, 2);
    EXPECT_EQ(name.Column, view->FindField("Name"));
    EXPECT_EQ(name.Values, (StringVector{std::vector<std::string>{"N10", "N2"}}));
    const ColumnFilter& amount = FilterOn("Amount");
    EXPECT_EQ(amount.MinValue, "10");
    EXPECT_TRUE(amount.MinIncluded);
    EXPECT_EQ(amount.MaxValue, "200");
    EXPECT_FALSE(amount.MaxIncluded);
    EXPECT_TRUE(amount.UseDeltaTime);
    EXPECT_TRUE(amount.MatchAny);
    EXPECT_EQ(view->GetFilter().SoundAlertFilename, "/sounds/ding.wav");
    EXPECT_EQ(view->GetFilter().PopupAlertMessage, "New lot");
    EXPECT_TRUE(view->GetFilter().SoundAlertEnabled);
    EXPECT_TRUE(view->GetFilter().PopupAlertEnabled);
    // Dynamic filters stop at the first incomplete number.
    ASSERT_EQ(view->GetDynamicFilter().size(), 1u);
    const ColumnFilter& dynamic = view->GetDynamicFilter()[0];
    EXPECT_EQ(dynamic.ColumnName, "Name");
    EXPECT_EQ(dynamic.LinkWindowTitle, "Accounts");
    EXPECT_EQ(dynamic.LinkColumnName, "Account");
    EXPECT_EQ(dynamic.Condition, 2);
    EXPECT_EQ(dynamic.Values, (StringVector{std::vector<std::string>{""}}));
    // Schedule, title, position, display options.
    EXPECT_EQ(window->ExportSchedule, (std::set<std::string>{"083000", "120000"}));
    EXPECT_EQ(window->WindowTitle(), "My Lots");
    EXPECT_EQ(window->Caption().rfind("My Lots", 0), 0u);
    EXPECT_EQ(Frame(), QRect(10, 20, 500, 300));
    EXPECT_EQ(Grid().DefaultRowHeight(), 30);
    EXPECT_EQ(Grid().GridFont().name, "Arial");
    // The hidden column shows again with its saved width.
    view->GetTitleVisibility()["Amount"] = true;
    window->ApplyColumnVisibility(view->GetTitleVisibility());
    EXPECT_EQ(Grid().horizontalHeader()->sectionSize(2), 90);
    view->GetTitleVisibility()["Amount"] = false;
    window->ApplyColumnVisibility(view->GetTitleVisibility());

    {
        BaseIniFile file(SettingsPath());
        window->SaveWindowConfig(file);
    }
    EXPECT_EQ(TestTempDir::Read(SettingsPath()), TestTempDir::Read(Folder("config-full") + "/expected.ini"));
}

TEST_F(WindowConfigTest, ATemplateSuppliesTheGroupsButNotTitleOrPositionAndTheTemplateSaveRewritesIt) {
    WriteSettings(TestTempDir::Read(Folder("config-template") + "/input.ini"));
    BaseGridConfig config = Config();
    config.UseTemplate = true;
    Open(5, config);
    const QRect designed = Frame();

    ASSERT_EQ(window->SortCriteria.size(), 1u);
    EXPECT_EQ(window->SortCriteria[0].Column, "Amount");  // from the template, without a count
    // Shared position 1: Name before Amount in field order; Id's position -4 places nothing; the
    // entry that is no number is passed over.
    EXPECT_EQ(DisplayOrder(), (std::vector<std::string>{"Name", "Amount", "Id"}));
    EXPECT_EQ(Grid().ColWidth(1), 60);
    EXPECT_EQ(Grid().ColWidth(2), 80);
    EXPECT_EQ(Grid().ColWidth(3), 50);
    EXPECT_EQ(window->WindowTitle(), "Lots");  // an empty WindowTitle keeps the configured one
    EXPECT_EQ(Frame(), designed);              // Width=abc

    {
        BaseIniFile file(SettingsPath());
        window->SaveWindowAsTemplate(file);
        EXPECT_EQ(window->GetChildSection(), "Lots1");
    }
    EXPECT_EQ(TestTempDir::Read(SettingsPath()),
              TestTempDir::Read(Folder("config-template") + "/expected.ini"));
}

TEST_F(WindowConfigTest, TheWorkspaceSaveWritesTheNumberedSectionAndMovesTheWindowToTheWorkspaceFile) {
    WriteSettings(TestTempDir::Read(Folder("config-workspace") + "/input.ini"));
    Open(5);

    // The later condition entry for Name replaces the first in its place.
    ASSERT_EQ(view->GetFilter().size(), 3u);
    EXPECT_EQ(view->GetFilter()[0].ColumnName, "Name");
    const ColumnFilter& having = FilterOn("Name");
    EXPECT_TRUE(having.Negation);
    EXPECT_TRUE(having.MatchEmpty);
    EXPECT_EQ(having.Value, "a;b");
    const ColumnFilter& compare = FilterOn("Amount");
    EXPECT_TRUE(compare.CompareColumn);
    EXPECT_EQ(compare.CompareColumnName, "Id");
    EXPECT_EQ(compare.CompareColumnIndex, view->FindField("Id"));
    const ColumnFilter& less = FilterOn("Id");
    EXPECT_EQ(less.Value, "10");
    EXPECT_FALSE(less.MatchEmpty);  // the flag counts for "Having" only
    EXPECT_TRUE(less.UseDeltaTime);
    EXPECT_FALSE(window->SortActive);

    const std::string workspace = dir.File("Desk.wrk");
    const std::string before = window->GetConfigFileName();
    {
        BaseIniFile file(workspace);
        window->SaveWindowConfigToSection(file, 2);
        EXPECT_EQ(window->GetConfigFileName(), before);  // until the workspace save has succeeded
        window->SetConfigFileName(workspace);
    }
    EXPECT_EQ(window->GetConfigFileName(), workspace);
    EXPECT_EQ(window->GetChildSection(), "Lots1");
    EXPECT_EQ(TestTempDir::Read(workspace), TestTempDir::Read(Folder("config-workspace") + "/expected.ini"));
    EXPECT_EQ(TestTempDir::Read(SettingsPath()),
              TestTempDir::Read(Folder("config-workspace") + "/input.ini"));
}

TEST_F(WindowConfigTest, TheDataSaveWritesItsKeysUnderANewSectionAndReturnsItsName) {
    Open(3);
    window->ExportSchedule = {"101500"};
    BaseIniFile file(dir.File("Data.wrk"));
    const std::string section = window->SaveWindowConfigData(file);
    EXPECT_NE(section, "Lots1");
    EXPECT_EQ(window->GetChildSection(), "Lots1");
    std::vector<std::string> keys;
    file.ReadSection(section, keys);
    const std::vector<std::string> expected = {"Sort",
                                               "SortCount",
                                               "FilterNegation",
                                               "FilterSoundAlertEnabled",
                                               "FilterSoundAlertFilename",
                                               "FitlerPopupAlertEnabled",
                                               "FilterPopupAlertMessage",
                                               "FilterUseDeltaTime",
                                               "Filter",
                                               "FilterCondition",
                                               "FilterCount",
                                               "FilterConditionCount",
                                               "FilterUseDeltaTimeCount",
                                               "HiddenColumns",
                                               "HiddenColumnsCount",
                                               "ColumnOptions",
                                               "ColumnOptionsCount",
                                               "CSVExportSchedule",
                                               "CSVExportScheduleCount",
                                               "WindowTitle",
                                               "GridSelection",
                                               "RowHeight",
                                               "CellLeftOffset",
                                               "CellTopOffset",
                                               "Charset",
                                               "FontHeight",
                                               "FontName",
                                               "Bold",
                                               "Italic",
                                               "Underline",
                                               "StrikeOut"};
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(file.ReadString(section, "CSVExportSchedule", ""), "101500;");
    EXPECT_EQ(file.ReadString("Application", "Name", ""), "grid_tests");
    EXPECT_FALSE(file.SectionExists("Lots1"));
}

TEST_F(WindowConfigTest, AMissingTemplateSectionOrAMissingCountReadsTheWindowSection) {
    WriteSettings("[Lots1]\nSort5=Amount(1);\n");
    BaseGridConfig config = Config();
    config.UseTemplate = true;
    Open(3, config);
    ASSERT_EQ(window->SortCriteria.size(), 1u);  // keys up to Sort19 are probed
    EXPECT_EQ(window->SortCriteria[0].Column, "Amount");
    EXPECT_TRUE(window->SortActive);
}

TEST_F(WindowConfigTest, ThePositionIsSetOnlyWhenAllFourKeysAreIntegers) {
    struct Case {
        const char* keys;
        bool set;
    };
    for (const Case& c : {Case{"Left=15\nTop=25\nHeight=280\nWidth=420\n", true},
                          Case{"Left=15\nTop=25\nHeight=280\n", false},
                          Case{"Left=15\nTop=25\nHeight=280\nWidth=abc\n", false}}) {
        SCOPED_TRACE(c.keys);
        WriteSettings(std::string("[Lots1]\n") + c.keys);
        Open(2);
        EXPECT_EQ(Frame() == QRect(15, 25, 420, 280), c.set);
        delete window->SubWindow();
    }
}

TEST_F(WindowConfigTest, SavedColumnPositionsAreRepairedIntoOnePlacePerColumn) {
    using Order = std::vector<std::string>;
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, int>> saved;
        Order order;
    };
    const Case cases[] = {
        {"well formed", {{"Amount", 1}, {"Id", 2}, {"Name", 3}}, {"Amount", "Id", "Name"}},
        {"a gone column's place closes", {{"Name", 1}, {"Omega", 2}, {"Id", 3}}, {"Name", "Id", "Amount"}},
        {"shared positions in field order",
         {{"Name", 2}, {"Id", 2}, {"Amount", 1}},
         {"Amount", "Id", "Name"}},
        {"beyond the count", {{"Amount", 9}, {"Id", 1}}, {"Id", "Amount", "Name"}},
        {"a chunk cut short", {{"Name", 3}}, {"Name", "Id", "Amount"}},
        {"below one places nothing", {{"Id", 0}, {"Amount", -2}, {"Name", 1}}, {"Name", "Id", "Amount"}},
        {"a gone column below one", {{"Omega", -1}, {"Name", 2}, {"Id", 1}}, {"Id", "Name", "Amount"}},
    };
    Open(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ColumnOptionMap saved;
        std::vector<std::string> names;
        for (const auto& [name, position] : c.saved) {
            saved[name] = ColumnOption{position, 50};
            names.push_back(name);
        }
        window->ApplyColumnOrder(saved, names);
        EXPECT_EQ(DisplayOrder(), c.order);
    }
}

// Hand-edited row heights and column widths out of their sane ranges load as the defaults, and
// what the grid shows is what is saved.
TEST_F(WindowConfigTest, RowHeightAndColumnWidthsOutOfRangeLoadAsTheDefaults) {
    WriteSettings("[Lots1]\nRowHeight=100000000\nColumnOptions=Name(1,-50);Id(2,2000000000);Amount(3,80);\n");
    Open(3);
    EXPECT_EQ(Grid().DefaultRowHeight(), 24);
    EXPECT_EQ(Grid().ColWidth(view->FindColumn("Name")), 64);
    EXPECT_EQ(Grid().ColWidth(view->FindColumn("Id")), 64);
    EXPECT_EQ(Grid().ColWidth(view->FindColumn("Amount")), 80);
    {
        BaseIniFile file(SettingsPath());
        window->SaveWindowConfig(file);
    }
    BaseIniFile file(SettingsPath());
    EXPECT_EQ(file.ReadString("Lots1", "ColumnOptions", ""), "Id(2,64);Name(1,64);Amount(3,80);");
    EXPECT_EQ(file.ReadString("Lots1", "RowHeight", ""), "24");
}

namespace {

// Everything a window takes from its configuration, as one text.
std::string ConfigurationOf(TestGridWindow& window, InterfaceView& view, BusinessObjectGrid& grid) {
    std::ostringstream out;
    out << "sort " << window.SortActive << ":";
    for (const SortSelectionData& c : window.SortCriteria) out << " " << c.Column << "/" << c.Ascending;
    out << "\ncolumns:";
    for (int col = 1; col < view.GetColumnCount(); ++col) {
        const std::string name = view.GetColumnName(col);
        out << " " << name << "/" << grid.ColWidth(col) << "/" << view.GetTitleVisibility().at(name);
    }
    const FilterData& filters = view.GetFilter();
    out << "\nfilters " << view.GetFilterNegation() << " " << filters.SoundAlertEnabled << " "
        << filters.SoundAlertFilename << " " << filters.PopupAlertEnabled << " " << filters.PopupAlertMessage;
    const auto describe = [&](const ColumnFilter& f) {
        out << "\n  " << f.ColumnName << " c" << f.Condition << " n" << f.Negation << " v[" << f.Value
            << "] e" << f.MatchEmpty << " [" << f.MinValue << "," << f.MinIncluded << "," << f.MaxValue << ","
            << f.MaxIncluded << "] cmp" << f.CompareColumn << "[" << f.CompareColumnName << "] d"
            << f.UseDeltaTime << " link[" << f.LinkWindowTitle << "," << f.LinkColumnName << "] values";
        for (const std::string& value : f.Values) out << " " << value;
    };
    for (const ColumnFilter& f : filters) describe(f);
    out << "\ndynamic";
    for (const ColumnFilter& f : view.GetDynamicFilter()) describe(f);
    out << "\nschedule";
    for (const std::string& time : window.ExportSchedule) out << " " << time;
    out << "\ntitle " << window.WindowTitle() << "\nrow " << grid.DefaultRowHeight() << " font "
        << grid.GridFont().name << "\n";
    return out.str();
}

}  // namespace

// Load, save, load: the window comes back as it was, for the fixture files and for the filter
// conditions, flags and sorts that saving once wrote differently from what loading reads.
TEST_F(WindowConfigTest, ASavedConfigurationLoadsBackAsItWas) {
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"full", TestTempDir::Read(Folder("config-full") + "/input.ini")},
        {"template file", TestTempDir::Read(Folder("config-template") + "/input.ini")},
        {"workspace file", TestTempDir::Read(Folder("config-workspace") + "/input.ini")},
        {"range compared with a column",
         "[Lots1]\nFilterCondition=Id(5);\nFilter=Id(@);Id(<1>{9});\nFilterUseDeltaTime=Id(1);\n"},
        {"compare and match empty",
         "[Lots1]\nFilterCondition=Name(!6);Amount(2);Id(0);\n"
         "Filter=Name(@);Name(+);Name(Id);Amount(@);Amount(Id);Id(7);\n"},
        {"every single-value condition",
         "[Lots1]\nFilterCondition=Id(1);Name(3);Amount(4);\nFilter=Id(5);Name(N*);Amount(@);Amount(Id);\n"},
        {"values and a negated set",
         "[Lots1]\nFilterNegation=1\nFilterCondition=Name(2);\nFilter=Name(N2);Name(N1);\n"},
        {"sort on missing columns only", "[Lots1]\nSort=Ghost(1);Omega(0);\n"},
        {"sort partly on missing columns", "[Lots1]\nSort=Ghost(1);Amount(0);\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteSettings(c.text);
        Open(5);
        const std::string loaded = ConfigurationOf(*window, *view, Grid());
        {
            BaseIniFile file(SettingsPath());
            window->SaveWindowConfig(file);
        }
        const std::string saved = TestTempDir::Read(SettingsPath());
        delete window->SubWindow();
        Open(5);
        EXPECT_EQ(ConfigurationOf(*window, *view, Grid()), loaded) << saved;
        delete window->SubWindow();
    }
}

// The flag entry before a single value: "@" when the value is another column, "+" for a "Having"
// that passes empty fields, never both.
TEST_F(WindowConfigTest, TheCompareFlagIsSavedInsteadOfMatchEmpty) {
    const struct {
        const char* name;
        int condition;
        bool compare;
        bool matchEmpty;
        const char* saved;
    } cases[] = {
        {"having compared with a column", 6, true, true, "Name(@);Name(Id);"},
        {"having compared with a column without match empty", 6, true, false, "Name(@);Name(Id);"},
        {"having that passes empty fields", 6, false, true, "Name(+);Name(a);"},
        {"plain having", 6, false, false, "Name(a);"},
        {"less compared with a column", 0, true, true, "Name(@);Name(Id);"},
    };
    Open(3);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ColumnFilter filter;
        filter.ColumnName = "Name";
        filter.Condition = c.condition;
        filter.Value = "a";
        filter.CompareColumn = c.compare;
        filter.CompareColumnName = c.compare ? "Id" : "";
        filter.MatchEmpty = c.matchEmpty;
        view->GetFilter().clear();
        view->GetFilter().push_back(filter);
        BaseIniFile file("");
        window->SaveFilterConfig(file);
        EXPECT_EQ(file.ReadString("Lots1", "Filter", "?"), c.saved);
    }
}

TEST_F(WindowConfigTest, FilterValuesLoadByConditionAndBadRangesKeepTheirBounds) {
    WriteSettings(
        "[Lots1]\nFilterNegation=2\nFilterCondition=Amount(5);Name(7);Id(4);\n"
        "Filter=Amount(10,20);Name(a*);Name(b*);Id(+);\nFilterUseDeltaTime=Id(1);Id(0);\n");
    Open(3);
    EXPECT_TRUE(view->GetFilterNegation());
    EXPECT_EQ(FilterOn("Amount").MinValue, "");
    EXPECT_EQ(FilterOn("Amount").MaxValue, "");
    EXPECT_EQ(FilterOn("Name").Value, "b*");  // a later value replaces an earlier one
    EXPECT_EQ(FilterOn("Id").Value, "+");
    EXPECT_FALSE(FilterOn("Id").MatchEmpty);
    EXPECT_FALSE(FilterOn("Id").UseDeltaTime);
}

TEST_F(WindowConfigTest, ManyFiltersKeepEveryEntryWithinTheLineLengthOfEachList) {
    Open(3);
    const std::string longValue(300, 'v');
    for (int i = 0; i < 40; ++i) {
        ColumnFilter filter;
        filter.ColumnName = "Column" + std::to_string(i) + std::string(60, 'x');
        filter.Condition = i % 2 == 0 ? 2 : 6;
        filter.Values = StringVector{std::vector<std::string>{"A", "B"}};
        filter.Value = longValue;
        view->GetFilter().push_back(filter);
    }
    BaseIniFile file(dir.File("Many.ini"));
    window->SaveFilterConfig(file);
    std::vector<std::string> lines;
    file.ReadSectionValues("Lots1", lines);
    for (const std::string& line : lines) EXPECT_LE(line.size(), ChunkedKeyList::kMaxLineLength);
    EXPECT_EQ(ChunkedKeyList(file, "Lots1", "FilterCondition").ReadKey1ValueList(";", "(", ")").size(), 40u);
    EXPECT_EQ(ChunkedKeyList(file, "Lots1", "FilterUseDeltaTime").ReadKey1ValueList(");", "(", ")").size(),
              40u);
    const Key1ValueDataVector values =
        ChunkedKeyList(file, "Lots1", "Filter").ReadKey1ValueList(");", "(", ")");
    ASSERT_EQ(values.size(), 60u);  // two per list filter, one per "Having" filter
    EXPECT_EQ(values.back().Value, longValue);
    EXPECT_GT(file.ReadInteger("Lots1", "FilterConditionCount", 0), 1);
}

TEST_F(WindowConfigTest, AWindowWithoutAViewLoadsNoSortAndSavesOnlyWhatItHolds) {
    WriteSettings("[Lots1]\nSort=Name(1);\nWindowTitle=Kept\n");
    window = new TestGridWindow(&area, nullptr, Config(), &titles, nullptr);
    EXPECT_TRUE(window->SortCriteria.empty());
    EXPECT_FALSE(window->SortActive);
    EXPECT_EQ(window->WindowTitle(), "Kept");
    BaseIniFile file(dir.File("Empty.ini"));
    window->SaveWindowAsTemplate(file);
    std::vector<std::string> keys;
    file.ReadSection("LotTemplate", keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"Sort", "SortCount", "CSVExportSchedule",
                                              "CSVExportScheduleCount", "GridSelection", "RowHeight",
                                              "CellLeftOffset", "CellTopOffset", "Charset", "FontHeight",
                                              "FontName", "Bold", "Italic", "Underline", "StrikeOut"}));
}
