#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "core/MException.h"
#include "fields/MDescFormat.h"
#include "fields/MLPString.h"
#include "fields/MMsgFormat.h"
#include "fields/MRPString.h"
#include "fields/MTObjectFunction.h"
#include "support/FieldTestRecords.h"

namespace {

using Text11 = MRPString<11, 32, MValAccept>;
using Text24 = MRPString<24, 32, MValAccept>;
using Text25 = MRPString<25, 32, MValAccept>;
using Text30 = MRPString<30, 32, MValAccept>;
using Text48 = MRPString<48, 32, MValAccept>;
using Text300 = MRPString<300, 32, MValAccept>;

using Text8 = MRPString<8>;

std::string Bytes(const Text8& value) {
    return std::string(value.GetData(), 8);
}

static_assert(sizeof(Text8) == 8 && sizeof(Text300) == 300);
static_assert(std::is_standard_layout_v<Text8> && std::is_trivially_copyable_v<Text8>);
static_assert(Text8::GetWidth() == 8);

TEST(MRPString, NewAndClearedValuesAreAllPads) {
    Text8 value;
    EXPECT_EQ(Bytes(value), "        ");
    EXPECT_TRUE(value.IsBlank());
    EXPECT_EQ(value.ToString(), "");
    value.SetText("X");
    value.Clear();
    EXPECT_TRUE(value.IsBlank());
    EXPECT_TRUE(Text8(static_cast<const char*>(nullptr)).IsBlank());
}

TEST(MRPString, SettersPadCutAndKeepInnerBlanks) {
    const struct {
        const char* text;
        const char* stored;
        const char* shown;
        int length;
    } cases[] = {
        {"ABC", "ABC     ", "ABC", 3},
        {"ABCDEFGHIJ", "ABCDEFGH", "ABCDEFGH", 8},
        {"ABCDEFGH", "ABCDEFGH", "ABCDEFGH", 8},
        {" AB ", " AB     ", " AB", 3},
        {"", "        ", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Text8 value;
        value.SetText("previous");
        value.SetText(c.text);
        EXPECT_EQ(Bytes(value), c.stored);
        EXPECT_EQ(value.ToString(), c.shown);
        EXPECT_EQ(value.ToPaddedString(), c.stored);
        EXPECT_EQ(value.Length(), c.length);
        EXPECT_EQ(Text8(std::string(c.text)), value);
        EXPECT_EQ(Text8::CheckText(c.text), nullptr);
    }
}

TEST(MRPString, NullTextsAndNegativeLengths) {
    Text8 value("KEEP");
    value.SetText(nullptr);
    EXPECT_EQ(value.ToString(), "KEEP");
    EXPECT_STREQ(Text8::CheckText(nullptr), "No argument specified!");

    // A negative length is an empty text, never a count of N bytes read from a short source.
    const char shortSource[2] = {'Z', 0};
    value.SetChars(shortSource, -1);
    EXPECT_TRUE(value.IsBlank());
    value.SetText("KEEP");
    value.SetText(shortSource, -100);
    EXPECT_TRUE(value.IsBlank());
    value.SetText("KEEP");
    value.SetChars(nullptr, 5);
    EXPECT_TRUE(value.IsBlank());
}

TEST(MRPString, ZeroBytesAreCharacters) {
    Text8 value;
    value.SetChars("A\0B", 3);
    EXPECT_EQ(Bytes(value), std::string("A\0B     ", 8));
    EXPECT_EQ(value.Length(), 3);
    EXPECT_EQ(value.ToString(), std::string("A\0B", 3));
}

TEST(MRPString, OrderIsByteOrderOverAllCharacters) {
    EXPECT_TRUE(Text8("AB").IsLess(Text8("AB!")));
    EXPECT_TRUE(Text8("AB").IsLess(Text8("ABC")));
    EXPECT_TRUE(Text8("AB\t").IsLess(Text8("AB")));
    EXPECT_TRUE(Text8("AB\xe9").IsGreater(Text8("ABz")));
    EXPECT_TRUE(Text8("AB").IsLessOrEqual(Text8("AB")));
    EXPECT_TRUE(Text8("AB").IsGreaterOrEqual(Text8("AB")));
    EXPECT_FALSE(Text8("AB").IsEqual(Text8("AB!")));

    std::map<VintMsgClientId, int> keys{
        {VintMsgClientId("A2"), 3}, {VintMsgClientId("A10"), 2}, {VintMsgClientId("A1"), 1}};
    std::vector<std::string> order;
    for (const auto& [key, index] : keys) order.push_back(key.ToString());
    EXPECT_EQ(order, (std::vector<std::string>{"A1", "A10", "A2"}));
}

TEST(MRPString, FixedFormIsAllCharactersAndReadsWhatRemains) {
    char buffer[16];
    MMsgFormat writer(buffer, sizeof buffer, true);
    Text8 value("ABC");
    value.WriteFixed(writer);
    Text8().WriteFixed(writer);
    ASSERT_EQ(writer.GetOffset(), 16);
    EXPECT_EQ(std::string(buffer, 16), "ABC             ");

    const char message[] = "XYZ";
    MMsgFormat reader(const_cast<char*>(message), 3, false);
    value.ReadFixed(reader);
    EXPECT_EQ(Bytes(value), "XYZ     ");
    EXPECT_EQ(reader.GetOffset(), 3);
}

TEST(MRPString, BinderFormsOfTheField) {
    TestEntry entry;
    entry.Name.SetText("Smith  ");
    MTObjectFunction<Text24> binder(&entry.Name);
    int length = -1;
    bool terminated = true;
    EXPECT_EQ(binder.GetText(&length, &terminated), entry.Name.GetData());
    EXPECT_EQ(length, 5);
    EXPECT_FALSE(terminated);

    binder.SetText("Jones, too long for the field", 10, false);
    EXPECT_EQ(entry.Name.ToString(), "Jones, too");
    binder.SetText("Jones", 0, false);
    EXPECT_TRUE(entry.Name.IsBlank());
    entry.Name.SetText("Smith");
    binder.SetText("Jones", -1, false);
    EXPECT_TRUE(entry.Name.IsBlank());

    std::unique_ptr<MInterface> column = binder.CreateInterface();
    EXPECT_EQ(column->GetKind(), MInterface::kString);
    EXPECT_EQ(column->GetWidth(), 24);
}

TEST(MRPString, DescriptionIsTrimmedOrRaw) {
    TestEntry entry = MakeEntry("G", "ACC", "TR", "Smith");
    std::string text;
    MDescFormat trimmed("|", 0, false);
    trimmed.SetOutput(&text);
    trimmed.Start("e", 1);
    DescribeFields(entry, trimmed);
    EXPECT_EQ(text, "e.Group [G]|e.Flag [F]|e.Account [ACC]|e.Trader [TR]|e.Master [M1]|e.Name [Smith]");

    text.clear();
    MDescFormat raw("|", 0, true);
    raw.SetOutput(&text);
    raw.Start("e", 1);
    DescribeFields(entry, raw);
    EXPECT_NE(text.find("e.Trader [TR      ]|"), std::string::npos);

    TestEntry copy;
    raw.StartPath("e", false);
    DescribeFields(copy, raw);
    EXPECT_EQ(copy.Trader.ToString(), "TR");
    EXPECT_EQ(copy.Name.ToString(), "Smith");
}

template <class T>
void ExpectColumn(int width, const char* typeName) {
    T field;
    MTObjectFunction<T> binder(&field);
    std::unique_ptr<MInterface> column = binder.CreateInterface();
    SCOPED_TRACE(typeName);
    EXPECT_EQ(column->GetKind(), MInterface::kString);
    EXPECT_EQ(column->GetWidth(), width);
    EXPECT_STREQ(column->GetTypeName(), typeName);
}

TEST(MRPString, WidthsInUse) {
    ExpectColumn<GroupBase>(2, "MRPString<2,32,MValAccept>");
    ExpectColumn<SubAccount>(4, "MRPString<4,32,MValAccept>");
    ExpectColumn<MatchNumber>(8, "MRPString<8,32,MValAccept>");
    ExpectColumn<MonitorApplicationVersion>(10, "MRPString<10,32,MValAccept>");
    ExpectColumn<Text11>(11, "MRPString<11,32,MValAccept>");
    ExpectColumn<LegOpenCloseDefinitionBase>(12, "MRPString<12,32,MValAccept>");
    ExpectColumn<VintMsgClientId>(16, "MRPString<16,32,MValAccept>");
    ExpectColumn<MonitorBusinessState>(20, "MRPString<20,32,MValAccept>");
    ExpectColumn<Text24>(24, "MRPString<24,32,MValAccept>");
    ExpectColumn<Text25>(25, "MRPString<25,32,MValAccept>");
    ExpectColumn<Text30>(30, "MRPString<30,32,MValAccept>");
    ExpectColumn<MonitorApplication>(40, "MRPString<40,32,MValAccept>");
    ExpectColumn<Text48>(48, "MRPString<48,32,MValAccept>");
    ExpectColumn<MonitorHost>(50, "MRPString<50,32,MValAccept>");
    ExpectColumn<Text300>(300, "MRPString<300,32,MValAccept>");
    EXPECT_STREQ((MRPString<7, 95, MValAccept>::GetTypeName()), "MRPString<7,95,MValAccept>");
}

TEST(MRPString, OtherPadCharacter) {
    MRPString<5, '_'> value("ab");
    EXPECT_EQ(value.ToPaddedString(), "ab___");
    EXPECT_EQ(value.ToString(), "ab");
    value.SetText("a b");
    EXPECT_EQ(value.Length(), 3);
}

TEST(MLPString, RightAlignsBehindThePads) {
    using Left6 = MLPString<6>;
    static_assert(sizeof(Left6) == 6 && std::is_trivially_copyable_v<Left6>);
    const struct {
        const char* text;
        const char* stored;
        int length;
    } cases[] = {{"12", "    12", 2}, {"1234567", "123456", 6}, {"", "      ", 0}, {" 1", "     1", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Left6 value("XXXXXX");
        value.SetText(c.text);
        EXPECT_EQ(value.ToPaddedString(), c.stored);
        EXPECT_EQ(value.Length(), c.length);
    }
    Left6 value("12");
    EXPECT_EQ(value.ToString(), "12");
    value.SetChars("99", -3);
    EXPECT_TRUE(value.IsBlank());
    value.SetText("7");
    value.SetText(nullptr);
    EXPECT_EQ(value.ToString(), "7");
    EXPECT_TRUE(Left6("1").IsLess(Left6("12")));
    EXPECT_STREQ(Left6::CheckText(nullptr), "No argument specified!");
    EXPECT_EQ(Left6(std::string("ab")), Left6("ab"));
}

}  // namespace
