// The position import against the session of a real login: the row checks and their log lines on
// real files, the commands in order, and the log file the positions window writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "ClientGridFixture.h"
#include "ClientTestSupport.h"
#include "client/PositionImporter.h"
#include "client/TPositionsGridForm.h"
#include "store/KB_Position.h"
#include "support/TestTempDir.h"
#include "toolkit/Action.h"

namespace {

using PositionView = TInterfaceView<KB_Position>;

}  // namespace

class PositionImportTest : public ClientGridFixture {
protected:
    void SetUp() override {
        ClientGridFixture::SetUp();
        ASSERT_TRUE(LogInNow("part"));
    }
    // Loads and sends a fixture file as the window does, into a log in the temporary directory.
    bool Import(const std::string& name, std::string& log, int32_t& sent) {
        const std::string path = dir.File("import.log");
        std::FILE* file = std::fopen(path.c_str(), "w");
        TCommandCSVData<PositionImport> data;
        bool result = false;
        sent = 0;
        if (PositionImporter::Load(data, DataFile(name), file)) {
            PositionImporter importer(*session);
            result = importer.SendRecords(data, file);
            sent = importer.Sent();
            data.WriteImportSummary(file, sent, true);
        }
        std::fclose(file);
        log = TestTempDir::Read(path);
        return result;
    }
    std::vector<std::string> QueuedTypes(std::size_t from) {
        std::vector<std::string> types;
        const std::vector<std::string> queued = Queued();
        for (std::size_t i = from; i < queued.size(); ++i) types.push_back(queued[i].substr(0, 2));
        return types;
    }
    TPositionsGridForm& OpenPositions() {
        return Track(new TPositionsGridForm(&area, Config("Positions" + std::to_string(windows.size() + 1)),
                                            &titles, session.get(), new PositionView));
    }
};

TEST_F(PositionImportTest, EveryRefusedRowIsLoggedWithItsLineAndReasonAndTheGoodOnesAreSent) {
    const std::size_t before = Queued().size();
    std::string log;
    int32_t sent = 0;
    EXPECT_FALSE(Import("positions.csv", log, sent));
    EXPECT_EQ(sent, 4);
    EXPECT_EQ(log, TestTempDir::Read(DataFile("positions.log")));

    // The rows sent, between the start and end delimiters.
    const std::vector<std::string> queued = Queued();
    ASSERT_EQ(QueuedTypes(before), (std::vector<std::string>{"IU", "PN", "PN", "PN", "PN", "IU"}));
    const std::string& start = queued[before];
    const std::string& end = queued.back();
    EXPECT_EQ(start.size(), 29u);
    EXPECT_EQ(start.substr(24, 5), "  USP");
    EXPECT_EQ(end.substr(24, 5), "  UZP");
    const std::string& first = queued[before + 1];
    ASSERT_EQ(first.size(), 71u);
    EXPECT_EQ(first.substr(24, 8), "20261201");
    EXPECT_EQ(first.substr(33, 16), "NW-100          ");
    EXPECT_EQ(first.substr(49, 6), "OPABC1");
    EXPECT_EQ(first.substr(55, 16), "0000001000000000");
    // The class-symbol rows find the put and, with its strike written otherwise, the call.
    EXPECT_EQ(queued[before + 2].substr(49, 6), "OPABP1");
    EXPECT_EQ(queued[before + 4].substr(49, 6), "OPABC1");
    EXPECT_EQ(queued[before + 4].substr(55, 16), "0000000000000003");
    // Delimiters are not pending; the entries are.
    EXPECT_EQ(session->PendingCommands.size(), 4u);
}

TEST_F(PositionImportTest, FilesWithoutAGoodRowSendNothing) {
    for (const char* name : {"header_only.csv", "empty.csv"}) {
        SCOPED_TRACE(name);
        const std::size_t before = Queued().size();
        std::string log;
        int32_t sent = 0;
        EXPECT_FALSE(Import(name, log, sent));
        EXPECT_EQ(Queued().size(), before);  // no delimiter either
        EXPECT_EQ(log,
                  "Start of loading data ...\n\n\n\nStart of processing loaded data ...\n\n"
                  "\n\nImport summary ...\n\n"
                  "Numbers of lines processed: 0\n"
                  "Number of lines imported: 0\n"
                  "Number of syntax errors: 0\n"
                  "Number of business errors: 0\n");
    }
}

