// The accounts window against the test server: its items, the account screen's modes, deletion,
// the master chooser and links, the reporting dialog, and operations on all displayed rows that
// act on what the user confirmed while refreshes change the rows.
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <map>

#include "ClientGridFixture.h"
#include "client/AccountLinking.h"
#include "client/TAccountScreenForm.h"
#include "client/TAccountsGridForm.h"
#include "client/TMonitorAccountForm.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/TConfirmationForm.h"
#include "guisupport/HookedUi.h"
#include "store/FilterData.h"
#include "store/KR_Account.h"
#include "toolkit/Action.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"

namespace {

using AccountView = TInterfaceView<KR_Account>;
using Mode = EnumBraeKTSAccountEntryAction;

std::string Field(const std::string& text, std::size_t width) {
    std::string field = text;
    field.resize(width, ' ');
    return field;
}

}  // namespace

class AccountsGridTest : public ClientGridFixture {
protected:
    TAccountsGridForm& OpenAccounts(const std::string& user) {
        EXPECT_TRUE(LogInNow(user));
        TAccountsGridForm& window = Track(new TAccountsGridForm(
            &area, ChildType::Accounts, Config("Accounts"), &titles, session.get(), new AccountView));
        Refresh();
        return window;
    }
    static std::vector<std::string> Numbers(TAccountsGridForm& window) {
        std::vector<std::string> numbers;
        for (const TAccountsGridForm::Row& row : window.DisplayedRows())
            numbers.push_back(row.Account.AccountNumber.ToString());
        return numbers;
    }
    // Selects the row of the account number; false when none shows it.
    static bool Select(TAccountsGridForm& window, const std::string& number) {
        auto* view = static_cast<AccountView*>(window.View());
        for (int i = 0; i + 1 < view->GetDisplayedRowCount(); ++i) {
            if (view->GetRowData(i, false)->AccountNumber.ToString() != number) continue;
            window.Grid()->SetRow(i + 1);
            return true;
        }
        return false;
    }
    static bool Enabled(Action* action) {
        action->Update();
        return action->Enabled();
    }
    // Types the count into the confirmation and presses OK; before runs first.
    void Confirm(const std::string& caption, const std::string& count, std::function<void()> before = {}) {
        ui.ExpectModal<TConfirmationForm>([caption, count, before](TConfirmationForm& f) {
            EXPECT_EQ(f.windowTitle().toStdString(), caption);
            if (before) before();
            QTest::keyClicks(f.Control<Edit>("ConfirmationEdit"), QString::fromStdString(count));
            f.Control<QPushButton>("OKButton")->click();
        });
    }
    void ExpectScreen(Mode expected) {
        ui.ExpectModal<TAccountScreenForm>([expected](TAccountScreenForm& f) {
            EXPECT_EQ(f.GetMode(), expected);
            f.Control<QPushButton>("mpCancelButton")->click();
        });
    }
    const KR_Account* Stored(const std::string& number) const {
        for (const auto& [key, account] : session->Accounts.Records)
            if (account.AccountNumber.ToString() == number) return &account;
        return nullptr;
    }
    // Links the accounts to the master account through the server and waits for the answers.
    void Link(const std::string& master, const std::vector<std::string>& numbers) {
        Brae_AL_BulkLinkAccount message;
        message.MasterAccountId = Stored(master)->AccountId;
        std::vector<AccountLinking::Id> ids;
        for (const std::string& number : numbers) ids.push_back(Stored(number)->AccountId);
        AccountLinking::SendBatches(
            message, ids,
            [&](Brae_AL_BulkLinkAccount& m, const CommandDescription& d) { session->SendCommand(m, d); });
        ASSERT_TRUE(AllAnswered());
        Refresh();
    }
};

TEST_F(AccountsGridTest, ItemsAtConstructionByUserType) {
    TAccountsGridForm& window = OpenAccounts("part");
    EXPECT_EQ(window.ImportAction->Caption(), "Import Accounts ...");
    EXPECT_FALSE(window.LinkWithThisAccountItem()->isVisible());
    EXPECT_FALSE(window.MonitorAccountAction->isVisible());
    EXPECT_FALSE(window.AllDisplayedMonitorAccount->isVisible());
    EXPECT_FALSE(window.CreateNonReportableAccount->isVisible());
    EXPECT_TRUE(Enabled(window.NewRowAction));
    EXPECT_FALSE(Enabled(window.NewMasterAccountAction));
    EXPECT_EQ(Numbers(window).size(), 5u);
}

