#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "brae/Brae_TC_UserConnection.h"
#include "brae/Brae_TD_UserDisconnection.h"
#include "brae/Brae_TF_ComponentNotice.h"
#include "brae/Brae_TI_HeartbeatResponse.h"
#include "brae/Brae_TR_PasswordReset.h"
#include "core/VersionInfo.h"
#include "support/LogRecorder.h"

namespace {

template <class T>
std::string Sent(const T& message) {
    return std::string(reinterpret_cast<const char*>(&message),
                       static_cast<std::size_t>(message.GetMsgLength()));
}

const std::string kBlankUserTimeAndTrader(14, ' ');

template <class T>
std::string Bytes(const T& message) {
    return std::string(reinterpret_cast<const char*>(&message), sizeof(T));
}

MTimeHHMMSS TimeText(const char* hhmmss) {
    MTimeHHMMSS time;
    time.SetText(hhmmss, 6);
    return time;
}

// The twenty subscribed codes in their order.
const std::string kSubscribed = "KBKRKFKABIKLERBPJYIUJZTYQRKXPHOHRAPUKONF";

TEST(Brae_TC_UserConnection, NewMessageListsNoTypes) {
    Brae_TC_UserConnection message;
    EXPECT_EQ(static_cast<int>(Brae_TC_UserConnection::GetMsgType()), 1);
    EXPECT_EQ(message.GetMsgLength(), 40);
    std::string entries;
    for (int i = 0; i < 99; ++i) entries += "??";
    EXPECT_EQ(Bytes(message), "TC" + std::string(34, ' ') + "0000" + entries);
}

TEST(Brae_TC_UserConnection, IsSentWithItsTwentySubscribedTypes) {
    Brae_TC_UserConnection message;
    message.Prepare("bob", "secret", 300, TimeText("123456"));
    // Digest: MD5 of "123456secret", bytes 8 to 15 in Base64 "YXMoTIFmEr0=" (computed apart).
    EXPECT_EQ(message.GetMsgLength(), 80);
    EXPECT_EQ(Sent(message),
              "TC"
              "L2"
              "     bob"
              "YXMoTIFm"
              "    "
              "123456"
              "     0"
              "99"
              "20" +
                  kSubscribed);
    // The entries after the twentieth stay "??" and are not sent.
    EXPECT_EQ(Bytes(message).substr(80, 4), "????");
    EXPECT_EQ(GetIncomingMsgType(Bytes(message).c_str() + 62, 2), EnumBraeMsgType::TY);
}

TEST(Brae_TC_UserConnection, UserNameAndHeartbeatTimeOutKeepToTheirFields) {
    const struct {
        const char* user;
        int timeout;
        const char* sent;  // bytes 4 to 11 and 36 to 37
    } cases[] = {
        {"bob", 45, "     bob45"},      {"longusername", 7, "longuser07"},
        {"abcdefgh", 99, "abcdefgh99"}, {"x", 100, "       x99"},
        {"", 0, "        00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.user);
        Brae_TC_UserConnection message;
        message.Prepare(c.user, "pw", c.timeout, TimeText("093000"));
        const std::string bytes = Sent(message);
        EXPECT_EQ(bytes.substr(4, 8) + bytes.substr(36, 2), c.sent);
    }
}

TEST(Brae_TC_UserConnection, PasswordDigestDependsOnTheLoginTime) {
    // Values computed apart: MD5 of time + password, bytes 8 to 15, Base64, first 8 characters.
    EXPECT_EQ(Brae_TC_UserConnection::ComputePasswordDigest("123456", "secret"), "YXMoTIFm");
    EXPECT_EQ(Brae_TC_UserConnection::ComputePasswordDigest("093000", "Pa55word!"), "aRgYaJ8l");
    Brae_TC_UserConnection message;
    message.Prepare("alice", "Pa55word!", 60, TimeText("093000"));
    EXPECT_EQ(Sent(message).substr(12, 18), "aRgYaJ8l    093000");
}

TEST(Brae_TC_UserConnection, DigestIsComputedWithTheCurrentTimeSent) {
    Brae_TC_UserConnection message;
    message.Prepare("carol", "open sesame", 300);
    const std::string bytes = Sent(message);
    const std::string loginTime = bytes.substr(24, 6);
    for (char c : loginTime) EXPECT_TRUE(c >= '0' && c <= '9') << loginTime;
    EXPECT_EQ(bytes.substr(12, 8), Brae_TC_UserConnection::ComputePasswordDigest(loginTime, "open sesame"));
    EXPECT_EQ(message.GetMsgLength(), 80);
}

TEST(Brae_TC_UserConnection, ListRefusesTypesBeyondItsRoom) {
    Brae_TC_UserConnection message;
    BraeMessageTypeData entry;
    entry.MsgType.Set(static_cast<unsigned>(EnumBraeMsgType::KO));
    for (int i = 0; i < 99; ++i) ASSERT_TRUE(message.MessageTypes.Add(entry));
    LogRecorder log;
    EXPECT_FALSE(message.MessageTypes.Add(entry));
    EXPECT_EQ(message.GetMsgLength(), 238);
    EXPECT_EQ(Bytes(message).substr(38, 2), "99");
}

TEST(Brae_TI_HeartbeatResponse, EchoesTheQuestion) {
    Brae_TI_HeartbeatResponse response;
    EXPECT_EQ(static_cast<int>(Brae_TI_HeartbeatResponse::GetMsgType()), 5);
    EXPECT_EQ(response.GetMsgLength(), 22);
    EXPECT_EQ(Sent(response),
              "TI"
              "00000000"
              "      "
              "      ");
    const struct {
        const char* question;
        const char* answer;
    } cases[] = {
        {"TH00000042     7101112", "TI00000042     7101112"},
        {"THABCD  xy  LC  zz  99", "TIABCD  xy  LC  zz  99"},  // echoed unchecked
        {"TH00000043     8101113trailing", "TI00000043     8101113"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question);
        response.Answer(c.question, static_cast<int>(std::strlen(c.question)));
        EXPECT_EQ(Sent(response), c.answer);
    }
}

TEST(Brae_TI_HeartbeatResponse, EchoesOnlyWhatAShortQuestionHolds) {
    Brae_TI_HeartbeatResponse response;
    response.Answer("TH00000042     7101112", 22);
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    // Nothing is read past the question's length; what it lacks is reset to the defaults.
    const char question[] = "TH1234XXXXXXXXXXXXXXXX";
    response.Answer(question, 16);
    EXPECT_EQ(Sent(response),
              "TI1234XXXXXXXXXX"
              "      ");
    response.Answer(question, 12);  // the load counter is cut: left at its default
    EXPECT_EQ(Sent(response),
              "TI1234XXXX"
              "      "
              "      ");
    response.Answer(question, 1);
    EXPECT_EQ(Sent(response),
              "TI00000000"
              "      "
              "      ");
    response.Answer(nullptr, 22);
    EXPECT_EQ(Sent(response),
              "TI00000000"
              "      "
              "      ");
    ASSERT_EQ(log.messages.size(), 4u);
    EXPECT_EQ(log.messages[0].level, 3);
}

TEST(Brae_TD_UserDisconnection, SendsTheUserNameAndConnectionKey) {
    Brae_TD_UserDisconnection message;
    EXPECT_EQ(Brae_TD_UserDisconnection::GetMsgType(), EnumBraeMsgType::TD);
    EXPECT_EQ(static_cast<int>(Brae_TD_UserDisconnection::GetMsgType()), 2);
    EXPECT_EQ(message.GetMsgLength(), 14);
    EXPECT_EQ(Sent(message),
              "TD"
              "        "
              "    ");
    message.Prepare("bob", "K7x2");
    EXPECT_EQ(Sent(message),
              "TD"
              "     bob"
              "K7x2");
    message.Prepare("longusername", "K7x2");
    EXPECT_EQ(Sent(message),
              "TD"
              "longuser"
              "K7x2");
}

class Brae_TF_ComponentNoticeTest : public ::testing::Test {
protected:
    void TearDown() override { VersionInfo::RestoreVersionBlock(); }
};

TEST_F(Brae_TF_ComponentNoticeTest, SendsTheProductNameAndFileVersion) {
    Brae_TF_ComponentNotice message;
    EXPECT_EQ(static_cast<int>(Brae_TF_ComponentNotice::GetMsgType()), 237);
    EXPECT_EQ(message.GetMsgLength(), 104);
    EXPECT_EQ(Sent(message), "TF" + kBlankUserTimeAndTrader + "00000000" + std::string(80, ' '));

    VersionInfo version("Korvane");
    message.Prepare(43, version);
    EXPECT_EQ(Sent(message), "TF" + kBlankUserTimeAndTrader + "00000043" + "Korvane" + std::string(57, ' ') +
                                 "1.0.0.0" + std::string(9, ' '));

    VersionInfo::InstallVersionBlock({"", "12.345.6789.10", "", std::string(70, 'P')});
    message.Prepare(44, version);
    EXPECT_EQ(Sent(message),
              "TF" + kBlankUserTimeAndTrader + "00000044" + std::string(64, 'P') + "12.345.6789.10  ");

    // A file without a version block sends blanks.
    VersionInfo::InstallVersionBlock({});
    message.Prepare(45, version);
    EXPECT_EQ(Sent(message), "TF" + kBlankUserTimeAndTrader + "00000045" + std::string(80, ' '));
}

TEST(Brae_TR_PasswordReset, SendsBothPasswordsEncrypted) {
    Brae_TR_PasswordReset message;
    EXPECT_EQ(static_cast<int>(Brae_TR_PasswordReset::GetMsgType()), 260);
    EXPECT_EQ(message.GetMsgLength(), 80);
    EXPECT_EQ(Sent(message), "TR" + kBlankUserTimeAndTrader + "00000000" + std::string(56, ' '));

    // Encrypted texts checked with the openssl command line (AES-128-ECB, key 0123456789abcdef).
    ASSERT_TRUE(message.Prepare(7, "bob", "secret12XX", "Password", "0123456789abcdef"));
    EXPECT_EQ(Sent(message), "TR" + kBlankUserTimeAndTrader + "00000007" + "     bob" +
                                 "RGhPJWNOkxgXZaBu1iGArQ==" + "F81sMxx1Mp1CX/SSyItT/w==");
}

TEST(Brae_TR_PasswordReset, RefusesAKeyThatIsNotSixteenCharacters) {
    Brae_TR_PasswordReset message;
    EXPECT_FALSE(message.Prepare(8, "bob", "old", "new", "0123456789"));
    EXPECT_EQ(Sent(message), "TR" + kBlankUserTimeAndTrader + "00000008" + "     bob" + std::string(48, ' '));
}

}  // namespace
