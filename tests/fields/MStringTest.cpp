#include <gtest/gtest.h>

#include <string>

#include "RaisedException.h"
#include "core/MException.h"
#include "fields/MDescFormat.h"
#include "fields/MMsgFormat.h"
#include "fields/MMsgWriter.h"
#include "fields/MString.h"
#include "fields/MTInterface.h"
#include "fields/MTObjectFunction.h"
#include "fields/MZString.h"
#include "support/FieldTestRecords.h"

namespace {

using Text10 = MString<10, 10, MValAccept>;
using Text64 = MString<64, 10, MValAccept>;
using ZText64 = MZString<64, MValAccept>;
using ZText4 = MZString<4, MValAccept>;

static_assert(MValueType<Text10> && MValueType<ZText64>);
static_assert(sizeof(MZString<256, MValAccept>) == 257);

TEST(MString, TypeNamesAndColumns) {
    EXPECT_STREQ(Text10::GetTypeName(), "MString<10,10,MValAccept>");
    EXPECT_STREQ(Text64::GetTypeName(), "MString<64,10,MValAccept>");
    EXPECT_STREQ(ZText64::GetTypeName(), "MZString<64,MValAccept>");
    EXPECT_STREQ((MZString<256, MValAccept>::GetTypeName()), "MZString<256,MValAccept>");
    Text64 text;
    MTInterface<Text64> column(&text);
    EXPECT_EQ(column.GetKind(), MInterface::kString);
    EXPECT_EQ(column.GetWidth(), 250);
    MZString<256, MValAccept> zText;
    MTInterface<MZString<256, MValAccept>> zColumn(&zText);
    EXPECT_EQ(zColumn.GetKind(), MInterface::kString);
    EXPECT_EQ(zColumn.GetWidth(), 256);
}

TEST(MString, CapacityGrowsInStepsAndNeverShrinks) {
    Text10 text;
    EXPECT_EQ(text.GetCapacity(), 10);
    EXPECT_EQ(text.GetLength(), 0);
    text.Assign(std::string(25, 'a'));
    EXPECT_EQ(text.GetCapacity(), 25);
    text.Assign(std::string(26, 'b'));
    EXPECT_EQ(text.GetCapacity(), 35);
    EXPECT_EQ(text.ToString(), std::string(26, 'b'));
    text.Clear();
    EXPECT_EQ(text.GetCapacity(), 35);
    EXPECT_EQ(text.GetLength(), 0);
    text.Assign("short", 5);
    EXPECT_EQ(text.GetCapacity(), 35);

    Text10 reserved;
    reserved.Reserve(11);
    EXPECT_EQ(reserved.GetCapacity(), 20);
    reserved.Reserve(35);
    EXPECT_EQ(reserved.GetCapacity(), 35);
    reserved.Reserve(3);
    EXPECT_EQ(reserved.GetCapacity(), 35);

    EXPECT_EQ(Text64(std::string(100, 'x').c_str()).GetCapacity(), 100);
    EXPECT_EQ(Text64("abc").GetCapacity(), 64);
    const Text10 long_(std::string(40, 'y'));
    const Text10 copy(long_);
    EXPECT_EQ(copy.GetCapacity(), 40);
    EXPECT_EQ(copy.ToString(), long_.ToString());
    EXPECT_NE(copy.GetData(), long_.GetData());
}

TEST(MString, AppendGrowsByTheStep) {
    Text10 text("123456789");
    text.Append("abc", 3);
    EXPECT_EQ(text.GetLength(), 12);
    EXPECT_EQ(text.GetCapacity(), 20);
    EXPECT_EQ(text.ToString(), "123456789abc");
    text.Append("zzz", 0);
    text.Append(nullptr, 5);
    text.Append("zzz", -1);
    EXPECT_EQ(text.ToString(), "123456789abc");
    text.Append(std::string("!"));
    text.Append(Text10("?"));
    EXPECT_EQ(text.ToString(), "123456789abc!?");
    EXPECT_STREQ(text.CStr(), "123456789abc!?");

    // A text appended to itself, across a growth of the buffer.
    Text10 twice("0123456789");
    twice.Append(twice);
    EXPECT_EQ(twice.ToString(), "01234567890123456789");
    twice.Assign(twice.GetData() + 5, 10);
    EXPECT_EQ(twice.ToString(), "5678901234");
}

TEST(MString, SettersAndNullTexts) {
    Text10 text("keep");
    text.SetText(nullptr);
    EXPECT_EQ(text.ToString(), "");
    text.SetText("abcdef", 3);
    EXPECT_EQ(text.ToString(), "abc");
    text.SetText("abcdef", -4);
    EXPECT_EQ(text.ToString(), "");
    text.SetText(std::string("a\0b", 3).data(), 3);
    EXPECT_EQ(text.ToString(), std::string("a\0b", 3));
    EXPECT_EQ(Text10(nullptr).GetLength(), 0);
    EXPECT_STREQ(Text10::CheckText(nullptr), "No argument specified!");
    EXPECT_EQ(Text10::CheckText("anything"), nullptr);

    Text10 field("xy");
    int length = 0;
    bool terminated = true;
    const char* chars = MTObjectFunction<Text10>(&field).GetText(&length, &terminated);
    EXPECT_EQ(chars, field.GetData());
    EXPECT_EQ(length, 2);
    EXPECT_FALSE(terminated);
}

TEST(MString, OrderIsUnsignedBytesThenLength) {
    EXPECT_TRUE(Text10("AB").IsLess(Text10("ABC")));
    EXPECT_TRUE(Text10("AB").IsGreater(Text10("AA")));
    EXPECT_TRUE(Text10("\xe9").IsGreater(Text10("z")));
    EXPECT_TRUE(Text10("").IsLess(Text10("A")));
    EXPECT_TRUE(Text10("AB").IsLessOrEqual(Text10("AB")));
    EXPECT_TRUE(Text10("AB").IsGreaterOrEqual(Text10("AB")));
    EXPECT_TRUE(Text10("AB").IsEqual(Text10("AB")));
    EXPECT_FALSE(Text10("AB").IsEqual(Text10("AB ")));
    EXPECT_TRUE(Text10(std::string("A\0", 2)).IsGreater(Text10("A")));

    EXPECT_TRUE(ZText64("AB").IsLess(ZText64("ABC")));
    EXPECT_TRUE(ZText64("AB").IsGreater(ZText64("AA")));
    EXPECT_TRUE(ZText64("\xe9").IsGreater(ZText64("z")));
    EXPECT_TRUE(ZText64("AB").IsEqual(ZText64("AB")));
    EXPECT_TRUE(ZText64("AB").IsGreaterOrEqual(ZText64("AB")));
}

TEST(MZString, NewValuesAreEmptyAndTextsAreCut) {
    ZText64 text;
    EXPECT_EQ(text.ToString(), "");
    EXPECT_EQ(text.GetLength(), 0);
    const std::string seventy(70, 'q');
    text.SetText(seventy.c_str());
    EXPECT_EQ(text.ToString(), std::string(64, 'q'));
    text.SetText(nullptr);  // a null text keeps the value
    EXPECT_EQ(text.GetLength(), 64);
    EXPECT_EQ(ZText64(seventy).GetLength(), 64);
    EXPECT_EQ(ZText64(static_cast<const char*>(nullptr)).GetLength(), 0);
    text.SetText("abcdef", 2);
    EXPECT_EQ(text.ToString(), "ab");
    text.SetText("abcdef", -2);
    EXPECT_EQ(text.ToString(), "");
    text.SetText("x");
    text.Clear();
    EXPECT_STREQ(text.CStr(), "");

    // Through the column, a null text keeps an MZString and empties an MString.
    ZText64 zField("old");
    MTInterface<ZText64> zColumn(&zField);
    zColumn.MakeRelative(&zField);
    zColumn.SetText(&zField, nullptr);
    EXPECT_EQ(zField.ToString(), "old");
    Text10 field("old");
    MTInterface<Text10> column(&field);
    column.MakeRelative(&field);
    column.SetText(&field, nullptr);
    EXPECT_EQ(field.ToString(), "");

    int length = 0;
    bool terminated = false;
    EXPECT_EQ(MTObjectFunction<ZText64>(&zField).GetText(&length, &terminated), zField.CStr());
    EXPECT_EQ(length, 3);
    EXPECT_TRUE(terminated);
}

TEST(MZString, AppendsWhatFits) {
    MZString<4096, MValAccept> message("Invalid enum [");
    message.Append("XYZ");
    message.Append("]", 1);
    EXPECT_EQ(message.ToString(), "Invalid enum [XYZ]");

    ZText4 text("ab");
    text.Append("cdef", 4);
    EXPECT_EQ(text.ToString(), "abcd");
    text.Append("e", 1);
    EXPECT_EQ(text.ToString(), "abcd");
    text.SetText("a");
    text.AppendChar('-', 2);
    EXPECT_EQ(text.ToString(), "a--");
    text.AppendChar('+', 10);
    EXPECT_EQ(text.ToString(), "a--+");
    text.AppendChar('x', -1);
    EXPECT_EQ(text.ToString(), "a--+");
}

template <class T>
class VariableTextForm : public ::testing::Test {};
using VariableTexts = ::testing::Types<Text10, ZText64>;
TYPED_TEST_SUITE(VariableTextForm, VariableTexts);

TYPED_TEST(VariableTextForm, WritesTextAndDelimiter) {
    char buffer[16];
    MMsgFormat writer(buffer, sizeof buffer, true);
    TypeParam("abc").WriteFixed(writer);
    TypeParam("").WriteFixed(writer);
    ASSERT_EQ(writer.GetOffset(), 5);
    EXPECT_EQ(std::string(buffer, 5), "abc\xfe\xfe");
}

TYPED_TEST(VariableTextForm, ReadsUpToTheDelimiter) {
    {
        char bytes[] = "abc\xfex";
        MMsgFormat reader(bytes, 5, false);
        TypeParam value("old");
        value.ReadFixed(reader);
        EXPECT_EQ(value.ToString(), "abc");
        EXPECT_EQ(reader.GetOffset(), 4);
    }
    {
        char bytes[] = {'a', 'b', 'c', 0, 'x'};
        MMsgFormat reader(bytes, 5, false);
        TypeParam value;
        value.ReadFixed(reader);
        EXPECT_EQ(value.ToString(), "abc");
        EXPECT_EQ(reader.GetOffset(), 3);  // left at the zero byte
    }
    {
        char bytes[] = "abc";
        MMsgFormat reader(bytes, 3, false);
        TypeParam value;
        EXPECT_EQ(Raised([&] { value.ReadFixed(reader); }),
                  std::make_pair(1, std::string("Message is too short")));
        EXPECT_EQ(value.ToString(), "abc");
    }
    {
        char bytes[] =
            "\xfe"
            "b\xfe";
        MMsgFormat reader(bytes, 3, false);
        TypeParam value("old");
        value.ReadFixed(reader);
        EXPECT_EQ(value.ToString(), "");
        value.ReadFixed(reader);
        EXPECT_EQ(value.ToString(), "b");
    }
}

TEST(MString, DelimiterGrowsAFullWriter) {
    MMsgWriter writer;
    const MZString<4096, MValAccept> text(std::string(4096, 't'));
    text.WriteFixed(writer);
    EXPECT_EQ(writer.GetOffset(), 4097);
    EXPECT_EQ(writer.GetSize(), 8192);
    EXPECT_EQ(writer.GetData()[4096], '\xfe');

    writer.Rewind();
    Text10(std::string(5000, 'm')).WriteFixed(writer);
    EXPECT_EQ(writer.GetOffset(), 5001);
    EXPECT_EQ(std::string(writer.GetData() + 4998, 3), "mm\xfe");
}

TEST(MZString, ReadCutsALongTextAndConsumesItsRest) {
    char bytes[] =
        "abcdefg\xfe"
        "z\xfe";
    MMsgFormat reader(bytes, 10, false);
    ZText4 first;
    ZText4 second;
    first.ReadFixed(reader);
    second.ReadFixed(reader);
    EXPECT_EQ(first.ToString(), "abcd");
    EXPECT_EQ(second.ToString(), "z");
    EXPECT_EQ(reader.GetOffset(), 10);
}

struct Notice {
    Text64 Owner;
    ZText4 Code;

    static constexpr auto Fields() {
        using S = Notice;
        return MFields(MField("Owner", &S::Owner), MField("Code", &S::Code));
    }
};

TEST(MString, DescriptionsReadBackCut) {
    Notice notice;
    notice.Owner.Assign(std::string("owner name"));
    notice.Code.SetText("ABCD");
    std::string text;
    MDescFormat format(";", 0, true);
    format.SetOutput(&text);
    format.Start("n", 1);
    DescribeFields(notice, format);
    EXPECT_EQ(text, "n.Owner [owner name];n.Code [ABCD]");

    text = "n.Owner [x];n.Code [LONGER]";
    Notice copy;
    format.StartPath("n", false);
    DescribeFields(copy, format);
    EXPECT_EQ(copy.Owner.ToString(), "x");
    EXPECT_EQ(copy.Code.ToString(), "LONG");
}

}  // namespace
