#include "client/TAccountsGridForm.h"

#include <QMenu>
#include <algorithm>

#include "client/AccountDeletion.h"
#include "client/AccountImporter.h"
#include "client/AccountReporting.h"
#include "client/TAccountScreenForm.h"
#include "client/TMonitorAccountForm.h"
#include "grid/BusinessObjectGrid.h"
#include "grid/ControlTools.h"
#include "grid/TConfirmationForm.h"
#include "session/KVNEventManager.h"
#include "store/KR_Account.h"
#include "store/TCommandCSVData.h"
#include "store/TInterfaceView.h"
#include "toolkit/Action.h"
#include "toolkit/UiHost.h"

namespace {

using AccountView = TInterfaceView<KR_Account>;

char UserTypeLetter(const KVNEventManager& session) {
    if (session.UserTypeS) return 'S';
    if (session.UserTypeM) return 'M';
    if (session.UserTypeA) return 'A';
    if (session.UserTypeP) return 'P';
    return ' ';
}

}  // namespace

TAccountsGridForm::TAccountsGridForm(QMdiArea* owner, ChildType kind, const BaseGridConfig& config,
                                     TitleManager* titles, KVNEventManager* session, InterfaceView* view)
    : TKVNGrid(owner, kind, config, titles, session, view), area_(owner), config_(config) {
    setObjectName("TrdAccountsGridForm");
    CreateAccountActions();
    ImportAction->SetCaption("Import Accounts ...");
    DisableMenuItem(linkWithThisItem_, false);
    if (session->UserTypeP || session->UserTypeA) {
        for (Action* action :
             {MonitorAccountAction, AllDisplayedMonitorAccount, CreateNonReportableAccount}) {
            action->SetVisible(false);
            action->SetEnabled(false);
        }
        DisableMenuItem(n9_, false);
    }
    if (kind != ChildType::Accounts) SetUpChooser();
}

