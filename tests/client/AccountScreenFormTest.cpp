#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

#include "../session/SessionFixture.h"
#include "brae/Brae_AL_BulkLinkAccount.h"
#include "client/TAccountScreenForm.h"
#include "guisupport/Keyboard.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"

namespace {

using Mode = EnumBraeKTSAccountEntryAction;

const Mode kModes[] = {Mode::CreateNewAccount,        Mode::UpdateExistingAccount,
                       Mode::CreateNewMasterAccount,  Mode::UpdateExistingMasterAccount,
                       Mode::NewNonReportableAccount, Mode::UpdateNonReportableAccount};

// The 21 bound controls, in the order of the state strings below.
const char* const kControls[] = {"mpMasterAccountIdEdit",
                                 "mpAccountIdEdit",
                                 "mParticipantIdComboBox",
                                 "mpNameEdit",
                                 "mNonReportableParticipantIdComboBox",
                                 "mpAffiliatedCieEdit",
                                 "ReportableCheckBox",
                                 "MonitoringCheckBox",
                                 "mpNumberEdit",
                                 "mpAccountOwnerIDEdit",
                                 "mpOwnerTypeComboBox",
                                 "mpRiskComboBox",
                                 "mpTypeComboBox",
                                 "mpAddressEdit",
                                 "mpCityEdit",
                                 "mpProvinceEdit",
                                 "mpCountryComboBox",
                                 "mpPostalCodeEdit",
                                 "mpPhoneEdit",
                                 "mpFaxEdit",
                                 "mpEmailEdit"};
// The required marks, in the order of the mark strings below.
const char* const kMarks[] = {"mpRequiredNumberLabel",
                              "mpRequiredOwnerIDLabel",
                              "mpRequiredOwnerTypeLabel",
                              "mpRequiredRiskLabel",
                              "mpRequiredAccountTypeLabel",
                              "mpRequiredNameLabel",
                              "mpRequiredAddressLabel",
                              "mpRequiredCityLabel",
                              "mpRequiredProvinceLabel",
                              "mpRequiredCountryLabel",
                              "mpRequiredPostalCodeLabel",
                              "mpRequiredParticipantIdLabel",
                              "mpNonReportableRequiredParticipantIdLabel"};

BraeParticipantDefinition Participant(const std::string& name, const std::string& id, char type) {
    std::string bytes = name;
    bytes.resize(25, ' ');
    bytes += id;
    bytes.resize(29, ' ');
    bytes += std::string("FUM00001") + type + "FIRMNAME";
    BraeParticipantDefinition participant;
    std::memcpy(static_cast<void*>(&participant), bytes.data(), sizeof participant);
    return participant;
}

KR_Account StoredAccount(const std::string& number, const std::string& id, const std::string& participant,
                         EnumBraeKTSInternalAccountType kind, const std::string& ownerId = "OWNER") {
    KR_Account account;
    account.AccountNumber.SetString(number);
    account.AccountId.SetString(id);
    account.ApprovedParticipantId.SetString(participant);
    account.InternalAccountType.Set(kind);
    account.OwnerId.SetString(ownerId);
    return account;
}

template <class T>
T* Find(TAccountScreenForm& form, const char* name) {
    T* control = form.Control<T>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
}

std::vector<std::string> Items(ComboBox* box) {
    std::vector<std::string> items;
    for (int i = 0; i < box->Count(); ++i) items.push_back(box->Item(i));
    return items;
}

bool IsModify(Mode mode) {
    return mode == Mode::UpdateExistingAccount || mode == Mode::UpdateExistingMasterAccount ||
           mode == Mode::UpdateNonReportableAccount;
}

std::string Field(const std::string& text, std::size_t width) {
    std::string field = text;
    field.resize(width, ' ');
    return field;
}

class AccountScreenFormTest : public SessionFixture {
protected:
    void SetUserType(char type) {
        session->UserTypeP = type == 'P';
        session->UserTypeA = type == 'A';
        session->UserTypeM = type == 'M';
        session->UserTypeS = type == 'S';
    }
    // The participants of the demo firms and the user, without a login.
    void SetParticipants() {
        session->UserName = "jek";
        session->Participants = {Participant("Northwind Trading", "NWT1", 'P'),
                                 Participant("Harbour Securities", "HBS1", 'P')};
    }
    // A filled client account for the screen.
    static AccountDisplayData Account() {
        AccountDisplayData account;
        account.AccountNumber.SetString("NEW-1");
        account.AccountType.Set(EnumBraeKTSAccountType::Firm);
        account.AccountOwnerType.Set(EnumBraeKTSAccountOwnerType::HedgeFunds);
        account.OwnerId.SetString("OWNER-1");
        account.HedgeSpec.Set(EnumBraeHedgeSpec::Hedger);
        account.Name.SetString("New Client");
        account.Address.SetString("2 Harbour Road");
        account.City.SetString("Halifax");
        account.State.SetString("NS");
        account.ZipPostalCode.SetString("B3H 1A1");
        account.CountryCode.SetText("CA");
        account.ApprovedParticipantId.SetString("NWT1");
        account.AffiliatedCie.SetString("Affiliate");
        account.Phone.SetString("555-0100");
        account.Email.SetString("new@example.com");
        return account;
    }

