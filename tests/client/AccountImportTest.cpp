// The account import against the session of a real login: the row checks and their log lines on
// real files, the delimiters around the rows actually sent, and the window's log file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <stdexcept>

#include "ClientGridFixture.h"
#include "ClientTestSupport.h"
#include "client/AccountImporter.h"
#include "client/TAccountsGridForm.h"
#include "core/MException.h"
#include "store/KR_Account.h"
#include "support/TestTempDir.h"
#include "toolkit/Action.h"

namespace {

std::string Field(const std::string& text, std::size_t width) {
    std::string field = text;
    field.resize(width, ' ');
    return field;
}

}  // namespace

class AccountImportTest : public ClientGridFixture {
protected:
    void SetUp() override {
        ClientGridFixture::SetUp();
        ASSERT_TRUE(LogInNow("part"));
    }
    bool Import(const std::string& name, std::string& log, int32_t& imported) {
        const std::string path = dir.File("import.log");
        TCommandCSVData<AccountImport> data;
        AccountImporter importer(*session);
        const bool result = importer.Run(DataFile(name), path, data);
        imported = importer.Imported();
        log = TestTempDir::Read(path);
        return result;
    }
    std::vector<std::string> QueuedSince(std::size_t from) {
        const std::vector<std::string> queued = Queued();
        return std::vector<std::string>(queued.begin() + static_cast<std::ptrdiff_t>(from), queued.end());
    }
};

TEST_F(AccountImportTest, ChecksEachRowInOrderAndSendsTheGoodOnesBetweenDelimiters) {
    const std::size_t before = Queued().size();
    std::string log;
    int32_t imported = 0;
    EXPECT_FALSE(Import("accounts.csv", log, imported));
    EXPECT_EQ(imported, 3);
    EXPECT_EQ(log, TestTempDir::Read(DataFile("accounts.log")));

    const std::vector<std::string> sent = QueuedSince(before);
    ASSERT_EQ(sent.size(), 5u);
    EXPECT_EQ(sent[0].substr(0, 2), "IU");
    EXPECT_EQ(sent[0].substr(24), "  USA");
    EXPECT_EQ(sent[4].substr(24), "  UEA");
    EXPECT_EQ(sent[1].size(), 351u);
    // The second row: the names stored as their letters, the entry's action left blank.
    EXPECT_EQ(sent[2].substr(24, 1 + 24 + 16 + 2), " " + Field("Affiliate", 24) + Field("IMP-2", 16) + "1A");
    EXPECT_EQ(sent[3].substr(25 + 24, 16 + 2), Field("IMP-10", 16) + "NP");
    EXPECT_EQ(session->PendingCommands.size(), 3u);  // the delimiters are not pending
}

TEST_F(AccountImportTest, NoGoodRowSendsNothingNotEvenADelimiter) {
    const std::size_t before = Queued().size();
    std::string log;
    int32_t imported = 0;
    EXPECT_FALSE(Import("accounts_no_good_row.csv", log, imported));
    EXPECT_EQ(imported, 0);
    EXPECT_TRUE(QueuedSince(before).empty());
    EXPECT_NE(log.find("\n2;GeneralError;All mandatory fields have not been filled;\n"), std::string::npos)
        << log;

    // An empty file counts no line at all.
    EXPECT_FALSE(Import("accounts_empty.csv", log, imported));
    EXPECT_EQ(
        log,
        "Start of loading data ...\n\n\n\nStart of processing loaded data ...\n\n\n\nImport summary ...\n\n"
        "Numbers of lines processed: 0\nNumber of lines imported: 0\nNumber of syntax errors: 0\n"
        "Number of business errors: 0\n");
    EXPECT_TRUE(QueuedSince(before).empty());
}

