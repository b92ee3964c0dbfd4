// The window-free parts of the grid tools: clipboard texts, CSV names, lines and writer, the
// export schedule, the title check and the print plan.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "grid/CSVExportFile.h"
#include "grid/CSVExportManager.h"
#include "grid/GridTextCopy.h"
#include "grid/PrintReportPlan.h"
#include "grid/TExportDataToCSV.h"
#include "grid/TitleValidation.h"
#include "guisupport/RecordingCanvas.h"
#include "support/LogRecorder.h"
#include "support/TestTempDir.h"

namespace {

// A grid of texts, row 0 the titles, column 0 the row number (never copied).
struct Cells {
    std::vector<std::vector<std::string>> rows;
    int Cols() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
    int Rows() const { return static_cast<int>(rows.size()); }
    GridTextCopy::CellText Text() const {
        return [this](int col, int row) {
            return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
        };
    }
};

const Cells kGrid{{{"", "Id", "Name", "Amount"}, {"1", "1", "b;x", "10"}, {"2", "2", "a", "10"}}};

}  // namespace

TEST(GridTextCopy, CopiesCellsRowsAndDistinctValuesWithoutTheRowNumberColumn) {
    EXPECT_EQ(GridTextCopy::AllCells(kGrid.Cols(), kGrid.Rows(), kGrid.Text()),
              "Id\tName\tAmount\n1\tb;x\t10\n2\ta\t10");
    // Without data rows: the title row alone, no line feed.
    EXPECT_EQ(GridTextCopy::AllCells(kGrid.Cols(), 1, kGrid.Text()), "Id\tName\tAmount");
    EXPECT_EQ(GridTextCopy::Row(kGrid.Cols(), 2, kGrid.Text()), "2\ta\t10");
    EXPECT_EQ(GridTextCopy::DistinctValues(2, kGrid.Rows(), kGrid.Text()), "a;b;x");
    EXPECT_EQ(GridTextCopy::DistinctValues(3, kGrid.Rows(), kGrid.Text()), "10");
    // Byte order: upper case before lower case.
    const Cells mixed{{{"", "T"}, {"1", "b"}, {"2", "B"}, {"3", "a"}, {"4", "b"}}};
    EXPECT_EQ(GridTextCopy::DistinctValues(1, mixed.Rows(), mixed.Text()), "B;a;b");
}

