// A grid window's answers to an automation client: through a recording reply sink inside the
// process, and end to end through the automation channel on a socket in a temporary directory.
#include <filesystem>
#include <string>
#include <vector>

#include "GridWindowFixture.h"
#include "grid/GridAutomation.h"
#include "grid/GridWindowLookup.h"
#include "grid/TExportDataToCSV.h"
#include "guisupport/AutomationTestClient.h"
#include "guisupport/ScriptedUi.h"
#include "support/LogRecorder.h"
#include "toolkit/AutomationChannel.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/ReplySink.h"

namespace {

using namespace std::string_literals;

// Records every answer while installed.
class RecordingSink : public ReplySink {
public:
    RecordingSink() : previous_(ReplySink::Install(this)) {}
    ~RecordingSink() override { ReplySink::Install(previous_); }
    void SendText(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;

private:
    ReplySink* previous_;
};

int32_t CellLParam(int column, int row) {
    return static_cast<int32_t>(AutomationTestClient::Cell(column, row));
}

TEST(GridAutomation, ACellRequestHoldsTheRowInItsLow22BitsAndASignedColumnAbove) {
    struct Case {
        uint32_t lParam;
        int column, row;
    };
    const Case cases[] = {
        {(3u << 22) + 5, 3, 5}, {0x003FFFFF, 0, 0x3FFFFF}, {0x7FC00000, 511, 0},
        {0xFFC00007, -1, 7},    {0x80000000, -512, 0},     {0x00400000, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lParam);
        const GridAutomation::Cell cell = GridAutomation::SplitCellRequest(static_cast<int32_t>(c.lParam));
        EXPECT_EQ(cell.column, c.column);
        EXPECT_EQ(cell.row, c.row);
    }
    EXPECT_EQ(GridAutomation::ColumnNamesText({"Id", "Name"}), "Id;Name;");
    EXPECT_EQ(GridAutomation::ColumnNamesText({}), "");
}

class GridAutomationTest : public GridWindowTest {
protected:
    std::vector<std::string> Ask(uint32_t message, int32_t lParam) {
        RecordingSink sink;
        MessageRouter::SendMessage(window->Handle(), message, 0, lParam);
        return sink.texts;
    }
    using Texts = std::vector<std::string>;
};

TEST_F(GridAutomationTest, ColumnNamesAreEveryFieldOfTheViewHiddenOnesIncluded) {
    Open(3);
    view->GetTitleVisibility()["Id"] = false;
    window->ApplyColumnVisibility(view->GetTitleVisibility());
    EXPECT_EQ(Ask(0x804B, 0), (Texts{"Id;Name;Amount;"}));
    // Without a sink nobody is answered.
    EXPECT_EQ(MessageRouter::SendMessage(window->Handle(), 0x804B, 0, 0), 0);
    delete window->SubWindow();

    window = new TestGridWindow(&area, nullptr, Config(), &titles, nullptr);
    EXPECT_EQ(Ask(0x804B, 0), (Texts{""}));
}

TEST_F(GridAutomationTest, ACellRequestAnswersTheCellAndACellOutsideTheGridTheEmptyText) {
    Open(3);
    view->GetTitleVisibility()["Id"] = false;  // Id moves to the end, outside the grid's columns
    window->ApplyColumnVisibility(view->GetTitleVisibility());
    ASSERT_EQ(Grid().ColCount(), 3);
    ASSERT_EQ(Grid().RowCount(), 4);
    struct Case {
        int column, row;
        const char* text;
    };
    const Case cases[] = {
        {1, 0, "Name"},
        {2, 0, "Amount"},
        {0, 2, "2"},
        {1, 3, "N3"},
        {2, 1, "10"},
        // Outside: negative columns, the hidden column past the last shown, rows past the last.
        {-1, 1, ""},
        {-512, 0, ""},
        {3, 1, ""},
        {511, 1, ""},
        {1, 4, ""},
        {1, 0x3FFFFF, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.column) + "," + std::to_string(c.row));
        EXPECT_EQ(Ask(0x804C, CellLParam(c.column, c.row)), (Texts{c.text}));
    }
    EXPECT_EQ(Ask(0x804C, 0), Texts{});  // no request

    // Rows past the last that the filters let through.
    view->GetFilter().push_back([] {
        ColumnFilter filter;
        filter.ColumnName = "Name";
        filter.Column = -1;
        filter.Condition = 2;
        filter.Values = {"N2"};
        return filter;
    }());
    window->ApplyFilters();
    ASSERT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Ask(0x804C, CellLParam(1, 1)), (Texts{"N2"}));
    EXPECT_EQ(Ask(0x804C, CellLParam(1, 2)), (Texts{""}));
}

