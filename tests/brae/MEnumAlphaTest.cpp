#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "brae/BraeLetterEnumerations.h"
#include "fields/MDescFormat.h"
#include "fields/MEnumAlpha.h"
#include "support/EnumTestSupport.h"

namespace {

using Type = EnumBraeKTSAccountType;

char Letter(const BraeKTSAccountType& value) {
    return static_cast<char>(value.Get());
}

BraeKTSAccountType Holding(Type value) {
    return BraeKTSAccountType(value);
}

TEST(MEnumAlpha, SetTextTakesALetterOrANameElseTheDefault) {
    const struct {
        const char* text;
        int length;
        char letter;
    } cases[] = {
        {"N", 1, 'N'},
        {"NonReportable", 13, 'N'},
        {"I", 1, 'I'},
        {"nonreportable", 13, '1'},
        {"NonReportable ", 14, '1'},
        {"X", 1, '1'},
        {"", 0, '1'},
        {"NonReportable", 0, '1'},
        {"NonReportable", -3, '1'},
        {nullptr, 5, '1'},
        {"NNN", 1, 'N'},  // only length characters count
        {"NonReportableXYZ", 13, 'N'},
        {"\0", 1, '1'},  // the zero byte is never a letter
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        BraeKTSAccountType value = Holding(Type::NonReportable);
        value.SetText(c.text, c.length);
        EXPECT_EQ(Letter(value), c.letter);
    }
    BraeKTSAccountType value = Holding(Type::Firm);
    value.SetText("Omnibus");
    EXPECT_TRUE(value.Is(Type::Omnibus));
    value.SetText(nullptr);
    EXPECT_TRUE(value.Is(Type::Client));
    value.SetString(std::string("Professional"));
    EXPECT_TRUE(value.Is(Type::Professional));
    EXPECT_EQ(Letter(BraeKTSAccountType(std::string("8"))), '8');
    EXPECT_EQ(Letter(BraeKTSAccountType(std::string("Unknown"))), '1');
}

TEST(MEnumAlpha, CheckTextTakesNamesOnly) {
    EXPECT_STREQ(BraeKTSAccountType::CheckText("N"), "Invalid enum [N]");
    EXPECT_EQ(BraeKTSAccountType::CheckText("NonReportable"), nullptr);
    EXPECT_STREQ(BraeKTSAccountType::CheckText("nonreportable"), "Invalid enum [nonreportable]");
    EXPECT_STREQ(BraeKTSAccountType::CheckText(""), "Invalid enum []");
    EXPECT_STREQ(BraeKTSAccountType::CheckText(nullptr), "Invalid enum []");
    EXPECT_EQ(BraeKTSAccountType::CheckString("Client"), nullptr);
    EXPECT_STREQ(BraeKTSAccountType::CheckString("Client "), "Invalid enum [Client ]");
}

TEST(MEnumAlpha, CheckLetterTakesLettersOnly) {
    EXPECT_EQ(BraeKTSAccountType::CheckLetter('N'), nullptr);
    EXPECT_EQ(BraeKTSAccountType::CheckLetter('8'), nullptr);
    EXPECT_STREQ(BraeKTSAccountType::CheckLetter('X'), "Invalid enum [X]");
    EXPECT_STREQ(BraeKTSAccountType::CheckLetter('\0'), "Invalid enum []");
    EXPECT_STREQ(BraeKTSAccountType::CheckLetter('\x01'), "Invalid enum [\x01]");
    EXPECT_STREQ(BraeKTSAccountType::CheckLetter('\xC9'), "Invalid enum [\xC9]");
}

// The message buffer holds 4,096 characters: the text is cut, and from 4,082 characters on the
// closing bracket no longer fits.
TEST(MEnumAlpha, CheckMessagesAreCutToTheBuffer) {
    const struct {
        std::size_t textLength;
        std::size_t messageLength;
        bool closed;
    } cases[] = {{4081, 4096, true}, {4082, 4096, false}, {5000, 4096, false}, {100, 115, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.textLength);
        const std::string text(c.textLength, 'x');
        const std::string message = BraeKTSAccountType::CheckText(text.c_str());
        EXPECT_EQ(message.size(), c.messageLength);
        EXPECT_EQ(message.rfind("Invalid enum [xxx", 0), 0u);
        EXPECT_EQ(message.back() == ']', c.closed);
    }
}

TEST(MEnumAlpha, FailedChecksShareTheTypesBufferAndSuccessLeavesIt) {
    const char* first = BraeKTSAccountType::CheckText("A");
    EXPECT_EQ(BraeKTSAccountType::CheckText("Firm"), nullptr);
    EXPECT_STREQ(first, "Invalid enum [A]");
    const char* second = BraeKTSAccountType::CheckLetter('B');
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "Invalid enum [B]");
    // Another type has its own buffer.
    EXPECT_STREQ(BraeHedgeSpec::CheckText("C"), "Invalid enum [C]");
    EXPECT_STREQ(first, "Invalid enum [B]");
}