void TAccountsGridForm::CreateAccountActions() {
    const ActionEntry entries[] = {
        {&NewMasterAccountAction, "NewMasterAccountAction", "Create new &Master Account...", "", ""},
        {&MasterAccountFromAccountAction, "MasterAccountFromAccountAction",
         "Create a Master Account from Account...", "", ""},
        {&LinkToMasterAccountAction, "LinkToMasterAccountAction", "Link to a Master Account...", "", ""},
        {&LinkAllDisplayedToMasterAccountAction, "LinkAllDisplayedToMasterAccountAction",
         "Link All Displayed to a Master Account...", "", ""},
        {&UnlinkFromMasterAccountAction, "UnlinkFromMasterAccountAction", "Unlink from Master Account...", "",
         ""},
        {&UnlinkAllDisplayedFromMasterAccountAction, "UnlinkAllDisplayedFromMasterAccountAction",
         "Unlink All Displayed from Master Account...", "", ""},
        {&MonitorAccountAction, "MonitorAccountAction", "Modify Account Reporting ", "",
         "Modify the reporting flag on this account"},
        {&AllDisplayedMonitorAccount, "AllDisplayedMonitorAccount",
         "Modify Reporting on All Displayed Account", "",
         "Modify the reporting flag on all displayed account"},
        {&CreateNonReportableAccount, "CreateNonReportableAccount", "New Non-Reporta&ble Account...", "",
         "Create a non-reportable client account"},
    };
    MakeActions(entries);
    const auto rule = [this](Action* action, auto allowed) {
        action->onUpdate = [allowed](Action& a) { a.SetEnabled(allowed()); };
    };
    NewMasterAccountAction->onExecute = [this](Action&) { CreateNewMasterAccount(); };
    rule(NewMasterAccountAction, [this] { return AccountGridRules::CanCreateMasterAccount(RuleState()); });
    MasterAccountFromAccountAction->onExecute = [this](Action&) { CreateMasterAccountFromAccountExecute(); };
    rule(MasterAccountFromAccountAction,
         [this] { return AccountGridRules::CanCreateMasterFromAccount(RuleState(), SelectedAccount()); });
    LinkToMasterAccountAction->onExecute = [this](Action&) { LinkToMasterAccountExecute(); };
    rule(LinkToMasterAccountAction,
         [this] { return AccountGridRules::CanLink(RuleState(), SelectedAccount()); });
    LinkAllDisplayedToMasterAccountAction->onExecute = [this](Action&) {
        LinkAllDisplayedToMasterAccountExecute();
    };
    rule(LinkAllDisplayedToMasterAccountAction, [this] {
        return CanUseMasterActions() &&
               AccountGridRules::CanLinkAllDisplayed(RuleState(), DisplayedSummary());
    });
    UnlinkFromMasterAccountAction->onExecute = [this](Action&) { UnLinkFromMasterAccountExecute(); };
    rule(UnlinkFromMasterAccountAction,
         [this] { return AccountGridRules::CanUnlink(RuleState(), SelectedAccount()); });
    UnlinkAllDisplayedFromMasterAccountAction->onExecute = [this](Action&) {
        UnLinkAllDisplayedToMasterAccountExecute();
    };
    rule(UnlinkAllDisplayedFromMasterAccountAction, [this] {
        return CanUseMasterActions() &&
               AccountGridRules::CanUnlinkAllDisplayed(RuleState(), DisplayedSummary());
    });
    MonitorAccountAction->onExecute = [this](Action&) { MonitorActionExecute(); };
    rule(MonitorAccountAction,
         [this] { return AccountGridRules::CanModifyReporting(RuleState(), SelectedAccount()); });
    AllDisplayedMonitorAccount->onExecute = [this](Action&) { AllDisplayedMonitorActionExecute(); };
    rule(AllDisplayedMonitorAccount, [this] {
        return CanUseMasterActions() &&
               AccountGridRules::CanModifyReportingAllDisplayed(RuleState(), DisplayedSummary());
    });
    CreateNonReportableAccount->onExecute = [this](Action&) { CreateNonReportableAccountExecute(); };
    rule(CreateNonReportableAccount,
         [this] { return AccountGridRules::CanCreateMasterAccount(RuleState()); });

    QMenu* menu = PopupMenu();
    menu->addSeparator()->setObjectName("N8");
    ownItems_.push_back(AddPopupItem(menu, MonitorAccountAction, "", ""));
    ownItems_.push_back(AddPopupItem(menu, AllDisplayedMonitorAccount, "", ""));
    n9_ = menu->addSeparator();
    n9_->setObjectName("N9");
    for (Action* action : {CreateNonReportableAccount, MasterAccountFromAccountAction, NewMasterAccountAction,
                           LinkToMasterAccountAction, LinkAllDisplayedToMasterAccountAction,
                           UnlinkFromMasterAccountAction, UnlinkAllDisplayedFromMasterAccountAction})
        ownItems_.push_back(AddPopupItem(menu, action, "", ""));
    linkWithThisItem_ = menu->addAction(QStringLiteral("Link With This Account ..."));
    linkWithThisItem_->setObjectName("mpLinkWithThisAccount");
    connect(linkWithThisItem_, &QAction::triggered, this, [this] { LinkWithThisAccount(); });
}

void TAccountsGridForm::SetUpChooser() {
    // The chooser offers only the link: every other item of the accounts window is hidden, and
    // the hidden actions stay disabled so that their keys and a double-click do nothing.
    Action* hidden[] = {NewMasterAccountAction,
                        MasterAccountFromAccountAction,
                        LinkToMasterAccountAction,
                        LinkAllDisplayedToMasterAccountAction,
                        UnlinkFromMasterAccountAction,
                        UnlinkAllDisplayedFromMasterAccountAction,
                        MonitorAccountAction,
                        AllDisplayedMonitorAccount,
                        CreateNonReportableAccount,
                        NewRowAction,
                        CopyAction,
                        DeleteAction,
                        DeleteAllDisplayedAction,
                        ImportAction,
                        EditRowAction};
    for (Action* action : hidden) {
        action->onUpdate = [](Action& a) { a.SetEnabled(false); };
        action->SetEnabled(false);
        action->SetVisible(false);
    }
    // The separators before New, Delete All Displayed and Import, and N9.
    const QList<QAction*> items = PopupMenu()->actions();
    for (int i = 1; i < items.size(); ++i) {
        if (items[i - 1]->isSeparator() &&
            (items[i] == NewRowAction || items[i] == DeleteAllDisplayedAction || items[i] == ImportAction))
            DisableMenuItem(items[i - 1], false);
    }
    DisableMenuItem(n9_, false);
    linkWithThisItem_->setEnabled(true);
    linkWithThisItem_->setVisible(true);
}

