#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "TradeRecord.h"
#include "fields/MTitleFormat.h"
#include "store/AccountImport.h"
#include "store/CommandHistory.h"
#include "store/HistoricalAccountData.h"
#include "store/HistoricalCommandData.h"
#include "store/HistoricalPositionData.h"
#include "store/HistoricalSubmissionData.h"
#include "store/KB_Position.h"
#include "store/KR_Account.h"
#include "store/PositionImport.h"
#include "store/TInterfaceView.h"
#include "support/LogRecorder.h"
#include "support/TestTempDir.h"

namespace {

// Runs a test inside a fresh temporary directory and goes back afterwards.
class InTempDir : public ::testing::Test {
protected:
    InTempDir() : previous_(std::filesystem::current_path()) { std::filesystem::current_path(dir_.Path()); }
    ~InTempDir() override { std::filesystem::current_path(previous_); }

    TestTempDir dir_;
    std::filesystem::path previous_;
};

using DumpData = InTempDir;

TEST_F(DumpData, WritesTheTitlesAndEveryRowInArrivalOrder) {
    TInterfaceView<Trade> view;
    view.DumpData();
    EXPECT_EQ(TestTempDir::Read(dir_.File("Trades.dump")), "Id;Name;Amount;Price;\n");

    const Trade second(2, "b x", 20, 5);
    const Trade first(1, "a", -10);
    view.UpdateRow(&second);
    view.UpdateRow(&first);
    view.Filter.push_back(ColumnFilter());  // no row displayed: the dump writes all rows anyway
    view.ApplyFilter();
    view.DumpData();
    EXPECT_EQ(TestTempDir::Read(dir_.File("Trades.dump")),
              "Id;Name;Amount;Price;\n2;b x;20;5;\n1;a;-10;0;\n");
}

TEST_F(DumpData, WritesNothingWhenTheFileCannotBeOpened) {
    std::filesystem::create_directory(dir_.File("Trades.dump"));
    TInterfaceView<Trade> view;
    view.DumpData();
    EXPECT_TRUE(std::filesystem::is_directory(dir_.File("Trades.dump")));
}

// A dump that cannot be written whole (a file-size limit stands in for a full disk, in a child
// process) leaves the previous dump as it was, and no temporary file behind.
TEST_F(DumpData, AFailedDumpKeepsThePreviousOne) {
    TInterfaceView<Trade> view;
    const Trade first(1, "a", -10);
    view.UpdateRow(&first);
    view.DumpData();
    const std::string previous = TestTempDir::Read(dir_.File("Trades.dump"));
    for (int i = 2; i < 2000; ++i) {
        const Trade more(i, "a longer name to fill the file", i);
        view.UpdateRow(&more);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        LogRecorder log;
        view.DumpData();
        std::_Exit(log.Has(3, "Dump file 'Trades.dump' not written: the previous dump is kept") ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(TestTempDir::Read(dir_.File("Trades.dump")), previous);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("Trades.dump.tmp")));
}

template <class T>
void ExpectView(const char* dumpFile) {
    SCOPED_TRACE(dumpFile);
    TInterfaceView<T> view;
    MTitleFormat titles;
    T::DescribeClass(titles);
    ASSERT_FALSE(titles.GetTitles().empty());
    EXPECT_EQ(view.GetTitleList(), titles.GetTitles());
    EXPECT_EQ(view.GetColumnCount(), static_cast<int>(titles.GetTitles().size()) + 1);
    EXPECT_EQ(view.DumpFileName, dumpFile);
    const T record;
    view.UpdateRow(&record);
    EXPECT_EQ(view.GetAllRowCount(), 2);
    view.DumpData();
    EXPECT_TRUE(std::filesystem::exists(dumpFile));
}

using ClientViews = InTempDir;

TEST_F(ClientViews, EveryViewTakesItsTitlesAndDumpFileFromItsRecordType) {
    ExpectView<KR_Account>("STrdInstrument.dump");
    ExpectView<KB_Position>("STrdInstrument.dump");
    ExpectView<CommandHistory>("CommandHistory.dump");
    ExpectView<HistoricalAccountData>("Historical Accounts.dump");
    ExpectView<HistoricalPositionData>("Historical Positions.dump");
    ExpectView<HistoricalSubmissionData>("Historical Submissions Outcome.dump");
    ExpectView<HistoricalCommandData>("Historical Commands History.dump");
    ExpectView<AccountImport>("TrdTraderImport.dump");
    ExpectView<PositionImport>("TrdTraderImport.dump");
}

TEST(ImportView, HoldsOneRowWithTheLastRecord) {
    TInterfaceView<PositionImport> view;
    PositionImport first;
    PositionImport second;
    first.ClassSymbol.SetText("FIRST");
    second.ClassSymbol.SetText("SECOND");
    view.UpdateRow(&first);
    view.UpdateRow(&second);
    EXPECT_EQ(view.GetAllRowCount(), 2);
    EXPECT_EQ(view.GetRowData(0, true)->ClassSymbol.ToString(), "SECOND");
}

}  // namespace
