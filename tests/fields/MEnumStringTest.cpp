#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fields/DefaultLookupPolicy.h"
#include "fields/Key2LookupPolicy.h"
#include "fields/MDescFormat.h"
#include "fields/MEnumString.h"
#include "support/EnumTestSupport.h"

namespace {
// Small stand-ins for the protocol's tables: message types (a repeated code, a blank code and a
// two-character name), country codes (name order unlike code order) and delimiter types (no
// unknown row).
enum class TestMsgType : int {
    Unknown,
    UserConnection,
    UserDisconnection,
    TradeEntry,
    Ok,
    PasswordReset,
    None
};
enum class TestCountry : int { NotSpecified, Zimbabwe, Andorra, Canada };
enum class TestDelimiter : int { StartOfOrders, EndOfOrders };
enum class TestLongCode : int { Unknown };
}  // namespace

template <>
struct MEnumTable<TestMsgType> {
    static constexpr char kTypeName[] = "TestMsgType";
    static constexpr MEnumCodeRow kRows[] = {{"??", "Unknown"},
                                             {"TC", "UserConnection"},
                                             {"TD", "UserDisconnection"},
                                             {"TY", "TradeEntry"},
                                             {"KO", "OK"},
                                             {"TY", "PasswordReset"},
                                             {"  ", "None"}};
};
template <>
struct MEnumTable<TestCountry> {
    static constexpr char kTypeName[] = "TestCountry";
    static constexpr MEnumCodeRow kRows[] = {
        {"??", "NotSpecified"}, {"AA", "Zimbabwe"}, {"ZZ", "Andorra"}, {"CA", "Canada"}};
};
template <>
struct MEnumTable<TestDelimiter> {
    static constexpr char kTypeName[] = "TestDelimiter";
    static constexpr MEnumCodeRow kRows[] = {{"ST", "StartOfOrders"}, {"EO", "EndOfOrders"}};
};

// Codes of three characters (found through the sorted index), with a repeated code and name and a
// byte above 127.
template <>
struct MEnumTable<TestLongCode> {
    static constexpr char kTypeName[] = "TestLongCode";
    static constexpr MEnumCodeRow kRows[] = {{"???", "Unknown"},
                                             {"ZZZ", "Last"},
                                             {"AAB", "Second"},
                                             {"AAA", "First"},
                                             {"\xE9\xE9"
                                              "A",
                                              "High"},
                                             {"AAB", "Again"},
                                             {"MMM", "First"}};
};

