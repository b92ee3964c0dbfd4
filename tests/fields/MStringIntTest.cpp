#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

#include "RaisedException.h"
#include "core/MException.h"
#include "fields/MDescFormat.h"
#include "fields/MMsgFormat.h"
#include "fields/MStringInt.h"
#include "fields/MTInterface.h"
#include "fields/MTObjectFunction.h"
#include "fields/MVArray.h"
#include "support/FieldTestRecords.h"

namespace {

using Nb8 = MStringInt<8, 48, 0, MBase10>;
using Nb4 = MStringInt<4, 48, 0, MBase10>;
using Nb2 = MStringInt<2, 48, 0, MBase10>;

template <int W>
std::string Stored(const MStringInt<W>& value) {
    return std::string(value.GetData(), W);
}

static_assert(sizeof(Nb8) == 8 && sizeof(Nb4) == 4 && sizeof(Nb2) == 2);
static_assert(std::is_trivially_copyable_v<Nb8> && std::is_standard_layout_v<Nb8>);
static_assert(MValueType<Nb8>);

TEST(MStringInt, NewValuesAreAllZeroDigits) {
    Nb8 value;
    EXPECT_EQ(Stored(value), "00000000");
    EXPECT_EQ(value.ToString(), "");
    EXPECT_EQ(value.GetValue(), 0);
    EXPECT_TRUE(Nb4().IsBlank());
    EXPECT_STREQ(Nb8::GetTypeName(), "MStringInt<8,48,0,MBase10>");
    MTInterface<Nb8> column(&value);
    column.MakeRelative(&value);
    EXPECT_EQ(column.GetKind(), MInterface::kString);
    EXPECT_EQ(column.GetWidth(), 8);
    int length = -1;
    EXPECT_STREQ(column.GetText(&value, &length), "");
    EXPECT_EQ(length, 0);
}

TEST(MStringInt, SetTextRightAlignsTheDigitsBeforeThePoint) {
    const struct {
        const char* text;
        const char* stored;
    } cases[] = {
        {"1234", "00001234"}, {"  0012.50", "00000012"}, {".5", "00000000"},       {"123456789", "12345678"},
        {"", "00000000"},     {"0", "00000000"},         {"99999999", "99999999"}, {"42.", "00000042"},
        {"4 2", "000004 2"},  {"-1", "000000-1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Nb8 value;
        value.SetValue(777);
        value.SetText(c.text);
        EXPECT_EQ(Stored(value), c.stored);
        EXPECT_EQ(Stored(Nb8(std::string(c.text))), c.stored);
    }
    Nb8 value("55");
    value.SetText(nullptr);
    EXPECT_EQ(Stored(value), "00000000");
    value.SetText("1234", -1);
    EXPECT_EQ(Stored(value), "00000000");
    EXPECT_EQ(Stored(MStringInt<9>("  0001234")), "000001234");
}

TEST(MStringInt, ValuesAreClampedToTheWidth) {
    Nb4 count;
    count.SetValue(7);
    EXPECT_EQ(Stored(count), "0007");
    count.SetValue(12345);
    EXPECT_EQ(Stored(count), "9999");
    count.SetValue(-5);
    EXPECT_EQ(Stored(count), "-005");
    EXPECT_EQ(count.GetValue(), 5);  // the '-' reads as a zero digit
    EXPECT_FALSE(count.IsBlank());
    count.SetText("0042");
    EXPECT_EQ(count.GetValue(), 42);
    Nb2 timeout;
    timeout.SetValue(300);
    EXPECT_EQ(Stored(timeout), "99");
    Nb8 sequence;
    sequence.SetValue(123456789);
    EXPECT_EQ(Stored(sequence), "99999999");
    sequence.SetValue(42);
    EXPECT_EQ(sequence.GetValue(), 42);
    EXPECT_EQ(sequence.ToString(), "42");
    Nb4 copy;
    copy.Assign(count);
    EXPECT_EQ(copy, count);
}

TEST(MStringInt, CheckText) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"", true},         {"  42", true},         {"42.", true},        {"42.000", true},
        {"12345678", true}, {"000012345678", true}, {"0", true},          {".", true},
        {"4 2", false},     {"-1", false},          {"42.5", false},      {"42 ", false},
        {"1a", false},      {"42..", false},        {"123456789", false},  // more digits than the field holds
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.valid) {
            EXPECT_EQ(Nb8::CheckText(c.text), nullptr);
        } else {
            EXPECT_STREQ(Nb8::CheckText(c.text), "Invalid value!");
        }
    }
    EXPECT_STREQ(Nb8::CheckText(nullptr), "Invalid value!");
    EXPECT_STREQ(Nb4::CheckText("10000"), "Invalid value!");
    EXPECT_EQ(Nb4::CheckText("9999"), nullptr);
}

TEST(MStringInt, OrderIsNumeric) {
    EXPECT_TRUE(Nb8("99").IsLess(Nb8("100")));
    EXPECT_TRUE(Nb8("100").IsGreater(Nb8("99")));
    EXPECT_TRUE(Nb8("7").IsEqual(Nb8("007")));
    EXPECT_TRUE(Nb8("7").IsLessOrEqual(Nb8("7")));
    EXPECT_TRUE(Nb8("").IsLess(Nb8("1")));
}