    // Shows the form modally; drive runs while it is up and must leave it closed or open (then
    // it is cancelled). The modal result.
    int Run(TAccountScreenForm& form, const std::function<void(TAccountScreenForm&)>& drive) {
        ui.ExpectModal<TAccountScreenForm>([&drive](TAccountScreenForm& f) {
            drive(f);
            if (f.isVisible()) f.Control<QPushButton>("mpCancelButton")->click();
        });
        return form.ShowModal();
    }
    static void Ok(TAccountScreenForm& form) { form.Control<QPushButton>("mpOkButton")->click(); }
    static std::string ErrorLabel(TAccountScreenForm& form) {
        return form.Control<QLabel>("mErrorMessageLabel")->text().toStdString();
    }
    void ExpectConfirmation(const std::string& caption, bool modify, int answer) {
        ui.ExpectBox(
            caption,
            modify ? "You are about to change the record\n\nPress OK button to proceed with the modification."
                   : "You are about to create a new record\n\nPress OK button to proceed with the creation.",
            BoxIcon::Information, BoxButtons::OkCancel, answer);
    }
    // The last command of the history.
    const CommandHistory& LastCommand() const { return session->CommandHistories.Records.rbegin()->second; }
};

}  // namespace

// What each mode shows to each user type. Per control: 'e' visible and enabled, 'd' visible and
// disabled, 'h' not visible; per mark: '1' visible.
TEST_F(AccountScreenFormTest, EachModeShowsEachUserTypeItsControlsListsAndMarks) {
    SetParticipants();
    struct Expected {
        const char* caption;
        const char* clientUser;  // controls for 'P' and 'A'
        const char* jekUser;     // controls for 'M' and 'S'
        const char* clientMarks;
        const char* jekMarks;
        std::vector<std::string> types;
        const char* type;
        bool clientUnlink;
        bool jekUnlink;
    };
    const std::vector<std::string> clientTypes = {"Client", "Firm", "MarketMaker", "Omnibus", "Professional"};
    const std::map<Mode, Expected> expected = {
        {Mode::CreateNewAccount,
         {"Create Account Profile",
          "hhhehehh"
          "eeeee"
          "eeeeeeee",
          "ddeeeede"
          "eeeee"
          "eeeeeeee",
          "1111111111100", "1111111111111", clientTypes, "Firm", false, true}},
        {Mode::UpdateExistingAccount,
         {"Modify Account Profile",
          "hhhehehh"
          "deeee"
          "eeeeeeee",
          "dddeeede"
          "deeee"
          "eeeeeeee",
          "1111111111100", "1111111111111", clientTypes, "Firm", false, true}},
        {Mode::CreateNewMasterAccount,
         {"Create Master Account Profile",
          "dddehehh"
          "deeed"
          "eeeeeeee",
          "dddehehh"
          "deeed"
          "eeeeeeee",
          "0100000000000",
          "0100000000000",
          {"InternalMaster"},
          "InternalMaster",
          true,
          true}},
        {Mode::UpdateExistingMasterAccount,
         {"Modify Master Account Profile",
          "dddehehh"
          "ddeed"
          "eeeeeeee",
          "dddehehh"
          "ddeed"
          "eeeeeeee",
          "0100000000000",
          "0100000000000",
          {"InternalMaster"},
          "InternalMaster",
          true,
          true}},
        {Mode::NewNonReportableAccount,
         {"Create Non-Reportable Account Profile",
          "hhheeede"
          "eeeed"
          "eeeeeeee",
          "hhheeede"
          "eeeed"
          "eeeeeeee",
          "1111111111101",
          "1111111111101",
          {"NonReportable"},
          "NonReportable",
          false,
          false}},
        {Mode::UpdateNonReportableAccount,
         {"Modify Non-Reportable Account Profile",
          "hhhedede"
          "deeed"
          "eeeeeeee",
          "hhhedede"
          "deeed"
          "eeeeeeee",
          "1111111111101",
          "1111111111101",
          {"NonReportable"},
          "NonReportable",
          false,
          false}},
    };
    for (Mode mode : kModes) {
        for (char user : {'P', 'A', 'M', 'S'}) {
            SCOPED_TRACE(std::string(1, char(mode)) + " for user " + user);
            SetUserType(user);
            const bool jek = user == 'M' || user == 'S';
            const Expected& e = expected.at(mode);
            AccountDisplayData account = Account();
            account.MasterAccountId.SetString("MASTER-7");
            account.AccountId.SetString("7001");
            TAccountScreenForm form(nullptr, *session, account, mode);
            form.show();
            QApplication::processEvents();
            EXPECT_EQ(form.windowTitle().toStdString(), e.caption);
            const std::string controls = jek ? e.jekUser : e.clientUser;
            for (std::size_t i = 0; i < std::size(kControls); ++i) {
                auto* control = Find<QWidget>(form, kControls[i]);
                const char state = !control->isVisible() ? 'h' : control->isEnabled() ? 'e' : 'd';
                EXPECT_EQ(state, controls[i]) << kControls[i];
                // A label goes with its control.
                if (auto* label = form.findChild<QLabel*>(QString::fromLatin1(kControls[i]) + "Label")) {
                    EXPECT_EQ(label->isVisible(), control->isVisible()) << kControls[i];
                    EXPECT_EQ(label->isEnabled(), control->isEnabled()) << kControls[i];
                }
            }
            const std::string marks = jek ? e.jekMarks : e.clientMarks;
            for (std::size_t i = 0; i < std::size(kMarks); ++i)
                EXPECT_EQ(Find<QLabel>(form, kMarks[i])->isVisible(), marks[i] == '1') << kMarks[i];
            auto* type = Find<ComboBox>(form, "mpTypeComboBox");
            EXPECT_EQ(Items(type), e.types);
            EXPECT_EQ(type->Text(), e.type);
            const bool master =
                mode == Mode::CreateNewMasterAccount || mode == Mode::UpdateExistingMasterAccount;
            EXPECT_EQ(Find<Edit>(form, "mpNumberEdit")->Text(), master ? "" : "NEW-1");
            EXPECT_EQ(Find<CheckBox>(form, "MonitoringCheckBox")->Checked(),
                      mode == Mode::NewNonReportableAccount);
            EXPECT_EQ(Find<QPushButton>(form, "mpUnlinkButton")->isVisible(),
                      jek ? e.jekUnlink : e.clientUnlink);
            // No control overlaps another.
            std::vector<QRect> shown;
            for (QWidget* w : form.findChildren<QWidget*>()) {
                if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) ||
                                         qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w)))
                    continue;
                const QRect r(w->mapTo(&form, QPoint(0, 0)), w->size());
                for (const QRect& other : shown)
                    EXPECT_FALSE(r.intersects(other)) << w->objectName().toStdString();
                shown.push_back(r);
            }
        }
    }
}