AccountGridRules::State TAccountsGridForm::RuleState() {
    return AccountGridRules::State{UserTypeLetter(*Session()), Session()->IsReady(), HasData()};
}

bool TAccountsGridForm::CanUseMasterActions() {
    return AccountGridRules::CanUseMasterActions(RuleState());
}

const AccountDisplayData* TAccountsGridForm::SelectedAccount() {
    auto* view = static_cast<AccountView*>(View());
    if (!view || !HasData()) return nullptr;
    const int row = Grid()->Row() - 1;
    if (row < 0 || row >= DataRowCount()) return nullptr;
    return view->GetRowData(row, false);
}

std::optional<TAccountsGridForm::Row> TAccountsGridForm::SelectedRow() {
    const AccountDisplayData* account = SelectedAccount();
    if (!account) return std::nullopt;
    return Row{View()->GetDisplayedKey(Grid()->Row() - 1), *account};
}

std::vector<TAccountsGridForm::Row> TAccountsGridForm::DisplayedRows() {
    std::vector<Row> rows;
    auto* view = static_cast<AccountView*>(View());
    if (!view || !HasData()) return rows;
    const int count = DataRowCount();
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = count - 1; i >= 0; --i)
        if (const KR_Account* account = view->GetRowData(i, false))
            rows.push_back(Row{view->GetDisplayedKey(i), *account});
    return rows;
}

const AccountGridRules::Displayed& TAccountsGridForm::DisplayedSummary() {
    auto* view = static_cast<AccountView*>(View());
    const int count = DataRowCount();
    if (!displayed_ || displayedCount_ != count) {
        AccountGridRules::Displayed summary;
        for (int i = count - 1; i >= 0; --i)
            if (const KR_Account* account = view->GetRowData(i, false)) summary.Add(*account);
        displayed_ = summary;
        displayedCount_ = count;
    }
    return *displayed_;
}

int TAccountsGridForm::DataRowCount() const {
    // The view's count includes the title row.
    InterfaceView* view = View();
    return view ? std::max(view->GetDisplayedRowCount() - 1, 0) : 0;
}

bool TAccountsGridForm::IsStored(const BaseKey& key) const {
    return Session()->Accounts.Find(key) != nullptr;
}

bool TAccountsGridForm::Confirm(int expected, const std::string& caption, const std::string& text) {
    TConfirmationForm form(this, expected, true, caption, text);
    return form.ShowModal() == mrOk;
}

void TAccountsGridForm::OpenAccountScreen(const AccountDisplayData& account, AccountGridRules::Mode mode) {
    TAccountScreenForm form(this, *Session(), account, mode);
    form.ShowModal();
}

// Overrides.

bool TAccountsGridForm::EditRow(int) {
    if (GetKind() != ChildType::Accounts) return false;
    const AccountDisplayData* account = SelectedAccount();
    if (!account) return false;
    const AccountDisplayData copy = *account;
    OpenAccountScreen(copy, AccountGridRules::EditMode(copy));
    return true;
}

bool TAccountsGridForm::CanImport() {
    return AccountGridRules::CanImport(RuleState());
}

