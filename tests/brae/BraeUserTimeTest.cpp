#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "brae/BraeUserTime.h"
#include "core/MException.h"
#include "fields/DescribeFields.h"
#include "fields/MDescFormat.h"
#include "fields/MInterface.h"
#include "fields/MMsgFormat.h"
#include "fields/MRPString.h"
#include "fields/MTInterface.h"
#include "fields/MValueType.h"

static_assert(MValueType<BraeUserTime>);

namespace {

BraeUserTime Stored(const char (&six)[7]) {
    BraeUserTime time;
    std::copy(six, six + 6, time.Data());
    return time;
}

std::string DecodedBuffer(const BraeUserTime& time) {
    int length = 0;
    const char* text = time.Decode(&length, nullptr);
    EXPECT_EQ(length, 6);
    return std::string(text, 12);
}

// A record holding a user time between two other fields, as the position records do.
struct TimedRow {
    MRPString<2, 32, MValAccept> Kind;
    BraeUserTime UserTime;

    static constexpr auto Fields() {
        using S = TimedRow;
        return MFieldsWithLength(MField("Kind", &S::Kind), MField("UserTime", &S::UserTime));
    }
};

TEST(BraeUserTime, NewValueIsSixBlanksAndDecodesToThem) {
    BraeUserTime time;
    EXPECT_EQ(std::string(time.Data(), 6), "      ");
    EXPECT_TRUE(time.IsBlank());
    int length = 0;
    bool terminated = true;
    EXPECT_EQ(time.Decode(&length, &terminated), time.Data());
    EXPECT_EQ(length, 6);
    EXPECT_FALSE(terminated);
    EXPECT_EQ(time.ToString(), "      ");
    time.SetText("1");
    time.Clear();
    EXPECT_TRUE(time.IsBlank());
}

TEST(BraeUserTime, DecodesEachEncoding) {
    const struct {
        const char* stored;
        const char* full;  // the decoded text as wide as its encoding
        const char* shown;
    } cases[] = {
        {"123456", "123456", "123456"},
        {"#C9Z0G", "120935016", "120935"},     // 12:09:35.016
        {"MY%+#K", "123015250500", "123015"},  // 12:30:15.250500
        {"#!!!!!", "000000000", "000000"},     // characters outside base 62 count 0
        {"a00000", "320000000000", "320000"},  // 'a' is hour 32
        {"A~~~~~", "000222085828", "000222"},  // the largest count wraps modulo 2^32
        {" 12345", " 12345", " 12345"},        // blank only in part: plain
        {"\x80"
         "23456",
         "\x80"
         "23456",
         "\x80"
         "23456"},  // bytes above 127 are below 'A': plain
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        BraeUserTime time;
        std::copy(c.stored, c.stored + 6, time.Data());
        EXPECT_EQ(time.ToString(), c.shown);
        EXPECT_EQ(time.ToString(2), c.shown);
        EXPECT_EQ(time.ToDescription(false), c.shown);
        EXPECT_EQ(time.ToDescription(true), c.full);
        int length = 0;
        bool terminated = true;
        const char* text = time.GetText(&length, &terminated);
        EXPECT_EQ(std::string(text, static_cast<std::size_t>(length)), c.shown);
        EXPECT_FALSE(terminated);
    }
}

TEST(BraeUserTime, DecodingSharesOneBuffer) {
    EXPECT_EQ(DecodedBuffer(Stored("123456")), "123456000000");
    // A millisecond form leaves the microseconds of the last decoding in place.
    EXPECT_EQ(DecodedBuffer(Stored("MY%+#K")), "123015250500");
    EXPECT_EQ(DecodedBuffer(Stored("#C9Z0G")), "120935016500");
}

TEST(BraeUserTime, EncodingWidths) {
    EXPECT_EQ(BraeUserTime::GetTextLength(2), 12);
    EXPECT_EQ(BraeUserTime::GetTextLength(1), 9);
    EXPECT_EQ(BraeUserTime::GetTextLength(0), 6);
    EXPECT_EQ(BraeUserTime::GetTextLength(7), 6);
    EXPECT_EQ(Stored("#C9Z0G").GetEncodingType(), 1);
    EXPECT_EQ(Stored("MY%+#K").GetEncodingType(), 2);
    EXPECT_EQ(Stored("123456").GetEncodingType(), 0);
    EXPECT_EQ(BraeUserTime().GetEncodingType(), 0);
}

TEST(BraeUserTime, SetTextFillsWithZeroDigits) {
    const struct {
        const char* text;
        int length;
        const char* stored;
    } cases[] = {
        {"1234", 4, "123400"},    {"12345678", 8, "123456"}, {"", 0, "000000"},
        {"123456", -3, "000000"}, {nullptr, 4, "000000"},    {"ab\0cd", 5, "ab\0cd0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        BraeUserTime time;
        time.SetText(c.text, c.length);
        EXPECT_EQ(std::string(time.Data(), 6), std::string(c.stored, 6));
    }
    BraeUserTime time;
    time.SetText(static_cast<const char*>(nullptr));
    EXPECT_EQ(std::string(time.Data(), 6), "000000");
    EXPECT_EQ(std::string(BraeUserTime("98").Data(), 6), "980000");
    EXPECT_EQ(BraeUserTime::CheckText("anything at all"), nullptr);
    EXPECT_EQ(BraeUserTime::CheckText(nullptr), nullptr);
}

TEST(BraeUserTime, ComparesStoredBytesNotTimes) {
    // In stored order: a millisecond form first, then plain digits, then microsecond forms, where
    // '!' (digit 62) sorts below '0' (digit 0).
    const std::vector<BraeUserTime> ordered = {Stored("#zzzzz"), Stored("000001"), Stored("235959"),
                                               Stored("A!0000"), Stored("A00000"), Stored("B00000")};
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(ordered[i].IsLess(ordered[i + 1]));
        EXPECT_TRUE(ordered[i].IsLessOrEqual(ordered[i + 1]));
        EXPECT_FALSE(ordered[i].IsGreaterOrEqual(ordered[i + 1]));
        EXPECT_TRUE(ordered[i + 1].IsGreater(ordered[i]));
        EXPECT_FALSE(ordered[i].IsEqual(ordered[i + 1]));
    }
    EXPECT_TRUE(Stored("\x80"
                       "00000")
                    .IsGreater(Stored("B00000")));  // bytes compare unsigned
    EXPECT_TRUE(Stored("123456").IsEqual(Stored("123456")));
}

TEST(BraeUserTime, FixedFormIsTheSixStoredBytes) {
    char buffer[16] = {};
    MMsgFormat writer(buffer, sizeof buffer, true);
    Stored("MY%+#K").WriteFixed(writer);
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(writer.GetOffset())), "MY%+#K");

    char message[] = "#C9Z0Gxyz";
    MMsgFormat reader(message, 9, false);
    BraeUserTime time;
    time.ReadFixed(reader);
    EXPECT_EQ(std::string(time.Data(), 6), "#C9Z0G");
    EXPECT_EQ(reader.GetOffset(), 6);
    try {
        time.ReadFixed(reader);
        FAIL() << "three bytes are not a user time";
    } catch (const MException& e) {
        EXPECT_EQ(e.GetText(), "Message is too short");
    }
    EXPECT_EQ(std::string(time.Data(), 6), "#C9Z0G");
}

