#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "TradeRecord.h"
#include "core/MException.h"
#include "store/PositionImport.h"
#include "store/TCommandCSVData.h"
#include "support/LogRecorder.h"
#include "support/TestTempDir.h"

namespace {

// Trade lines; a line starting with "bad" raises the framework's exception, "std" a standard one.
class TradeBatch : public TCommandCSVData<Trade> {
public:
    void ReadRecord() override {
        if (ReadText.rfind("bad", 0) == 0) throw MException(1, ("Bad line " + ReadText).c_str());
        if (ReadText.rfind("std", 0) == 0) throw std::runtime_error("Standard failure");
        TCommandCSVData<Trade>::ReadRecord();
    }
    int32_t Lines() const { return LineCounter; }
};

std::vector<int> Ids(const TradeBatch& batch) {
    std::vector<int> ids;
    for (const Trade& trade : batch.Records) ids.push_back(trade.Id.GetValue());
    return ids;
}

class ImportFile : public ::testing::Test {
protected:
    std::string Write(const std::string& bytes) {
        const std::string path = dir_.File("import.csv");
        TestTempDir::Write(path, bytes);
        return path;
    }
    std::string Summary(const CommandCSVData& data, int imported, bool header) {
        const std::string path = dir_.File("import.log");
        std::FILE* log = std::fopen(path.c_str(), "w");
        data.WriteImportSummary(log, imported, header);
        std::fclose(log);
        return TestTempDir::Read(path);
    }