// A zero byte inside a field is refused as any other forbidden character, with the line's error,
// whatever follows it: nothing after it passes the checks unseen. The good row still goes out.
TEST_F(AccountImportTest, AFieldHoldingAZeroByteIsRefusedWithItsLine) {
    using namespace std::string_literals;
    const struct {
        int field;  // column of the row below
        std::string text;
        std::string reason;
    } cases[] = {
        {6, "Name\0=One"s, "Name contains an invalid character"},
        {6, "Name\0\xE9"s, "Name contains an invalid character"},
        {6, "Name One\0"s, "Name contains an invalid character"},
        {0, "Aff\0="s, "Affiliated Company Name contains an invalid character"},
        {1, "IMP-7\0"s, "Account Number contains an invalid character"},
        {4, "OWN\0\x80"s, "Owner Id contains an invalid character"},
        {7, "\0=Road"s, "Address contains an invalid character"},
        {13, "a@b.c\0="s, "Email contains an invalid character"},
    };
    const std::vector<std::string> good{"",     "IMP-1", "1",     "A", "OWN1", "H", "Name One", "1 Road",
                                        "Town", "ST",    "12345", "",  "",     "",  "CA"};
    const auto line = [](const std::vector<std::string>& fields) {
        std::string text;
        for (const std::string& field : fields) text += field + ";";
        text.back() = '\n';
        return text;
    };
    std::string file = "header\n";
    std::string expected = "\n";  // the processing heading's end
    int32_t number = 1;
    for (const auto& c : cases) {
        std::vector<std::string> fields = good;
        fields[static_cast<std::size_t>(c.field)] = c.text;
        file += line(fields);
        expected += std::to_string(++number) + ";GeneralError;" + c.reason + ";\n";
    }
    file += line(good);
    const std::string path = dir.File("zero.csv");
    TestTempDir::Write(path, file);

    const std::size_t before = Queued().size();
    TCommandCSVData<AccountImport> data;
    AccountImporter importer(*session);
    EXPECT_FALSE(importer.Run(path, dir.File("zero.log"), data));
    EXPECT_EQ(importer.Imported(), 1);
    const std::string log = TestTempDir::Read(dir.File("zero.log"));
    EXPECT_NE(log.find(expected), std::string::npos) << log;
    const std::vector<std::string> sent = QueuedSince(before);
    ASSERT_EQ(sent.size(), 3u);  // the good row between its delimiters
    EXPECT_EQ(sent[1].substr(0, 2), "AN");
    EXPECT_EQ(sent[1].find('\0'), std::string::npos);
}

TEST_F(AccountImportTest, UnreadableFileAndUncreatableLogSendNothing) {
    const std::size_t before = Queued().size();
    TCommandCSVData<AccountImport> data;
    AccountImporter importer(*session);
    EXPECT_FALSE(importer.Run(DataFile("accounts.csv"), dir.File("missing/dir/import.log"), data));
    EXPECT_FALSE(importer.Run(DataFile("no-such-file.csv"), dir.File("import.log"), data));
    const std::string log = TestTempDir::Read(dir.File("import.log"));
    EXPECT_EQ(log.rfind("Start of loading data ...\n\n", 0), 0u);
    EXPECT_NE(log.find("Failure of loading data ...\n\n"), std::string::npos);
    EXPECT_EQ(log.find("Import summary"), std::string::npos);
    EXPECT_TRUE(QueuedSince(before).empty());
}

TEST_F(AccountImportTest, TheWindowWritesItsLogInTheWorkingDirectory) {
    WriteSettings(dir.Path());
    auto* window = new TAccountsGridForm(&area, ChildType::Accounts, Config("Accounts"), &titles,
                                         session.get(), new TInterfaceView<KR_Account>);
    Track(window);
    EXPECT_TRUE(window->CanImport());
    TCommandCSVData<AccountImport> data;
    EXPECT_FALSE(window->RunAccountImport(DataFile("accounts.csv"), data));
    EXPECT_EQ(window->ImportCounter, 3);
    EXPECT_EQ(TestTempDir::Read(window->ImportLogFileName()), TestTempDir::Read(DataFile("accounts.log")));
}

namespace {

// Import data whose record count cannot be read the first time it is asked for: a failure
// that nothing in the import expects, raised by the given call.
class FailingAccountData : public TCommandCSVData<AccountImport> {
public:
    explicit FailingAccountData(std::function<void()> fail) : fail_(std::move(fail)) {}
    int32_t GetRecordCount() const override {
        if (!thrown_) {
            thrown_ = true;
            fail_();
        }
        return TCommandCSVData<AccountImport>::GetRecordCount();
    }

private:
    std::function<void()> fail_;
    mutable bool thrown_ = false;
};

// An accounts window whose import reads through failing data, so that the failure comes from
// inside the import the user starts.
class FailingImportWindow : public TAccountsGridForm {
public:
    FailingImportWindow(QMdiArea* owner, const BaseGridConfig& config, TitleManager* titles,
                        KVNEventManager* session, std::function<void()> fail)
        : TAccountsGridForm(owner, ChildType::Accounts, config, titles, session,
                            new TInterfaceView<KR_Account>),
          fail_(std::move(fail)) {}
    bool ImportData(const std::string& fileName) override {
        FailingAccountData data(fail_);
        return RunAccountImport(fileName, data);
    }

private:
    std::function<void()> fail_;
};

}  // namespace