// Letter, name and index convert into one another for every row, in table order.
TEST(MEnumAlpha, LetterNameAndIndexConvertBothWays) {
    const std::string letters = "12834IN";
    const std::vector<std::string> names = {"Client",       "Firm",           "MarketMaker",  "Omnibus",
                                            "Professional", "InternalMaster", "NonReportable"};
    ASSERT_EQ(BraeKTSAccountType::GetCount(), 7);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const Type e = BraeKTSAccountType::GetEnumAt(static_cast<unsigned>(i));
        EXPECT_EQ(static_cast<char>(e), letters[i]);
        EXPECT_EQ(BraeKTSAccountType::IndexOfLetter(static_cast<unsigned char>(letters[i])), i);
        EXPECT_EQ(BraeKTSAccountType::IndexOf(e), i);
        EXPECT_EQ(BraeKTSAccountType::GetName(e), names[i]);
        BraeKTSAccountType value;
        value.SetText(names[i].c_str());
        EXPECT_EQ(value.ToEnum(), e);
        EXPECT_EQ(value.ToString(), names[i]);
        int length = 0;
        bool terminated = false;
        const char* text = value.GetText(&length, &terminated);
        EXPECT_EQ(std::string(text), names[i]);
        EXPECT_EQ(length, static_cast<int>(names[i].size()));
        EXPECT_TRUE(terminated);
    }
    EXPECT_EQ(static_cast<char>(BraeKTSAccountType::GetEnumAt(7)), '\0');
    EXPECT_EQ(static_cast<char>(BraeKTSAccountType::GetEnumAt(0xFFFFFFFFu)), '\0');
    EXPECT_EQ(static_cast<char>(BraeKTSAccountType::GetEnumAt(0)), BraeKTSAccountType::kDefaultLetter);
    EXPECT_EQ(BraeKTSAccountType::IndexOfLetter('Z'), 0);
    EXPECT_EQ(BraeKTSAccountType::IndexOfLetter(0), 0);
    EXPECT_EQ(BraeKTSAccountType::IndexOfLetter(0xFF), 0);
}

TEST(MEnumAlpha, DefaultCopiesAndComparisons) {
    BraeKTSAccountType value;
    EXPECT_TRUE(value.Is(Type::Client));
    EXPECT_FALSE(value.IsNull());
    value.Set(Type::InternalMaster);
    EXPECT_TRUE(value == Type::InternalMaster);
    EXPECT_TRUE(value != Type::Client);
    BraeKTSAccountType copy;
    copy.Assign(value);
    EXPECT_TRUE(copy.IsEqual(value));
    value.Clear();
    EXPECT_TRUE(value.Is(Type::Client));
    // Value order is the letters' as signed characters: '1' < 'I'.
    EXPECT_TRUE(value.IsLess(copy));
    EXPECT_TRUE(value.IsLessOrEqual(copy));
    EXPECT_TRUE(copy.IsGreater(value));
    EXPECT_TRUE(copy.IsGreaterOrEqual(copy));
    static_assert(sizeof(BraeKTSAccountType) == 1);
}

// A byte read from the wire that is no letter is kept and sent back, and shows as the first name.
TEST(MEnumAlpha, AByteThatIsNoLetterIsKeptAndShowsTheFirstName) {
    for (const char byte : {'Z', '\xE9', '\x80', '\xFF'}) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(byte)));
        BraeKTSAccountType value;
        EXPECT_EQ(ReadFixedFrom(value, std::string(1, byte)), 1);
        EXPECT_EQ(Letter(value), byte);
        EXPECT_EQ(value.ToString(), "Client");
        int length = 0;
        EXPECT_STREQ(value.GetText(&length, nullptr), "Client");
        EXPECT_EQ(length, 6);
        for (int i = 0; i < BraeKTSAccountType::GetCount(); ++i) {
            EXPECT_FALSE(value.Is(BraeKTSAccountType::GetEnumAt(static_cast<unsigned>(i))));
        }
        BraeKTSAccountType other;
        ReadFixedFrom(other, std::string(1, byte));
        EXPECT_TRUE(value.IsEqual(other));
        EXPECT_NE(BraeKTSAccountType::CheckLetter(byte), nullptr);
        EXPECT_EQ(FixedBytes(value), std::string(1, byte));
    }
    // Bytes from 128 on order before the ASCII letters (signed characters).
    BraeKTSAccountType high;
    ReadFixedFrom(high, "\xE9");
    EXPECT_TRUE(high.IsLess(Holding(Type::Client)));
}

TEST(MEnumAlpha, FixedFormIsTheLetterAndAMissingByteGivesTheDefault) {
    EXPECT_EQ(FixedBytes(Holding(Type::NonReportable)), "N");
    BraeKTSAccountType value = Holding(Type::Firm);
    EXPECT_EQ(ReadFixedFrom(value, ""), 0);
    EXPECT_TRUE(value.Is(Type::Client));
    EXPECT_EQ(ReadFixedFrom(value, "I2"), 1);
    EXPECT_TRUE(value.Is(Type::InternalMaster));
}

