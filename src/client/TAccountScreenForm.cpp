#include "client/TAccountScreenForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "client/AccountEntryReader.h"
#include "client/AccountParticipants.h"
#include "client/AccountScreenCommands.h"
#include "client/AccountScreenPlan.h"
#include "grid/ControlTools.h"
#include "grid/FieldBinding.h"
#include "session/KVNEventManager.h"
#include "toolkit/Action.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"
#include "toolkit/UiHost.h"

using Item = AccountScreenItem;

// Every item of the screen: its control (a mark, panel or button for those items) and its label.
struct TAccountScreenForm::Controls {
    std::array<QWidget*, AccountScreenPlan::kItemCount> widget{};
    std::array<QLabel*, AccountScreenPlan::kItemCount> label{};

    QWidget*& Widget(Item item) { return widget[std::size_t(item)]; }
    QLabel*& Label(Item item) { return label[std::size_t(item)]; }
    Edit* EditOf(Item item) { return static_cast<Edit*>(Widget(item)); }
    ComboBox* ComboOf(Item item) { return static_cast<ComboBox*>(Widget(item)); }

    CheckBox* reportable = nullptr;
    CheckBox* monitoring = nullptr;
    QLabel* errorLabel = nullptr;
    QPushButton* unlinkButton = nullptr;
};

namespace {

// Reads the screen's items through the field binding, into the form's error text.
class ControlReader {
public:
    ControlReader(TAccountScreenForm::Controls& controls, std::string& error) : c_(controls), error_(error) {}

    template <class T>
    bool Text(T& value, Item item, bool mandatory, bool charCheck) {
        return charCheck ? ReadValueFromEdit(value, c_.EditOf(item), c_.Label(item), error_, mandatory, false)
                         : ReadValueFromEditNoCharCheck(value, c_.EditOf(item), c_.Label(item), error_,
                                                        mandatory, false);
    }
    template <class T>
    bool Enum(T& value, Item item, bool mandatory) {
        return ReadEnumFromComboBox(value, c_.ComboOf(item), c_.Label(item), error_, mandatory);
    }
    bool OwnVisible(Item item) const { return !c_.widget[std::size_t(item)]->isHidden(); }
    std::string ComboText(Item item) const {
        return static_cast<ComboBox*>(c_.widget[std::size_t(item)])->Text();
    }
    const std::string& Error() const { return error_; }

private:
    TAccountScreenForm::Controls& c_;
    std::string& error_;
};

QLabel* MakeMark(QWidget* parent, const char* name) {
    auto* mark = new QLabel(QStringLiteral(" * "), parent);
    mark->setObjectName(QString::fromLatin1(name));
    mark->setStyleSheet(QStringLiteral("color: red"));
    return mark;
}

}  // namespace

TAccountScreenForm::TAccountScreenForm(QWidget* owner, KVNEventManager& session,
                                       const AccountDisplayData& account, Mode mode)
    : Form(owner), session_(session), account_(account), mode_(mode), c_(std::make_unique<Controls>()) {
    setObjectName("AccountScreenForm");
    setWindowTitle(QStringLiteral("Create Account Profile"));
    SetCentreOnOwner(true);
    BuildControls();
    onShow = [this] { FormShow(); };
    // Only a failed check keeps the dialog open, and only once.
    onCloseQuery = [this] {
        const bool answer = mayClose_;
        mayClose_ = true;
        return answer;
    };
}

TAccountScreenForm::~TAccountScreenForm() = default;