// The channel over the fixture's MDI area, with a test client.
class GridChannelTest : public GridWindowTest {
protected:
    GridChannelTest() : opened(channel.Open(dir.Path())), client(channel.Path()) {}
    static std::string Request(uint32_t message, int32_t lParam, const std::string& title) {
        return AutomationTestClient::Request(message, 0, static_cast<uint32_t>(lParam), title);
    }
    void Send(const std::string& bytes) { client.Send(bytes); }
    std::string Receive(std::size_t count, int waitMs = 2000) { return client.Receive(count, waitMs); }
    TestGridWindow* OpenAnother(const char* section, const char* title) {
        BaseGridConfig config = Config();
        config.WindowSection = section;
        config.WindowTitle = title;
        auto* other = new TestGridWindow(&area, nullptr, config, &titles, nullptr);
        other->Show();
        return other;
    }

    AutomationChannel channel{
        [this](const std::string& title) { return GridWindowLookup::FindByTitle(area, title); }};
    bool opened;
    AutomationTestClient client;
};

TEST_F(GridChannelTest, TheChannelAnswersColumnNamesAndCellTextsOnTheAskingConnection) {
    Open(3);
    ASSERT_TRUE(opened && client.connected);
    Send(Request(0x804B, 0, "Lots"));
    EXPECT_EQ(Receive(40),
              "\x01\x00\x00\x00\x20\x00\x00\x00"
              "I\x00"
              "d\x00;\x00N\x00"
              "a\x00m\x00"
              "e\x00;\x00"
              "A\x00m\x00o\x00u\x00n\x00t\x00;\x00\x00\x00"s);
    // lParam 0 answers nothing: the next answer is the cell's; then a column outside the grid.
    Send(Request(0x804C, 0, "Lots") + Request(0x804C, CellLParam(2, 3), "Lots") +
         Request(0x804C, CellLParam(-3, 1), "Lots"));
    EXPECT_EQ(Receive(14), "\x01\x00\x00\x00\x06\x00\x00\x00N\x00\x33\x00\x00\x00"s);
    EXPECT_EQ(Receive(10), "\x01\x00\x00\x00\x02\x00\x00\x00\x00\x00"s);
    EXPECT_EQ(Receive(1, 100), "");
}

TEST_F(GridChannelTest, ReloadAlertAndExportRequestsReachTheirHandlers) {
    ScriptedUi ui;
    Open(3);
    FilterData& filter = view->GetFilter();
    filter.SoundAlertEnabled = true;
    filter.SoundAlertFilename = "bell.wav";
    window->ApplyFilters();
    window->AlertState = TBaseGridForm::kAlertIdle;
    std::string now = "20210203115959";
    window->ExportSchedule = {"120000"};
    window->ExportManager() = CSVExportManager([&] { return now; });
    window->ExportManager().ScheduleNext(window->ExportSchedule);
    now = "20210203120005";  // due
    window->calls.clear();

    Send(Request(0x8028, 0, "Lots") + Request(0x802C, 0, "Lots") + Request(0x8012, 0, "Lots") +
         Request(0x804B, 0, "Lots"));
    EXPECT_EQ(Receive(40).size(), 40u);
    EXPECT_EQ(window->calls.front(), "ReloadData");
    EXPECT_EQ(ui.alerts, (std::vector<std::string>{"bell.wav"}));
    TExportDataToCSV::JoinAll();
    std::size_t exports = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        exports += entry.path().extension() == ".csv";
    EXPECT_EQ(exports, 1u);
}

TEST_F(GridChannelTest, TheFirstWindowOpenedWithTheTitleAnswersAndAnUnknownTitleGetsTheEmptyText) {
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    TestGridWindow* empty = OpenAnother("Lots0", "Lots");  // no view: "Lots - No data found"
    Open(3);
    // The first window's answer, then the empty text for a title no window has.
    Send(Request(0x804B, 0, "Lots") + Request(0x804B, 0, "Lots - No data found"));
    EXPECT_EQ(Receive(20),
              "\x01\x00\x00\x00\x02\x00\x00\x00\x00\x00"
              "\x01\x00\x00\x00\x02\x00\x00\x00\x00\x00"s);
    empty->SetWindowTitle("Empty");
    Send(Request(0x804C, CellLParam(2, 1), "Lots"));
    EXPECT_EQ(Receive(14), "\x01\x00\x00\x00\x06\x00\x00\x00N\x00\x31\x00\x00\x00"s);
    EXPECT_TRUE(log.Has(3, "no grid window titled \"Lots - No data found\""));

    window->calls.clear();
    Send(Request(0x8012, 0, "Missing") + Request(0x8001, 0, "Lots") +
         Request(0x804C, CellLParam(1, 1), "Missing") + Request(0x804B, 0, "Empty"));
    EXPECT_EQ(Receive(20),
              "\x01\x00\x00\x00\x02\x00\x00\x00\x00\x00"
              "\x01\x00\x00\x00\x02\x00\x00\x00\x00\x00"s);
    EXPECT_EQ(Receive(1, 100), "");
    EXPECT_TRUE(window->calls.empty());
    EXPECT_TRUE(log.Has(3, "no grid window titled \"Missing\""));
    EXPECT_TRUE(log.Has(3, "message 0x8001 refused"));
    delete empty->SubWindow();
}

}  // namespace