// The text of all cells is reserved once and never grows, whether the data rows are longer than
// the titles, vary in length or are empty; a longest row that the sample misses only costs growth.
TEST(GridTextCopy, TheTextOfAllCellsIsReservedOnce) {
    struct Case {
        const char* name;
        int rows;
        std::string (*cell)(int col, int row);
    };
    const Case cases[] = {
        {"titles only", 1, [](int col, int) { return "Title" + std::to_string(col); }},
        {"one data row", 2, [](int, int row) { return std::string(row ? 40 : 2, 'x'); }},
        {"data much longer than titles", 3000,
         [](int, int row) { return row ? std::string(30, 'd') : std::string("T"); }},
        {"lengths that vary", 3000,
         [](int col, int row) { return row ? std::to_string(row * 7919 + col) : std::string("Title"); }},
        {"empty cells", 500, [](int, int row) { return row ? std::string() : std::string("T"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GridTextCopy::CellText text = [&c](int col, int row) { return c.cell(col, row); };
        std::string expected;
        for (int row = 0; row < c.rows; ++row) {
            if (row) expected += '\n';
            for (int col = 1; col < 6; ++col) expected += (col > 1 ? "\t" : "") + c.cell(col, row);
        }
        const std::string all = GridTextCopy::AllCells(6, c.rows, text);
        EXPECT_EQ(all, expected);
        std::string reserved;
        reserved.reserve(GridTextCopy::AllCellsCapacity(6, c.rows, text));
        EXPECT_EQ(all.capacity(), reserved.capacity());
        EXPECT_LE(all.capacity(), all.size() + all.size() / 4 + 64);
    }
    const GridTextCopy::CellText rare = [](int, int row) { return std::string(row == 999 ? 5000 : 3, 'r'); };
    EXPECT_EQ(GridTextCopy::AllCells(3, 1000, rare).size(), 999u * 7 + 10001 + 999);
}

TEST(CSVExportFile, NamesTheFileFromDirectoryTitleAndStamp) {
    const std::set<char> invalid = {'\\', '/', ':', '*', '?', '"', '<', '>', '|'};
    struct Case {
        std::string title, expected;
    };
    for (const Case& c :
         {Case{"Accounts 1", "/x/Accounts 1_20210203140509.csv"}, Case{"a/b", "/x/a_b_20210203140509.csv"},
          Case{"What?", "/x/What__20210203140509.csv"},
          Case{"\\:*?\"<>|", "/x/_________20210203140509.csv"}}) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(CSVExportFile::FileName("/x/", c.title, invalid, "20210203140509"), c.expected);
    }
    TestTempDir dir;
    EXPECT_EQ(CSVExportFile::Directory(dir.Path(), "/exe"), dir.Path() + "/");
    EXPECT_EQ(CSVExportFile::Directory(dir.Path() + "/", "/exe"), dir.Path() + "/");
    EXPECT_EQ(CSVExportFile::Directory(dir.Path() + "\\", "/exe"), "/exe/");  // no such directory here
    EXPECT_EQ(CSVExportFile::Directory(dir.File("missing"), "/exe"), "/exe/");
    EXPECT_EQ(CSVExportFile::Directory("", "/exe/"), "/exe/");
}

TEST(CSVExportFile, WritesEveryFieldFollowedBySemicolonAndLinesEndingInLineFeeds) {
    EXPECT_EQ(CSVExportFile::Lines(kGrid.Cols(), kGrid.Rows(), kGrid.Text()),
              "Id;Name;Amount;\n1;b;x;10;\n2;a;10;\n");
    EXPECT_EQ(CSVExportFile::Lines(kGrid.Cols(), 1, kGrid.Text()), "Id;Name;Amount;\n");
}

TEST(TExportDataToCSV, WritesTheFileWholeOnItsThreadAndReplacesAnOlderOne) {
    TestTempDir dir;
    const std::string name = dir.File("Lots_20210203140509.csv");
    TestTempDir::Write(name, "old contents that are longer than the new ones\n");
    for (const char* text : {"A;\n1;\n", "B;\n2;\n"}) {
        auto writer = std::make_unique<TExportDataToCSV>(name);
        writer->AddLine(text);
        TExportDataToCSV::Start(std::move(writer));
    }
    TExportDataToCSV::JoinAll();
    const std::string bytes = TestTempDir::Read(name);
    EXPECT_TRUE(bytes == "A;\n1;\n" || bytes == "B;\n2;\n") << bytes;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(TExportDataToCSV, AFileThatCannotBeWrittenIsLoggedWithItsNameAndLeavesNothing) {
    TestTempDir dir;
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    // A directory in the file's place: the rename fails, even for root.
    const std::string name = dir.File("Lots_20210203140509.csv");
    std::filesystem::create_directory(name);
    TExportDataToCSV writer(name);
    writer.AddLine("A;\n");
    EXPECT_FALSE(writer.Execute());
    EXPECT_TRUE(log.Has(3, name));
    EXPECT_TRUE(std::filesystem::is_directory(name));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    // A directory that does not exist: nothing can be created.
    TExportDataToCSV missing(dir.File("none/x.csv"));
    EXPECT_FALSE(missing.Execute());
    EXPECT_TRUE(log.Has(3, dir.File("none/x.csv")));
}

// Names up to the system's limit: the temporary name beside the file keeps within it too.
TEST(TExportDataToCSV, ANameAsLongAsTheSystemAllowsIsWritten) {
    TestTempDir dir;
    for (const std::size_t length : {248u, 249u, 252u, 255u}) {
        const std::string name = dir.File(std::string(length - 4, 'n') + ".csv");
        SCOPED_TRACE(length);
        TExportDataToCSV writer(name);
        writer.AddLine("A;\n");
        EXPECT_TRUE(writer.Execute());
        EXPECT_EQ(TestTempDir::Read(name), "A;\n");
        std::filesystem::remove(name);
        EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    }
}

// The file gets the permissions any file the user makes gets: 0666 less the umask.
TEST(TExportDataToCSV, TheFileIsMadeWithTheUsersUmask) {
    TestTempDir dir;
    const std::string name = dir.File("Lots_20210203140509.csv");
    const struct {
        mode_t umask;
        mode_t mode;
    } cases[] = {{022, 0644}, {027, 0640}, {077, 0600}, {002, 0664}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.umask);
        const mode_t saved = ::umask(c.umask);
        TExportDataToCSV writer(name);
        writer.AddLine("A;\n");
        const bool written = writer.Execute();
        ::umask(saved);
        ASSERT_TRUE(written);
        struct stat status {};
        ASSERT_EQ(::stat(name.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, c.mode);
        std::filesystem::remove(name);
    }
}

TEST(CSVExportManager, MovesThroughTheDayAndStopsAfterItsLastTime) {
    std::string now = "20210203103000";
    CSVExportManager manager([&] { return now; });
    const std::set<std::string> schedule = {"090000", "120000", "150000"};
    manager.ScheduleNext(schedule);
    EXPECT_EQ(manager.NextTime(), "120000");
    now = "20210203115959";
    EXPECT_FALSE(manager.IsExportDue());
    now = "20210203120005";
    EXPECT_TRUE(manager.IsExportDue());
    manager.Advance();
    EXPECT_EQ(manager.NextTime(), "150000");
    now = "20210203150000";
    EXPECT_TRUE(manager.IsExportDue());
    manager.Advance();
    EXPECT_EQ(manager.NextTime(), "");
    // Nothing follows the day's last time, not even on the next day, until ScheduleNext.
    now = "20210204093000";
    EXPECT_FALSE(manager.IsExportDue());
    manager.ScheduleNext(schedule);
    EXPECT_EQ(manager.NextTime(), "120000");
    EXPECT_EQ(manager.Date(), "20210204");

    now = "20210203160000";
    manager.ScheduleNext(schedule);
    EXPECT_EQ(manager.NextTime(), "");
    EXPECT_FALSE(manager.IsExportDue());
}

TEST(CSVExportManager, NoticesANewDayOnlyAfterAnExport) {
    std::string now = "20210203083000";
    CSVExportManager manager([&] { return now; });
    const std::set<std::string> schedule = {"090000", "120000"};
    manager.ScheduleNext(schedule);
    // The next day at 09:30: the export of 09:00 is due and runs; Advance then sees the new day
    // and schedules from now.
    now = "20210204093000";
    EXPECT_TRUE(manager.IsExportDue());
    manager.Advance();
    EXPECT_EQ(manager.Date(), "20210204");
    EXPECT_EQ(manager.NextTime(), "120000");
}

TEST(CSVExportManager, BuildsSeriesWithinTheDay) {
    struct Case {
        std::string start, end;
        int step;
        bool startIncluded, endIncluded;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"080000", "090000", 900, false, false, {"081500", "083000", "084500"}},
        {"080000", "090000", 900, true, true, {"080000", "081500", "083000", "084500", "090000"}},
        {"223000", "234500", 3600, false, false, {"233000"}},
        {"235950", "235959", 120, false, true, {"235959"}},
        {"100000", "100010", 3, true, false, {"100000", "100003", "100006", "100009"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start + " " + c.end);
        EXPECT_EQ(CSVExportManager::Series(c.start, c.end, c.step, c.startIncluded, c.endIncluded),
                  c.expected);
    }
}

TEST(TitleValidation, NamesTheFirstEmptyOrDuplicateTitleInKeyOrder) {
    const auto map = [](std::vector<std::pair<std::string, std::string>> entries) {
        TitleMap titles;
        for (auto& [name, title] : entries) titles[name].Title = title;
        return titles;
    };
    EXPECT_FALSE(TitleValidation::Validate(map({{"Id", "Id"}, {"Name", "name"}, {"name", "Name"}})));
    auto failure = TitleValidation::Validate(map({{"Amount", "x"}, {"Id", ""}, {"Name", "x"}}));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->column, 1);
    EXPECT_EQ(failure->caption, "Amount - User Title Validation");
    EXPECT_EQ(failure->text, "The title you have provided is already defined for: Name");
    failure = TitleValidation::Validate(map({{"Amount", "a"}, {"Id", ""}, {"Name", "x"}}));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->column, 2);
    EXPECT_EQ(failure->caption, "Id - User Title Validation");
    EXPECT_EQ(failure->text, "The title you have provided cannot be empty.");
}

namespace {

// Titles Alpha, Beta, Gamma (widths 65, 58, 65 on the recording canvas) and `rows` rows.
PrintReportPlan::Table PrintTable(int rows, std::vector<std::string> titles = {"Alpha", "Beta", "Gamma"}) {
    PrintReportPlan::Table table{titles};
    for (int r = 1; r <= rows; ++r) table.push_back(std::vector<std::string>(titles.size(), "v"));
    return table;
}

}  // namespace

// The recording canvas measures 7 pixels a character and 13 a line: a header line is 43 high, the
// title row and every data row 44, the record column 86 wide; a page keeps 50 free on each side,
// and its rows start 216 below the printable top.
TEST(PrintReportPlan, SplitsColumnsAcrossAndRowsDownAndNeverLeavesABlankSheet) {
    const std::string wide(60, 'W');  // 450 wide
    struct Case {
        const char* name;
        PrintReportPlan::Table table;
        int width, height;
        std::vector<int> columnStarts, rowStarts;
    };
    const Case cases[] = {
        {"all on one sheet", PrintTable(3), 2000, 2000, {0}, {1}},
        {"seven rows a sheet", PrintTable(10), 2000, 100 + 216 + 7 * 44, {0}, {1, 8}},
        {"two columns a sheet", PrintTable(2), 100 + 86 + 65 + 58, 2000, {0, 2}, {1}},
        {"a column wider than the page stands alone",
         PrintTable(1, {"A", wide, "B"}),
         100 + 200,
         2000,
         {0, 1, 2},
         {1}},
        {"a first column wider than the page", PrintTable(1, {wide, "B"}), 100 + 200, 2000, {0, 1}, {1}},
        {"rows taller than the page", PrintTable(3), 2000, 100 + 100, {0}, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas;
        const PrintReportPlan plan(c.table, canvas, c.width, c.height, 600);
        EXPECT_EQ(plan.ColumnStarts(), c.columnStarts);
        EXPECT_EQ(plan.RowStarts(), c.rowStarts);
        EXPECT_EQ(plan.Sheets(), static_cast<int>(c.columnStarts.size() * c.rowStarts.size()));
    }
}

TEST(PrintReportPlan, DrawsTheHeaderTitlesRecordNumbersAndRules) {
    const PrintReportPlan::Table table{{"Name", "Amount"}, {"N1", "10"}};
    RecordingCanvas canvas;
    const PrintReportPlan plan(table, canvas, 1000, 1000, 600);
    canvas.calls.clear();
    plan.DrawSheet(canvas, 0, "Korvane - Lots", "Unknown on 2021.02.03 14:05:09");
    const std::string black = " colour " + std::to_string(clBlack.Value());
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{
                                "text 65,65 \"Korvane - Lots\"" + black,
                                "text 65,108 \"Report generated by Unknown on 2021.02.03 14:05:09\"" + black,
                                "text 65,151 \"Page 1 of 1\"" + black,
                                "text 65,237 \"Record #\"" + black,
                                "text 166,237 \"Name\"" + black,
                                "text 239,237 \"Amount\"" + black,
                                "line 65,266 965,266",
                                "text 65,281 \"1\"" + black,
                                "text 166,281 \"N1\"" + black,
                                "text 239,281 \"10\"" + black,
                                "line 65,310 965,310",
                            }));
    EXPECT_EQ(plan.Font(10, true).height, -83);
    EXPECT_TRUE(plan.Font(10, true).bold);
    EXPECT_FALSE(plan.Font(8, false).bold);
}

