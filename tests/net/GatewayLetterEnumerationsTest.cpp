#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/ConnectionLetterEnumerations.h"
#include "net/GatewayLetterEnumerations.h"

namespace {

// The letters of a table in order and the name of each.
template <class Field>
void ExpectTable(const std::string& letters, const std::vector<std::string>& names) {
    ASSERT_EQ(Field::GetCount(), static_cast<int>(letters.size()));
    ASSERT_EQ(names.size(), letters.size());
    EXPECT_EQ(Field::kDefaultLetter, letters[0]);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        SCOPED_TRACE(letters[i]);
        const auto value = Field::GetEnumAt(static_cast<unsigned>(i));
        EXPECT_EQ(static_cast<char>(value), letters[i]);
        EXPECT_EQ(Field::IndexOfLetter(static_cast<unsigned char>(letters[i])), static_cast<int>(i));
        EXPECT_EQ(Field(value).ToString(), names[i]);
    }
}

TEST(GatewayLetterEnumerations, LettersAndNames) {
    ExpectTable<ConnectionLogMode>("IOJPT", {"IN", "OUT", "IN_LOG_ONLY", "OUT_LOG_ONLY", "TECHNIC"});
    ExpectTable<ConnectionEvent>(
        "?CDLOABRHTU", {"NotDefined", "Connect", "Disconnect", "Login", "Logout", "LogicalConnect",
                        "LogicalDisconnect", "Ready", "NoHeartBeatActivity", "ThrottleStart", "ThrottleEnd"});
    ExpectTable<ManagerActivation>(" ED", {"Unknown", "Enabled", "Disabled"});
    ExpectTable<ManagerAnswer>("AR", {"Accept", "Refuse"});
    ExpectTable<LinkRole>("AMSL", {"StandAlone", "Master", "Slave", "LinkedSlave"});
    ExpectTable<LinkError>(
        "123", {"Last available message from master is further than last processed message of slave",
                "Slave requested message number which not available anymore",
                "Slave requested message number that is greater then the last processed message by master"});
}

TEST(GatewayLetterEnumerations, UnknownLettersReadAsTheFirstEntry) {
    ConnectionLogMode mode;
    mode.SetText("J");
    EXPECT_EQ(mode.ToString(), "IN_LOG_ONLY");
    for (const char letter : {'X', 'c', '\0'}) {
        SCOPED_TRACE(static_cast<int>(letter));
        EXPECT_EQ(ConnectionEvent::IndexOfLetter(static_cast<unsigned char>(letter)), 0);
        EXPECT_EQ(ConnectionEvent(static_cast<EnumConnectionEvent>(letter)).ToString(), "NotDefined");
    }
}

TEST(GatewayLetterEnumerations, SocketProtocolNamesByIndex) {
    const char* names[] = {"tcp", "udp", "unx"};
    for (unsigned char i = 0; i < 3; ++i) {
        EXPECT_EQ(SocketProtocol(static_cast<EnumSocketProtocol>(i)).ToString(), names[i]);
    }
    EXPECT_EQ(SocketProtocol(std::string("udp")).ToEnum(), EnumSocketProtocol::Udp);
    EXPECT_EQ(SocketProtocol(static_cast<EnumSocketProtocol>(3)).ToString(), "");
}

}  // namespace