TEST(MEnumAlpha, DescriptionShowsTheLetterAndRawAlsoTheName) {
    EXPECT_EQ(DescriptionOf(Holding(Type::Client), true), "1]-->[Client");
    EXPECT_EQ(DescriptionOf(Holding(Type::NonReportable), true), "N]-->[NonReportable");
    EXPECT_EQ(DescriptionOf(Holding(Type::NonReportable), false), "N");
    BraeKTSAccountType value = Holding(Type::Firm);
    SetFromDescription(value, "N]-->[NonReportable");
    EXPECT_TRUE(value.Is(Type::Client));
    SetFromDescription(value, "N");
    EXPECT_TRUE(value.Is(Type::NonReportable));
    SetFromDescription(value, "Omnibus");
    EXPECT_TRUE(value.Is(Type::Omnibus));
}

struct AccountRow {
    BraeKTSAccountType AccountType;
    BraeKTSAccountOwnerType OwnerType;
    BraeHedgeSpec HedgeSpec;

    static constexpr auto Fields() {
        using S = AccountRow;
        return MFields(MField("AccountType", &S::AccountType), MField("AccountOwnerType", &S::OwnerType),
                       MField("HedgeSpec", &S::HedgeSpec));
    }
};

TEST(MEnumAlpha, DescribedRecordWritesAndReadsItsLetters) {
    AccountRow row;
    row.AccountType.Set(Type::NonReportable);
    row.HedgeSpec.Set(EnumBraeHedgeSpec::Hedger);
    std::string text;
    MDescFormat raw("|", 0, true);
    raw.SetOutput(&text);
    raw.Start("a", 1);
    DescribeFields(row, raw);
    EXPECT_EQ(text,
              "a.AccountType [N]-->[NonReportable]|a.AccountOwnerType [A]-->[CanadianBank]|"
              "a.HedgeSpec [H]-->[Hedger]");

    text.clear();
    MDescFormat plain("|", 0, false);
    plain.SetOutput(&text);
    plain.Start("a", 1);
    DescribeFields(row, plain);
    EXPECT_EQ(text, "a.AccountType [N]|a.AccountOwnerType [A]|a.HedgeSpec [H]");
    AccountRow copy;
    plain.StartPath("a", false);
    DescribeFields(copy, plain);
    EXPECT_TRUE(copy.AccountType.Is(Type::NonReportable));
    EXPECT_TRUE(copy.HedgeSpec.Is(EnumBraeHedgeSpec::Hedger));
}

TEST(MEnumAlpha, ColumnListsTheNamesAndSortsByThem) {
    AccountRow prototype;
    ColumnCollector collector;
    DescribeFields(prototype, collector);
    MInterface& column = *collector.columns[0];
    EXPECT_EQ(column.GetKind(), MInterface::kEnumeration);
    EXPECT_EQ(column.GetWidth(), 25);
    EXPECT_STREQ(column.GetTypeName(), "MEnumAlpha<EnumBraeKTSAccountType,7>");
    EXPECT_STREQ(collector.columns[1]->GetTypeName(), "MEnumAlpha<EnumBraeKTSAccountOwnerType,16>");
    EXPECT_EQ(column.GetValues(),
              (std::vector<std::string>{"Client", "Firm", "MarketMaker", "Omnibus", "Professional",
                                        "InternalMaster", "NonReportable"}));
    EXPECT_EQ(column.GetAllText(), "");
    EXPECT_EQ(column.GetSeparator(), 0);
    EXPECT_EQ(column.CheckText("N"), std::string("Invalid enum [N]"));
    column.MakeRelative(&prototype);
    AccountRow row;
    column.SetText(&row, "M");
    EXPECT_EQ(std::string(column.GetText(&row, nullptr)), "Client");
    column.SetText(&row, "Professional");
    EXPECT_EQ(std::string(column.GetText(&row, nullptr)), "Professional");

    std::vector<AccountRow> rows;
    for (const char* letter : {"1", "2", "8", "3", "4", "I", "N", "N", "1"}) {
        AccountRow r;
        r.AccountType.SetText(letter);
        rows.push_back(r);
    }
    EXPECT_EQ(SortedColumnTexts(rows),
              (std::vector<std::string>{"Client", "Client", "Firm", "InternalMaster", "MarketMaker",
                                        "NonReportable", "NonReportable", "Omnibus", "Professional"}));
}

// A byte that is no letter sorts and filters as the first name, which it shows.
TEST(MEnumAlpha, ColumnComparesAByteThatIsNoLetterAsTheFirstName) {
    AccountRow prototype;
    ColumnCollector collector;
    DescribeFields(prototype, collector);
    MInterface& column = *collector.columns[0];
    column.MakeRelative(&prototype);
    AccountRow stray;
    ReadFixedFrom(stray.AccountType, "Z");
    AccountRow client;
    EXPECT_TRUE(column.IsEqual(&stray, &client));
    EXPECT_FALSE(column.IsLess(&stray, &client));
    AccountRow firm;
    firm.AccountType.Set(Type::Firm);
    EXPECT_TRUE(column.IsLess(&stray, &firm));
    EXPECT_TRUE(column.IsLessText(&stray, "D"));
}

}  // namespace