TEST_F(AccountScreenFormTest, HidingTheManagementPanelShortensTheDialogAndABlankMasterIdHidesUnlink) {
    SetParticipants();
    int heights[2] = {};
    for (char user : {'M', 'P'}) {
        SetUserType(user);
        TAccountScreenForm form(nullptr, *session, Account(), Mode::CreateNewAccount);
        form.show();
        QApplication::processEvents();
        heights[user == 'P'] = form.height();
        EXPECT_FALSE(Find<QPushButton>(form, "mpUnlinkButton")->isVisible());
    }
    EXPECT_LT(heights[1], heights[0]);
}

TEST_F(AccountScreenFormTest, ABlankRecordOpensWithItsDefaultsAndTheListsLeaveOutTheirExclusions) {
    SetParticipants();
    SetUserType('P');
    TAccountScreenForm form(nullptr, *session, AccountDisplayData(), Mode::CreateNewAccount);
    form.show();
    EXPECT_EQ(Find<ComboBox>(form, "mpTypeComboBox")->Text(), "Client");
    EXPECT_EQ(Find<ComboBox>(form, "mpOwnerTypeComboBox")->Text(), "CanadianBank");
    EXPECT_EQ(Find<ComboBox>(form, "mpOwnerTypeComboBox")->Count(), 16);
    EXPECT_EQ(Items(Find<ComboBox>(form, "mpRiskComboBox")),
              (std::vector<std::string>{"Hedger", "Speculator"}));
    EXPECT_EQ(Find<ComboBox>(form, "mpRiskComboBox")->Text(), "Speculator");
    auto* country = Find<ComboBox>(form, "mpCountryComboBox");
    EXPECT_EQ(country->Text(), "Canada");
    EXPECT_EQ(country->Count(), BraeCountryCode::GetCount() - 1);
    EXPECT_EQ(country->findText("NotSpecified"), -1);
}