namespace {

using MsgType = MEnumString<2, TestMsgType, 7, Key2LookupPolicy<TestMsgType, 7>>;
using Country = MEnumString<2, TestCountry, 4, DefaultLookupPolicy<2, TestCountry, 4>>;
using Delimiter = MEnumString<2, TestDelimiter, 2, DefaultLookupPolicy<2, TestDelimiter, 2>>;

template <class T>
std::string Code(const T& value) {
    return DescriptionOf(value, false);
}

// Both policies: a two-character text is a code, a longer or shorter one a name.
template <class T>
class CodeLookup : public ::testing::Test {};
using Policies = ::testing::Types<DefaultLookupPolicy<2, TestMsgType, 7>, Key2LookupPolicy<TestMsgType, 7>>;
TYPED_TEST_SUITE(CodeLookup, Policies);

TYPED_TEST(CodeLookup, TwoCharactersAreACodeOtherTextsAName) {
    using L = TypeParam;
    const struct {
        const char* text;
        int length;
        int row;
    } cases[] = {{"TC", 2, 1},         {"  ", 2, 6},   {"??", 2, 0},          {"QQ", 2, 0},
                 {"OK", 2, 0},         {"KO", 2, 4},   {"TradeEntry", 10, 3}, {"tradeentry", 10, 0},
                 {"TradeEntry", 5, 0}, {"None", 4, 6}, {"T", 1, 0},           {"", 0, 0},
                 {nullptr, 2, 0},      {"TCX", 2, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(null)");
        EXPECT_EQ(L::FindText(c.text, c.length), c.row);
    }
}

TEST(Key2LookupPolicy, OneReadOfTheKeyTableInRowOrder) {
    using L = Key2LookupPolicy<TestMsgType, 7>;
    EXPECT_EQ(L::kIndex.size(), 65536u);
    EXPECT_EQ(L::Key("TY"), 'T' + 256 * 'Y');
    EXPECT_EQ(L::kIndex['T' + 256 * 'Y'], 5);  // the later of the two rows with "TY"
    EXPECT_EQ(L::kIndex['K' + 256 * 'O'], 4);
    EXPECT_EQ(L::kIndex[' ' + 256 * ' '], 6);
    EXPECT_EQ(L::kIndex['?' + 256 * '?'], 0);
    EXPECT_EQ(L::kIndex['Y' + 256 * 'T'], 0);
    EXPECT_EQ(L::FindCode("\xFF\xFF"), 0);
    EXPECT_EQ(L::FindCode("TD"), 2);
    int filled = 0;
    for (int32_t entry : L::kIndex) filled += entry != 0;
    EXPECT_EQ(filled, 5);
    // The default policy finds the earlier row.
    EXPECT_EQ((DefaultLookupPolicy<2, TestMsgType, 7>::FindCode("TY")), 3);
}

TEST(DefaultLookupPolicy, EveryCodeFindsItsFirstRowAndEveryNameItsFirstIndex) {
    using Short = DefaultLookupPolicy<2, TestMsgType, 7>;
    using Long = DefaultLookupPolicy<3, TestLongCode, 7>;
    const struct {
        const char* code;
        int shortRow;
        int longRow;
    } cases[] = {{"???", 0, 0},
                 {"TCx", 1, 0},
                 {"TYx", 3, 0},
                 {"KOx", 4, 0},
                 {"  x", 6, 0},
                 {"ZZZ", 0, 1},
                 {"AAB", 0, 2},
                 {"AAA", 0, 3},
                 {"\xE9\xE9"
                  "A",
                  0, 4},
                 {"MMM", 0, 6},
                 {"AAC", 0, 0},
                 {"\xFF\xFF\xFF", 0, 0},
                 {"\0\0\0", 0, 0},
                 {"ZZY", 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(Short::FindCode(c.code), c.shortRow);
        EXPECT_EQ(Long::FindCode(c.code), c.longRow);
    }
    using Names = MEnumNames<TestLongCode, 7>;
    const struct {
        const char* name;
        int index;
    } names[] = {{"Unknown", 0}, {"First", 3},  {"Again", 5}, {"High", 4},   {"Firs", -1}, {"Firstt", -1},
                 {"", -1},       {"first", -1}, {"Last", 1},  {"Second", 2}, {"Z", -1},    {"A", -1}};
    for (const auto& n : names) {
        SCOPED_TRACE(n.name);
        EXPECT_EQ(Names::FindTerminated(n.name), n.index);
    }
}

TEST(MEnumString, SetTextStoresTheCodeOfTheRowFound) {
    MsgType type;
    type.SetText("TY");
    EXPECT_EQ(Code(type), "TY");
    EXPECT_EQ(type.IndexOfCode(), 5);
    EXPECT_EQ(type.ToString(), "PasswordReset");
    type.SetText("QQ");
    EXPECT_EQ(Code(type), "??");
    type.SetText("TradeEntry");
    EXPECT_EQ(Code(type), "TY");
    EXPECT_EQ(type.ToString(), "PasswordReset");

    Country country;
    EXPECT_EQ(Code(country), "??");
    country.SetText("CA");
    EXPECT_EQ(Code(country), "CA");
    country.SetText("Zimbabwe");
    EXPECT_EQ(Code(country), "AA");
    for (const char* text : {"canada", "C", "", "Canada "}) {
        SCOPED_TRACE(text);
        country.SetText("Canada");
        EXPECT_EQ(Code(country), "CA");
        country.SetText(text);
        EXPECT_EQ(Code(country), "??");
    }
    country.SetText("CA");
    country.SetText(nullptr);
    EXPECT_EQ(Code(country), "??");
    country.SetString(std::string("Andorra"));
    EXPECT_EQ(Code(country), "ZZ");
    EXPECT_EQ(Code(Country(std::string("Canada"))), "CA");

    Delimiter delimiter;
    EXPECT_EQ(Code(delimiter), "ST");
    delimiter.SetText("EO");
    delimiter.SetText("XX");
    EXPECT_EQ(Code(delimiter), "ST");
    EXPECT_EQ(delimiter.ToString(), "StartOfOrders");
}

TEST(MEnumString, CheckTextTakesNamesOnly) {
    EXPECT_EQ(Country::CheckText("Canada"), nullptr);
    EXPECT_STREQ(Country::CheckText("CA"), "Invalid value!");
    EXPECT_STREQ(Country::CheckText("canada"), "Invalid value!");
    EXPECT_STREQ(Country::CheckText(nullptr), "Invalid value!");
    EXPECT_EQ(MsgType::CheckText("OK"), nullptr);
}

// Indexes outside the table read row 0, never past the table.
TEST(MEnumString, RowIndexesOutsideTheTableGiveRowZero) {
    Country country;
    country.Set(3);
    EXPECT_EQ(Code(country), "CA");
    EXPECT_TRUE(country.Is(3));
    country.Set(4);
    EXPECT_EQ(Code(country), "??");
    country.CopyCode(2);
    EXPECT_EQ(Code(country), "ZZ");
    for (int index : {4, 247, -1, 1 << 30}) {
        SCOPED_TRACE(index);
        country.CopyCode(1);
        country.CopyCode(index);
        EXPECT_EQ(Code(country), "??");
    }
    EXPECT_TRUE(country.Is(4));
    EXPECT_TRUE(country.Is(0xFFFFFFFFu));
    country.Set(0xFFFFFFFFu);
    EXPECT_EQ(Code(country), "??");
    EXPECT_EQ(Country::GetCount(), 4);
    EXPECT_EQ(Country::GetEnumAt(2), TestCountry::Andorra);
    EXPECT_EQ(Country::GetEnumAt(300), TestCountry::NotSpecified);
    EXPECT_FALSE(country.IsNull());
}

// A code of no row, received from the wire, is kept and sent back, and shows as row 0.
TEST(MEnumString, AnUnknownCodeIsKeptAndShowsRowZero) {
    MsgType type;
    EXPECT_EQ(ReadFixedFrom(type, "ZZrest"), 2);
    EXPECT_EQ(type.IndexOfCode(), 0);
    EXPECT_EQ(type.ToString(), "Unknown");
    int length = 0;
    bool terminated = false;
    EXPECT_STREQ(type.GetText(&length, &terminated), "Unknown");
    EXPECT_EQ(length, 7);
    EXPECT_TRUE(terminated);
    EXPECT_EQ(FixedBytes(type), "ZZ");
    MsgType other;
    ReadFixedFrom(other, "ZZ");
    EXPECT_TRUE(type.IsEqual(other));
    EXPECT_FALSE(type.IsEqual(MsgType()));
    EXPECT_FALSE(type.Is(0));

    type.SetText("TC");
    EXPECT_EQ(ExceptionText([&] { ReadFixedFrom(type, "T"); }), "Message is too short");
    EXPECT_EQ(Code(type), "TC");
}

TEST(MEnumString, ValueOrderIsTheCodeBytes) {
    Country a;
    a.SetText("AA");
    Country z;
    z.SetText("ZZ");
    Country high;
    ReadFixedFrom(high, "\xE9Z");
    EXPECT_TRUE(a.IsLess(z));
    EXPECT_TRUE(z.IsLess(high));
    EXPECT_TRUE(a.IsLessOrEqual(a));
    EXPECT_TRUE(high.IsGreater(z));
    EXPECT_TRUE(high.IsGreaterOrEqual(high));
    z.Assign(a);
    EXPECT_TRUE(z.IsEqual(a));
    z.Clear();
    EXPECT_EQ(Code(z), "??");
}

TEST(MEnumString, DescriptionShowsTheCodeAndRawAlsoTheName) {
    MsgType type;
    type.SetText("TC");
    EXPECT_EQ(DescriptionOf(type, true), "TC]-->[UserConnection");
    EXPECT_EQ(DescriptionOf(type, false), "TC");
    SetFromDescription(type, "TC]-->[UserConnection");
    EXPECT_EQ(Code(type), "??");
    SetFromDescription(type, "KO");
    EXPECT_EQ(Code(type), "KO");
    SetFromDescription(type, "UserDisconnection");
    EXPECT_EQ(Code(type), "TD");
}

struct CountryRow {
    Country CountryCode;
    MsgType Type;

    static constexpr auto Fields() {
        using S = CountryRow;
        return MFields(MField("CountryCode", &S::CountryCode), MField("MsgType", &S::Type));
    }
};

TEST(MEnumString, ColumnListsTheNamesAndSortsByThem) {
    CountryRow prototype;
    ColumnCollector collector;
    DescribeFields(prototype, collector);
    EXPECT_STREQ(collector.columns[0]->GetTypeName(),
                 "MEnumString<2,TestCountry,4,DefaultLookupPolicy<2,TestCountry,4> >");
    EXPECT_STREQ(collector.columns[1]->GetTypeName(),
                 "MEnumString<2,TestMsgType,7,Key2LookupPolicy<TestMsgType,7> >");
    EXPECT_EQ(collector.columns[0]->GetKind(), MInterface::kEnumeration);
    EXPECT_EQ(collector.columns[0]->GetWidth(), 25);
    EXPECT_EQ(collector.columns[0]->GetValues(),
              (std::vector<std::string>{"NotSpecified", "Zimbabwe", "Andorra", "Canada"}));

    std::vector<CountryRow> rows(4);
    rows[0].CountryCode.SetText("AA");
    rows[1].CountryCode.SetText("ZZ");
    rows[2].CountryCode.SetText("CA");
    ReadFixedFrom(rows[3].CountryCode, "QQ");
    EXPECT_EQ(SortedColumnTexts(rows),
              (std::vector<std::string>{"Andorra", "Canada", "NotSpecified", "Zimbabwe"}));
}

}  // namespace