TEST_F(AccountsGridTest, EditCopyAndNewOpenTheScreenInTheRowsMode) {
    TAccountsGridForm& window = OpenAccounts("part");
    ASSERT_TRUE(Select(window, "NW-M1"));
    ExpectScreen(Mode::UpdateExistingMasterAccount);
    window.EditRowAction->Execute();
    ExpectScreen(Mode::CreateNewMasterAccount);
    window.CopyAction->Execute();
    ASSERT_TRUE(Select(window, "NW-101"));
    ExpectScreen(Mode::UpdateExistingAccount);
    window.EditRowAction->Execute();
    ExpectScreen(Mode::CreateNewAccount);
    window.CopyAction->Execute();
    ExpectScreen(Mode::CreateNewAccount);
    window.NewRowAction->Execute();
    EXPECT_EQ(ui.Pending(), 0u);
}

TEST_F(AccountsGridTest, JekUsersCreateMasterAndNonReportableAccounts) {
    TAccountsGridForm& window = OpenAccounts("jek");
    EXPECT_TRUE(window.CreateNonReportableAccount->isVisible());
    ASSERT_TRUE(Enabled(window.NewMasterAccountAction));
    ExpectScreen(Mode::CreateNewMasterAccount);
    window.NewMasterAccountAction->Execute();
    ExpectScreen(Mode::NewNonReportableAccount);
    window.CreateNonReportableAccount->Execute();
    ASSERT_TRUE(Select(window, "NW-101"));
    ExpectScreen(Mode::CreateNewMasterAccount);
    window.MasterAccountFromAccountAction->Execute();
}

TEST_F(AccountsGridTest, DeletionRefusesOpenPositionsAndSendsOneAdPerRowFromTheBottom) {
    TAccountsGridForm& window = OpenAccounts("part");
    ASSERT_TRUE(Select(window, "NW-100"));
    ui.ExpectBox("Account Deletion", "Account cannot be deleted because it has open positions.",
                 BoxIcon::Error, BoxButtons::Ok, mrOk);
    window.DeleteAction->Execute();
    const std::vector<std::string> numbers = Numbers(window);
    std::string first;
    for (const std::string& number : numbers)
        if (number == "NW-100" || number == "HB-200") {
            first = number;
            break;
        }
    ui.ExpectBox(
        "Multiple Account Deletion",
        "Operation cannot be performed because the account number (" + first + ") has open positions.",
        BoxIcon::Error, BoxButtons::Ok, mrOk);
    window.DeleteAllDisplayedAction->Execute();
    EXPECT_TRUE(Received("AD").empty());

    ASSERT_TRUE(Select(window, "NW-101"));
    const std::string id = Stored("NW-101")->AccountId.ToPaddedString();
    Confirm("Single Record Deletion", "1");
    window.DeleteAction->Execute();
    ASSERT_TRUE(AllAnswered());
    ASSERT_EQ(Received("AD").size(), 1u);
    EXPECT_EQ(Received("AD")[0].substr(24), Field("NW-101", 16) + id);
    Refresh();
    EXPECT_FALSE(Select(window, "NW-101"));
}

TEST_F(AccountsGridTest, DeleteAllDisplayedActsOnTheRowsConfirmedWhileARefreshRemovesOne) {
    TAccountsGridForm& window = OpenAccounts("jsup");
    session->Positions.Records.clear();
    const std::vector<std::string> numbers = Numbers(window);
    ASSERT_EQ(numbers.size(), 5u);
    // While the confirmation is up an account leaves the store and the window.
    Confirm("All Displayed Record Deletion", "5", [&] {
        const KR_Account* gone = Stored(numbers[1]);
        session->Accounts.Remove(gone->GetKey(), false);
        Refresh();
    });
    window.DeleteAllDisplayedAction->Execute();
    ASSERT_TRUE(AllAnswered());
    const std::vector<std::string> sent = Received("AD");
    ASSERT_EQ(sent.size(), 4u);
    for (std::size_t i = 0, j = 0; i < numbers.size(); ++i) {
        if (i == 1) continue;
        EXPECT_EQ(sent[j++].substr(24, 16), Field(numbers[i], 16));
    }
}

