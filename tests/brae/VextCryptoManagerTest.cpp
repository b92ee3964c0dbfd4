#include <gtest/gtest.h>

#include <string>

#include "brae/VextCryptoManager.h"

namespace {

using EncryptedText = MRPString<24, 32, MValAccept>;

// Known answers, each checked once with the openssl command line
// (openssl enc -aes-128-ecb -K <key bytes in hex> | base64, which pads the same way).
TEST(VextCryptoManager, MatchesAesOnKnownAnswers) {
    const struct {
        const char* key;
        const char* text;
        const char* encrypted;
    } cases[] = {
        {"0123456789abcdef", "secret12", "RGhPJWNOkxgXZaBu1iGArQ=="},
        {"0123456789abcdef", "", "N3Ii4GGpJMWRzZwn6hY+1A=="},                 // sixteen bytes of value 16
        {"0123456789abcdef", "123456789012345", "ZwBjj0vV2imxY+jVU64scw=="},  // one byte of value 1
        {"KvN/8x+Q2mZr7LpW", "Password", "78I8yuaNtebKVB4ikVUuUA=="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        VextCryptoManager manager;
        ASSERT_TRUE(manager.SetKey(c.key));
        EncryptedText out;
        ASSERT_TRUE(manager.Encrypt(c.text, out));
        EXPECT_EQ(out.ToPaddedString(), c.encrypted);
        // The same text under the same key gives the same characters again.
        EncryptedText again;
        ASSERT_TRUE(manager.Encrypt(c.text, again));
        EXPECT_EQ(again, out);
    }
}

TEST(VextCryptoManager, PasswordsAreCutToTheirFirstEightCharacters) {
    EXPECT_EQ(VextCryptoManager::PreparePassword("abcdefghijkl"), "abcdefgh");
    EXPECT_EQ(VextCryptoManager::PreparePassword("abc"), "abc");
    EXPECT_EQ(VextCryptoManager::PreparePassword(""), "");

    VextCryptoManager manager;
    ASSERT_TRUE(manager.SetKey("0123456789abcdef"));
    EncryptedText first;
    EncryptedText second;
    ASSERT_TRUE(manager.Encrypt(VextCryptoManager::PreparePassword("secret12XXXX").c_str(), first));
    ASSERT_TRUE(manager.Encrypt(VextCryptoManager::PreparePassword("secret12YYYY").c_str(), second));
    EXPECT_EQ(first.ToPaddedString(), "RGhPJWNOkxgXZaBu1iGArQ==");
    EXPECT_EQ(second, first);
}

TEST(VextCryptoManager, RefusesAKeyThatIsNotSixteenCharacters) {
    VextCryptoManager manager;
    EncryptedText out;
    out.SetText("unchanged");
    EXPECT_FALSE(manager.HasKey());
    EXPECT_FALSE(manager.Encrypt("abc", out));  // no key yet
    for (const char* key : {"", "0123456789abcde", "0123456789abcdef0"}) {
        SCOPED_TRACE(key);
        EXPECT_FALSE(manager.SetKey(key));
        EXPECT_FALSE(manager.HasKey());
        EXPECT_FALSE(manager.Encrypt("abc", out));
    }
    // A bad key also drops a good one set before.
    ASSERT_TRUE(manager.SetKey("0123456789abcdef"));
    EXPECT_FALSE(manager.SetKey("short"));
    EXPECT_FALSE(manager.Encrypt("abc", out));
    EXPECT_EQ(out.ToString(), "unchanged");
}

TEST(VextCryptoManager, RefusesATextThatLeavesNoRoomForPadding) {
    VextCryptoManager manager;
    ASSERT_TRUE(manager.SetKey("0123456789abcdef"));
    EncryptedText out;
    out.SetText("unchanged");
    EXPECT_FALSE(manager.Encrypt("1234567890123456", out));
    EXPECT_FALSE(manager.Encrypt("12345678901234567890", out));
    EXPECT_EQ(out.ToString(), "unchanged");
    // A null text is the empty text.
    ASSERT_TRUE(manager.Encrypt(nullptr, out));
    EXPECT_EQ(out.ToPaddedString(), "N3Ii4GGpJMWRzZwn6hY+1A==");
}

}  // namespace
