// The account import against the session of a real login: the row checks and their log lines on
// real files, the delimiters around the rows actually sent, and the window's log file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "ClientGridFixture.h"
#include "client/AccountImporter.h"
#include "client/TAccountsGridForm.h"
#include "store/KR_Account.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Data(const std::string& name) {
    return std::string(KORVANE_TEST_DATA) + "/" + name;
}

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
        const bool result = importer.Run(Data(name), path, data);
        imported = importer.Imported();
        log = ReadFile(path);
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
    EXPECT_EQ(log, ReadFile(Data("accounts.log")));

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

TEST_F(AccountImportTest, UnreadableFileAndUncreatableLogSendNothing) {
    const std::size_t before = Queued().size();
    TCommandCSVData<AccountImport> data;
    AccountImporter importer(*session);
    EXPECT_FALSE(importer.Run(Data("accounts.csv"), dir.File("missing/dir/import.log"), data));
    EXPECT_FALSE(importer.Run(Data("no-such-file.csv"), dir.File("import.log"), data));
    const std::string log = ReadFile(dir.File("import.log"));
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
    EXPECT_FALSE(window->RunAccountImport(Data("accounts.csv"), data));
    EXPECT_EQ(window->ImportCounter, 3);
    EXPECT_EQ(ReadFile(window->ImportLogFileName()), ReadFile(Data("accounts.log")));
}