TEST_F(AccountsGridTest, DeleteAllDisplayedOnAFilteredGridSendsTheShownRowsOnly) {
    TAccountsGridForm& window = OpenAccounts("jsup");
    session->Positions.Records.clear();
    const std::vector<std::string> all = Numbers(window);
    ASSERT_EQ(all.size(), 5u);
    std::vector<std::string> shown;
    for (const std::string& number : all)
        if (number.starts_with("NW")) shown.push_back(number);
    ASSERT_GE(shown.size(), 2u);
    ASSERT_LT(shown.size(), all.size());
    ColumnFilter having;
    having.ColumnName = "AccountNumber";
    having.Condition = 6;
    having.Value = "NW";
    window.View()->GetFilter().push_back(having);
    window.ApplyFilters();
    ASSERT_EQ(Numbers(window), shown);
    Confirm("All Displayed Record Deletion", std::to_string(shown.size()));
    window.DeleteAllDisplayedAction->Execute();
    ASSERT_TRUE(AllAnswered());
    std::vector<std::string> sent;
    for (const std::string& message : Received("AD")) sent.push_back(message.substr(24, 16));
    std::vector<std::string> expected;
    for (const std::string& number : shown) expected.push_back(Field(number, 16));
    EXPECT_EQ(sent, expected);
}

TEST_F(AccountsGridTest, LinkThroughTheMasterChooser) {
    TAccountsGridForm& window = OpenAccounts("jek");
    ASSERT_TRUE(Select(window, "NW-101"));
    ASSERT_TRUE(Enabled(window.LinkToMasterAccountAction));
    EXPECT_FALSE(Enabled(window.UnlinkFromMasterAccountAction));
    const std::size_t before = windows.size();
    const auto filesBefore =
        std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator());
    window.LinkToMasterAccountAction->Execute();
    ASSERT_EQ(area.subWindowList().size(), static_cast<qsizetype>(before + 1));
    auto* chooser = dynamic_cast<TAccountsGridForm*>(area.subWindowList().back()->widget());
    ASSERT_NE(chooser, nullptr);
    windows.push_back(chooser);
    Refresh();
    std::vector<std::string> masters = Numbers(*chooser);
    std::sort(masters.begin(), masters.end());
    EXPECT_EQ(masters, (std::vector<std::string>{"HB-M1", "NW-M1"}));
    EXPECT_TRUE(chooser->LinkWithThisAccountItem()->isVisible());
    for (Action* action : {chooser->NewRowAction, chooser->CopyAction, chooser->DeleteAction,
                           chooser->ImportAction, chooser->EditRowAction, chooser->MonitorAccountAction}) {
        EXPECT_FALSE(action->isVisible());
        EXPECT_FALSE(Enabled(action));
    }
    EXPECT_EQ(chooser->SettingsFilePath(), "");
    ASSERT_TRUE(Select(*chooser, "NW-M1"));
    const std::string master = Stored("NW-M1")->AccountId.ToString();
    const std::string account = Stored("NW-101")->AccountId.ToString();
    const std::string text = "You are about to link the account id(s) : \n" + account +
                             "\n to the following master account id: \n" + master +
                             "\n\nPress OK button to proceed with the link";
    ui.ExpectBox(chooser->Caption(), text, BoxIcon::Information, BoxButtons::OkCancel, mrCancel);
    chooser->LinkWithThisAccountItem()->trigger();
    EXPECT_EQ(chooser->LinkList().size(), 1u);
    ui.ExpectBox(chooser->Caption(), text, BoxIcon::Information, BoxButtons::OkCancel, mrOk);
    chooser->LinkWithThisAccountItem()->trigger();
    EXPECT_TRUE(chooser->LinkList().empty());
    QApplication::processEvents();
    EXPECT_FALSE(chooser && chooser->isVisible());
    // The chooser has no settings file of its own: closing it wrote none.
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()),
        filesBefore);
    ASSERT_TRUE(AllAnswered());
    ASSERT_EQ(Received("AL").size(), 1u);
    EXPECT_EQ(Received("AL")[0].substr(24), Field(master, 16) + "A0001" + Field(account, 16));
    Refresh();
    EXPECT_EQ(Stored("NW-101")->MasterAccountId.ToString(), master);

    // The linked account unlinks.
    ASSERT_TRUE(Select(window, "NW-101"));
    ASSERT_TRUE(Enabled(window.UnlinkFromMasterAccountAction));
    ui.ExpectBox("Account(s) Unlink",
                 "You are about to unlink the selected record \n\nAre you sure you want to continue ?",
                 BoxIcon::Question, BoxButtons::YesNo, mrYes);
    window.UnlinkFromMasterAccountAction->Execute();
    ASSERT_TRUE(AllAnswered());
    ASSERT_EQ(Received("AL").size(), 2u);
    EXPECT_EQ(Received("AL")[1].substr(24), Field(master, 16) + "D0001" + Field(account, 16));
    Refresh();
    EXPECT_TRUE(Stored("NW-101")->MasterAccountId.IsBlank());
}

