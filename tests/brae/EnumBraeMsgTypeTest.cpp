#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "brae/EnumBraeMsgType.h"
#include "fields/MEnumNames.h"

namespace {

using MsgTypeNames = MEnumNames<EnumBraeMsgType, kBraeMsgTypeCount>;
using MsgTypeLookup = Key2LookupPolicy<EnumBraeMsgType, kBraeMsgTypeCount>;

std::string CodeOf(const BraeMsgType& type) {
    return type.ToDescription(false);
}

TEST(EnumBraeMsgType, CatalogueHasItsShape) {
    const auto& rows = MEnumTable<EnumBraeMsgType>::kRows;
    ASSERT_EQ(std::size(rows), 310u);
    EXPECT_STREQ(rows[0].code, "??");
    EXPECT_STREQ(rows[0].name, "Unknown");
    EXPECT_STREQ(rows[309].code, "  ");
    EXPECT_STREQ(rows[309].name, "None");
    std::set<std::string> codes;
    for (int i = 0; i < 310; ++i) {
        SCOPED_TRACE(i);
        const std::string code = rows[i].code;
        const std::string name = rows[i].name;
        ASSERT_EQ(code.size(), 2u);
        if (i > 0 && i < 309) {
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(code[0])) &&
                        std::isupper(static_cast<unsigned char>(code[1])));
        }
        EXPECT_GE(name.size(), 4u);
        EXPECT_LE(name.size(), 53u);
        for (char c : name) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '_') << name;
        EXPECT_EQ(MsgTypeNames::kLengths[i], static_cast<int>(name.size()));
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), 309u);  // "TY" stands twice
}

TEST(EnumBraeMsgType, ReceivedCodesFindTheirIndexWithOneRead) {
    const struct {
        const char* code;
        int index;
    } cases[] = {
        {"TY", 262}, {"TC", 1}, {"KO", 99}, {"KB", 231}, {"RA", 286}, {"TH", 4},
        {"ZZ", 0},   {"tc", 0}, {"??", 0},  {"  ", 309}, {"CF", 308}, {"AN", 224},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(MsgTypeLookup::FindCode(c.code), c.index);
        EXPECT_EQ(static_cast<int>(GetIncomingMsgType(c.code, 2)), c.index);
    }
    EXPECT_EQ(GetIncomingMsgType("KB0123456789", 12), EnumBraeMsgType::KB);
    EXPECT_EQ(GetIncomingMsgType("TY", 2), EnumBraeMsgType::TY);
    // The 65,536 entries: every key that no code uses gives 0.
    int filled = 0;
    for (int key = 0; key < 65536; ++key) filled += MsgTypeLookup::kIndex[key] != 0;
    EXPECT_EQ(filled, 308);  // 310 rows, "TY" twice, "??" gives 0
}

TEST(EnumBraeMsgType, MessageShorterThanItsTypeIsUnknown) {
    EXPECT_EQ(GetIncomingMsgType("T", 1), EnumBraeMsgType::Unknown);
    EXPECT_EQ(GetIncomingMsgType("TC", 0), EnumBraeMsgType::Unknown);
    EXPECT_EQ(GetIncomingMsgType("TC", -5), EnumBraeMsgType::Unknown);
    EXPECT_EQ(GetIncomingMsgType(nullptr, 2), EnumBraeMsgType::Unknown);
}

TEST(EnumBraeMsgType, TextsFindCodesOrTheFirstEqualName) {
    const struct {
        const char* text;
        int index;
    } cases[] = {
        {"BraeBulkQuote", 38},                // "QA", the first of sixteen
        {"BraeBulkQuoteAcknowledgment", 54},  // "LA"; also "JA" to "JP"
        {"BraeMarketDepth", 129},
        {"BraeMOCOrderEntry", 17},
        {"BraeMOCOrderCancellation", 83},
        {"BraeMOCTradeEntry", 103},
        {"BraeOLA____________", 176},
        {"BraeUserConnection", 1},
        {"braeuserconnection", 0},
        {"T", 0},
        {"", 0},
        {"TY", 262},
        {"  ", 309},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const int length = static_cast<int>(std::strlen(c.text));
        EXPECT_EQ(MsgTypeLookup::FindText(c.text, length), c.index);
        // The value stores the row's code ("BraeMOCTradeEntry" stores "TY", read back as 262).
        BraeMsgType type;
        type.SetText(c.text, length);
        EXPECT_EQ(CodeOf(type), MEnumTable<EnumBraeMsgType>::kRows[c.index].code);
    }
    BraeMsgType type;
    type.SetText(nullptr, 2);
    EXPECT_EQ(CodeOf(type), "??");
}

TEST(EnumBraeMsgType, ValueShowsItsNameAndTypeName) {
    BraeMsgType type;
    EXPECT_EQ(CodeOf(type), "??");
    EXPECT_EQ(type.ToString(), "Unknown");
    type.Set(103);
    EXPECT_EQ(CodeOf(type), "TY");
    EXPECT_EQ(type.IndexOfCode(), 262);  // read back as the later row
    EXPECT_EQ(type.ToString(), "BraePasswordResetAcknowledgment");
    EXPECT_EQ(type.ToDescription(true), "TY]-->[BraePasswordResetAcknowledgment");
    EXPECT_STREQ(BraeMsgType::GetTypeName(),
                 "MEnumString<2,EnumBraeMsgType,310,Key2LookupPolicy<EnumBraeMsgType,310> >");
}

}  // namespace
