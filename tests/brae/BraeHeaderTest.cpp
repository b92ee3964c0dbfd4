#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "brae/BraeFieldTypes.h"
#include "brae/BraeHeaderIncoming.h"
#include "brae/BraeHeaderOutgoing.h"
#include "brae/BraeMessageTypeData.h"
#include "brae/BraeMsgBase.h"
#include "fields/DescribeFields.h"
#include "fields/MDescFormat.h"
#include "fields/MTitleFormat.h"
#include "support/LogRecorder.h"

namespace {

template <class T>
std::string Bytes(const T& message) {
    return std::string(reinterpret_cast<const char*>(&message), sizeof(T));
}

TEST(BraeMsgBase, SetMsgTypeWritesTheCodeOfTheIndex) {
    const struct {
        uint32_t index;
        const char* code;
    } cases[] = {{1, "TC"},   {103, "TY"},         {224, "AN"}, {309, "  "},
                 {310, "??"}, {4294967295u, "??"}, {0, "??"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        BraeMsgBase message(237);
        EXPECT_EQ(Bytes(message.SetMsgType(c.index)), c.code);
    }
    EXPECT_EQ(Bytes(BraeMsgBase()), "??");
    EXPECT_EQ(Bytes(BraeMessageTypeData()), "??");
    // A message built as type 103 carries "TY", which a receiver reads as 262.
    const BraeMsgBase moc(103);
    EXPECT_EQ(GetIncomingMsgType(reinterpret_cast<const char*>(&moc), 2), EnumBraeMsgType::TY);
    EXPECT_EQ(static_cast<int>(EnumBraeMsgType::TY), 262);
}

TEST(BraeHeaderIncoming, NewHeaderIsTheTypeThenBlanksAndZeroDigits) {
    BraeHeaderIncoming header(224);
    EXPECT_EQ(Bytes(header),
              "AN"
              "      "
              "        "
              "00000000");
    EXPECT_EQ(BraeHeaderIncoming::GetUserSequenceID(header.UserSequenceID), 0);

    BraeHeaderIncoming::SetUserSequenceID(header.UserSequenceID, 123);
    EXPECT_EQ(Bytes(header),
              "AN"
              "      "
              "        "
              "00000123");
    EXPECT_EQ(BraeHeaderIncoming::GetUserSequenceID(header.UserSequenceID), 123);
    EXPECT_EQ(BraeHeaderIncoming::ReadUserSequenceID(header.UserSequenceID), 123);

    // A copy carries every byte.
    header.UserTime.SetText("101112", 6);
    header.TraderID.SetText("TR01");
    const BraeHeaderIncoming copy = header;
    EXPECT_EQ(Bytes(copy),
              "AN"
              "101112"
              "TR01    "
              "00000123");
}

TEST(BraeHeaderIncoming, SequenceNumberKeepsToItsEightDigits) {
    const struct {
        int32_t value;
        const char* digits;
        int32_t readBack;  // -1: not read back
    } cases[] = {
        {0, "00000000", 0},
        {99999999, "99999999", 99999999},
        {100000000, "99999999", 99999999},
        {INT32_MAX, "99999999", 99999999},
        {-5, "-0000005", -1},
        {INT32_MIN, "-9999999", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        BraeHeaderIncoming header(EnumBraeMsgType::AN);
        BraeNb8& field = BraeHeaderIncoming::SetUserSequenceID(header.UserSequenceID, c.value);
        EXPECT_EQ(&field, &header.UserSequenceID);
        EXPECT_EQ(Bytes(header).substr(16), c.digits);
        if (c.readBack >= 0) {
            EXPECT_EQ(BraeHeaderIncoming::GetUserSequenceID(field), c.readBack);
        }
    }
}

TEST(BraeHeaderIncoming, FieldTables) {
    EXPECT_STREQ(BraeMsgBase::GetFieldName(0), "MsgType");
    EXPECT_EQ(BraeMsgBase::GetFieldNameLength(0), 7);
    EXPECT_STREQ(BraeMsgBase::GetFieldTag(0), "35");
    EXPECT_EQ(BraeMsgBase::GetFieldTagLength(0), 2);
    const struct {
        const char* name;
        int length;
        const char* tag;
    } fields[] = {{"UserTime", 8, "2146"}, {"TraderID", 8, "78"}, {"UserSequenceID", 14, "510"}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(BraeHeaderIncoming::GetFieldName(i), fields[i].name);
        EXPECT_EQ(BraeHeaderIncoming::GetFieldNameLength(i), fields[i].length);
        EXPECT_STREQ(BraeHeaderIncoming::GetFieldTag(i), fields[i].tag);
        EXPECT_EQ(BraeHeaderIncoming::GetFieldTagLength(i), static_cast<int>(std::strlen(fields[i].tag)));
    }
}

TEST(BraeHeaderIncoming, DescribesTheBaseLevelFirst) {
    MTitleFormat titles;
    DescribeFieldTypes<BraeHeaderIncoming>(titles);
    EXPECT_EQ(titles.GetTitles(),
              (std::vector<std::string>{"MsgType", "UserTime", "TraderID", "UserSequenceID"}));

    BraeHeaderIncoming header(EnumBraeMsgType::KB);
    header.UserTime.SetText("#C9Z0G", 6);
    header.TraderID.SetText("T7");
    BraeHeaderIncoming::SetUserSequenceID(header.UserSequenceID, 42);
    std::string text;
    MDescFormat format("|", 0, true);
    format.SetOutput(&text);
    format.Start("h", 1);
    DescribeFields(header, format);
    EXPECT_EQ(text,
              "h.MsgType [KB]-->[BraePositionAcknowledgment]|h.UserTime [120935016]|h.TraderID [T7      ]|"
              "h.UserSequenceID [42]");
}

TEST(BraeHeaderOutgoing, NewHeaderAndTheAnsweredSequenceNumber) {
    BraeHeaderOutgoing header;
    EXPECT_EQ(Bytes(header),
              "??"
              "      "
              "00000000"
              "      "
              "00");
    BraeHeaderIncoming::SetUserSequenceID(header.AnsweredSequenceID, 1234);
    EXPECT_EQ(Bytes(header),
              "??"
              "      "
              "00001234"
              "      "
              "00");

    const char ko[] = "KO10111212345678info  01";
    const BraeHeaderOutgoing received = BraeHeaderOutgoing::FromReceived(ko, 24);
    EXPECT_EQ(Bytes(received), ko);
    EXPECT_EQ(BraeHeaderIncoming::ReadUserSequenceID(received.AnsweredSequenceID), 12345678);

    // A message that ends inside the sequence number: it and the fields after it keep their
    // defaults rather than taking part of a number.
    LogRecorder log;
    const BraeHeaderOutgoing shortKo = BraeHeaderOutgoing::FromReceived(ko, 12);
    EXPECT_EQ(Bytes(shortKo),
              "KO101112"
              "00000000"
              "      "
              "00");
    EXPECT_EQ(BraeHeaderIncoming::ReadUserSequenceID(shortKo.AnsweredSequenceID), 0);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].level, 3);
}

}  // namespace