TEST_F(AccountsGridTest, ReportingDialogForOneAccount) {
    TAccountsGridForm& window = OpenAccounts("jek");
    ASSERT_TRUE(Select(window, "NW-M1"));
    EXPECT_FALSE(Enabled(window.MonitorAccountAction));
    EXPECT_FALSE(Enabled(window.AllDisplayedMonitorAccount));
    ASSERT_TRUE(Select(window, "NW-101"));
    ASSERT_TRUE(Enabled(window.MonitorAccountAction));
    const bool active = Stored("NW-101")->Flags.Contains(EnumBraeKTSAccountFlags::ActiveForReporting);
    ui.ExpectModal<TMonitorAccountForm>([active](TMonitorAccountForm& f) {
        auto* box = f.Control<CheckBox>("MonitoringCheckBox");
        auto* ok = f.Control<QPushButton>("OKButton");
        EXPECT_EQ(box->Checked(), active);
        EXPECT_FALSE(ok->isEnabled());
        box->click();
        EXPECT_TRUE(ok->isEnabled());
        box->click();
        EXPECT_FALSE(ok->isEnabled());
        f.close();  // the close box does nothing
        EXPECT_TRUE(f.isVisible());
        box->click();
        ok->click();
    });
    window.MonitorAccountAction->Execute();
    ASSERT_TRUE(AllAnswered());
    ASSERT_EQ(Received("MC").size(), 1u);
    EXPECT_EQ(Received("MC")[0].size(), 93u);
    EXPECT_EQ(Received("MC")[0][61], active ? 'N' : 'Y');
    Refresh();
    EXPECT_EQ(Stored("NW-101")->Flags.Contains(EnumBraeKTSAccountFlags::ActiveForReporting), !active);

    // Cancel sends nothing.
    ui.ExpectModal<TMonitorAccountForm>(
        [](TMonitorAccountForm& f) { f.Control<QPushButton>("CancelButton")->click(); });
    window.MonitorAccountAction->Execute();
    EXPECT_EQ(Received("MC").size(), 1u);
}

TEST_F(AccountsGridTest, LinkAllDisplayedCountsTheLinkableRowsAndNeedsAMasterAccount) {
    TAccountsGridForm& window = OpenAccounts("jek");
    ASSERT_TRUE(Enabled(window.LinkAllDisplayedToMasterAccountAction));
    Confirm("Linking on All Displayed Accounts", "3");
    window.LinkAllDisplayedToMasterAccountAction->Execute();
    auto* chooser = dynamic_cast<TAccountsGridForm*>(area.subWindowList().back()->widget());
    ASSERT_NE(chooser, nullptr);
    windows.push_back(chooser);
    EXPECT_EQ(chooser->LinkList().size(), 3u);
    EXPECT_EQ(window.LinkList().size(), 3u);
    delete chooser->SubWindow();

    // Without a master account in the store no chooser opens.
    std::vector<BaseKey> masters;
    for (const auto& [key, account] : session->Accounts.Records)
        if (AccountGridRules::IsMaster(account)) masters.push_back(key);
    for (const BaseKey& key : masters) session->Accounts.Remove(key, false);
    Refresh();
    const auto open = area.subWindowList().size();
    Confirm("Linking on All Displayed Accounts", "3");
    ui.ExpectBox("Link to Master Account Validation", "There is no master account configured.",
                 BoxIcon::Error, BoxButtons::Ok, mrOk);
    window.LinkAllDisplayedToMasterAccountAction->Execute();
    EXPECT_EQ(area.subWindowList().size(), open);
    EXPECT_EQ(ui.Pending(), 0u);
}