void TAccountScreenForm::BuildControls() {
    Controls& c = *c_;
    // A row of a grid: the label, the control and, for a required field, its mark.
    auto row = [&c](QGridLayout* grid, int line, int column, Item item, const char* caption, QWidget* control,
                    Item mark = Item::None, const char* markName = nullptr) {
        auto* label = new QLabel(ToQt(caption), control->parentWidget());
        label->setObjectName(control->objectName() + QStringLiteral("Label"));
        label->setBuddy(control);
        grid->addWidget(label, line, column * 3);
        grid->addWidget(control, line, column * 3 + 1);
        c.Widget(item) = control;
        c.Label(item) = label;
        if (mark != Item::None) {
            c.Widget(mark) = MakeMark(control->parentWidget(), markName);
            grid->addWidget(c.Widget(mark), line, column * 3 + 2);
        }
    };
    auto edit = [](QWidget* parent, const char* name, int width) {
        auto* e = new Edit(parent, name);
        e->SetMaxLength(width);
        return e;
    };
    auto combo = [](QWidget* parent, const char* name) {
        return new ComboBox(parent, name, ComboBox::Style::DropDownList, true);
    };

    // The account management ids and participant, for Jek users and master accounts.
    auto* jekPanel = new QWidget(this);
    jekPanel->setObjectName("mpJEKPanel");
    c.Widget(Item::JekPanel) = jekPanel;
    auto* management = new QGroupBox(QStringLiteral("VEXT Account Management"), jekPanel);
    management->setObjectName("mpVEXTAccountManagementGroupBox");
    (new QVBoxLayout(jekPanel))->addWidget(management);
    auto* managementGrid = new QGridLayout(management);
    row(managementGrid, 0, 0, Item::MasterAccountId, "Master Account ID",
        edit(management, "mpMasterAccountIdEdit", 16));
    row(managementGrid, 0, 1, Item::AccountId, "Account ID", edit(management, "mpAccountIdEdit", 16));
    row(managementGrid, 0, 2, Item::ParticipantId, "&Participant ID",
        combo(management, "mParticipantIdComboBox"), Item::RequiredParticipantId,
        "mpRequiredParticipantIdLabel");

    auto* namePanel = new QWidget(this);
    namePanel->setObjectName("mpNamePanel");
    auto* nameGrid = new QGridLayout(namePanel);
    row(nameGrid, 0, 0, Item::Name, "&Name", edit(namePanel, "mpNameEdit", 25), Item::RequiredName,
        "mpRequiredNameLabel");
    row(nameGrid, 0, 1, Item::NonReportableParticipantId, "&Participant ID",
        combo(namePanel, "mNonReportableParticipantIdComboBox"), Item::RequiredNonReportableParticipantId,
        "mpNonReportableRequiredParticipantIdLabel");
    row(nameGrid, 1, 0, Item::AffiliatedCie, "&Affiliated Company Name",
        edit(namePanel, "mpAffiliatedCieEdit", 24));
    c.reportable = new CheckBox(namePanel, "ReportableCheckBox", "Once Reportable");
    c.reportable->setEnabled(false);
    c.monitoring = new CheckBox(namePanel, "MonitoringCheckBox", "Active For Reportin&g");
    c.Widget(Item::Reportable) = c.reportable;
    c.Widget(Item::Monitoring) = c.monitoring;
    nameGrid->addWidget(c.reportable, 1, 4);
    nameGrid->addWidget(c.monitoring, 1, 5);

    auto* accountPanel = new QWidget(this);
    accountPanel->setObjectName("mpAccountPanel");
    auto* accountLayout = new QVBoxLayout(accountPanel);
    auto* accountBox = new QGroupBox(QStringLiteral("Account"), accountPanel);
    accountBox->setObjectName("mpAccountGroupBox");
    accountLayout->addWidget(accountBox);
    auto* accountGrid = new QGridLayout(accountBox);
    row(accountGrid, 0, 0, Item::Number, "N&umber", edit(accountBox, "mpNumberEdit", 16),
        Item::RequiredNumber, "mpRequiredNumberLabel");
    row(accountGrid, 0, 1, Item::OwnerId, "&Owner ID", edit(accountBox, "mpAccountOwnerIDEdit", 24),
        Item::RequiredOwnerId, "mpRequiredOwnerIDLabel");
    row(accountGrid, 1, 0, Item::OwnerType, "O&wner Type", combo(accountBox, "mpOwnerTypeComboBox"),
        Item::RequiredOwnerType, "mpRequiredOwnerTypeLabel");
    row(accountGrid, 1, 1, Item::Risk, "&Risk", combo(accountBox, "mpRiskComboBox"), Item::RequiredRisk,
        "mpRequiredRiskLabel");
    row(accountGrid, 2, 0, Item::AccountType, "Account T&ype", combo(accountBox, "mpTypeComboBox"),
        Item::RequiredAccountType, "mpRequiredAccountTypeLabel");

    auto* locationPanel = new QWidget(accountPanel);
    locationPanel->setObjectName("mpLocationPanel");
    accountLayout->addWidget(locationPanel);
    auto* locationGrid = new QGridLayout(locationPanel);
    row(locationGrid, 0, 0, Item::Address, "A&ddress", edit(locationPanel, "mpAddressEdit", 48),
        Item::RequiredAddress, "mpRequiredAddressLabel");
    row(locationGrid, 0, 1, Item::City, "C&ity", edit(locationPanel, "mpCityEdit", 24), Item::RequiredCity,
        "mpRequiredCityLabel");
    row(locationGrid, 1, 0, Item::Province, "Pro&vince/State", edit(locationPanel, "mpProvinceEdit", 24),
        Item::RequiredProvince, "mpRequiredProvinceLabel");
    row(locationGrid, 1, 1, Item::Country, "Coun&try", combo(locationPanel, "mpCountryComboBox"),
        Item::RequiredCountry, "mpRequiredCountryLabel");
    row(locationGrid, 2, 0, Item::PostalCode, "Po&stal Code", edit(locationPanel, "mpPostalCodeEdit", 12),
        Item::RequiredPostalCode, "mpRequiredPostalCodeLabel");

    auto* contactPanel = new QWidget(accountPanel);
    contactPanel->setObjectName("mpContactPanel");
    accountLayout->addWidget(contactPanel);
    auto* contactGrid = new QGridLayout(contactPanel);
    row(contactGrid, 0, 0, Item::Phone, "P&hone", edit(contactPanel, "mpPhoneEdit", 24));
    row(contactGrid, 0, 1, Item::Fax, "&Fax", edit(contactPanel, "mpFaxEdit", 24));
    row(contactGrid, 1, 0, Item::Email, "&Email", edit(contactPanel, "mpEmailEdit", 48));

    auto* errorPanel = new QWidget(this);
    errorPanel->setObjectName("mpErrorPanel");
    c.errorLabel = new QLabel(errorPanel);
    c.errorLabel->setObjectName("mErrorMessageLabel");
    c.errorLabel->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    c.errorLabel->setWordWrap(true);
    (new QVBoxLayout(errorPanel))->addWidget(c.errorLabel);

    auto* buttonsPanel = new QWidget(this);
    buttonsPanel->setObjectName("mpOkButtonsPanel");
    auto* buttons = new QHBoxLayout(buttonsPanel);
    c.unlinkButton = new QPushButton(QStringLiteral("Un&link"), buttonsPanel);
    c.unlinkButton->setObjectName("mpUnlinkButton");
    c.Widget(Item::UnlinkButton) = c.unlinkButton;
    auto* ok = new QPushButton(QStringLiteral("O&K"), buttonsPanel);
    ok->setObjectName("mpOkButton");
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), buttonsPanel);
    cancel->setObjectName("mpCancelButton");
    buttons->addWidget(c.unlinkButton);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    okAction_ = new Action(this, "O&K");
    okAction_->setObjectName("OKAction");
    actions_.Add(okAction_);
    okAction_->onExecute = [this](Action&) { OKActionExecute(); };
    BindButton(ok, mrOk, okAction_);
    BindButton(cancel, mrCancel);
    SetCancelButton(cancel);
    connect(c.unlinkButton, &QPushButton::clicked, this, [this] { UnlinkActionExecute(); });

    auto* layout = new QVBoxLayout(this);
    for (QWidget* panel : {jekPanel, namePanel, accountPanel, errorPanel, buttonsPanel})
        layout->addWidget(panel);
    // The dialog takes the height of what it shows: a hidden panel leaves no gap.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAccountScreenForm::FormShow() {
    // The account and the mode are applied once, on the first show.
    if (shown_) return;
    shown_ = true;
    Controls& c = *c_;
    ShowValueInEdit(account_.AffiliatedCie, c.EditOf(Item::AffiliatedCie));
    ShowValueInEdit(account_.AccountNumber, c.EditOf(Item::Number));
    ShowEnumInComboBox(account_.AccountOwnerType, c.ComboOf(Item::OwnerType), c.Label(Item::OwnerType), true);
    ShowValueInEdit(account_.OwnerId, c.EditOf(Item::OwnerId));
    if (account_.HedgeSpec.Is(EnumBraeHedgeSpec::Default))
        account_.HedgeSpec.Set(EnumBraeHedgeSpec::Speculator);
    ShowEnumSubsetInComboBox(account_.HedgeSpec, c.ComboOf(Item::Risk),
                             {BraeHedgeSpec::IndexOf(EnumBraeHedgeSpec::Default)});
    ShowValueInEdit(account_.Name, c.EditOf(Item::Name));
    ShowValueInEdit(account_.Address, c.EditOf(Item::Address));
    ShowValueInEdit(account_.City, c.EditOf(Item::City));
    ShowValueInEdit(account_.State, c.EditOf(Item::Province));
    ShowValueInEdit(account_.Phone, c.EditOf(Item::Phone));
    ShowValueInEdit(account_.Fax, c.EditOf(Item::Fax));
    ShowValueInEdit(account_.Email, c.EditOf(Item::Email));
    ShowValueInEdit(account_.ZipPostalCode, c.EditOf(Item::PostalCode));
    if (account_.CountryCode.Is(0)) account_.CountryCode.SetText("CA");
    ShowEnumSubsetInComboBox(account_.CountryCode, c.ComboOf(Item::Country), {0});
    ShowValueInEdit(account_.AccountId, c.EditOf(Item::AccountId));
    ShowValueInEdit(account_.MasterAccountId, c.EditOf(Item::MasterAccountId));
    if (account_.MasterAccountId.IsBlank()) ShowControlWithLabel(c.unlinkButton, nullptr, false);

    const AccountParticipants participants =
        AccountParticipants::Make(session_.Participants, session_.UserName, account_.ApprovedParticipantId);
    for (Item item : {Item::ParticipantId, Item::NonReportableParticipantId}) {
        c.ComboOf(item)->AddItems(participants.Names);
        if (!participants.Remembered.empty()) SelectComboBoxItem(c.ComboOf(item), participants.Remembered);
    }

    // The mode.
    const AccountScreenPlan plan = AccountScreenPlan::Make(mode_, UserTypeLetter());
    setWindowTitle(ToQt(plan.Caption));
    master_ = plan.Master;
    modify_ = plan.Modify;
    action_ = plan.Action;
    if (plan.NonReportable) entry_.AccountType.Set(EnumBraeKTSAccountType::NonReportable);
    if (plan.StartActive) account_.Flags.Add(EnumBraeKTSAccountFlags::ActiveForReporting);
    BraeKTSAccountType shownType = account_.AccountType;
    if (plan.ForceAccountType) shownType.Set(plan.AccountType);
    ShowEnumSubsetInComboBox(shownType, c.ComboOf(Item::AccountType), plan.ExcludedAccountTypes);
    if (plan.EmptyNumber) {
        c.EditOf(Item::Number)->SetText({});
        entry_.AccountNumber.Clear();
        entry_.AccountOwnerType.Clear();
    }
    for (int i = 0; i < AccountScreenPlan::kItemCount; ++i) {
        const auto item = static_cast<Item>(i);
        QWidget* widget = c.widget[std::size_t(i)];
        switch (plan.State(item)) {
            case AccountItemState::AsForm:
                break;
            case AccountItemState::ShownDisabled:
                ShowControlWithLabel(widget, c.label[std::size_t(i)], true);
                break;
            case AccountItemState::Hidden:
                ShowControlWithLabel(widget, c.label[std::size_t(i)], false);
                break;
            case AccountItemState::Disabled:
                widget->setEnabled(false);
                break;
        }
    }

    c.reportable->SetChecked(account_.Flags.Contains(EnumBraeKTSAccountFlags::OnceReportable));
    c.monitoring->SetChecked(account_.Flags.Contains(EnumBraeKTSAccountFlags::ActiveForReporting));
}