TEST_F(PositionImportTest, TheWindowReportsAMissingWorkingDirectoryAnUncreatableLogAndAnUnreadableFile) {
    TPositionsGridForm& window = OpenPositions();
    const std::size_t before = Queued().size();
    auto logs = [&] {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            if (entry.path().extension() == ".log") names.push_back(entry.path().string());
        return names;
    };

    // No working directory: the box, and no log.
    const std::string missing = dir.File("missing");
    WriteSettings(missing);
    ui.ExpectBox("Setup Error", "The working directory: '" + missing + "' doesn't exists!", BoxIcon::Error,
                 BoxButtons::Ok, mrOk);
    EXPECT_FALSE(window.ImportData(DataFile("positions.csv")));
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_TRUE(logs().empty());

    // A log that cannot be created (its name is too long for the file system): an error entry.
    WriteSettings(dir.Path());
    const std::size_t entries = session->GetErrorDetails().size();
    EXPECT_FALSE(window.ImportData(dir.File(std::string(250, 'p') + ".csv")));
    session->CollectErrors();
    const auto& errors = session->GetErrorDetails();
    ASSERT_GT(errors.size(), entries);
    EXPECT_EQ(errors.back().GetLevel(), LOG_ERROR);
    EXPECT_NE(std::string(errors.back().GetText())
                  .find("Unable to create log file: '" + window.ImportLogFileName() + "'"),
              std::string::npos);
    EXPECT_TRUE(logs().empty());

    // An unreadable file: the reader's text and the failure line, no summary.
    EXPECT_FALSE(window.ImportData(dir.File("absent.csv")));
    const std::string log = TestTempDir::Read(window.ImportLogFileName());
    EXPECT_EQ(log.rfind("Start of loading data ...\n\n", 0), 0u) << log;
    const std::string failure = "Failure of loading data ...\n\n";
    ASSERT_GE(log.size(), failure.size());
    EXPECT_EQ(log.substr(log.size() - failure.size()), failure);
    EXPECT_GT(log.size(), std::string("Start of loading data ...\n\n").size() + failure.size());
    EXPECT_EQ(log.find("Import summary"), std::string::npos);
    EXPECT_EQ(Queued().size(), before);
}

TEST_F(PositionImportTest, AFileWithoutAGoodRowGivesTheWarningThroughTheWindow) {
    WriteSettings(dir.Path());
    TPositionsGridForm& window = OpenPositions();
    const std::size_t before = Queued().size();
    ui.ExpectBox("No Position imported",
                 "WARNING: The submission of an import positions data file with 0 record will be considered "
                 "a failure to submit.",
                 BoxIcon::Warning, BoxButtons::Ok, mrOk);
    EXPECT_FALSE(window.ImportData(DataFile("header_only.csv")));
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(window.ImportCounter, 0);
    EXPECT_EQ(Queued().size(), before);
    EXPECT_NE(TestTempDir::Read(window.ImportLogFileName()).find("Numbers of lines processed: 0\n"),
              std::string::npos);
}

// The boxes that send the user to the log come once it is written whole and closed: the warning
// and then the pending-operations dialog of an import that sent nothing.
TEST_F(PositionImportTest, TheLogIsWholeWhileTheBoxesThatNameItAreUp) {
    WriteSettings(dir.Path());
    TPositionsGridForm& window = OpenPositions();
    const std::string file = dir.File("refused.csv");
    TestTempDir::Write(file, "header\n20261201;NW-100;NOPE;;;;;1;0\n");
    const std::string lines =
        "2;GeneralError;The instrument cannot be found;\n"
        "\n\nImport summary ...\n\n"
        "Numbers of lines processed: 1\n"
        "Number of lines imported: 0\n"
        "Number of syntax errors: 0\n"
        "Number of business errors: 1\n";
    std::string atWarning;
    std::string atDialog;
    ui.ExpectOpenFile(file);
    ui.ExpectBox(PositionImporter::kNoRowCaption, PositionImporter::kNoRowMessage, BoxIcon::Warning,
                 BoxButtons::Ok, mrOk)
        .WhileUp([&] { atWarning = TestTempDir::Read(window.ImportLogFileName()); });
    ClientGridFixture::Shown shown;
    ExpectPendingOperations(shown, window, [&] { atDialog = TestTempDir::Read(window.ImportLogFileName()); });
    window.ImportAction->trigger();
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(shown.result, "Failure.");
    for (const std::string* seen : {&atWarning, &atDialog}) {
        const std::size_t at = seen->find(lines);
        ASSERT_NE(at, std::string::npos) << *seen;
        EXPECT_EQ(at + lines.size(), seen->size());
    }
}