TEST_F(AccountsGridTest, ReportingOnAllDisplayedSendsOneMcPerRowFromTheBottom) {
    TAccountsGridForm& window = OpenAccounts("jek");
    EXPECT_FALSE(Enabled(window.AllDisplayedMonitorAccount));  // masters are displayed
    std::vector<BaseKey> masters;
    for (const auto& [key, account] : session->Accounts.Records)
        if (AccountGridRules::IsMaster(account)) masters.push_back(key);
    for (const BaseKey& key : masters) session->Accounts.Remove(key, false);
    Refresh();
    ASSERT_TRUE(Enabled(window.AllDisplayedMonitorAccount));
    const std::vector<std::string> numbers = Numbers(window);
    ASSERT_EQ(numbers.size(), 3u);
    ui.ExpectModal<TMonitorAccountForm>([](TMonitorAccountForm& f) {
        EXPECT_FALSE(f.Control<CheckBox>("MonitoringCheckBox")->Checked());
        EXPECT_TRUE(f.Control<QPushButton>("OKButton")->isEnabled());
        f.Control<QPushButton>("OKButton")->click();
    });
    Confirm("Modify Reporting on All Displayed Accounts", "3");
    window.AllDisplayedMonitorAccount->Execute();
    ASSERT_TRUE(AllAnswered());
    const std::vector<std::string> sent = Received("MC");
    ASSERT_EQ(sent.size(), 3u);
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(sent[i].substr(24, 16), Field(numbers[i], 16));
        EXPECT_EQ(sent[i][61], 'N');
    }
}

TEST_F(AccountsGridTest, UnlinkAllDisplayedGoesByMasterIdForTheAccountsStillStored) {
    TAccountsGridForm& window = OpenAccounts("jek");
    // Nothing linked: nothing happens and nothing is said.
    window.UnLinkAllDisplayedToMasterAccountExecute();
    EXPECT_TRUE(Received("AL").empty());

    // NW-100 and NW-101 linked to NW-M1, HB-200 to HB-M1, through the server.
    const std::string nwMaster = Stored("NW-M1")->AccountId.ToString();
    const std::string hbMaster = Stored("HB-M1")->AccountId.ToString();
    std::map<std::string, std::string> ids;
    for (const char* number : {"NW-100", "NW-101", "HB-200"})
        ids[number] = Stored(number)->AccountId.ToString();
    Link("NW-M1", {"NW-100", "NW-101"});
    Link("HB-M1", {"HB-200"});
    ASSERT_EQ(Stored("NW-101")->MasterAccountId.ToString(), nwMaster);
    ASSERT_EQ(Stored("HB-200")->MasterAccountId.ToString(), hbMaster);
    const std::size_t links = Received("AL").size();

    // Every client account is linked: linking all displayed has nothing to do and says nothing.
    window.LinkAllDisplayedToMasterAccountExecute();
    EXPECT_EQ(Received("AL").size(), links);

    // While the confirmation is up NW-101 leaves the store and the window: it is not unlinked.
    ASSERT_TRUE(Enabled(window.UnlinkAllDisplayedFromMasterAccountAction));
    ui.ExpectModal<TConfirmationForm>([&](TConfirmationForm& f) {
        EXPECT_EQ(f.windowTitle().toStdString(), "Unlinking on All Displayed Accounts");
        EXPECT_EQ(f.Control<QLabel>("MessageLabel")->text().toStdString(),
                  "Accounts: All Displayed\n\nYou are about to unlink 3 accounts on 2 different master "
                  "accounts.\n\nEnter total number of records and press OK button to proceed with change."
                  "\n\nTotal number of records : 3");
        session->Accounts.Remove(Stored("NW-101")->GetKey(), false);
        Refresh();
        QTest::keyClicks(f.Control<Edit>("ConfirmationEdit"), "3");
        f.Control<QPushButton>("OKButton")->click();
    });
    window.UnlinkAllDisplayedFromMasterAccountAction->Execute();
    EXPECT_EQ(ui.Pending(), 0u);
    ASSERT_TRUE(AllAnswered());
    const std::vector<std::string> all = Received("AL");
    ASSERT_EQ(all.size(), links + 2);
    // One AL per master id, in the byte order of the 16-character ids.
    std::vector<std::string> expected = {Field(nwMaster, 16) + "D0001" + Field(ids["NW-100"], 16),
                                         Field(hbMaster, 16) + "D0001" + Field(ids["HB-200"], 16)};
    std::sort(expected.begin(), expected.end(),
              [](const std::string& a, const std::string& b) { return a.substr(0, 16) < b.substr(0, 16); });
    EXPECT_EQ(all[links].substr(24), expected[0]);
    EXPECT_EQ(all[links + 1].substr(24), expected[1]);
    const CommandHistory& last = session->CommandHistories.Records.rbegin()->second;
    EXPECT_EQ(last.CommandAction.ToEnum(), EnumActionType::Update);
    EXPECT_EQ(last.BusinessItem.ToEnum(), EnumBusinessItemType::Account);
    EXPECT_EQ(last.Description.ToString().rfind("DeleteLink", 0), 0u);
    // The acknowledgments clear the links at the next refresh.
    Refresh();
    EXPECT_TRUE(Stored("NW-100")->MasterAccountId.IsBlank());
    EXPECT_TRUE(Stored("HB-200")->MasterAccountId.IsBlank());
}