TEST(BraeUserTime, ColumnShowsSixDecodedCharactersAndOrdersByBytes) {
    TimedRow rows[2];
    std::copy_n("MY%+#K", 6, rows[0].UserTime.Data());
    std::copy_n("#C9Z0G", 6, rows[1].UserTime.Data());
    std::unique_ptr<MInterface> column = rows[0].UserTime.MakeInterface();
    column->MakeRelative(&rows[0]);

    EXPECT_EQ(column->GetKind(), MInterface::kString);
    EXPECT_EQ(column->GetWidth(), 6);
    EXPECT_STREQ(column->GetTypeName(), "BraeUserTime");
    int length = 0;
    EXPECT_EQ(std::string(column->GetText(&rows[0], &length)), "123015");
    EXPECT_EQ(length, 6);
    EXPECT_EQ(std::string(column->GetText(&rows[1], &length)), "120935");
    EXPECT_EQ(column->CheckText("??"), nullptr);

    // Order by stored bytes: '#' before 'M', although 12:09 is before 12:30 anyway; an operand is
    // stored the way SetText stores it ("12" is 120000).
    EXPECT_TRUE(column->IsLess(&rows[1], &rows[0]));
    rows[1].UserTime.SetText("13");
    EXPECT_TRUE(column->IsLess(&rows[1], &rows[0]));  // '1' before 'M'
    EXPECT_TRUE(column->IsGreaterText(&rows[1], "12"));
    EXPECT_FALSE(column->IsLessOrEqualText(&rows[1], "12595"));  // 125950 < 130000
    EXPECT_TRUE(column->IsInRange(&rows[1], "13", "130000", true, true));
    EXPECT_TRUE(column->IsInList(&rows[1], {"130000"}));
    column->SetText(&rows[1], "0815");
    EXPECT_EQ(std::string(rows[1].UserTime.Data(), 6), "081500");
}

TEST(BraeUserTime, DescriptionShowsTheWholeDecodedTextOnlyWhenRaw) {
    TimedRow row;
    row.Kind.SetText("KB");
    std::copy_n("MY%+#K", 6, row.UserTime.Data());
    const struct {
        bool raw;
        const char* text;
    } cases[] = {{false, "r.Kind [KB]|r.UserTime [123015]"}, {true, "r.Kind [KB]|r.UserTime [123015250500]"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        std::string text;
        MDescFormat format("|", 0, c.raw);
        format.SetOutput(&text);
        format.Start("r", 1);
        DescribeFields(row, format);
        EXPECT_EQ(text, c.text);
    }
    // Read back through the text: the six characters shown are stored as they are.
    std::string text = "r.Kind [KB]|r.UserTime [1230]";
    MDescFormat reader("|", 0, false);
    reader.SetOutput(&text);
    reader.StartPath("r", false);
    DescribeFields(row, reader);
    EXPECT_EQ(std::string(row.UserTime.Data(), 6), "123000");
}

}  // namespace