void TAccountsGridForm::ReloadData() {
    auto* view = static_cast<AccountView*>(View());
    if (!view) return;
    displayed_.reset();
    const DataHandler<KR_Account>& store = Session()->Accounts;
    for (const BaseKey& key : store.RemovedKeys) view->RemoveRow(key);
    const bool mastersOnly = GetKind() != ChildType::Accounts;
    for (const BaseKey& key : store.ChangedKeys) {
        const KR_Account* account = store.Find(key);
        if (!account) continue;
        if (mastersOnly && !AccountGridRules::IsMaster(*account)) continue;
        view->UpdateRow(account);
    }
}

void TAccountsGridForm::DataReloaded() {
    displayed_.reset();
}

void TAccountsGridForm::FiltersApplied() {
    displayed_.reset();
}

bool TAccountsGridForm::CanEditRecord(int) {
    return AccountGridRules::CanEditRecord(RuleState(), SelectedAccount());
}

bool TAccountsGridForm::CanDeleteRecord(int) {
    return AccountGridRules::CanDeleteRecord(RuleState(), SelectedAccount());
}

bool TAccountsGridForm::CanCopyRecord(int) {
    return AccountGridRules::CanCopyRecord(RuleState());
}

bool TAccountsGridForm::CanDeleteAllDisplayed() {
    const AccountGridRules::State state = RuleState();
    // The walk over the displayed rows only matters to a Jek user.
    if (state.UserType != 'M') return AccountGridRules::CanDeleteAllDisplayed(state, {});
    return AccountGridRules::CanDeleteAllDisplayed(state, DisplayedSummary());
}

bool TAccountsGridForm::CanCreateRecord(int) {
    return AccountGridRules::CanCreateRecord(RuleState());
}

void TAccountsGridForm::NewRecord(int row) {
    if (row < 0) {
        OpenAccountScreen(AccountDisplayData(), AccountGridRules::Mode::CreateNewAccount);
        return;
    }
    const AccountDisplayData* account = SelectedAccount();
    if (!account) return;
    const AccountDisplayData copy = *account;
    OpenAccountScreen(copy, AccountGridRules::CopyMode(copy));
}

void TAccountsGridForm::DeleteRecord(int) {
    const std::optional<Row> row = SelectedRow();
    if (!row) return;
    const AccountDeletion deletion(Session()->Positions.Records, Session()->Accounts.Records);
    if (deletion.HasPosition(row->Account)) {
        Ui().MessageBox(this, "Account cannot be deleted because it has open positions.", "Account Deletion",
                        BoxIcon::Error, BoxButtons::Ok);
        return;
    }
    int masters = 0;
    int linked = 0;
    deletion.CountMasterAccounts(row->Account, masters, linked);
    const AccountDeletion::Confirmation text = AccountDeletion::BuildDeletionText(masters, linked, true, 1);
    if (!Confirm(text.Count, text.Caption, text.Text)) return;
    if (IsStored(row->Key)) SendAccountDelete(row->Account);
}

void TAccountsGridForm::DeleteAllDisplayed() {
    const std::vector<Row> rows = DisplayedRows();
    if (rows.empty()) return;
    const AccountDeletion deletion(Session()->Positions.Records, Session()->Accounts.Records);
    int masters = 0;
    int linked = 0;
    for (const Row& row : rows) {
        if (deletion.HasPosition(row.Account)) {
            Ui().MessageBox(this, AccountDeletion::OpenPositionsText(row.Account),
                            "Multiple Account Deletion", BoxIcon::Error, BoxButtons::Ok);
            return;
        }
        deletion.CountMasterAccounts(row.Account, masters, linked);
    }
    const AccountDeletion::Confirmation text =
        AccountDeletion::BuildDeletionText(masters, linked, false, static_cast<int>(rows.size()));
    if (!Confirm(text.Count, text.Caption, text.Text)) return;
    for (const Row& row : rows)
        if (IsStored(row.Key)) SendAccountDelete(row.Account);
    RefreshGrid();
}

void TAccountsGridForm::SendAccountDelete(const AccountDisplayData& account) {
    CommandDescription description;
    Brae_AD_AccountDelete message = AccountDeletion::BuildDelete(account, description);
    Session()->SendCommand(message, description);
}

// Creation.