// Timers keep running inside the box: a refresh may move the rows before the user answers.
TEST_F(AccountsGridTest, UnlinkingOneAccountActsOnTheAccountSelectedWhenAsked) {
    TAccountsGridForm& window = OpenAccounts("jek");
    Link("NW-M1", {"NW-100", "NW-101"});
    const std::string master = Stored("NW-M1")->AccountId.ToString();
    const std::string id = Stored("NW-101")->AccountId.ToString();
    const std::vector<std::string> numbers = Numbers(window);  // bottom row first
    ASSERT_NE(numbers.back(), "NW-101");
    const std::size_t links = Received("AL").size();
    HookedUi hooked;
    const std::string question =
        "You are about to unlink the selected record \n\nAre you sure you want to continue ?";

    // The account itself leaves the store: nothing is sent.
    ASSERT_TRUE(Select(window, "NW-101"));
    const KR_Account kept = *Stored("NW-101");
    hooked.inBox = [&](const std::string&) {
        session->Accounts.Remove(kept.GetKey(), false);
        Refresh();
    };
    hooked.ExpectBox("Account(s) Unlink", question, BoxIcon::Question, BoxButtons::YesNo, mrYes);
    window.UnlinkFromMasterAccountAction->Execute();
    EXPECT_EQ(Received("AL").size(), links);
    session->Accounts.Store(kept, false);
    Refresh();

    // The rows above it leave: the unlink still names the account asked about.
    ASSERT_TRUE(Select(window, "NW-101"));
    hooked.inBox = [&](const std::string&) {
        for (auto at = std::find(numbers.begin(), numbers.end(), "NW-101") + 1; at != numbers.end(); ++at)
            session->Accounts.Remove(Stored(*at)->GetKey(), false);
        Refresh();
    };
    hooked.ExpectBox("Account(s) Unlink", question, BoxIcon::Question, BoxButtons::YesNo, mrYes);
    window.UnlinkFromMasterAccountAction->Execute();
    EXPECT_EQ(hooked.Pending(), 0u);
    ASSERT_TRUE(AllAnswered());
    ASSERT_EQ(Received("AL").size(), links + 1);
    EXPECT_EQ(Received("AL").back().substr(24), Field(master, 16) + "D0001" + Field(id, 16));
}

TEST_F(AccountsGridTest, TheMasterChooserListsMasterAccountsOnlyAsChangesArrive) {
    TAccountsGridForm& window = OpenAccounts("jek");
    ASSERT_TRUE(Select(window, "NW-101"));
    window.LinkToMasterAccountAction->Execute();
    auto* chooser = dynamic_cast<TAccountsGridForm*>(area.subWindowList().back()->widget());
    ASSERT_NE(chooser, nullptr);
    windows.push_back(chooser);
    Refresh();
    // A client account and a master account change in the store.
    for (const char* number : {"NW-101", "NW-M1"}) {
        KR_Account changed = *Stored(number);
        changed.Name.SetText("Changed");
        session->Accounts.Store(changed, false);
    }
    Refresh();
    std::vector<std::string> masters = Numbers(*chooser);
    std::sort(masters.begin(), masters.end());
    EXPECT_EQ(masters, (std::vector<std::string>{"HB-M1", "NW-M1"}));
    EXPECT_EQ(Numbers(window).size(), 5u);
}

