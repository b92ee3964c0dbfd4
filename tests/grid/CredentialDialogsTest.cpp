// The login and modify-password dialogs, answered through the scripted user interface.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "grid/TLoginForm.h"
#include "grid/TModifyPasswordForm.h"
#include "guisupport/Keyboard.h"
#include "guisupport/ScriptedUi.h"
#include "toolkit/Edit.h"
#include "toolkit/QtText.h"

namespace {

const char kLoginMissing[] = "You have to provide valid user name and password";
const char kIncorrect[] = "User Name or Old Password is incorrect. Please enter value again.";
const char kInvalidCharacters[] =
    "Password contains invalid characters.\n"
    "Only alphanumeric and the following characters are allowed: !\"#$%&'()*+'-./:;<=>?@^_`{|}~";
const char kAboutToModify[] =
    "You are about to modify your password.\n\nPress OK button to proceed with the modification.";
// openssl md5 of "secret" and of "n3w!Pass": the last 8 bytes in Base64, first 8 characters.
const char kSecretProof[] = "jqt2kNKm";
const char kNewProof[] = "k6sIJffv";

QPushButton* Button(const Form& form, const char* name) {
    return form.Control<QPushButton>(name);
}

}  // namespace

TEST(LoginForm, OkStaysDisabledUntilATypedTextAndBothTextsAreRequired) {
    ScriptedUi ui;
    std::string password;
    std::string userName = "given";
    TLoginForm form(nullptr, 8, password, userName);
    ui.ExpectModal<TLoginForm>([](TLoginForm& f) {
          EXPECT_EQ(FromQt(f.windowTitle()), "Login Information");
          auto* user = f.Control<Edit>("UserNameEdit");
          auto* pass = f.Control<Edit>("PasswordEdit");
          EXPECT_EQ(user->Text(), "given");
          EXPECT_EQ(user->maxLength(), 8);
          EXPECT_EQ(pass->maxLength(), 40);
          EXPECT_EQ(pass->echoMode(), QLineEdit::Password);
          EXPECT_EQ(f.Control<QLabel>("UserNameLabel")->buddy(), user);
          EXPECT_EQ(f.Control<QLabel>("PasswordLabel")->buddy(), pass);
          auto* ok = Button(f, "OKButton");
          EXPECT_FALSE(ok->isEnabled());
          user->setFocus();
          TypeText(user, "r");
          EXPECT_TRUE(ok->isEnabled());
          ok->click();  // no password: refused
          EXPECT_TRUE(f.isVisible());
          user->clear();
          TypeText(pass, "pw");
          ok->click();  // no user name: refused
          EXPECT_TRUE(f.isVisible());
          TypeText(user, "bob");
          ok->click();
      })
        .ExpectBox("Login validation", kLoginMissing, BoxIcon::Error, BoxButtons::Ok, mrOk)
        .ExpectBox("Login validation", kLoginMissing, BoxIcon::Error, BoxButtons::Ok, mrOk);
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(userName, "bob");
    EXPECT_EQ(password, "pw");
}

