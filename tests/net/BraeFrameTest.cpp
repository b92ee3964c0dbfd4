#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/BraeFrame.h"
#include "support/LogRecorder.h"

namespace {

using namespace std::string_literals;

struct LayCase {
    std::string message;
    std::string frame;
};

TEST(BraeFrame, FramesAreLaidWithLengthEndByteAndBlanks) {
    const LayCase cases[] = {
        {""s, "\x00\x00\x00\x00\x03   "s},
        {"A"s,
         "\x01\x00\x00\x00"
         "A\x03  "s},
        {"AB"s,
         "\x02\x00\x00\x00"
         "AB\x03 "s},
        {"ABC"s,
         "\x03\x00\x00\x00"
         "ABC\x03"s},
        {"ABCD"s,
         "\x04\x00\x00\x00"
         "ABCD\x03   "s},
        {"TI\x03zzzzzzzzzzz"s,
         "\x0E\x00\x00\x00"
         "TI\x03zzzzzzzzzzz\x03 "s},
    };
    for (const LayCase& c : cases) {
        SCOPED_TRACE(c.message);
        std::string out(c.frame.size() + 8, '~');
        const uint32_t size =
            LayBraeFrame(out.data(), c.message.data(), static_cast<uint32_t>(c.message.size()));
        EXPECT_EQ(size, c.frame.size());
        EXPECT_EQ(out.substr(0, size), c.frame);
        EXPECT_EQ(out.substr(size), std::string(8, '~'));  // nothing written past the frame
    }
    EXPECT_EQ(BraeFrameSize(71), 76u);
    EXPECT_EQ(BraeFrameSize(65531), 65536u);
}

TEST(BraeFrame, AnOverlongMessageIsCutToItsLowSixteenBits) {
    LogRecorder log;
    std::string message(65538, 'x');
    std::string out(16, '~');
    EXPECT_EQ(LayBraeFrame(out.data(), message.data(), 65538), 8u);
    EXPECT_EQ(out.substr(0, 8), "\x02\x00\x00\x00xx\x03 "s);
    EXPECT_TRUE(log.Has(2, "MSocketBufferOut Try to write message len greater then 64K was trunk to 64k"));
}

struct CutCase {
    const char* name;
    std::string bytes;
    BraeCut result;
    int32_t length;
    uint32_t frameSize;
};

TEST(BraeFrame, TheCutterFindsOneFrameAtTheFront) {
    const CutCase cases[] = {
        {"empty message", "\x00\x00\x00\x00\x03   "s, BraeCut::Message, 0, 8},
        {"end byte inside, odd padding", "\x03\x00\x00\x00\x03\x03x\x03"s, BraeCut::Message, 3, 8},
        {"padding not blank", "\x01\x00\x00\x00Z\x03\x00\xFF"s, BraeCut::Message, 1, 8},
        {"frame and more", "\x01\x00\x00\x00Z\x03  \x09\x00"s, BraeCut::Message, 1, 8},
        {"three bytes", "\x01\x00\x00"s, BraeCut::Incomplete, -7, 0},
        {"length only", "\x01\x00\x00\x00"s, BraeCut::Incomplete, 1, 8},
        {"one byte short",
         "\x04\x00\x00\x00"
         "ABCD\x03  "s,
         BraeCut::Incomplete, 4, 12},
        {"65,536 at once", "\x00\x00\x01\x00"s, BraeCut::Bad, 65536, 0},
        {"top bit set",
         "\x05\x00\x00\x80"
         "abc"s,
         BraeCut::Bad, static_cast<int32_t>(0x80000005u), 0},
        {"no end byte",
         "\x02\x00\x00\x00"
         "AB \x03"s,
         BraeCut::Bad, 2, 8},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t length = -7;
        uint32_t frameSize = 0;
        EXPECT_EQ(CutBraeFrame(c.bytes.data(), static_cast<uint32_t>(c.bytes.size()), length, frameSize),
                  c.result);
        EXPECT_EQ(length, c.length);
        EXPECT_EQ(frameSize, c.frameSize);
    }
}

TEST(BraeFrame, BadFramesAreLoggedShowingOnlyTheBytesReceived) {
    {
        LogRecorder log;
        int32_t length = 0;
        uint32_t frameSize = 0;
        const std::string bytes =
            "\x00\x00\x01\x00"
            "ab"s;
        EXPECT_EQ(CutBraeFrame(bytes.data(), 6, length, frameSize), BraeCut::Bad);
        EXPECT_TRUE(
            log.Has(2, "MSocketBufferIn got an invalid message length(65536) > 64K, will be disconnect"));
        ASSERT_EQ(log.messages.size(), 2u);
        EXPECT_EQ(log.messages[1].text.substr(log.messages[1].text.find("First")), "First 50 bytes are: ab");
    }
    {
        LogRecorder log;
        int32_t length = 0;
        uint32_t frameSize = 0;
        const std::string bytes = "\xFF\xFF\xFF\xFF"s + std::string(60, 'q');
        EXPECT_EQ(CutBraeFrame(bytes.data(), 64, length, frameSize), BraeCut::Bad);
        EXPECT_TRUE(log.Has(2, "invalid message length(-1)"));
        EXPECT_TRUE(log.Has(2, "First 50 bytes are: " + std::string(50, 'q')));
        EXPECT_FALSE(log.Has(2, std::string(51, 'q')));
    }
    {
        LogRecorder log;
        int32_t length = 0;
        uint32_t frameSize = 0;
        const std::string bytes = "\x00\x00\x00\x00X   "s;
        EXPECT_EQ(CutBraeFrame(bytes.data(), 8, length, frameSize), BraeCut::Bad);
        EXPECT_TRUE(
            log.Has(3, "MSocketBufferIn did not find character 0x03 at end of message, will be disconnect"));
    }
}

}  // namespace