// A standard exception and the framework's own alike: the failure line and the summary in the
// log, the import failed, nothing sent; from the import action, the failure's dialog.
TEST_F(AccountImportTest, AnExceptionInsideTheImportIsLoggedWithTheSummaryAndFailsIt) {
    WriteSettings(dir.Path());
    const std::string expected =
        "Start of loading data ...\n\n\n\nStart of processing loaded data ...\n\n"
        ";GeneralError;import failed;\n"
        "\n\nImport summary ...\n\n"
        "Numbers of lines processed: 10\n"
        "Number of lines imported: 0\n"
        "Number of syntax errors: 0\n"
        "Number of business errors: 10\n";
    const struct {
        const char* name;
        std::function<void()> fail;
    } cases[] = {
        {"standard", [] { throw std::runtime_error("record count lost"); }},
        {"framework", [] { ThrowMException(2, "Array index %d outside of the %d elements in use", 3, 2); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& window = Track(new TAccountsGridForm(&area, ChildType::Accounts, Config("Accounts"), &titles,
                                                   session.get(), new TInterfaceView<KR_Account>));
        const std::size_t before = Queued().size();
        FailingAccountData data(c.fail);
        EXPECT_FALSE(window.RunAccountImport(DataFile("accounts.csv"), data));
        EXPECT_EQ(window.ImportCounter, 0);
        EXPECT_TRUE(QueuedSince(before).empty());
        EXPECT_EQ(TestTempDir::Read(window.ImportLogFileName()), expected);

        auto& failing =
            Track(new FailingImportWindow(&area, Config("Failing"), &titles, session.get(), c.fail));
        ui.ExpectOpenFile(DataFile("accounts.csv"));
        ClientGridFixture::Shown shown;
        std::string whileUp;  // the log as the user finds it while the dialog names it
        ExpectPendingOperations(shown, failing,
                                [&] { whileUp = TestTempDir::Read(failing.ImportLogFileName()); });
        failing.ImportAction->trigger();
        EXPECT_EQ(ui.Pending(), 0u);
        EXPECT_EQ(shown.result, "Failure.");
        EXPECT_EQ(shown.logEdit, failing.ImportLogFileName());
        EXPECT_EQ(whileUp, expected);
        EXPECT_EQ(TestTempDir::Read(failing.ImportLogFileName()), expected);
        EXPECT_TRUE(QueuedSince(before).empty());
    }
}

// The answers are read only once the pending-operations dialog runs: an error answered at once
// for one account is not forgotten when the dialog starts.
TEST_F(AccountImportTest, AnErrorAnsweredAtOnceForOneAccountEndsTheImportInFailure) {
    WriteSettings(dir.Path());
    auto& window = Track(new TAccountsGridForm(&area, ChildType::Accounts, Config("Accounts"), &titles,
                                               session.get(), new TInterfaceView<KR_Account>));
    const std::string file = dir.File("two.csv");
    std::ofstream(file)
        << "header\n"
           ";IMP-1;1;A;OWN1;H;Name One;1 Road;Town;ST;12345;;;;CA\n"
           "Affiliate;IMP-2;Client;CanadianBank;OWN2;Hedger;Name Two;2 Road;Town;ST;12345;;;;US\n";
    const uint32_t start = session->SequenceCounter + 1;
    server->AnswerSequenceWithError(Sequence(start + 2), "Refused for the test");
    ui.ExpectOpenFile(file);
    ClientGridFixture::Shown shown;
    ExpectPendingOperations(shown, window);
    window.ImportAction->trigger();
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_EQ(window.ImportCounter, 2);
    EXPECT_EQ(shown.result, "Failure.");
    std::vector<std::string> order;
    for (const testserver::Arrival& arrival : server->GetReceived())
        if (arrival.bytes.compare(0, 2, "IU") == 0 || arrival.bytes.compare(0, 2, "AN") == 0)
            order.push_back(arrival.bytes.substr(0, 2) + arrival.bytes.substr(16, 8));
    EXPECT_EQ(order, (std::vector<std::string>{"IU" + Sequence(start), "AN" + Sequence(start + 1),
                                               "AN" + Sequence(start + 2), "IU" + Sequence(start + 3)}));
    // The entry's text keeps its trailing blank before the appended account number.
    std::vector<std::string> texts;
    for (const auto& [key, command] : session->CommandHistories.Records)
        texts.push_back(command.Description.ToString());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Account Import  - IMP-2"), texts.end());
    const std::string log = TestTempDir::Read(window.ImportLogFileName());
    const std::size_t heading = log.find("Execution Report data ...");
    ASSERT_NE(heading, std::string::npos) << log;
    EXPECT_NE(log.find("Refused for the test", heading), std::string::npos);
}