TEST_F(AccountsGridTest, LinkAllDisplayedLinksTheAccountsConfirmedThatAreStillStored) {
    TAccountsGridForm& window = OpenAccounts("jek");
    std::vector<std::string> linkable;  // bottom row first, as the list is taken
    for (const std::string& number : Numbers(window))
        if (number.find("-M") == std::string::npos) linkable.push_back(Stored(number)->AccountId.ToString());
    ASSERT_EQ(linkable.size(), 3u);
    const KR_Account gone = *Stored("NW-100");
    // While the confirmation is up NW-100 leaves the store and the window.
    Confirm("Linking on All Displayed Accounts", "3", [&] {
        session->Accounts.Remove(gone.GetKey(), false);
        Refresh();
    });
    window.LinkAllDisplayedToMasterAccountAction->Execute();
    auto* chooser = dynamic_cast<TAccountsGridForm*>(area.subWindowList().back()->widget());
    ASSERT_NE(chooser, nullptr);
    windows.push_back(chooser);
    Refresh();
    ASSERT_TRUE(Select(*chooser, "NW-M1"));
    const std::string master = Stored("NW-M1")->AccountId.ToString();
    // The box names what the user confirmed; the link leaves out the account gone meanwhile.
    ui.ExpectBox(chooser->Caption(),
                 "You are about to link the account id(s) : \n" + linkable[0] + ", " + linkable[1] + ", " +
                     linkable[2] + "\n to the following master account id: \n" + master +
                     "\n\nPress OK button to proceed with the link",
                 BoxIcon::Information, BoxButtons::OkCancel, mrOk);
    chooser->LinkWithThisAccountItem()->trigger();
    ASSERT_TRUE(AllAnswered());
    std::string expected = Field(master, 16) + "A0002";
    for (const std::string& id : linkable)
        if (id != gone.AccountId.ToString()) expected += Field(id, 16);
    ASSERT_EQ(Received("AL").size(), 1u);
    EXPECT_EQ(Received("AL")[0].substr(24), expected);
}

// An account still shown but gone from the store before the window's refresh is left out of the
// count and the list; it is not one "already linked". When only such accounts are linkable,
// nothing is asked.
TEST_F(AccountsGridTest, LinkAllDisplayedLeavesOutAnAccountGoneBeforeTheRefresh) {
    TAccountsGridForm& window = OpenAccounts("jek");
    ASSERT_EQ(Numbers(window).size(), 5u);
    session->Accounts.Remove(Stored("NW-100")->GetKey(), false);
    ui.ExpectModal<TConfirmationForm>([](TConfirmationForm& f) {
        EXPECT_EQ(f.Control<QLabel>("MessageLabel")->text().toStdString(),
                  AccountLinking::LinkAllDisplayedText(2, 2, 0));
        f.Control<QPushButton>("CancelButton")->click();
    });
    window.LinkAllDisplayedToMasterAccountAction->Execute();
    EXPECT_EQ(window.LinkList().size(), 2u);

    session->Accounts.Remove(Stored("NW-101")->GetKey(), false);
    session->Accounts.Remove(Stored("HB-200")->GetKey(), false);
    ASSERT_EQ(Numbers(window).size(), 5u);
    window.LinkAllDisplayedToMasterAccountExecute();
    EXPECT_EQ(ui.Pending(), 0u);
    EXPECT_TRUE(window.LinkList().empty());
}

TEST_F(AccountsGridTest, ReportingOnAllDisplayedSkipsAnAccountThatLeftWhileTheConfirmationWasUp) {
    TAccountsGridForm& window = OpenAccounts("jek");
    std::vector<BaseKey> masters;
    for (const auto& [key, account] : session->Accounts.Records)
        if (AccountGridRules::IsMaster(account)) masters.push_back(key);
    for (const BaseKey& key : masters) session->Accounts.Remove(key, false);
    Refresh();
    const std::vector<std::string> numbers = Numbers(window);
    ASSERT_EQ(numbers.size(), 3u);
    ui.ExpectModal<TMonitorAccountForm>(
        [](TMonitorAccountForm& f) { f.Control<QPushButton>("OKButton")->click(); });
    Confirm("Modify Reporting on All Displayed Accounts", "3", [&] {
        session->Accounts.Remove(Stored(numbers[1])->GetKey(), false);
        Refresh();
    });
    window.AllDisplayedMonitorAccount->Execute();
    ASSERT_TRUE(AllAnswered());
    const std::vector<std::string> sent = Received("MC");
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].substr(24, 16), Field(numbers[0], 16));
    EXPECT_EQ(sent[1].substr(24, 16), Field(numbers[2], 16));
}
