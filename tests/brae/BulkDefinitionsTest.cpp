#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "brae/BraeBulkAccountId.h"
#include "brae/BraeGroupInstrumentDefinition.h"
#include "brae/BraeKTSAccountNumber.h"
#include "brae/BraeParticipantDefinition.h"
#include "brae/ReadBulkElements.h"
#include "support/LogRecorder.h"

namespace {

template <class T>
std::string Bytes(const T& value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof(T));
}

const std::string kHeader = std::string("BI") + std::string(14, ' ') + "00000000";

// Two instruments, field by field.
const std::string kInstrumentA = std::string("GX") + "ABC " + "C" + "      12.5" + "20241220" +
                                 "CLASS-A             " + "EXT SYMBOL A                  ";
const std::string kInstrumentB = std::string("G2") + "XYZ9" + " " + "         0" + "        " +
                                 std::string(20, ' ') + std::string(30, ' ');

const std::string kParticipantA =
    std::string("Participant Name 25 chars") + "P001" + "UNIT0001" + "P" + "FIRM A  ";
const std::string kParticipantB =
    std::string("Participant Name 25 charX") + "P002" + "UNIT0002" + "S" + "FIRM B  ";

TEST(BraeAccountFields, DefaultsAndPlaceConstructors) {
    EXPECT_EQ(Bytes(BraeKTSAccountNumber()), std::string(16, ' '));
    EXPECT_EQ(Bytes(BraeBulkAccountId()), std::string(16, ' '));
    const char place[] = "ACCOUNT-16-CHARSrest";
    EXPECT_EQ(Bytes(BraeKTSAccountNumber(place)), "ACCOUNT-16-CHARS");
    EXPECT_EQ(Bytes(BraeBulkAccountId(place + 4)), "UNT-16-CHARSrest");
    EXPECT_EQ(Bytes(BraeKTSAccountNumber(std::string("A1"))), "A1" + std::string(14, ' '));
}

TEST(BraeGroupInstrumentDefinition, FieldsLieAtTheirOffsets) {
    ASSERT_EQ(kInstrumentA.size(), 75u);
    BraeGroupInstrumentDefinition definition;
    std::memcpy(static_cast<void*>(&definition), kInstrumentA.data(), 75);
    EXPECT_EQ(definition.Group.ToString(), "GX");
    EXPECT_EQ(definition.Instrument.ToString(), "ABC");
    EXPECT_TRUE(definition.CallPutCode.Is(EnumBraeInstrumentCallPutCode::Call));
    EXPECT_EQ(Bytes(definition.StrikePrice), "      12.5");
    EXPECT_EQ(definition.ExpirationDate.ToString(), "20241220");
    EXPECT_EQ(definition.ClassSymbol.ToString(), "CLASS-A");
    EXPECT_EQ(definition.ExternalSymbol.ToString(), "EXT SYMBOL A");
    const BraeGroupInstrumentDefinition copy = definition;
    EXPECT_EQ(Bytes(copy), kInstrumentA);
}

TEST(BraeParticipantDefinition, FieldsLieAtTheirOffsets) {
    ASSERT_EQ(kParticipantA.size(), 46u);
    BraeParticipantDefinition definition;
    std::memcpy(static_cast<void*>(&definition), kParticipantA.data(), 46);
    EXPECT_EQ(definition.ParticipantName.ToString(), "Participant Name 25 chars");
    EXPECT_EQ(definition.ApprovedParticipantId.ToString(), "P001");
    EXPECT_EQ(definition.FirmUnitMember.ToString(), "UNIT0001");
    EXPECT_EQ(definition.ParticipantType.ToString(), "P");
    EXPECT_EQ(definition.FirmName.ToString(), "FIRM A");
    BraeParticipantDefinition other;
    other = definition;
    EXPECT_EQ(Bytes(other), kParticipantA);
}

TEST(ReadBulkElements, ReadsTheCountedElements) {
    const std::string message = kHeader + "0002" + kInstrumentA + kInstrumentB;
    LogRecorder log;
    const auto instruments =
        ReadBulkElements<BraeGroupInstrumentDefinition>(message.data(), static_cast<int>(message.size()));
    ASSERT_EQ(instruments.size(), 2u);
    EXPECT_EQ(Bytes(instruments[0]), kInstrumentA);
    EXPECT_EQ(Bytes(instruments[1]), kInstrumentB);
    EXPECT_TRUE(log.messages.empty());

    // Names that differ in their 25th character only are two participants.
    const std::string participants = kHeader + "0002" + kParticipantA + kParticipantB;
    const auto read = ReadBulkElements<BraeParticipantDefinition>(participants.data(),
                                                                  static_cast<int>(participants.size()));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(Bytes(read[0]), kParticipantA);
    EXPECT_EQ(Bytes(read[1]), kParticipantB);
    EXPECT_FALSE(read[0].ParticipantName == read[1].ParticipantName);
}

TEST(ReadBulkElements, ReadsOnlyTheElementsTheMessageHoldsWhole) {
    const std::string two = kHeader + "0002" + kParticipantA + kParticipantB;
    const struct {
        std::string count;
        int length;
        std::size_t read;
        bool logged;
    } cases[] = {
        {"0000", 28 + 92, 0, false},  // count 0: nothing, even with bytes after it
        {"0001", 28 + 92, 1, false},  // fewer than the bytes hold
        {"0002", 28 + 92, 2, false}, {"0003", 28 + 92, 2, true},  // count claims more than was received
        {"9999", 28 + 91, 1, true},                               // the second element is one byte short
        {"0001", 28 + 45, 0, true},  {"0002", 28, 0, true},
        {"0002", 27, 0, true},  // the count itself is cut
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count + " in " + std::to_string(c.length));
        std::string message = two;
        message.replace(24, 4, c.count);
        LogRecorder log;
        const auto read = ReadBulkElements<BraeParticipantDefinition>(message.data(), c.length);
        ASSERT_EQ(read.size(), c.read);
        for (std::size_t i = 0; i < read.size(); ++i) EXPECT_EQ(Bytes(read[i]), two.substr(28 + 46 * i, 46));
        EXPECT_EQ(log.Has(3, ""), c.logged);
    }
    EXPECT_TRUE(ReadBulkElements<BraeParticipantDefinition>(nullptr, 100).empty());
}

}  // namespace