TEST(PrintReportPlan, RunsAcrossTheColumnPagesOfTheFirstRowsFirst) {
    // Two column pages ({Alpha, Beta}, {Gamma}) and two row pages (rows 1-7, 8-10).
    const PrintReportPlan::Table table = PrintTable(10);
    RecordingCanvas canvas;
    const PrintReportPlan plan(table, canvas, 100 + 86 + 65 + 58, 100 + 216 + 7 * 44, 600);
    ASSERT_EQ(plan.Sheets(), 4);
    struct Sheet {
        std::string page, firstTitle, firstRecord;
    };
    const Sheet expected[] = {{"Page 1 of 4", "Alpha", "1"},
                              {"Page 2 of 4", "Gamma", "1"},
                              {"Page 3 of 4", "Alpha", "8"},
                              {"Page 4 of 4", "Gamma", "8"}};
    for (int sheet = 0; sheet < 4; ++sheet) {
        SCOPED_TRACE(sheet);
        canvas.calls.clear();
        plan.DrawSheet(canvas, sheet, "K - L", "Unknown on x");
        const auto text = [&](std::size_t i) {
            const std::string& call = canvas.calls.at(i);
            const auto open = call.find('"');
            return call.substr(open + 1, call.rfind('"') - open - 1);
        };
        EXPECT_EQ(text(2), expected[sheet].page);
        EXPECT_EQ(text(4), expected[sheet].firstTitle);
        const std::size_t titles = sheet % 2 == 0 ? 2 : 1;
        EXPECT_EQ(text(4 + titles + 1), expected[sheet].firstRecord);  // after the rule
        const int rows = sheet < 2 ? 7 : 3;
        EXPECT_EQ(canvas.calls.size(), 4 + titles + 1 + static_cast<std::size_t>(rows) * (titles + 2));
    }
}