TEST(LoginForm, EditsKeepToTheirLengthsAndHandBackWindows1252) {
    ScriptedUi ui;
    std::string password;
    std::string userName;
    TLoginForm form(nullptr, 8, password, userName);
    ui.ExpectModal<TLoginForm>([](TLoginForm& f) {
        auto* user = f.Control<Edit>("UserNameEdit");
        auto* pass = f.Control<Edit>("PasswordEdit");
        EXPECT_EQ(user->Text(), "");
        TypeText(user, QString::fromUtf8("Jos\u00e9-Mar\u00eda"));
        TypeText(pass, QString(41, 'p'));
        EXPECT_EQ(pass->Text(), std::string(40, 'p'));
        Button(f, "OKButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(userName, "Jos\xE9-Mar");
    EXPECT_EQ(password, std::string(40, 'p'));
}

TEST(LoginForm, CancelLeavesTheTextsAndARefusedCloseIsRefusedOnce) {
    ScriptedUi ui;
    std::string password = "old";
    std::string userName = "keep";
    TLoginForm cancelled(nullptr, 8, password, userName);
    ui.ExpectModal<TLoginForm>([](TLoginForm& f) {
        TypeText(f.Control<Edit>("PasswordEdit"), "typed");
        Button(f, "CancelButton")->click();
    });
    EXPECT_EQ(cancelled.ShowModal(), mrCancel);
    EXPECT_EQ(userName, "keep");
    EXPECT_EQ(password, "old");

    TLoginForm refused(nullptr, 8, password, userName);
    ui.ExpectModal<TLoginForm>([](TLoginForm& f) {
          f.Control<Edit>("UserNameEdit")->clear();
          Button(f, "OKButton")->click();
          EXPECT_TRUE(f.isVisible());
          f.close();  // the frame's close box: the next request closes
      }).ExpectBox("Login validation", kLoginMissing, BoxIcon::Error, BoxButtons::Ok, mrOk);
    EXPECT_EQ(refused.ShowModal(), mrCancel);
    EXPECT_EQ(userName, "keep");
}

TEST(ModifyPasswordForm, ShowsTheUserNameDisabledAndLimitsThePasswords) {
    ScriptedUi ui;
    std::string newPassword;
    std::string newProof;
    TModifyPasswordForm form(nullptr, 8, newPassword, newProof, kSecretProof, "part");
    ui.ExpectModal<TModifyPasswordForm>([](TModifyPasswordForm& f) {
        EXPECT_EQ(FromQt(f.windowTitle()), "Modify User Password ");
        auto* user = f.Control<Edit>("UserNameEdit");
        EXPECT_EQ(user->Text(), "part");
        EXPECT_FALSE(user->isEnabled());
        EXPECT_FALSE(f.Control<QLabel>("UserNameLabel")->isEnabled());
        for (const char* name : {"OldPasswordEdit", "NewPasswordEdit", "ConfirmPasswordEdit"}) {
            auto* edit = f.Control<Edit>(name);
            EXPECT_EQ(edit->maxLength(), 8) << name;
            EXPECT_EQ(edit->echoMode(), QLineEdit::Password) << name;
        }
        auto* ok = Button(f, "OKButton");
        EXPECT_FALSE(ok->isEnabled());
        TypeText(f.Control<Edit>("NewPasswordEdit"), "x");
        EXPECT_TRUE(ok->isEnabled());
        Button(f, "CancelButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(newPassword, "");
    EXPECT_EQ(newProof, "");

    // Without a maximum length the edits are unlimited.
    TModifyPasswordForm unlimited(nullptr, 0, newPassword, newProof, kSecretProof, "part");
    ui.ExpectModal<TModifyPasswordForm>([](TModifyPasswordForm& f) {
        EXPECT_EQ(f.Control<Edit>("OldPasswordEdit")->maxLength(), 32767);
        f.close();
    });
    EXPECT_EQ(unlimited.ShowModal(), mrCancel);
}

// The checks run in order and stop at the first failure, with its message, its emptied edits and
// its focus.
TEST(ModifyPasswordForm, ChecksRunInOrderWithTheirMessagesEditsAndFocus) {
    const struct {
        const char* name;
        const char* oldPassword;
        const char* newPassword;
        const char* confirmation;
        const char* message;
        bool emptied;       // the three password edits
        const char* focus;  // the edit that gets the focus, or null when it stays
    } cases[] = {
        {"wrong old password", "wrong", "abc", "abc", kIncorrect, true, "OldPasswordEdit"},
        {"wrong old password first", "wrong", "", "", kIncorrect, true, "OldPasswordEdit"},
        {"empty new password", "secret", "", "", "You have to provide valid new password.", false,
         "NewPasswordEdit"},
        {"blank", "secret", "a b", "a b", kInvalidCharacters, false, nullptr},
        {"accented letter", "secret", "caf\xE9", "caf\xE9", kInvalidCharacters, false, nullptr},
        {"character 127", "secret", "ab\x7F", "ab\x7F", kInvalidCharacters, false, nullptr},
        {"empty confirmation", "secret", "abc", "", "You have to confirm new password.", false,
         "ConfirmPasswordEdit"},
        {"different confirmation", "secret", "abc", "abd",
         "Newly entered password does not match. Please enter passwords again.", true, "OldPasswordEdit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedUi ui;
        std::string newPassword;
        std::string newProof;
        TModifyPasswordForm form(nullptr, 8, newPassword, newProof, kSecretProof, "part");
        ui.ExpectModal<TModifyPasswordForm>([&c](TModifyPasswordForm& f) {
              auto* old = f.Control<Edit>("OldPasswordEdit");
              auto* fresh = f.Control<Edit>("NewPasswordEdit");
              auto* confirm = f.Control<Edit>("ConfirmPasswordEdit");
              old->SetText(c.oldPassword);
              fresh->SetText(c.newPassword);
              confirm->SetText(c.confirmation);
              Button(f, "CancelButton")->setFocus();
              Button(f, "OKButton")->click();
              EXPECT_TRUE(f.isVisible());
              EXPECT_EQ(f.ValidationMessage(), c.message);
              const std::vector<std::string> texts{old->Text(), fresh->Text(), confirm->Text()};
              if (c.emptied) {
                  EXPECT_EQ(texts, std::vector<std::string>(3));
              } else {
                  EXPECT_EQ(texts, (std::vector<std::string>{c.oldPassword, c.newPassword, c.confirmation}));
              }
              EXPECT_EQ(f.focusWidget(), c.focus ? static_cast<QWidget*>(f.Control<Edit>(c.focus))
                                                 : static_cast<QWidget*>(Button(f, "CancelButton")));
              EXPECT_EQ(f.Control<Edit>("UserNameEdit")->Text(), "part");
              f.close();  // a refused close is refused once
          }).ExpectBox(TModifyPasswordForm::kCaption, c.message, BoxIcon::Error, BoxButtons::Ok, mrOk);
        EXPECT_EQ(form.ShowModal(), mrCancel);
        EXPECT_EQ(newPassword, "");
        EXPECT_EQ(newProof, "");
    }
}

TEST(ModifyPasswordForm, AUserNameChangedByOtherMeansEmptiesItAndThePasswords) {
    ScriptedUi ui;
    std::string newPassword;
    std::string newProof;
    TModifyPasswordForm form(nullptr, 8, newPassword, newProof, kSecretProof, "part");
    ui.ExpectModal<TModifyPasswordForm>([](TModifyPasswordForm& f) {
          f.Control<Edit>("UserNameEdit")->SetText("other");
          f.Control<Edit>("OldPasswordEdit")->SetText("secret");
          f.Control<Edit>("NewPasswordEdit")->SetText("abc");
          f.Control<Edit>("ConfirmPasswordEdit")->SetText("abc");
          Button(f, "OKButton")->click();
          EXPECT_EQ(f.Control<Edit>("UserNameEdit")->Text(), "");
          EXPECT_EQ(f.Control<Edit>("OldPasswordEdit")->Text(), "");
          EXPECT_EQ(f.Control<Edit>("ConfirmPasswordEdit")->Text(), "");
          Button(f, "CancelButton")->click();
      }).ExpectBox(TModifyPasswordForm::kCaption, kIncorrect, BoxIcon::Error, BoxButtons::Ok, mrOk);
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

// Every visible ASCII character passes, whatever the message lists; the confirmation can be
// declined and the dialog keeps its entries; OK hands back the password and its proof.
TEST(ModifyPasswordForm, ConfirmedChangeHandsBackTheNewPasswordAndItsProof) {
    ScriptedUi ui;
    std::string newPassword;
    std::string newProof;
    TModifyPasswordForm form(nullptr, 0, newPassword, newProof, kSecretProof, "part");
    std::string allVisible;
    for (int c = 33; c <= 126; ++c) allVisible += char(c);
    ui.ExpectModal<TModifyPasswordForm>([&](TModifyPasswordForm& f) {
          f.Control<Edit>("OldPasswordEdit")->SetText("secret");
          f.Control<Edit>("NewPasswordEdit")->SetText(allVisible);
          f.Control<Edit>("ConfirmPasswordEdit")->SetText(allVisible);
          Button(f, "OKButton")->click();
          EXPECT_TRUE(f.isVisible());
          EXPECT_EQ(f.Control<Edit>("OldPasswordEdit")->Text(), "secret");
          EXPECT_EQ(f.Control<Edit>("ConfirmPasswordEdit")->Text(), allVisible);
          f.Control<Edit>("NewPasswordEdit")->SetText("n3w!Pass");
          f.Control<Edit>("ConfirmPasswordEdit")->SetText("n3w!Pass");
          Button(f, "OKButton")->click();
      })
        .ExpectBox(TModifyPasswordForm::kCaption, kAboutToModify, BoxIcon::Information, BoxButtons::OkCancel,
                   mrCancel)
        .ExpectBox(TModifyPasswordForm::kCaption, kAboutToModify, BoxIcon::Information, BoxButtons::OkCancel,
                   mrOk);
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(newPassword, "n3w!Pass");
    EXPECT_EQ(newProof, kNewProof);
    EXPECT_EQ(TModifyPasswordForm::ComputeProof("secret"), kSecretProof);
}

TEST(LoginForm, OpensWithTheFocusInTheUserNameSoTypedKeysGoThere) {
    ScriptedUi ui;
    std::string password;
    std::string userName;
    TLoginForm form(nullptr, 8, password, userName);
    ui.ExpectModal<TLoginForm>([](TLoginForm& f) {
        QApplication::processEvents();
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName().toStdString(), "UserNameEdit");
        QTest::keyClicks(QApplication::focusWidget(), "name");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "pw");
        EXPECT_EQ(f.Control<Edit>("UserNameEdit")->Text(), "name");
        EXPECT_EQ(f.Control<Edit>("PasswordEdit")->Text(), "pw");
        f.Control<QPushButton>("CancelButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}