char TAccountScreenForm::UserTypeLetter() const {
    if (session_.UserTypeS) return 'S';
    if (session_.UserTypeM) return 'M';
    if (session_.UserTypeA) return 'A';
    if (session_.UserTypeP) return 'P';
    return ' ';
}

bool TAccountScreenForm::ReadFields() {
    ControlReader reader(*c_, errorText_);
    const AccountEntryReader check(mode_, session_.IsSupervisor(), session_.Accounts, session_.Participants);
    const AccountReadResult result = check.ReadFields(reader, entry_);
    if (result.Ok) return true;
    errorText_ = result.Message;
    if (!result.FocusDone && result.Failed != Item::None) FocusIfReachable(c_->Widget(result.Failed));
    return false;
}

void TAccountScreenForm::OKActionExecute() {
    mayClose_ = false;
    c_->errorLabel->clear();
    if (!ReadFields()) {
        c_->errorLabel->setText(ToQt(errorText_));
        return;
    }
    const QPointer<TAccountScreenForm> self(this);
    const int answer = Ui().MessageBox(this, AccountScreenCommands::ConfirmationText(modify_),
                                       FromQt(windowTitle()), BoxIcon::Information, BoxButtons::OkCancel);
    if (!self || answer != mrOk) return;
    const CommandDescription description = AccountScreenCommands::Describe(mode_, action_, entry_);
    if (mode_ == Mode::NewNonReportableAccount || mode_ == Mode::UpdateNonReportableAccount) {
        Brae_AM_NonReportableAccountEntry message =
            AccountScreenCommands::BuildNonReportable(entry_, account_.Flags, c_->monitoring->Checked());
        session_.SendCommand(message, description);
    } else {
        session_.SendCommand(entry_, description);
    }
    mayClose_ = true;
}

void TAccountScreenForm::UnlinkActionExecute() {
    const QPointer<TAccountScreenForm> self(this);
    const int answer =
        Ui().MessageBox(this, "You are about to unlink the record.\n\nAre you sure you want to continue ?",
                        "Account(s) Unlink", BoxIcon::Question, BoxButtons::YesNo);
    if (!self || answer != mrYes) return;
    Brae_AL_BulkLinkAccount message =
        AccountScreenCommands::BuildUnlink(account_.MasterAccountId, account_.AccountId);
    session_.SendCommand(message, AccountScreenCommands::DescribeUnlink());
    ShowControlWithLabel(c_->unlinkButton, nullptr, false);
}