    TestTempDir dir_;
    TradeBatch batch;
    std::string error;
};

TEST_F(ImportFile, RecordsAreNumberedFromOneAndMappedToTheirOwnLines) {
    ASSERT_TRUE(batch.LoadFile(Write("1;a;10;100\n# note\n2;b;20;200\n3;c;30;300\n"), error));
    EXPECT_EQ(Ids(batch), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(batch.Records[1].Name.ToString(), "b");
    EXPECT_EQ(batch.Records[2].Price.GetValue(), 300);
    const int32_t lines[] = {0, 1, 3, 4, 0};
    for (uint32_t record = 0; record < 5; ++record) EXPECT_EQ(batch.GetLineOfRecord(record), lines[record]);
    EXPECT_EQ(batch.Lines(), 5);  // the failed read at the end counts too
    EXPECT_TRUE(batch.GetErrorLines().empty());

    // A second file starts afresh.
    ASSERT_TRUE(batch.LoadFile(Write("9;z;1;1\r\n"), error));
    EXPECT_EQ(Ids(batch), std::vector<int>{9});
    EXPECT_EQ(batch.Records[0].Price.GetValue(), 1);  // the carriage return is dropped by the reader
    EXPECT_EQ(batch.GetLineOfRecord(2), 0);
}

TEST_F(ImportFile, ALineThatRaisesGivesAnErrorLineAndTheLoadGoesOn) {
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    ASSERT_TRUE(batch.LoadFile(Write("1;a;1;1\nbad one\n# c\n2;b;2;2\nstd two\n3;c;3;3"), error));
    EXPECT_EQ(Ids(batch), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(batch.GetLineOfRecord(2), 4);
    EXPECT_EQ(batch.GetLineOfRecord(3), 6);
    EXPECT_EQ(batch.GetErrorLines(), (std::vector<std::string>{"2;ImportError;Invalid data file format;\n",
                                                               "5;ImportError;Invalid data file format;\n"}));
    EXPECT_EQ(error, "Standard failure");
    EXPECT_TRUE(log.Has(3, "Bad line bad one"));
    EXPECT_TRUE(log.Has(3, "Standard failure"));
    EXPECT_EQ(batch.Lines(), 6);
    EXPECT_EQ(Summary(batch, 2, false),
              "\n\nImport summary ...\n\n"
              "Numbers of lines processed: 5\n"
              "Number of lines imported: 2\n"
              "Number of syntax errors: 2\n"
              "Number of business errors: 1\n");
}

TEST_F(ImportFile, SummaryWithAHeaderLine) {
    std::string file = "Id;Name;Amount;Price\n";
    for (int i = 1; i <= 10; ++i) file += (i == 4 || i == 8 ? "bad" : std::to_string(i)) + ";n;1;1\n";
    LogRecorder log;
    ASSERT_TRUE(batch.LoadFile(Write(file), error));
    EXPECT_EQ(batch.GetRecordCount(), 9);  // the header is record 1
    EXPECT_EQ(Summary(batch, 5, true),
              "\n\nImport summary ...\n\n"
              "Numbers of lines processed: 10\n"
              "Number of lines imported: 5\n"
              "Number of syntax errors: 2\n"
              "Number of business errors: 3\n");
    batch.WriteImportSummary(nullptr, 5, true);  // no log: nothing
}

TEST_F(ImportFile, AnEmptyFileCountsNothingEvenWithAHeaderTakenOff) {
    ASSERT_TRUE(batch.LoadFile(Write(""), error));
    EXPECT_EQ(Summary(batch, 0, true),
              "\n\nImport summary ...\n\n"
              "Numbers of lines processed: 0\n"
              "Number of lines imported: 0\n"
              "Number of syntax errors: 0\n"
              "Number of business errors: 0\n");
}

TEST_F(ImportFile, CommentsEmptyAndLongLines) {
    ASSERT_TRUE(batch.LoadFile(Write("#a\n#b\n"), error));
    EXPECT_EQ(batch.GetRecordCount(), 0);
    EXPECT_EQ(batch.Lines(), 3);

    // An empty line is a record with empty fields; a line of any length is one line.
    const std::string longName(5000, 'x');
    ASSERT_TRUE(batch.LoadFile(Write("\n7;" + longName + ";1;2\n8;y;3;4\n"), error));
    ASSERT_EQ(Ids(batch), (std::vector<int>{0, 7, 8}));
    EXPECT_EQ(batch.Records[1].Name.ToString(), "xxxxxxxx");
    EXPECT_EQ(batch.Records[1].Amount.GetValue(), 1);
    EXPECT_EQ(batch.Records[1].Price.GetValue(), 2);
    EXPECT_EQ(batch.GetLineOfRecord(3), 3);
}

TEST_F(ImportFile, AFileThatCannotBeOpened) {
    LogRecorder log;
    batch.AddRecord(Trade(5, "kept", 1));
    const std::string name = dir_.File("missing.csv");
    EXPECT_FALSE(batch.LoadFile(name, error));
    EXPECT_EQ(error, "Unable to open the Data File: " + name);
    EXPECT_TRUE(log.Has(3, "Unable to open the Data File: " + name));
    EXPECT_TRUE(batch.GetErrorLines().empty());
    EXPECT_EQ(batch.GetRecordCount(), 1);
}

// A directory opens for reading but every read fails: the load ends with the reader's error.
TEST_F(ImportFile, AFileThatCannotBeReadEndsTheLoad) {
    LogRecorder log;
    const std::string name = dir_.Path();
    EXPECT_FALSE(batch.LoadFile(name, error));
    EXPECT_EQ(error, "Unable to read the Data File: " + name + ": Is a directory");
    EXPECT_TRUE(log.Has(3, error));
    EXPECT_TRUE(batch.GetErrorLines().empty());
    EXPECT_EQ(batch.GetRecordCount(), 0);
    // The reader is free for the next file.
    ASSERT_TRUE(batch.LoadFile(Write("1;a;10;100\n"), error));
    EXPECT_EQ(Ids(batch), (std::vector<int>{1}));
}

TEST(ImportBatch, KeyOperationsActOnTheFirstRecord) {
    TCommandCSVData<PositionImport> batch;
    PositionImport record;
    batch.UpdateRecord(record);  // empty: nothing
    batch.RemoveRecord(record);
    batch.RemoveRecordByKey(BaseKey());
    EXPECT_EQ(batch.GetRecordCount(), 0);
    EXPECT_FALSE(batch.IsModified());

    for (const char* symbol : {"A", "B", "C"}) {
        record.ClassSymbol.SetText(symbol);
        batch.AddRecord(record);
    }
    record.ClassSymbol.SetText("NEW");
    batch.UpdateRecord(record);
    EXPECT_EQ(batch.Records[0].ClassSymbol.ToString(), "NEW");
    EXPECT_EQ(batch.Records[1].ClassSymbol.ToString(), "B");
    batch.RemoveRecord(record);
    EXPECT_EQ(batch.Records[0].ClassSymbol.ToString(), "B");
    batch.RemoveRecordByKey(BaseKey(0, 1));
    EXPECT_EQ(batch.GetRecordCount(), 2);
    batch.RemoveRecordByKey(BaseKey());
    EXPECT_EQ(batch.Records[0].ClassSymbol.ToString(), "C");
    EXPECT_TRUE(batch.IsModified());
}

}  // namespace