TEST_F(AccountScreenFormTest, ACopiedNonReportableAccountReadsAsAClientAccountInModeN) {
    SetParticipants();
    SetUserType('P');
    AccountDisplayData account = Account();
    account.AccountType.Set(EnumBraeKTSAccountType::NonReportable);
    TAccountScreenForm form(nullptr, *session, account, Mode::CreateNewAccount);
    Run(form, [&](TAccountScreenForm& f) {
        auto* type = Find<ComboBox>(f, "mpTypeComboBox");
        EXPECT_EQ(type->findText("NonReportable"), -1);
        EXPECT_EQ(type->ItemIndex(), -1);
        ExpectConfirmation("Create Account Profile", false, mrCancel);
        Ok(f);
        EXPECT_TRUE(f.isVisible());
    });
    EXPECT_TRUE(form.GetEntry().AccountType.Is(EnumBraeKTSAccountType::Client));
    EXPECT_EQ(Queued().size(), 0u);  // a refused confirmation sends nothing
}

TEST_F(AccountScreenFormTest, ParticipantsOfTypePOtherThanTheUserAreListedAndTheLastIdMatchIsSelected) {
    SetUserType('M');
    session->UserName = "Self";
    session->Participants = {Participant("Zulu Markets", "ZUL1", 'P'), Participant("Self", "SLF1", 'P'),
                             Participant("Broker Only", "BRK1", 'B'),
                             Participant("alpha Trading", "ALP1", 'P'),
                             Participant("Zulu Again", "ZUL1", 'X')};
    const struct {
        const char* participantId;
        const char* selected;
    } cases[] = {{"ALP1", "alpha Trading"}, {"ZUL1", ""}, {"SLF1", ""}, {"NONE", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.participantId);
        AccountDisplayData account = Account();
        account.ApprovedParticipantId.SetString(c.participantId);
        TAccountScreenForm form(nullptr, *session, account, Mode::CreateNewAccount);
        form.show();
        for (const char* name : {"mParticipantIdComboBox", "mNonReportableParticipantIdComboBox"}) {
            auto* box = Find<ComboBox>(form, name);
            EXPECT_EQ(Items(box), (std::vector<std::string>{"alpha Trading", "Zulu Markets"})) << name;
            // "Zulu Again" matches last but is not listed; "Self" is the user.
            EXPECT_EQ(box->Text(), c.selected) << name;
        }
    }
}

TEST_F(AccountScreenFormTest, AJekUsersParticipantIsReadFromTheNonReportableList) {
    SetParticipants();
    SetUserType('M');
    TAccountScreenForm form(nullptr, *session, Account(), Mode::CreateNewAccount);
    Run(form, [&](TAccountScreenForm& f) {
        Find<ComboBox>(f, "mParticipantIdComboBox")->SetText("Northwind Trading");
        Find<ComboBox>(f, "mNonReportableParticipantIdComboBox")->SetItemIndex(-1);
        Ok(f);
        EXPECT_EQ(ErrorLabel(f), "Please define an approved participant");
        EXPECT_EQ(f.focusWidget(), Find<QWidget>(f, "mNonReportableParticipantIdComboBox"));
        Find<ComboBox>(f, "mNonReportableParticipantIdComboBox")->SetText("Harbour Securities");
        ExpectConfirmation("Create Account Profile", false, mrCancel);
        Ok(f);
        EXPECT_EQ(ErrorLabel(f), "");
    });
    EXPECT_EQ(form.GetEntry().ApprovedParticipantId.ToString(), "HBS1");
}

