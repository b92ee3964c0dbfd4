#include <gtest/gtest.h>

#include <string>

#include "brae/Brae_TD_UserDisconnection.h"
#include "brae/Brae_TF_ComponentNotice.h"
#include "brae/Brae_TR_PasswordReset.h"
#include "core/VersionInfo.h"

namespace {

template <class T>
std::string Sent(const T& message) {
    return std::string(reinterpret_cast<const char*>(&message), static_cast<std::size_t>(message.GetMsgLength()));
}

const std::string kBlankUserTimeAndTrader(14, ' ');

TEST(Brae_TD_UserDisconnection, SendsTheUserNameAndConnectionKey) {
    Brae_TD_UserDisconnection message;
    EXPECT_EQ(Brae_TD_UserDisconnection::GetMsgType(), EnumBraeMsgType::TD);
    EXPECT_EQ(static_cast<int>(Brae_TD_UserDisconnection::GetMsgType()), 2);
    EXPECT_EQ(message.GetMsgLength(), 14);
    EXPECT_EQ(Sent(message), "TD" "        " "    ");
    message.Prepare("bob", "K7x2");
    EXPECT_EQ(Sent(message), "TD" "     bob" "K7x2");
    message.Prepare("longusername", "K7x2");
    EXPECT_EQ(Sent(message), "TD" "longuser" "K7x2");
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
    EXPECT_EQ(Sent(message), "TF" + kBlankUserTimeAndTrader + "00000044" + std::string(64, 'P') + "12.345.6789.10  ");

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
    EXPECT_EQ(Sent(message), "TR" + kBlankUserTimeAndTrader + "00000007" + "     bob" + "RGhPJWNOkxgXZaBu1iGArQ==" +
                                 "F81sMxx1Mp1CX/SSyItT/w==");
}

TEST(Brae_TR_PasswordReset, RefusesAKeyThatIsNotSixteenCharacters) {
    Brae_TR_PasswordReset message;
    EXPECT_FALSE(message.Prepare(8, "bob", "old", "new", "0123456789"));
    EXPECT_EQ(Sent(message), "TR" + kBlankUserTimeAndTrader + "00000008" + "     bob" + std::string(48, ' '));
}

}  // namespace
