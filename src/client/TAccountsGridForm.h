#pragma once
// The accounts window (kind Accounts) and the master-account chooser (kind MasterAccounts) that
// its link operations open. Participants create, copy, edit, delete and import accounts; Jek
// users create master and non-reportable accounts, link accounts to master accounts and unlink
// them, and switch their reporting flag. Every change goes to the server as a command; the
// window shows only what the server confirmed, through ReloadData.
// The rules, counts, texts and messages live in the Qt-free AccountGridRules, AccountDeletion,
// AccountLinking, AccountReporting and AccountImporter; the window asks them and applies.
// Operations on all displayed rows act on a snapshot of those rows taken before any box is
// shown, and skip an account that has left the store by the time it is sent.
#include <optional>
#include <string>
#include <vector>

#include "brae/Brae_AL_BulkLinkAccount.h"
#include "client/AccountGridRules.h"
#include "client/AccountLinking.h"
#include "client/TKVNGrid.h"
#include "grid/BaseGridConfig.h"
#include "store/AccountDisplayData.h"
#include "store/BaseKey.h"

class QAction;

class TAccountsGridForm : public TKVNGrid {
public:
    // The view must be a TInterfaceView<KR_Account>.
    TAccountsGridForm(QMdiArea* owner, ChildType kind, const BaseGridConfig& config, TitleManager* titles,
                      KVNEventManager* session, InterfaceView* view);

    // A displayed row: its key and a copy of its account.
    struct Row {
        BaseKey Key;
        AccountDisplayData Account;
    };

    bool EditRow(int index) override;
    bool CanImport() override;
    bool ImportData(const std::string& fileName) override;
    void ReloadData() override;
    void DataReloaded() override;
    void FiltersApplied() override;
    bool CanEditRecord(int row) override;
    bool CanDeleteRecord(int row) override;
    bool CanCopyRecord(int row) override;
    bool CanDeleteAllDisplayed() override;
    bool CanCreateRecord(int row) override;
    void NewRecord(int row) override;
    void DeleteRecord(int row) override;
    void DeleteAllDisplayed() override;
    bool ValidateImportRecord(CommandCSVData& data, std::FILE* log, const std::string& fileName) override;

    void CreateNewMasterAccount();
    void CreateNonReportableAccountExecute();
    void CreateMasterAccountFromAccountExecute();
    void LinkToMasterAccountExecute();
    void LinkAllDisplayedToMasterAccountExecute();
    void UnLinkFromMasterAccountExecute();
    void UnLinkAllDisplayedToMasterAccountExecute();
    void LinkWithThisAccount();
    void MonitorActionExecute();
    void AllDisplayedMonitorActionExecute();
    // Opens the chooser with the current link list; returns it, or null when no master account
    // is stored (after the box).
    TAccountsGridForm* OpenMasterChooser();
    void SendAccountDelete(const AccountDisplayData& account);
    void SendReportingFlag(const AccountDisplayData& account, bool active);
    bool RunAccountImport(const std::string& fileName, CommandCSVData& data);

    bool CanUseMasterActions();
    AccountGridRules::State RuleState();
    // The selected account, null without one.
    const AccountDisplayData* SelectedAccount();
    // The displayed rows, from the last to the first.
    std::vector<Row> DisplayedRows();
    // The summary of the displayed rows, kept from one data or filter change to the next.
    const AccountGridRules::Displayed& DisplayedSummary();

    const std::vector<AccountLinking::Id>& LinkList() const { return linkList_; }
    QAction* LinkWithThisAccountItem() const { return linkWithThisItem_; }

    Action* NewMasterAccountAction = nullptr;
    Action* MasterAccountFromAccountAction = nullptr;
    Action* LinkToMasterAccountAction = nullptr;
    Action* LinkAllDisplayedToMasterAccountAction = nullptr;
    Action* UnlinkFromMasterAccountAction = nullptr;
    Action* UnlinkAllDisplayedFromMasterAccountAction = nullptr;
    Action* MonitorAccountAction = nullptr;
    Action* AllDisplayedMonitorAccount = nullptr;
    Action* CreateNonReportableAccount = nullptr;

private:
    void CreateAccountActions();
    void SetUpChooser();
    void OpenAccountScreen(const AccountDisplayData& account, AccountGridRules::Mode mode);
    bool Confirm(int expected, const std::string& caption, const std::string& text);
    bool IsStored(const BaseKey& key) const;
    int DataRowCount() const;
    // The key and copy of the selected row.
    std::optional<Row> SelectedRow();
    void SendLink(Brae_AL_BulkLinkAccount& message, const CommandDescription& description);

    QMdiArea* area_;
    BaseGridConfig config_;
    std::vector<AccountLinking::Id> linkList_;
    std::vector<BaseKey> linkKeys_;  // the store key of each account in linkList_
    Brae_AL_BulkLinkAccount linkMessage_;
    std::optional<AccountGridRules::Displayed> displayed_;
    int displayedCount_ = -1;
    QAction* n9_ = nullptr;
    QAction* linkWithThisItem_ = nullptr;
    std::vector<QAction*> ownItems_;
};