TEST_F(AccountScreenFormTest, ReadFieldsStopsAtTheFirstFailureInOrderAndFocusesIt) {
    SetParticipants();
    const struct {
        Mode mode;
        std::vector<std::pair<const char*, const char*>> steps;  // control to fill next, message before
    } cases[] = {
        {Mode::CreateNewAccount,
         {{"mpNumberEdit", "No value specified for field Number"},
          {"mpAccountOwnerIDEdit", "No value specified for field Owner ID"},
          {"mpNameEdit", "No value specified for field Name"},
          {"mpAddressEdit", "No value specified for field Address"},
          {"mpCityEdit", "No value specified for field City"},
          {"mpProvinceEdit", "No value specified for field Province/State"},
          {"mpPostalCodeEdit", "No value specified for field Postal Code"}}},
        {Mode::CreateNewMasterAccount, {{"mpAccountOwnerIDEdit", "No value specified for field Owner ID"}}},
    };
    SetUserType('P');
    for (const auto& c : cases) {
        SCOPED_TRACE(char(c.mode));
        TAccountScreenForm form(nullptr, *session, AccountDisplayData(), c.mode);
        Run(form, [&](TAccountScreenForm& f) {
            for (const auto& [control, message] : c.steps) {
                Ok(f);
                EXPECT_EQ(ErrorLabel(f), message);
                EXPECT_EQ(f.focusWidget(), Find<QWidget>(f, control));
                // The number edit alone takes ';'.
                Find<Edit>(f, control)->SetText(std::string(control) == "mpNumberEdit" ? "X;1" : "X");
            }
            // The optional fields keep the forbidden-character test; its message keeps the focus.
            Find<Edit>(f, "mpEmailEdit")->SetText("a=b");
            QWidget* focused = f.focusWidget();
            Ok(f);
            EXPECT_EQ(ErrorLabel(f), "a=b Contains a special character that can't be processed");
            EXPECT_EQ(f.focusWidget(), focused);
            EXPECT_TRUE(f.isVisible());
            EXPECT_EQ(Find<Edit>(f, "mpEmailEdit")->Text(), "a=b");  // nothing typed is lost
        });
    }
    EXPECT_EQ(Queued().size(), 0u);
}

TEST_F(AccountScreenFormTest, DuplicateChecksLookAtTheStoredAccountsAsTheModeAndUserSay) {
    SetParticipants();
    session->Accounts.Store(
        StoredAccount("NEW-1", "11", "HBS1", EnumBraeKTSInternalAccountType::ClientAccount), false);
    session->Accounts.Store(
        StoredAccount("", "12", "NWT1", EnumBraeKTSInternalAccountType::MasterAccount, "OWNER-1"), false);
    const struct {
        Mode mode;
        char user;
        const char* participant;  // chosen by a Jek user
        const char* message;      // empty: passes to the confirmation
    } cases[] = {
        {Mode::CreateNewAccount, 'P', "", "The account number already exists"},
        {Mode::NewNonReportableAccount, 'A', "", "The account number already exists"},
        {Mode::CreateNewAccount, 'M', "Harbour Securities", "The account number already exists"},
        {Mode::CreateNewAccount, 'S', "Northwind Trading", ""},
        {Mode::UpdateExistingAccount, 'P', "", ""},
        {Mode::UpdateNonReportableAccount, 'P', "", ""},
        {Mode::CreateNewMasterAccount, 'M', "", "The master account OwnerId already exists"},
        {Mode::UpdateExistingMasterAccount, 'M', "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, char(c.mode)) + c.user);
        SetUserType(c.user);
        TAccountScreenForm form(nullptr, *session, Account(), c.mode);
        Run(form, [&](TAccountScreenForm& f) {
            if (*c.participant)
                Find<ComboBox>(f, "mNonReportableParticipantIdComboBox")->SetText(c.participant);
            if (!*c.message) ExpectConfirmation(f.windowTitle().toStdString(), IsModify(c.mode), mrCancel);
            Ok(f);
            EXPECT_EQ(ErrorLabel(f), c.message);
            if (*c.message) {
                const char* failed =
                    c.mode == Mode::CreateNewMasterAccount ? "mpAccountOwnerIDEdit" : "mpNumberEdit";
                EXPECT_EQ(f.focusWidget(), Find<QWidget>(f, failed));
            }
        });
    }
}

TEST_F(AccountScreenFormTest, TheNumberEditRefusesCharactersOutsideTheCodePage) {
    SetParticipants();
    SetUserType('P');
    TAccountScreenForm form(nullptr, *session, AccountDisplayData(), Mode::CreateNewAccount);
    form.show();
    auto* number = Find<Edit>(form, "mpNumberEdit");
    number->setFocus();
    TypeText(number, QString::fromUtf8("A\u4E2D;\u00E9\u20AC1"));
    EXPECT_EQ(number->Text(),
              "A;\xE9\x80"
              "1");
}

namespace {

// The account fields of an AN or AM as Account() fills them, from the affiliated company to the
// country code.
std::string AccountFields(const std::string& number, char type, const std::string& owner) {
    return Field("Affiliate", 24) + Field(number, 16) + type + "K" + Field(owner, 24) + Field("", 24) + "H" +
           Field("New Client", 25) + Field("2 Harbour Road", 48) + Field("Halifax", 24) + Field("NS", 24) +
           Field("B3H 1A1", 12) + Field("555-0100", 24) + Field("", 24) + Field("new@example.com", 48) + "CA";
}

std::string Header(const char* type, uint32_t sequence) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08u", sequence);
    return type + std::string(14, ' ') + digits;
}

}  // namespace

