#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "brae/BraeKTSAccountFlags.h"
#include "fields/MDescFormat.h"
#include "fields/MSet.h"
#include "support/EnumTestSupport.h"

namespace {
enum class TestFlags : uint32_t { Alpha = 1, Beta = 2, Gamma = 4 };
// Tables that fail the start-up checks: a name too many, and names longer than the buffer.
enum class TestExtraNames : uint32_t {};
enum class TestLongNames : uint32_t {};
}  // namespace

template <>
struct MEnumTable<TestFlags> {
    static constexpr char kTypeName[] = "TestFlags";
    static constexpr const char* kNames[] = {"Alpha", "Beta", "Gamma"};
};
template <>
struct MEnumTable<TestExtraNames> {
    static constexpr char kTypeName[] = "TestExtraNames";
    static constexpr const char* kNames[] = {"One", "Two", "Three"};
};
template <>
struct MEnumTable<TestLongNames> {
    static constexpr char kTypeName[] = "TestLongNames";
    static constexpr const char* kNames[] = {"FirstLongName", "SecondLongName"};
};

namespace {

using Flags = BraeKTSAccountFlagsSet;
using F = EnumBraeKTSAccountFlags;
using ThreeFlags = MSet<uint32_t, TestFlags, 3, 256>;
// Every name and separator needs 17 characters; the buffer holds 7 and the terminator.
using SmallBuffer = MSet<uint32_t, TestFlags, 3, 8>;

Flags Word(uint32_t word) {
    Flags set;
    set.SetText(std::to_string(word).c_str());  // no name: the empty set
    for (unsigned i = 0; i < 32; ++i) {
        if (word >> i & 1) set.Add(static_cast<F>(1u << i));
    }
    return set;
}

uint32_t WordOf(const Flags& set) {
    return static_cast<uint32_t>(std::stoul(set.ToDescription(true)));
}

TEST(MSet, TextOfEachWord) {
    const struct {
        uint32_t word;
        const char* text;
    } cases[] = {{0, "None"},
                 {1, "ActiveForReporting"},
                 {2, "OnceReportable"},
                 {3, "All"},
                 {4, ""},
                 {5, "ActiveForReporting"},
                 {7, "ActiveForReporting,OnceReportable"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        const Flags set = Word(c.word);
        EXPECT_EQ(WordOf(set), c.word);
        EXPECT_EQ(set.ToString(), c.text);
        int length = -1;
        bool terminated = false;
        EXPECT_STREQ(set.GetText(&length, &terminated), c.text);
        EXPECT_EQ(length, static_cast<int>(std::string(c.text).size()));
        EXPECT_TRUE(terminated);
    }
    ThreeFlags three;
    three.Add(TestFlags::Alpha).Add(TestFlags::Gamma);
    EXPECT_EQ(three.ToString(), "Alpha,Gamma");
}

TEST(MSet, SetTextParsesNamesAllAndNone) {
    const struct {
        const char* text;
        uint32_t word;
        bool known;
    } cases[] = {{"All", 3, true},
                 {"None", 0, true},
                 {"", 0, true},
                 {"all", 0, false},
                 {"ActiveForReporting,OnceReportable", 3, true},
                 {"OnceReportable,ActiveForReporting", 3, true},
                 {"OnceReportable,", 2, true},
                 {",OnceReportable", 2, false},
                 {"ActiveForReporting, OnceReportable", 1, false},
                 {"OnceReportable,,", 2, false},
                 {"Active", 0, false},
                 {"None,OnceReportable", 2, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Flags set = Word(3);
        EXPECT_EQ(set.SetText(c.text), c.known);
        EXPECT_EQ(WordOf(set), c.word);
        EXPECT_EQ(Flags::CheckText(c.text) == nullptr, c.known);
    }
    Flags set = Word(3);
    EXPECT_TRUE(set.SetText(nullptr));
    EXPECT_EQ(WordOf(set), 0u);
    EXPECT_TRUE(set.SetText("OnceReportableXYZ", 14));
    EXPECT_EQ(WordOf(set), 2u);
    EXPECT_TRUE(set.SetString(std::string("All")));
    EXPECT_EQ(WordOf(set), 3u);
    EXPECT_EQ(Flags::CheckText("ActiveForReporting"), nullptr);
    EXPECT_STREQ(Flags::CheckText("Active"), "Invalid value!");
    EXPECT_EQ(Flags::CheckText(nullptr), nullptr);
    EXPECT_EQ(WordOf(Flags(std::string("OnceReportable"))), 2u);
}

TEST(MSet, InitFromTextReadsOneYPerFlag) {
    const struct {
        const char* text;
        uint32_t word;
    } cases[] = {{"YN", 1}, {"NY", 2}, {"yY", 2}, {"YY", 3}, {"YYYY", 3}, {"Y", 1}, {"", 0}, {nullptr, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        EXPECT_EQ(WordOf(Flags::InitFromText(c.text)), c.word);
    }
}

TEST(MSet, FlagOperations) {
    Flags set = Word(3);
    set.Remove(F::ActiveForReporting);
    EXPECT_EQ(WordOf(set), 2u);
    EXPECT_TRUE(set.Contains(static_cast<F>(3)));
    EXPECT_FALSE(set.Contains(F::ActiveForReporting));
    set.Add(F::ActiveForReporting).Remove(F::OnceReportable);
    EXPECT_EQ(WordOf(set), 1u);
    Flags copy;
    copy.Assign(set);
    EXPECT_TRUE(copy.IsEqual(set));
    copy.Clear();
    EXPECT_EQ(WordOf(copy), 0u);
    EXPECT_EQ(Flags::GetEnumAt(1), F::OnceReportable);
    EXPECT_EQ(Flags::GetEnumAt(2), F::ActiveForReporting);
    EXPECT_EQ(Flags::kAllFlags, 3u);
    // Value order: the words.
    EXPECT_TRUE(Word(1).IsLess(Word(2)));
    EXPECT_TRUE(Word(2).IsLessOrEqual(Word(2)));
    EXPECT_TRUE(Word(3).IsGreater(Word(0)));
    EXPECT_TRUE(Word(3).IsGreaterOrEqual(Word(3)));
    static_assert(sizeof(Flags) == 4);
}

TEST(MSet, SetTextIsOneCharacterPerFlagPaddedWithN) {
    BraeKTSAccountFlagsSetText text;
    EXPECT_EQ(std::string(text.GetData(), 32), std::string(32, 'N'));
    text.AssignSet(Word(2));
    EXPECT_EQ(std::string(text.GetData(), 32), "NY" + std::string(30, 'N'));
    text.AssignSet(Word(3));
    EXPECT_EQ(std::string(text.GetData(), 2), "YY");
    text.AssignSet(Word(0));
    EXPECT_EQ(std::string(text.GetData(), 32), std::string(32, 'N'));
    static_assert(BraeKTSAccountFlagsSetText::GetWidth() == 32 && sizeof(BraeKTSAccountFlagsSetText) == 32);
    // The characters after the flags are left as they are.
    MSetText<ThreeFlags, 5, 'Y', 'N', '-'> dashes;
    dashes.AssignSet(ThreeFlags::InitFromText("YNY"));
    EXPECT_EQ(std::string(dashes.GetData(), 5), "YNY--");
}

TEST(MSet, FixedFormIsTheDecimalWordAndTheDelimiter) {
    EXPECT_EQ(FixedBytes(Word(3)), "3\xFE");
    EXPECT_EQ(FixedBytes(Word(0)), "0\xFE");
    const struct {
        std::string bytes;
        uint32_t word;
        int consumed;
    } cases[] = {{"7\xFE", 3, 2},
                 {"-1\xFEX", 3, 3},
                 {"\xFE", 0, 1},
                 {"\xFE"
                  "9\xFE",
                  0, 1},
                 {"+1\xFE", 1, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        Flags set = Word(1);
        EXPECT_EQ(ReadFixedFrom(set, c.bytes), c.consumed);
        EXPECT_EQ(WordOf(set), c.word);
    }
    Flags set = Word(3);
    EXPECT_EQ(ExceptionText([&] { ReadFixedFrom(set, ""); }), "Message is too short");
    EXPECT_EQ(WordOf(set), 0u);
    // A number without its delimiter at the end of the data is read, then found short.
    EXPECT_EQ(ExceptionText([&] { ReadFixedFrom(set, "2"); }), "Message is too short");
    EXPECT_EQ(WordOf(set), 2u);
    set = Word(3);
    EXPECT_EQ(ExceptionText([&] { ReadFixedFrom(set, "x\xFE"); }), "Invalid integer value, no digits found");
    EXPECT_EQ(WordOf(set), 0u);
}

TEST(MSet, DescriptionShowsTheTextAndRawAlsoTheWord) {
    EXPECT_EQ(DescriptionOf(Word(3), true), "3]-->[All");
    EXPECT_EQ(DescriptionOf(Word(1), true), "1]-->[ActiveForReporting");
    EXPECT_EQ(DescriptionOf(Word(0), false), "None");
    Flags set;
    SetFromDescription(set, "OnceReportable");
    EXPECT_EQ(WordOf(set), 2u);
    SetFromDescription(set, "3]-->[All");
    EXPECT_EQ(WordOf(set), 0u);
}

// GetText cuts the text to the buffer of S characters; ToString builds it whole.
TEST(MSet, GetTextNeverWritesPastItsBuffer) {
    SmallBuffer set = SmallBuffer::InitFromText("YYN");
    int length = 0;
    EXPECT_STREQ(set.GetText(&length, nullptr), "Alpha,B");
    EXPECT_EQ(length, 7);
    EXPECT_EQ(set.ToString(), "Alpha,Beta");
    set = SmallBuffer::InitFromText("YYY");
    EXPECT_STREQ(set.GetText(&length, nullptr), "All");
}

// The text order of two sets, as compared without building texts, is the order of their texts.
TEST(MSet, CompareTextFollowsTheTexts) {
    std::vector<uint32_t> words;
    for (uint32_t w = 0; w < 8; ++w) words.push_back(w);
    words.insert(words.end(), {8, 9, 0x80000005u, 0xFFFFFFFFu});
    for (uint32_t a : words) {
        for (uint32_t b : words) {
            SCOPED_TRACE(std::to_string(a) + " " + std::to_string(b));
            ThreeFlags x;
            ThreeFlags y;
            for (unsigned i = 0; i < 32; ++i) {
                if (a >> i & 1) x.Add(static_cast<TestFlags>(1u << i));
                if (b >> i & 1) y.Add(static_cast<TestFlags>(1u << i));
            }
            const int expected = x.ToString().compare(y.ToString());
            const int actual = x.CompareText(y);
            EXPECT_EQ(expected < 0, actual < 0);
            EXPECT_EQ(expected == 0, actual == 0);
        }
    }
}

struct FlagsRow {
    BraeKTSAccountFlagsSet Flags;
    static constexpr auto Fields() { return MFields(MField("Flags", &FlagsRow::Flags)); }
};

TEST(MSet, ColumnShowsSetTextsAndSortsByThem) {
    FlagsRow prototype;
    ColumnCollector collector;
    DescribeFields(prototype, collector);
    MInterface& column = *collector.columns[0];
    EXPECT_STREQ(column.GetTypeName(), "MSet<unsigned long,EnumBraeKTSAccountFlags,2,256>");
    EXPECT_EQ(column.GetKind(), MInterface::kSet);
    EXPECT_EQ(column.GetWidth(), 25);
    EXPECT_EQ(column.GetValues(), (std::vector<std::string>{"ActiveForReporting", "OnceReportable"}));
    EXPECT_EQ(column.GetAllText(), "All");
    EXPECT_EQ(column.GetNoneText(), "None");
    EXPECT_EQ(column.GetSeparator(), ',');
    EXPECT_STREQ(column.CheckText("Once"), "Invalid value!");

    std::vector<FlagsRow> rows(4);
    for (uint32_t w = 0; w < 4; ++w) rows[w].Flags = Word(3 - w);
    EXPECT_EQ(SortedColumnTexts(rows),
              (std::vector<std::string>{"ActiveForReporting", "All", "None", "OnceReportable"}));
}

TEST(MSet, StartUpChecksLogInconsistentTablesOnly) {
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    Flags::CheckSetup("BraeKTSAccountFlagsSet", "flags.cpp", 12);
    ThreeFlags::CheckSetup("ThreeFlags", "flags.cpp", 13);
    EXPECT_TRUE(log.messages.empty());

    MSet<uint32_t, TestExtraNames, 2, 256>::CheckSetup("ExtraNames", "names.cpp", 40);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].level, 2);
    EXPECT_EQ(log.messages[0].text, "MSet [ExtraNames] NbEnum [2] NbString [3]");
    EXPECT_NE(std::string(GetLastLogLine(2)).find("names.cpp[0040]"), std::string::npos);

    // "FirstLongName,SecondLongName" needs 28 characters.
    MSet<uint32_t, TestLongNames, 2, 20>::CheckSetup("LongNames", "names.cpp", 41);
    MSet<uint32_t, TestLongNames, 2, 28>::CheckSetup("LongNames", "names.cpp", 42);
    ASSERT_EQ(log.messages.size(), 2u);
    EXPECT_EQ(log.messages[1].level, 2);
    EXPECT_EQ(log.messages[1].text, "MSet [LongNames] MaxStringSize [20] TotalLen [28]");

    // A table with one name too few logs both; the missing name is empty.
    MSet<uint32_t, TestLongNames, 3, 8>::CheckSetup("Short", "names.cpp", 43);
    ASSERT_EQ(log.messages.size(), 4u);
    EXPECT_EQ(log.messages[2].text, "MSet [Short] NbEnum [3] NbString [2]");
    EXPECT_EQ(log.messages[3].text, "MSet [Short] MaxStringSize [8] TotalLen [29]");
    MSet<uint32_t, TestLongNames, 3, 8> set = MSet<uint32_t, TestLongNames, 3, 8>::InitFromText("NYY");
    EXPECT_EQ(set.ToString(), "SecondLongName,");
}

}  // namespace
