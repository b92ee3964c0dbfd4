#include <gtest/gtest.h>

#include <QTest>

#include "DialogControls.h"
#include "EntryForm.h"
#include "brae/BraeKTSAccountNumber.h"
#include "brae/BraeLetterEnumerations.h"
#include "brae/EnumBraeCountryCode.h"
#include "fields/MRPString.h"
#include "grid/FieldBinding.h"

namespace {

TEST(FieldBinding, StripLabelMarksRemovesOnlyTheFirstMark) {
    const std::pair<std::string, std::string> cases[] = {
        {"N&umber", "Number"},
        {"Pro&vince/State", "Province/State"},
        {"Name:", "Name"},
        {"&Owner Type:", "Owner Type:"},
        {"Ratio: &x", "Ratio &x"},
        {"Plain", "Plain"},
        {"", ""},
    };
    for (const auto& [label, stripped] : cases) {
        EXPECT_EQ(StripLabelMarks(label), stripped);
        EXPECT_EQ(MakeNoValueMessage(label), "No value specified for field " + stripped);
    }
}

TEST(FieldBinding, AnEditShowsTheTextUpToTheLastNonBlankAndLimitsTypingToTheWidth) {
    EntryForm form;
    BraeKTSAccountNumber number(std::string("  AB 12"));
    ShowValueInEdit(number, form.cityEdit);
    EXPECT_EQ(form.cityEdit->Text(), "  AB 12");
    EXPECT_EQ(form.cityEdit->maxLength(), 16);
    form.cityEdit->clear();
    QTest::keyClicks(form.cityEdit, "12345678901234567890");
    EXPECT_EQ(form.cityEdit->Text(), "1234567890123456");
    ShowValueInEdit(MRPString<48, 32, MValAccept>(), form.cityEdit);
    EXPECT_EQ(form.cityEdit->Text(), "");
    EXPECT_EQ(form.cityEdit->maxLength(), 48);
}

TEST(FieldBinding, AnEnumerationFillsItsComboBoxInTableOrderAndSelectsTheValue) {
    EntryForm form;
    ShowEnumInComboBox(BraeKTSAccountOwnerType(EnumBraeKTSAccountOwnerType::RetailClient), form.ownerCombo,
                       form.ownerLabel, false);
    const std::vector<std::string> names = Items(form.ownerCombo);
    ASSERT_EQ(names.size(), 16u);
    EXPECT_EQ(names.front(), "CanadianBank");
    EXPECT_EQ(names[7], "RetailClient");
    EXPECT_EQ(names.back(), "ProprietaryTradingFirmsLocals");
    EXPECT_EQ(form.ownerCombo->ItemIndex(), 7);
    EXPECT_FALSE(form.ownerCombo->isEnabled());
    EXPECT_FALSE(form.ownerLabel->isEnabled());
    ShowEnumInComboBox(BraeKTSAccountOwnerType(), form.riskCombo, nullptr, true);
    EXPECT_TRUE(form.riskCombo->isEnabled());
    EXPECT_EQ(form.riskCombo->Text(), "CanadianBank");
}

TEST(FieldBinding, ASubsetLeavesOutTheListedIndexesAndAValueLeftOutIsNotSelected) {
    EntryForm form;
    form.ownerCombo->setEnabled(false);
    ShowEnumSubsetInComboBox(BraeHedgeSpec(), form.ownerCombo, {0});
    EXPECT_EQ(Items(form.ownerCombo), (std::vector<std::string>{"Hedger", "Speculator"}));
    EXPECT_EQ(form.ownerCombo->ItemIndex(), -1);
    EXPECT_FALSE(form.ownerCombo->isEnabled());  // the subset leaves the enabled state alone

    ComboBox countries(nullptr, "Country");
    BraeCountryCode canada;
    canada.SetText("CA");
    ShowEnumSubsetInComboBox(canada, &countries, {0, 1});
    EXPECT_EQ(countries.Count(), 245);
    EXPECT_EQ(countries.Text(), "Canada");
    EXPECT_EQ(countries.ItemIndex(), 36);
}

struct EditCase {
    const char* typed;
    bool mandatory;
    bool positive;
    bool result;
    const char* error;
    const char* stored;  // the value's text afterwards
    bool focused;        // the edit revealed and focused
};

TEST(FieldBinding, ReadingAnEditChecksInOrderAndFocusesTheFailingField) {
    const EditCase cases[] = {
        {"", true, false, false, "No value specified for field City", "old", true},
        {" \t ", true, false, false, "No value specified for field City", "old", true},
        {"   ", false, false, true, "", "", false},
        {"  Lyon  ", true, false, true, "", "Lyon", false},
        {"a;b", true, false, false, "a;b Contains a special character that can't be processed", "old", false},
        {"x=1", false, false, false, "x=1 Contains a special character that can't be processed", "old",
         false},
        {"Montr\xE9"
         "al",
         true, false, false,
         "Montr\xE9"
         "al Contains a special character that can't be processed",
         "old", false},
        {"-5", true, true, false, "City - Needs to be a positive value.", "-5", true},
        {"0", true, true, true, "", "0", false},
        {"17 abc", true, true, true, "", "17 abc", false},
        {"-5", true, false, true, "", "-5", false},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", true, false, true, "", "ABCDEFGHIJKLMNOPQRSTUVWX", false},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.typed);
        EntryForm form;
        form.cityEdit->setText(QString::fromLatin1(c.typed));
        MRPString<24, 32, MValAccept> value(std::string("old"));
        std::string error = "left over";
        EXPECT_EQ(ReadValueFromEdit(value, form.cityEdit, form.cityLabel, error, c.mandatory, c.positive),
                  c.result);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(value.ToString(), c.stored);
        EXPECT_EQ(form.Focused() == form.cityEdit, c.focused);
        EXPECT_EQ(form.SecondPageShown(), c.focused);
    }
}

TEST(FieldBinding, TheNoCharCheckReadStoresForbiddenCharactersAndTheTypeCheckNamesTheField) {
    EntryForm form;
    form.cityEdit->setText("a;b=c");
    MRPString<16, 32, MValAccept> number;
    std::string error;
    EXPECT_TRUE(ReadValueFromEditNoCharCheck(number, form.cityEdit, form.cityLabel, error, true, false));
    EXPECT_EQ(number.ToString(), "a;b=c");

    form.cityEdit->setText("Gardener");
    BraeHedgeSpec hedge(EnumBraeHedgeSpec::Speculator);
    EXPECT_FALSE(ReadValueFromEdit(hedge, form.cityEdit, form.cityLabel, error, true, false));
    EXPECT_EQ(error, "City - Invalid enum [Gardener]");
    EXPECT_EQ(form.Focused(), form.cityEdit);
    EXPECT_TRUE(hedge.Is(EnumBraeHedgeSpec::Speculator));
}

struct ComboCase {
    const char* name;
    bool dropDown;
    std::vector<std::string> items;
    int selected;
    const char* typed;  // drop-down only; null leaves the box's own text
    bool mandatory;
    bool result;
    const char* error;
    EnumBraeHedgeSpec stored;
    bool focused;
};

TEST(FieldBinding, ReadingAComboBoxTellsNothingChosenTheDefaultAndTypedTexts) {
    using H = EnumBraeHedgeSpec;
    const std::vector<std::string> items = {"<none>",  "",       "<n/a>",     "<all>",
                                            "Default", "Hedger", "Speculator"};
    const ComboCase cases[] = {
        {"list without selection, optional", false, items, -1, nullptr, false, true, "", H::Default, false},
        {"list without selection, mandatory", false, items, -1, nullptr, true, false,
         "No value specified for field Risk:", H::Speculator, true},
        {"<none> mandatory", false, items, 0, nullptr, true, false,
         "No value specified for field Risk:", H::Speculator, true},
        {"empty item mandatory", false, items, 1, nullptr, true, false,
         "No value specified for field Risk:", H::Speculator, true},
        {"<n/a> optional", false, items, 2, nullptr, false, true, "", H::Default, false},
        {"<all> mandatory", false, items, 3, nullptr, true, true, "", H::Default, false},
        {"item", false, items, 5, nullptr, true, true, "", H::Hedger, false},
        {"typed name", true, items, -1, "  Hedger ", true, true, "", H::Hedger, false},
        {"typed unknown", true, items, -1, "Gardener", false, false, "Risk: - Invalid enum [Gardener]",
         H::Speculator, true},
        {"typed letter", true, items, -1, "H", false, false, "Risk: - Invalid enum [H]", H::Speculator, true},
        {"typed empty, optional", true, items, -1, "  ", false, true, "", H::Default, false},
        {"typed empty, mandatory", true, items, -1, "", true, false,
         "No value specified for field Risk:", H::Speculator, true},
        {"typed over the selection", true, items, 5, "Speculator", true, true, "", H::Speculator, false},
        {"selection as typed", true, items, 5, nullptr, true, true, "", H::Hedger, false},
    };
    for (const ComboCase& c : cases) {
        SCOPED_TRACE(c.name);
        EntryForm form;
        ComboBox* box = c.dropDown ? form.riskCombo : form.ownerCombo;
        for (const std::string& item : c.items) box->AddItem(item);
        box->SetItemIndex(c.selected);
        if (c.typed) box->setEditText(QString::fromLatin1(c.typed));
        BraeHedgeSpec value(H::Speculator);
        std::string error = "left over";
        EXPECT_EQ(ReadEnumFromComboBox(value, box, form.riskLabel, error, c.mandatory), c.result);
        EXPECT_EQ(error, c.error);
        EXPECT_TRUE(value.Is(c.stored)) << value.ToString();
        EXPECT_EQ(form.Focused() == box, c.focused);
    }
}

TEST(FieldBinding, CallersStopAtTheFirstFailingFieldWhichGetsTheFocusAndTheMessage) {
    EntryForm form;
    form.cityEdit->setText("Lyon");
    form.ownerCombo->AddItem("<none>");
    form.ownerCombo->SetItemIndex(0);
    form.riskCombo->setEditText("Gardener");
    MRPString<24, 32, MValAccept> city;
    BraeKTSAccountOwnerType owner;
    BraeHedgeSpec risk;
    std::string error;
    const bool all = ReadValueFromEdit(city, form.cityEdit, form.cityLabel, error, true, false) &&
                     ReadEnumFromComboBox(owner, form.ownerCombo, form.ownerLabel, error, true) &&
                     ReadEnumFromComboBox(risk, form.riskCombo, form.riskLabel, error, true);
    EXPECT_FALSE(all);
    EXPECT_EQ(error, "No value specified for field Owner Type");
    EXPECT_EQ(form.Focused(), form.ownerCombo);
}

}  // namespace