void TAccountsGridForm::CreateNewMasterAccount() {
    OpenAccountScreen(AccountDisplayData(), AccountGridRules::Mode::CreateNewMasterAccount);
}

void TAccountsGridForm::CreateNonReportableAccountExecute() {
    OpenAccountScreen(AccountDisplayData(), AccountGridRules::Mode::NewNonReportableAccount);
}

void TAccountsGridForm::CreateMasterAccountFromAccountExecute() {
    const AccountDisplayData* account = SelectedAccount();
    if (!account) return;
    const AccountDisplayData copy = *account;
    OpenAccountScreen(copy, AccountGridRules::Mode::CreateNewMasterAccount);
}

// Links.

void TAccountsGridForm::SendLink(Brae_AL_BulkLinkAccount& message, const CommandDescription& description) {
    Session()->SendCommand(message, description);
}

void TAccountsGridForm::LinkToMasterAccountExecute() {
    const std::optional<Row> row = SelectedRow();
    if (!row) return;
    linkList_.assign(1, row->Account.AccountId);
    linkKeys_.assign(1, row->Key);
    OpenMasterChooser();
}

void TAccountsGridForm::LinkAllDisplayedToMasterAccountExecute() {
    linkList_.clear();
    linkKeys_.clear();
    int masters = 0;
    int linked = 0;
    for (const Row& row : DisplayedRows()) {
        // An account that left the store before the window's refresh is gone: it is neither
        // linked nor counted among the skipped ones.
        if (!IsStored(row.Key)) continue;
        if (AccountGridRules::IsMaster(row.Account))
            ++masters;
        else if (AccountGridRules::IsLinkableAccount(row.Account)) {
            linkList_.push_back(row.Account.AccountId);
            linkKeys_.push_back(row.Key);
        } else
            ++linked;
    }
    const int count = static_cast<int>(linkList_.size());
    if (count == 0) return;
    if (!Confirm(count, "Linking on All Displayed Accounts",
                 AccountLinking::LinkAllDisplayedText(count, masters, linked)))
        return;
    OpenMasterChooser();
}

TAccountsGridForm* TAccountsGridForm::OpenMasterChooser() {
    BaseGridConfig config = config_;
    config.SettingsFileName.clear();
    config.WindowSection = "MasterAccount";
    config.UseTemplate = true;
    config.WindowTitle = "Link account(s) with one of the following master account";
    if (!Session()->HasMasterAccount()) {
        Ui().MessageBox(this, "There is no master account configured.", "Link to Master Account Validation",
                        BoxIcon::Error, BoxButtons::Ok);
        return nullptr;
    }
    auto* chooser =
        new TAccountsGridForm(area_, ChildType::MasterAccounts, config, Titles(), Session(), new AccountView);
    chooser->linkList_ = linkList_;
    chooser->linkKeys_ = linkKeys_;
    chooser->Show();
    return chooser;
}

void TAccountsGridForm::LinkWithThisAccount() {
    const AccountDisplayData* account = SelectedAccount();
    if (!account) return;
    const AccountLinking::Id master = account->AccountId;
    const std::string text = AccountLinking::LinkWithMasterText(linkList_, master);
    linkMessage_.MasterAccountId = master;
    if (Ui().MessageBox(this, text, Caption(), BoxIcon::Information, BoxButtons::OkCancel) != mrOk) return;
    // The chooser stays open as long as the user likes: accounts that left the store since they
    // were confirmed are not linked.
    std::vector<AccountLinking::Id> stored;
    for (std::size_t i = 0; i < linkList_.size(); ++i)
        if (i >= linkKeys_.size() || IsStored(linkKeys_[i])) stored.push_back(linkList_[i]);
    AccountLinking::SendBatches(
        linkMessage_, stored,
        [this](Brae_AL_BulkLinkAccount& m, const CommandDescription& d) { SendLink(m, d); });
    linkList_.clear();
    linkKeys_.clear();
    close();
}