TEST(MStringInt, BinderTextAndDescription) {
    Nb8 field("1234");
    MTObjectFunction<Nb8> binder(&field);
    int length = 0;
    bool terminated = false;
    const char* text = binder.GetText(&length, &terminated);
    EXPECT_EQ(std::string(text, length), "1234");
    EXPECT_TRUE(terminated);
    EXPECT_EQ(text[length], '\0');

    std::string description;
    MDescFormat format(";", 0, true);
    format.SetOutput(&description);
    format.Start("n", 1);
    binder.WriteText(format, "n.Sequence");
    EXPECT_EQ(description, "n.Sequence [1234]");
    description = "n.Sequence [ 0077.0]";
    binder.ReadText(format, "n.Sequence");
    EXPECT_EQ(Stored(field), "00000077");
}

TEST(MStringInt, MonitorFormIsTheStoredCharacters) {
    char buffer[8];
    MMsgFormat writer(buffer, sizeof buffer, true);
    Nb4("12").WriteFixed(writer);
    Nb4().WriteFixed(writer);
    EXPECT_EQ(std::string(buffer, 8), "00120000");

    char bytes[] = "004200";
    MMsgFormat reader(bytes, 6, false);
    Nb4 value;
    value.ReadFixed(reader);
    EXPECT_EQ(value.GetValue(), 42);
    EXPECT_EQ(reader.GetOffset(), 4);
    EXPECT_EQ(Raised([&] { value.ReadFixed(reader); }),
              std::make_pair(1, std::string("Message is too short")));
    EXPECT_EQ(Stored(value), "0042");
    EXPECT_EQ(reader.GetOffset(), 4);
}

// A bulk link message: 41 fixed bytes, a four-digit count, then room for 100 account ids.
struct BulkAccountId {
    MRPString<16> Id;
};
using AccountIdArray = MVArray<BulkAccountId, 100, TMVArrayNb<BulkAccountId, Nb4, 4>>;
struct BulkLink {
    MRPString<41> Header;
    Nb4 Count;
    AccountIdArray Ids;
};
static_assert(sizeof(AccountIdArray) == 1600);
static_assert(offsetof(BulkLink, Ids) == 45);

BulkAccountId Account(const char* id) {
    BulkAccountId account;
    account.Id.SetText(id);
    return account;
}

TEST(MVArray, AddFillsTheNextSlotAndCountsIt) {
    BulkLink message;
    EXPECT_EQ(message.Ids.GetCount(), 0);
    EXPECT_TRUE(message.Ids.Add(Account("ACC1")));
    EXPECT_EQ(Stored(message.Count), "0001");
    EXPECT_TRUE(message.Ids.Add(Account("ACC2")));
    EXPECT_TRUE(message.Ids.Add(Account("ACC3")));
    EXPECT_EQ(Stored(message.Count), "0003");
    EXPECT_EQ(message.Ids.At(1).Id.ToString(), "ACC2");

    // The message is sent with its fixed part and the ids in use.
    const int length = static_cast<int>(offsetof(BulkLink, Ids)) + message.Ids.GetUsedLength();
    EXPECT_EQ(length, 93);
    const std::string bytes(reinterpret_cast<const char*>(&message), static_cast<std::size_t>(length));
    EXPECT_EQ(bytes.substr(41), "0003ACC1            ACC2            ACC3            ");

    // Refilling after the count is set back overwrites the old slots.
    message.Ids.SetCount(0);
    EXPECT_TRUE(message.Ids.Add(Account("NEW")));
    EXPECT_EQ(message.Ids.At(0).Id.ToString(), "NEW");
    EXPECT_EQ(message.Ids.GetCount(), 1);
}

TEST(MVArray, AddBeyondTheCapacityAndAtBeyondTheCountAreRefused) {
    BulkLink message;
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(message.Ids.Add(Account("X")));
    EXPECT_FALSE(message.Ids.Add(Account("ONE MORE")));
    EXPECT_EQ(Stored(message.Count), "0100");

    message.Ids.SetCount(2);
    EXPECT_NO_THROW(message.Ids.At(1));
    EXPECT_EQ(Raised([&] { message.Ids.At(2); }).first, 2);
    EXPECT_EQ(Raised([&] { message.Ids.At(-1); }).first, 2);
    const BulkLink& constMessage = message;
    EXPECT_EQ(Raised([&] { constMessage.Ids.At(5); }).first, 2);
}

TEST(MVArray, AReceivedCountIsCutToTheCapacityAndToTheBytesPresent) {
    BulkLink message;
    message.Count.SetText("0150");
    EXPECT_EQ(message.Ids.GetCount(), 100);
    EXPECT_EQ(message.Ids.GetUsedLength(), 1600);
    message.Count.SetText("0003");
    EXPECT_EQ(message.Ids.GetCount(40), 2);  // 40 bytes hold two 16-byte ids
    EXPECT_EQ(message.Ids.GetCount(48), 3);
    EXPECT_EQ(message.Ids.GetCount(1000), 3);
    EXPECT_EQ(message.Ids.GetCount(-5), 0);
}

}  // namespace
