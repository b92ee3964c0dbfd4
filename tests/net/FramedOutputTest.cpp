#include <gtest/gtest.h>

#include <string>

#include "ScriptedBuffers.h"
#include "net/MEventSocketSelect.h"
#include "support/LogRecorder.h"

namespace {

using namespace std::string_literals;

using BraeOut = ScriptedOut<MSocketBufferOut>;
using GenericOut = ScriptedOut<MSocketBufferingOut>;

class FramedOutput : public ::testing::Test {
protected:
    void SetUp() override { MEventSocketSelect::SetPollAgain(false); }
    void TearDown() override { MEventSocketSelect::SetPollAgain(false); }
    void Queue(const std::string& message) {
        vector.AddMessage(message.data(), static_cast<int>(message.size()));
    }

    MComVectorMessageMaster vector{1024, 1024, 10000, 0};
};

TEST_F(FramedOutput, FramesOfSeveralMessagesShareOneSend) {
    BraeOut out(&vector, nullptr, 0, 65536);
    for (const char* message : {"A", "AB", "ABC", "ABCD"}) Queue(message);
    EXPECT_EQ(out.Flush(nullptr, 2), 1);
    EXPECT_EQ(out.sends, 1);
    EXPECT_EQ(out.sent,
              "\x01\x00\x00\x00"
              "A\x03  "
              "\x02\x00\x00\x00"
              "AB\x03 "
              "\x03\x00\x00\x00"
              "ABC\x03"
              "\x04\x00\x00\x00"
              "ABCD\x03   "s);
    EXPECT_TRUE(MEventSocketSelect::IsPollAgain());
    EXPECT_EQ(out.GetPendingBytes(), 0u);
}

TEST_F(FramedOutput, APartialSendIsFinishedBeforeAnythingNewIsPacked) {
    BraeOut out(&vector, nullptr, 0, 65536);
    Queue("0123456789");  // a frame of 16 bytes
    Queue("abcdef");      // a frame of 12 bytes
    out.accepts = {10, 0, 30};
    EXPECT_EQ(out.Flush(nullptr, 2), 1);
    EXPECT_EQ(out.GetPendingBytes(), 18u);
    Queue("XY");
    EXPECT_EQ(out.Flush(nullptr, 2), 0);  // blocked: nothing new packed
    EXPECT_EQ(out.GetPendingBytes(), 18u);
    EXPECT_EQ(out.Flush(nullptr, 2), 1);  // the rest, then the new frame
    EXPECT_EQ(out.sent,
              "\x0A\x00\x00\x00"
              "0123456789\x03 "
              "\x06\x00\x00\x00"
              "abcdef\x03 "
              "\x02\x00\x00\x00"
              "XY\x03 "s);
}

struct FlushCase {
    const char* name;
    int accept;  // bytes the socket takes (-1 failure, 0 would block)
    int answer;
    bool pollAgain;
};

TEST_F(FramedOutput, FlushAnswers) {
    const FlushCase cases[] = {
        {"all sent", 1000, 1, true},
        {"partial", 3, 1, true},
        {"blocked", 0, 0, true},
        {"failure", -1, -1, false},
    };
    for (const FlushCase& c : cases) {
        SCOPED_TRACE(c.name);
        MEventSocketSelect::SetPollAgain(false);
        MComVectorMessageMaster queue(1024, 1024, 100, 0);
        queue.AddMessage("HI", 2);
        BraeOut out(&queue, nullptr, 0, 65536);
        out.accepts = {c.accept};
        EXPECT_EQ(out.Flush(nullptr, 2), c.answer);
        EXPECT_EQ(MEventSocketSelect::IsPollAgain(), c.pollAgain);
    }
    MEventSocketSelect::SetPollAgain(false);
    BraeOut idle(&vector, nullptr, 0, 65536);
    EXPECT_EQ(idle.Flush(nullptr, 2), 0);
    EXPECT_FALSE(MEventSocketSelect::IsPollAgain());
}

TEST_F(FramedOutput, MarkersAndBlockCheckByte) {
    GenericOut marked(&vector, nullptr, 0x02, 0x03, 1, 0, 65536, 1);
    Queue("AB");
    EXPECT_EQ(marked.Flush(nullptr, 0), 1);
    EXPECT_EQ(marked.sent,
              "\x02"
              "AB\x03\x00"s);
    EXPECT_STREQ(marked.GetDescription(), "StartMarker= 2 EndMarker= 3 BCC=Y mMaxMessageToSendPerBatch=0");

    MComVectorMessageMaster plainQueue(1024, 1024, 100, 0);
    plainQueue.AddMessage("Q\x05", 2);
    GenericOut plain(&plainQueue, nullptr, 0, 0, 0, 0, 65536, 0);
    EXPECT_EQ(plain.Flush(nullptr, 0), 1);
    EXPECT_EQ(plain.sent, "Q\x05"s);
}

TEST_F(FramedOutput, WithoutTheFixedRoomNothingIsPacked) {
    BraeOut out(&vector, nullptr, 0, 16383);
    Queue("A");
    EXPECT_EQ(out.Flush(nullptr, 2), 0);
    EXPECT_TRUE(MEventSocketSelect::IsPollAgain());
    EXPECT_EQ(vector.GetNextToSend(), 0u);
    EXPECT_EQ(out.sends, 0);
}

TEST_F(FramedOutput, AFrameIsPackedOnlyWhenItFitsWhole) {
    BraeOut out(&vector, nullptr, 0, 20000);
    Queue(std::string(3500, 'a'));   // frame of 3,508: 16,492 left, above the fixed room
    Queue(std::string(16488, 'b'));  // frame of 16,496: does not fit behind the first
    out.accepts = {0};
    EXPECT_EQ(out.Flush(nullptr, 2), 0);
    EXPECT_EQ(out.GetPendingBytes(), 3508u);
    EXPECT_EQ(vector.GetNextToSend(), 1u);
    EXPECT_EQ(out.Flush(nullptr, 2), 1);
    EXPECT_EQ(out.sent.size(), 3508u + 16496u);
    EXPECT_EQ(out.sent.substr(3508, 4), "\x68\x40\x00\x00"s);
}

TEST_F(FramedOutput, AFrameLargerThanTheBufferIsSkippedAndLogged) {
    LogRecorder log;
    BraeOut out(&vector, nullptr, 0, 20000);
    Queue(std::string(20000, 'z'));
    Queue("OK");
    EXPECT_EQ(out.Flush(nullptr, 2), 1);
    EXPECT_EQ(out.sent,
              "\x02\x00\x00\x00"
              "OK\x03 "s);
    EXPECT_TRUE(
        log.Has(2, "Message of 20000 bytes does not fit in the output buffer of 20000 bytes, skipped"));
    EXPECT_FALSE(vector.HasMessagesToSend());
}

TEST_F(FramedOutput, ABatchLimitOfOnePacksOneMessagePerFlush) {
    BraeOut out(&vector, nullptr, 1, 65536);
    Queue("A");
    Queue("B");
    EXPECT_EQ(out.Flush(nullptr, 2), 1);
    EXPECT_EQ(out.sent,
              "\x01\x00\x00\x00"
              "A\x03  "s);
    EXPECT_TRUE(MEventSocketSelect::IsPollAgain());
    EXPECT_EQ(out.Flush(nullptr, 2), 1);
    EXPECT_EQ(out.sent.size(), 16u);
}

TEST_F(FramedOutput, ControlMessagesGoFirstAndHoldBackTheApplication) {
    GenericOut out(&vector, nullptr, 0, 0, 0, 1, 65536, 1);
    Queue("app");
    out.AddControlMessageParts("AB", 2, "CD", 2);
    out.AddControlMessage("EF", 2);
    EXPECT_EQ(out.Flush(nullptr, 0), 1);  // the batch limit stops after one control message
    EXPECT_EQ(out.sent, "");              // nothing sent while control messages wait
    EXPECT_EQ(out.Flush(nullptr, 0), 1);
    EXPECT_EQ(out.sent, "ABCDEFapp");
    EXPECT_EQ(out.Flush(nullptr, 0), 0);
}

}  // namespace
