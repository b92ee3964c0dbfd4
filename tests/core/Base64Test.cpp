#include <gtest/gtest.h>

#include <string>

#include "core/Base64.h"
#include "core/MD5Digest.h"

namespace {

TEST(EncodeBase64, EncodesTheStandardTestStrings) {
    const struct {
        const char* input;
        const char* text;
    } cases[] = {{"", ""},
                 {"f", "Zg=="},
                 {"fo", "Zm8="},
                 {"foo", "Zm9v"},
                 {"foob", "Zm9vYg=="},
                 {"fooba", "Zm9vYmE="},
                 {"foobar", "Zm9vYmFy"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(EncodeBase64String(c.input), c.text);
    }
}

TEST(EncodeBase64, UsesTheWholeAlphabetAndNoTerminator) {
    const unsigned char bytes[] = {0xFF, 0xFE, 0xFD, 0x00, 0x10, 0xFB, 0xEF};
    size_t size = 99;
    const auto text = EncodeBase64(bytes, 5, size);
    ASSERT_EQ(size, 8u);
    EXPECT_EQ(std::string(text.get(), size), "//79ABA=");
    EXPECT_EQ(EncodeBase64String(std::string("\x00\x10\x83", 3)), "ABCD");
    EXPECT_EQ(EncodeBase64String("\xFB\xEF"), "++8=");
    EncodeBase64(bytes, 0, size);
    EXPECT_EQ(size, 0u);
}

TEST(ComputeMD5SecondHalf, GivesTheLastEightDigestBytesOfTheJoinedTexts) {
    // MD5("abc") = 900150983cd24fb0 d6963f7d28e17f72 (RFC 1321).
    const std::string abc("\xd6\x96\x3f\x7d\x28\xe1\x7f\x72", 8);
    EXPECT_EQ(ComputeMD5SecondHalf("abc", ""), abc);
    EXPECT_EQ(ComputeMD5SecondHalf("ab", "c"), abc);
    EXPECT_EQ(ComputeMD5SecondHalf("", "abc"), abc);
    // MD5("") = d41d8cd98f00b204 e9800998ecf8427e.
    EXPECT_EQ(ComputeMD5SecondHalf("", ""), std::string("\xe9\x80\x09\x98\xec\xf8\x42\x7e", 8));
    EXPECT_EQ(ComputeMD5SecondHalf("The quick brown fox ", "jumps over the lazy dog"),
              std::string("\x6b\xd8\x1d\x35\x42\xa4\x19\xd6", 8));
}

TEST(ComputeMD5SecondHalf, EncodesToTwelveCharactersEndingInOneFill) {
    EXPECT_EQ(EncodeBase64String(ComputeMD5SecondHalf("ab", "c")), "1pY/fSjhf3I=");
    EXPECT_EQ(EncodeBase64String(ComputeMD5SecondHalf("secret", "USER1")), "gRH4Yr8gLNU=");
}

}  // namespace