TEST_F(AccountScreenFormTest, OkSendsTheModesMessageWithItsDescriptionAndCloses) {
    SetParticipants();
    const struct {
        Mode mode;
        char user;
        bool clearActive;
        const char* type;
        std::string body;  // after the header
        EnumActionType action;
        EnumBusinessItemType item;
        const char* description;
    } cases[] = {
        {Mode::CreateNewAccount, 'P', false, "AN", " " + AccountFields("NEW-1", '2', "OWNER-1") + "    ",
         EnumActionType::Add, EnumBusinessItemType::Account, "CreateNewAccount - NEW-1"},
        {Mode::UpdateExistingAccount, 'M', false, "AN", " " + AccountFields("NEW-1", '2', "OWNER-1") + "NWT1",
         EnumActionType::Update, EnumBusinessItemType::Account, "UpdateExistingAccount - NEW-1"},
        // A master account goes out without its number and with the type's default owner type
        // unless one is chosen.
        {Mode::CreateNewMasterAccount, 'M', false, "AN", " " + AccountFields("", 'I', "OWNER-1") + "    ",
         EnumActionType::Add, EnumBusinessItemType::MasterAccount, "CreateNewMasterAccount - OWNER-1"},
        {Mode::UpdateExistingMasterAccount, 'S', false, "AN",
         " " + AccountFields("", 'I', "OWNER-1") + "    ", EnumActionType::Update,
         EnumBusinessItemType::MasterAccount, "UpdateExistingMasterAccount - OWNER-1"},
        {Mode::NewNonReportableAccount, 'P', false, "AM",
         AccountFields("NEW-1", 'N', "OWNER-1") + "    " + "YN" + std::string(30, 'N'), EnumActionType::Add,
         EnumBusinessItemType::Account, "NewNonReportableAccount - NEW-1"},
        {Mode::NewNonReportableAccount, 'M', true, "AM",
         AccountFields("NEW-1", 'N', "OWNER-1") + "NWT1" + std::string(32, 'N'), EnumActionType::Add,
         EnumBusinessItemType::Account, "NewNonReportableAccount - NEW-1"},
        {Mode::UpdateNonReportableAccount, 'A', false, "AM",
         AccountFields("NEW-1", 'N', "OWNER-1") + "    " + "NY" + std::string(30, 'N'),
         EnumActionType::Update, EnumBusinessItemType::Account, "UpdateNonReportableAccount - NEW-1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, char(c.mode)) + c.user);
        SetUserType(c.user);
        AccountDisplayData account = Account();
        if (c.mode == Mode::UpdateNonReportableAccount)
            account.Flags.Add(EnumBraeKTSAccountFlags::OnceReportable);
        TAccountScreenForm form(nullptr, *session, account, c.mode);
        const std::size_t queued = Queued().size();
        const int result = Run(form, [&](TAccountScreenForm& f) {
            if (c.clearActive) Find<CheckBox>(f, "MonitoringCheckBox")->SetChecked(false);
            ExpectConfirmation(f.windowTitle().toStdString(), IsModify(c.mode), mrOk);
            Ok(f);
            EXPECT_FALSE(f.isVisible());
        });
        EXPECT_EQ(result, mrOk);
        const std::vector<std::string> messages = Queued();
        ASSERT_EQ(messages.size(), queued + 1);
        EXPECT_EQ(messages.back(), Header(c.type, session->SequenceCounter) + c.body);
        EXPECT_EQ(messages.back().size(), std::string(c.type) == "AN" ? 351u : 382u);
        const CommandHistory& command = LastCommand();
        EXPECT_EQ(command.CommandAction.ToEnum(), c.action);
        EXPECT_EQ(command.BusinessItem.ToEnum(), c.item);
        EXPECT_EQ(command.Description.ToString(), c.description);
    }
}

TEST_F(AccountScreenFormTest, UnlinkAsksThenSendsOneDeleteLinkAndStaysOpen) {
    SetParticipants();
    SetUserType('M');
    AccountDisplayData account = Account();
    account.MasterAccountId.SetString("MASTER-7");
    account.AccountId.SetString("7001");
    TAccountScreenForm form(nullptr, *session, account, Mode::UpdateExistingAccount);
    Run(form, [&](TAccountScreenForm& f) {
        auto* unlink = Find<QPushButton>(f, "mpUnlinkButton");
        ASSERT_TRUE(unlink->isVisible());
        for (int answer : {mrNo, mrYes}) {
            ui.ExpectBox("Account(s) Unlink",
                         "You are about to unlink the record.\n\nAre you sure you want to continue ?",
                         BoxIcon::Question, BoxButtons::YesNo, answer);
            unlink->click();
            EXPECT_EQ(Queued().size(), answer == mrYes ? 1u : 0u);
        }
        EXPECT_FALSE(unlink->isVisible());
        EXPECT_TRUE(f.isVisible());
    });
    ASSERT_EQ(Queued().size(), 1u);
    EXPECT_EQ(Queued()[0], Header("AL", session->SequenceCounter) + Field("MASTER-7", 16) + "D" + "0001" +
                               Field("7001", 16));
    EXPECT_EQ(LastCommand().CommandAction.ToEnum(), EnumActionType::Update);
    EXPECT_EQ(LastCommand().BusinessItem.ToEnum(), EnumBusinessItemType::Account);
    EXPECT_EQ(LastCommand().Description.ToString(), "DeleteLink - MASTER-7");
}

namespace {

class AccountScreenServerTest : public AccountScreenFormTest {
protected:
    const KR_Account* FindAccount(const std::function<bool(const KR_Account&)>& match) const {
        for (const auto& [key, account] : session->Accounts.Records)
            if (match(account)) return &account;
        return nullptr;
    }
    const KR_Account* ByNumber(const std::string& number) const {
        return FindAccount([&](const KR_Account& a) { return a.AccountNumber.ToString() == number; });
    }
    // Shows the screen and confirms OK; the message the server then received.
    std::string Send(const AccountDisplayData& account, Mode mode, const std::string& type,
                     const std::function<void(TAccountScreenForm&)>& edit = {}) {
        const std::size_t before = Received(type).size();
        TAccountScreenForm form(nullptr, *session, account, mode);
        EXPECT_EQ(Run(form,
                      [&](TAccountScreenForm& f) {
                          if (edit) edit(f);
                          ExpectConfirmation(f.windowTitle().toStdString(), IsModify(mode), mrOk);
                          Ok(f);
                      }),
                  mrOk);
        EXPECT_TRUE(PumpUntil([&] { return Received(type).size() > before; }));
        return Received(type).empty() ? std::string() : Received(type).back();
    }
};

}  // namespace

TEST_F(AccountScreenServerTest, AParticipantCreatesAndModifiesAnAccountThroughTheServer) {
    ConnectNow();
    ASSERT_TRUE(LogInNow("part"));
    std::string an = Send(Account(), Mode::CreateNewAccount, "AN");
    EXPECT_EQ(an,
              Header("AN", session->SequenceCounter) + " " + AccountFields("NEW-1", '2', "OWNER-1") + "    ");
    ASSERT_TRUE(PumpUntil([&] { return ByNumber("NEW-1") != nullptr; }));  // the KR
    EXPECT_EQ(ByNumber("NEW-1")->Name.ToString(), "New Client");

    AccountDisplayData stored = *ByNumber("NEW-1");
    an = Send(stored, Mode::UpdateExistingAccount, "AN",
              [](TAccountScreenForm& f) { f.Control<Edit>("mpNameEdit")->SetText("Renamed Client"); });
    EXPECT_EQ(an.size(), 351u);
    EXPECT_EQ(an.substr(0, 24), Header("AN", session->SequenceCounter));
    EXPECT_EQ(an.substr(24 + 1 + 24 + 16 + 2 + 48 + 1, 25), Field("Renamed Client", 25));
    ASSERT_TRUE(PumpUntil([&] { return ByNumber("NEW-1")->Name.ToString() == "Renamed Client"; }));
}

TEST_F(AccountScreenServerTest, AJekUserCreatesMasterAndNonReportableAccountsAndUnlinks) {
    ConnectNow();
    ASSERT_TRUE(LogInNow("jek"));
    ASSERT_EQ(session->Participants.size(), 2u);

    AccountDisplayData master = Account();
    master.OwnerId.SetString("MASTER-OWNER");
    std::string an = Send(master, Mode::CreateNewMasterAccount, "AN");
    EXPECT_EQ(an,
              Header("AN", session->SequenceCounter) + " " + AccountFields("", 'I', "MASTER-OWNER") + "    ");
    ASSERT_TRUE(PumpUntil([&] {
        return FindAccount([](const KR_Account& a) { return a.OwnerId.ToString() == "MASTER-OWNER"; }) !=
               nullptr;
    }));

    AccountDisplayData nonReportable = Account();
    nonReportable.AccountNumber.SetString("NR-1");
    const std::string am =
        Send(nonReportable, Mode::NewNonReportableAccount, "AM", [](TAccountScreenForm& f) {
            f.Control<ComboBox>("mNonReportableParticipantIdComboBox")->SetText("Harbour Securities");
        });
    EXPECT_EQ(am, Header("AM", session->SequenceCounter) + AccountFields("NR-1", 'N', "OWNER-1") + "HBS1" +
                      "YN" + std::string(30, 'N'));
    ASSERT_TRUE(PumpUntil([&] { return ByNumber("NR-1") != nullptr; }));  // the QR
    EXPECT_TRUE(ByNumber("NR-1")->Flags.Contains(EnumBraeKTSAccountFlags::ActiveForReporting));
    EXPECT_EQ(ByNumber("NR-1")->ApprovedParticipantId.ToString(), "HBS1");

    // Link a demo account to its master account, then unlink it on the screen.
    const std::string masterId = ByNumber("NW-M1")->AccountId.ToString();
    const std::string accountId = ByNumber("NW-100")->AccountId.ToString();
    Brae_AL_BulkLinkAccount link;
    link.MasterAccountId.SetString(masterId);
    link.AccountIds.Add(BraeBulkAccountId(accountId));
    session->SendCommand(link, {EnumActionType::Update, EnumBusinessItemType::Account, "AddLink", false});
    ASSERT_TRUE(PumpUntil([&] { return ByNumber("NW-100")->MasterAccountId.ToString() == masterId; }));
    AccountDisplayData linked = *ByNumber("NW-100");
    const std::size_t links = Received("AL").size();
    TAccountScreenForm form(nullptr, *session, linked, Mode::UpdateExistingAccount);
    Run(form, [&](TAccountScreenForm& f) {
        ui.ExpectBox("Account(s) Unlink",
                     "You are about to unlink the record.\n\nAre you sure you want to continue ?",
                     BoxIcon::Question, BoxButtons::YesNo, mrYes);
        f.Control<QPushButton>("mpUnlinkButton")->click();
    });
    ASSERT_TRUE(PumpUntil([&] { return Received("AL").size() > links; }));
    EXPECT_EQ(Received("AL").back(),
              Header("AL", session->SequenceCounter) + Field(masterId, 16) + "D0001" + Field(accountId, 16));
    ASSERT_TRUE(PumpUntil([&] { return ByNumber("NW-100")->MasterAccountId.IsBlank(); }));  // the KL
}