void TAccountsGridForm::UnLinkFromMasterAccountExecute() {
    const std::optional<Row> row = SelectedRow();
    if (!row) return;
    if (Ui().MessageBox(this, AccountLinking::UnlinkSelectedText(), "Account(s) Unlink", BoxIcon::Question,
                        BoxButtons::YesNo) != mrYes)
        return;
    if (!IsStored(row->Key)) return;
    AccountLinking::Groups groups;
    groups[row->Account.MasterAccountId.ToPaddedString()].push_back(row->Account.AccountId);
    AccountLinking::SendUnlinks(
        groups, [this](Brae_AL_BulkLinkAccount& m, const CommandDescription& d) { SendLink(m, d); });
}

void TAccountsGridForm::UnLinkAllDisplayedToMasterAccountExecute() {
    const std::vector<Row> rows = DisplayedRows();
    AccountLinking::Groups groups;
    int count = 0;
    for (const Row& row : rows) {
        if (!AccountGridRules::IsLinkedAccount(row.Account)) continue;
        groups[row.Account.MasterAccountId.ToPaddedString()].push_back(row.Account.AccountId);
        ++count;
    }
    if (count == 0) return;
    if (!Confirm(count, "Unlinking on All Displayed Accounts",
                 AccountLinking::UnlinkAllDisplayedText(count, static_cast<int>(groups.size()))))
        return;
    // Accounts that left the store while the confirmation was up are dropped.
    AccountLinking::Groups current;
    for (const Row& row : rows)
        if (AccountGridRules::IsLinkedAccount(row.Account) && IsStored(row.Key))
            current[row.Account.MasterAccountId.ToPaddedString()].push_back(row.Account.AccountId);
    AccountLinking::SendUnlinks(
        current, [this](Brae_AL_BulkLinkAccount& m, const CommandDescription& d) { SendLink(m, d); });
}

// Reporting.

void TAccountsGridForm::MonitorActionExecute() {
    const std::optional<Row> row = SelectedRow();
    if (!row) return;
    bool active = false;
    {
        TMonitorAccountForm form(this, false,
                                 row->Account.Flags.Contains(EnumBraeKTSAccountFlags::ActiveForReporting));
        if (form.ShowModal() != mrOk) return;
        active = form.IsMonitoringActive();
    }
    if (IsStored(row->Key)) SendReportingFlag(row->Account, active);
}

void TAccountsGridForm::AllDisplayedMonitorActionExecute() {
    const std::vector<Row> rows = DisplayedRows();
    if (rows.empty()) return;
    bool active = false;
    {
        TMonitorAccountForm form(this, true, false);
        if (form.ShowModal() != mrOk) return;
        active = form.IsMonitoringActive();
    }
    const int count = static_cast<int>(rows.size());
    if (!Confirm(count, "Modify Reporting on All Displayed Accounts",
                 AccountReporting::AllDisplayedText(count)))
        return;
    for (const Row& row : rows)
        if (IsStored(row.Key)) SendReportingFlag(row.Account, active);
}

void TAccountsGridForm::SendReportingFlag(const AccountDisplayData& account, bool active) {
    Brae_MC_MonitoringAccount message = AccountReporting::BuildMonitoring(account, active);
    Session()->SendCommand(message, AccountReporting::Describe(account));
}

// Import.

bool TAccountsGridForm::ImportData(const std::string& fileName) {
    TCommandCSVData<AccountImport> data;
    return RunAccountImport(fileName, data);
}

bool TAccountsGridForm::RunAccountImport(const std::string& fileName, CommandCSVData& data) {
    ImportCounter = 0;
    if (!MakeImportLogFileName(fileName)) return false;
    AccountImporter importer(*Session());
    const bool result =
        importer.Run(fileName, ImportLogFileName(), static_cast<TCommandCSVData<AccountImport>&>(data));
    ImportCounter = importer.Imported();
    return result;
}

bool TAccountsGridForm::ValidateImportRecord(CommandCSVData& data, std::FILE* log, const std::string&) {
    AccountImporter importer(*Session());
    const bool result = importer.ValidateRecords(static_cast<TCommandCSVData<AccountImport>&>(data), log);
    ImportCounter = importer.Imported();
    return result;
}
