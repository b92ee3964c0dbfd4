#include <gtest/gtest.h>

#include <string>

#include "brae/BraeLetterEnumerations.h"
#include "fields/MEnumSet.h"
#include "support/EnumTestSupport.h"

namespace {
enum class TestOptionType : unsigned char { AmericanOption, EuropeanOption, Empty };
enum class TestWide : unsigned char {};
enum class TestShortTable : unsigned char { A, B, C };
}  // namespace

template <>
struct MEnumTable<TestOptionType> {
    static constexpr char kTypeName[] = "TestOptionType";
    static constexpr const char* kNames[] = {"AmericanOption", "EuropeanOption", "Empty"};
};
// Forty enumerators: the set spans two words.
template <>
struct MEnumTable<TestWide> {
    static constexpr char kTypeName[] = "TestWide";
    static constexpr const char* kNames[] = {
        "E00", "E01", "E02", "E03", "E04", "E05", "E06", "E07", "E08", "E09", "E10", "E11", "E12", "E13",
        "E14", "E15", "E16", "E17", "E18", "E19", "E20", "E21", "E22", "E23", "E24", "E25", "E26", "E27",
        "E28", "E29", "E30", "E31", "E32", "E33", "E34", "E35", "E36", "E37", "E38", "E39"};
};
template <>
struct MEnumTable<TestShortTable> {
    static constexpr char kTypeName[] = "TestShortTable";
    static constexpr const char* kNames[] = {"A", "B"};
};

namespace {

using OptionSet = MEnumSet<TestOptionType, 3>;
using AccountTypeSet = MEnumSet<EnumBraeAccountType, 14>;
using WideSet = MEnumSet<TestWide, 40>;

TEST(MEnumSetIndexMap, PositionsOfIntegerAndLetterEnumerations) {
    using OptionMap = MEnumSetIndexMap<TestOptionType, 3>;
    EXPECT_EQ(OptionMap::IndexOf(TestOptionType::Empty), 2);
    EXPECT_EQ(OptionMap::EnumAt(1), TestOptionType::EuropeanOption);
    using AccountMap = MEnumSetIndexMap<EnumBraeAccountType, 14>;
    EXPECT_EQ(AccountMap::IndexOf(EnumBraeAccountType::Default), 0);
    EXPECT_EQ(AccountMap::IndexOf(EnumBraeAccountType::ShareholderNonClient), 13);
    EXPECT_EQ(AccountMap::IndexOf(static_cast<EnumBraeAccountType>('Z')), 0);
    EXPECT_EQ(AccountMap::EnumAt(3), EnumBraeAccountType::Pro);
    EXPECT_EQ(static_cast<char>(AccountMap::EnumAt(14)), '\0');
    using InstrumentMap = MEnumSetIndexMap<EnumBraeInstrumentType, 18>;
    EXPECT_EQ(InstrumentMap::IndexOf(EnumBraeInstrumentType::Credit), 17);
}

TEST(MEnumSet, SetTextParsesNamesAllAndNone) {
    const struct {
        const char* text;
        bool known;
        bool american;
        bool european;
        bool empty;
    } cases[] = {{"All", true, true, true, true},
                 {"None", true, false, false, false},
                 {"", true, false, false, false},
                 {"Empty,AmericanOption", true, true, false, true},
                 {"EuropeanOption,", true, false, true, false},
                 {",EuropeanOption", false, false, true, false},
                 {"EuropeanOption,Bermudan", false, false, true, false},
                 {"all", false, false, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        OptionSet set("All");
        EXPECT_EQ(set.SetText(c.text, static_cast<int>(std::string(c.text).size())), c.known);
        EXPECT_EQ(set.Contains(TestOptionType::AmericanOption), c.american);
        EXPECT_EQ(set.Contains(TestOptionType::EuropeanOption), c.european);
        EXPECT_EQ(set.Contains(TestOptionType::Empty), c.empty);
        EXPECT_TRUE(OptionSet(c.text).IsEqual(set));
    }
    EXPECT_TRUE(OptionSet(nullptr).IsEqual(OptionSet("None")));
}

TEST(MEnumSet, LetterEnumerationSetsUseTheLetterPositions) {
    AccountTypeSet set("Insider Pro,Client");
    EXPECT_TRUE(set.Contains(EnumBraeAccountType::InsiderPro));
    EXPECT_TRUE(set.Contains(EnumBraeAccountType::Client));
    EXPECT_FALSE(set.Contains(EnumBraeAccountType::Default));
    set.Remove(EnumBraeAccountType::Client);
    set.Add(EnumBraeAccountType::ShareholderNonClient);
    EXPECT_TRUE(set.IsEqual(AccountTypeSet("Shareholder NonClient,Insider Pro")));
    set.SetAll();
    EXPECT_TRUE(set.IsEqual(AccountTypeSet("All")));
    set.Clear();
    EXPECT_TRUE(set.IsEqual(AccountTypeSet()));
}

TEST(MEnumSet, FullSetSpansWholeWordsAndTheRest) {
    EXPECT_EQ(WideSet::kFullSet[0], 0xFFFFFFFFu);
    EXPECT_EQ(WideSet::kFullSet[1], 0xFFu);
    EXPECT_EQ(OptionSet::kFullSet[0], 7u);
    EXPECT_EQ((MEnumSet<EnumBraeInstrumentType, 18>::kFullSet[0]), 0x3FFFFu);
    WideSet set("E39,E31,E32");
    EXPECT_TRUE(set.Contains(static_cast<TestWide>(39)));
    EXPECT_TRUE(set.Contains(static_cast<TestWide>(31)));
    EXPECT_FALSE(set.Contains(static_cast<TestWide>(30)));
    // An enumerator outside the set changes nothing and is never contained.
    set.Add(static_cast<TestWide>(200));
    EXPECT_FALSE(set.Contains(static_cast<TestWide>(200)));
    EXPECT_TRUE(set.IsEqual(WideSet("E31,E32,E39")));
}

TEST(MEnumSet, StartUpCheckLogsAMissingNameOnly) {
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    OptionSet::CheckSetup("OptionTypeSet", "options.cpp", 7);
    AccountTypeSet::CheckSetup("BraeAccountTypeSet", "brae.cpp", 8);
    EXPECT_TRUE(log.messages.empty());
    MEnumSet<TestShortTable, 3>::CheckSetup("ShortSet", "short.cpp", 9);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].level, 2);
    EXPECT_EQ(log.messages[0].text, "MEnumSet [ShortSet] NbEnum [3] NbString [2]");
    EXPECT_NE(std::string(GetLastLogLine(2)).find("short.cpp[0009]"), std::string::npos);
}

}  // namespace
