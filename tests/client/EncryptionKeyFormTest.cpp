#include <gtest/gtest.h>

#include <QPushButton>

#include "client/TEncryptionKeyForm.h"
#include "guisupport/Keyboard.h"
#include "guisupport/ScriptedUi.h"
#include "toolkit/Action.h"
#include "toolkit/Edit.h"

namespace {

const char kLengthText[] = "Encryption key must be 16 characters long.";
const char kCharacterText[] =
    "Only the following characters are accepted:\r\nletters 'A to Z' or 'a to z' or digits '0 to 9' or "
    "characters '/' and '+'";

}  // namespace

TEST(EncryptionKeyFormTest, ShowsTheKeyAndEnablesOkOnlyAfterAChange) {
    ScriptedUi ui;
    TEncryptionKeyForm form(nullptr, "0123456789abcdef");
    ui.ExpectModal<TEncryptionKeyForm>([](TEncryptionKeyForm& f) {
        EXPECT_EQ(f.windowTitle().toStdString(), "Store Encryption Key");
        Edit* edit = f.Control<Edit>("EncryptionKeyEdit");
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->Text(), "0123456789abcdef");
        EXPECT_EQ(edit->maxLength(), 16);
        auto* ok = f.Control<QPushButton>("OkButton");
        EXPECT_FALSE(ok->isEnabled());
        ok->click();  // does nothing while disabled
        EXPECT_TRUE(f.isVisible());
        edit->SetText("ABCDEFGHabcdef/+");
        EXPECT_TRUE(ok->isEnabled());
        ok->click();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.GetKey(), "ABCDEFGHabcdef/+");
}

TEST(EncryptionKeyFormTest, TheEditTakesAtMostSixteenCharacters) {
    ScriptedUi ui;
    TEncryptionKeyForm form(nullptr, "");
    ui.ExpectModal<TEncryptionKeyForm>([](TEncryptionKeyForm& f) {
        Edit* edit = f.Control<Edit>("EncryptionKeyEdit");
        edit->setFocus();
        TypeText(edit, "0123456789abcdefXY");
        EXPECT_EQ(edit->Text(), "0123456789abcdef");
        f.Control<QPushButton>("OkButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.GetKey(), "0123456789abcdef");
}

TEST(EncryptionKeyFormTest, ChecksRunInOrderAndTheFirstBadCharacterDecides) {
    const struct {
        const char* key;
        const char* text;  // empty: valid
    } cases[] = {
        {"0123456789abcde", kLengthText},
        {"", kLengthText},
        {"0123456789abcd=", kLengthText},  // the length comes first
        {"0123456789abcde=", kCharacterText},
        {"-123456789abcdef", kCharacterText},
        {"0123 56789abcdef", kCharacterText},
        {"0123456789abcd\xe9"
         "f",
         kCharacterText},
        {"AZaz09/+AZaz09/+", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(TEncryptionKeyForm::CheckKey(c.key), c.text) << c.key;
}

TEST(EncryptionKeyFormTest, RefusedOkShowsTheBoxAndARefusedCloseIsRefusedOnce) {
    ScriptedUi ui;
    TEncryptionKeyForm form(nullptr, "0123456789abcdef");
    ui.ExpectModal<TEncryptionKeyForm>([&ui](TEncryptionKeyForm& f) {
        Edit* edit = f.Control<Edit>("EncryptionKeyEdit");
        auto* ok = f.Control<QPushButton>("OkButton");
        edit->SetText("0123456789abcde");
        ui.ExpectBox("Encryption Key Validation", kLengthText, BoxIcon::Error, BoxButtons::Ok, mrOk);
        ok->click();
        EXPECT_TRUE(f.isVisible());
        edit->SetText("0123456789abcde=");
        ui.ExpectBox("Encryption Key Validation", kCharacterText, BoxIcon::Error, BoxButtons::Ok, mrOk);
        ok->click();
        EXPECT_TRUE(f.isVisible());
        // The refusal held for that one close only: the frame's close box now closes with Cancel.
        f.close();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(form.GetKey(), "0123456789abcdef");
}

TEST(EncryptionKeyFormTest, CancelLeavesTheKey) {
    ScriptedUi ui;
    TEncryptionKeyForm form(nullptr, "0123456789abcdef");
    ui.ExpectModal<TEncryptionKeyForm>([](TEncryptionKeyForm& f) {
        f.Control<Edit>("EncryptionKeyEdit")->SetText("ffffffffffffffff");
        f.Control<QPushButton>("CancelButton")->click();
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(form.GetKey(), "0123456789abcdef");
}