TEST_F(PositionImportTest, AFieldTextWithAForbiddenCharacterOrRefusedByItsTypeIsNamed) {
    const std::size_t before = Queued().size();
    std::string log;
    int32_t sent = 0;
    EXPECT_FALSE(Import("positions_field_texts.csv", log, sent));
    EXPECT_EQ(sent, 1);
    EXPECT_EQ(log, TestTempDir::Read(DataFile("positions_field_texts.log")));
    ASSERT_EQ(QueuedTypes(before), (std::vector<std::string>{"IU", "PN", "IU"}));
    // The strike written "110.0" finds the put of strike 110.00.
    EXPECT_EQ(Queued()[before + 1].substr(49, 6), "OPABP1");
}

// A zero byte inside a field is refused as any other forbidden character, with the line's error:
// neither what follows it nor the byte itself reaches the server. A quantity is read digit by digit
// (a zero byte counting as a zero digit), so it is checked whenever it is not left empty.
TEST_F(PositionImportTest, AFieldHoldingAZeroByteIsRefusedWithItsLine) {
    using namespace std::string_literals;
    const struct {
        std::string row;
        std::string reason;
    } cases[] = {
        {"20261201;NW-100;ABC 20301220 C 125.00;;;;;5\0=;0"s, "Long Quantity contains an invalid character"},
        {"20261201;NW-100;ABC 20301220 C 125.00;;;;;5;\0="s, "Short Quantity contains an invalid character"},
        {"20261201;NW-100;ABC 20301220 C 125.00;;;;;\0\xE9;4"s,
         "Long Quantity contains an invalid character"},
        {"20261201;NW-100;ABC 20301220 C 125.00\0=;;;;;1;0"s,
         "External Symbol contains an invalid character"},
        {"20261201;NW-100;;ABC\0=;20301220;C;125;1;0"s, "Class Symbol contains an invalid character"},
        {"20261201;NW-100;;ABC;20301220;C\0;125;1;0"s, "Call Put Code contains an invalid character"},
        {"20261201;NW-100;;ABC;20301220;C;125\0;1;0"s, "Strike Price contains an invalid character"},
        {"20261201;NW-100\0;ABC 20301220 C 125.00;;;;;1;0"s, "Account Number contains an invalid character"},
    };
    std::string file = "header\n";
    std::string expected = "\n";  // the processing heading's end
    int32_t line = 1;
    for (const auto& c : cases) {
        file += c.row + "\n";
        expected += std::to_string(++line) + ";GeneralError;" + c.reason + ";\n";
    }
    file += "20261201;NW-100;ABC 20301220 C 125.00;;;;;1;0\n";
    const std::string path = dir.File("zero.csv");
    TestTempDir::Write(path, file);

    const std::size_t before = Queued().size();
    std::FILE* log = std::fopen(dir.File("zero.log").c_str(), "w");
    ASSERT_NE(log, nullptr);
    TCommandCSVData<PositionImport> data;
    ASSERT_TRUE(PositionImporter::Load(data, path, log));
    PositionImporter importer(*session);
    EXPECT_FALSE(importer.SendRecords(data, log));
    std::fclose(log);
    EXPECT_EQ(importer.Sent(), 1);
    const std::string text = TestTempDir::Read(dir.File("zero.log"));
    EXPECT_NE(text.find(expected), std::string::npos) << text;
    ASSERT_EQ(QueuedTypes(before), (std::vector<std::string>{"IU", "PN", "IU"}));
    EXPECT_EQ(Queued()[before + 1].find('\0'), std::string::npos);
}
