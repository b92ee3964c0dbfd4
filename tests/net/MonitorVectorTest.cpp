#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "StderrLogReceiver.h"
#include "net/MSliceVectorRnd.h"
#include "net/MonitorVector.h"
#include "support/LogRecorder.h"

namespace {
// A message of 100 bytes whose first bytes are its number: ten fill a block of 1 KiB.
std::string Numbered(int i) {
    std::string text = std::to_string(i);
    text.resize(100, '.');
    return text;
}

void AddNumbered(MComVectorMessageBase& vector, int from, int to) {
    for (int i = from; i < to; ++i) vector.AddString(Numbered(i));
}

bool Reads(MComVectorMessageBase& vector, unsigned index) {
    int length = 0;
    const char* data = vector.GetMessage(&length, index);
    return data && std::string(data, static_cast<std::size_t>(length)) == Numbered(static_cast<int>(index));
}

// Counts the loss reports and leaves the vector as it is.
class CountingVector : public MComVectorMessageRndRobbin {
public:
    CountingVector(uint32_t kib, uint32_t capacity) : MComVectorMessageRndRobbin(kib, capacity, 16) {}
    void OnMessagesDropped(uint32_t index) override { reports.push_back(index); }
    std::vector<uint32_t> reports;
};
}  // namespace

TEST(MonitorVectorTest, ConstructionAllocatesTheFirstBlock) {
    MonitorVector vector(1, 10);
    EXPECT_EQ(vector.GetStorage().GetBlocks().size(), 1u);
    EXPECT_EQ(vector.GetCount(), 0u);
}

TEST(MonitorVectorTest, KeepsEveryMessageUpToItsCapacityThenReusesBlockZeroFirst) {
    MonitorVector vector(1, 10);
    AddNumbered(vector, 0, 20);  // two full blocks, capacity reached
    EXPECT_EQ(vector.GetStorage().GetBlocks().size(), 2u);
    for (unsigned i = 0; i < 20; ++i) EXPECT_TRUE(Reads(vector, i)) << i;
    EXPECT_EQ(vector.GetFirstIndex(), 0u);

    AddNumbered(vector, 20, 21);  // block 0 is reused
    EXPECT_EQ(vector.GetStorage().GetBlocks().size(), 2u);
    EXPECT_EQ(vector.GetCount(), 21u);
    EXPECT_EQ(vector.GetFirstIndex(), 10u);
    EXPECT_TRUE(Reads(vector, 10));
    EXPECT_TRUE(Reads(vector, 20));

    AddNumbered(vector, 21, 31);  // then block 1
    EXPECT_EQ(vector.GetFirstIndex(), 20u);
    EXPECT_TRUE(Reads(vector, 20));
    EXPECT_TRUE(Reads(vector, 30));
    EXPECT_EQ(vector.GetStorage().GetBlocks().size(), 2u);
}

TEST(MonitorVectorTest, WrappingNeedsTwoBlocks) {
    MonitorVector vector(1, 2);
    AddNumbered(vector, 0, 11);  // capacity reached in block 0; a full block still gets a new one
    EXPECT_EQ(vector.GetStorage().GetBlocks().size(), 2u);
    EXPECT_EQ(vector.GetFirstIndex(), 0u);
    AddNumbered(vector, 11, 21);
    EXPECT_EQ(vector.GetStorage().GetBlocks().size(), 2u);
    EXPECT_EQ(vector.GetFirstIndex(), 10u);
}

TEST(MonitorVectorTest, ReadingADroppedMessageEmptiesTheVectorAndLogsTheLoss) {
    LogRecorder log;
    MonitorVector vector(1, 10);
    AddNumbered(vector, 0, 25);
    vector.AdvanceNextToSend();
    int length = 5;
    EXPECT_EQ(vector.GetMessage(&length, 3), nullptr);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(vector.GetCount(), 0u);
    EXPECT_EQ(vector.GetNextToSend(), 0u);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].level, 3);
    EXPECT_EQ(log.messages[0].text, "Can't get msg in Monitor VectorRndRobbin. Dropping 22 messages");

    AddNumbered(vector, 0, 25);
    EXPECT_EQ(vector.GetMessage(&length, 0), nullptr);
    EXPECT_EQ(log.messages.size(), 2u);
}

TEST(MonitorVectorTest, TheLossIsReportedOncePerFailedReadAfterASuccess) {
    CountingVector vector(1, 10);
    AddNumbered(vector, 0, 21);
    int length = 0;
    EXPECT_EQ(vector.GetMessage(&length, 2), nullptr);
    EXPECT_EQ(vector.GetMessage(&length, 3), nullptr);
    EXPECT_EQ(vector.reports, std::vector<uint32_t>{2});
    EXPECT_TRUE(Reads(vector, 15));
    EXPECT_EQ(vector.GetMessage(&length, 4), nullptr);
    EXPECT_EQ(vector.GetMessage(&length, 21), nullptr);  // not yet added: no report
    EXPECT_EQ(vector.reports, (std::vector<uint32_t>{2, 4}));
}

TEST(MonitorVectorTest, TheEntryStoreRecyclesItsOldestSliceAfterTwoFullSlices) {
    MSliceVectorRnd<uint32_t> store(16, 10000);
    EXPECT_EQ(store.GetMaxSlices(), 2);
    for (uint32_t i = 0; i <= 70000; ++i) store.Push(i);
    ASSERT_NE(store.Get(70000), nullptr);
    EXPECT_EQ(*store.Get(70000), 70000u);
    EXPECT_EQ(store.GetSliceCount(), 2u);
    for (uint32_t i = 70001; i <= 131072; ++i) store.Push(i);
    EXPECT_EQ(store.GetFirst(), 65536u);
    EXPECT_EQ(store.GetSliceCount(), 2u);
    EXPECT_EQ(store.Get(65535), nullptr);
    EXPECT_EQ(*store.Get(65536), 65536u);
    EXPECT_EQ(*store.Get(131072), 131072u);
    EXPECT_EQ(store.Get(131073), nullptr);

    MonitorVector vector(1024, 10000);
    for (int i = 0; i <= 131072; ++i) vector.AddMessage("", 0);
    EXPECT_EQ(vector.GetFirstIndex(), 65536u);
    EXPECT_EQ(vector.GetCount(), 131073u);
}

using MonitorVectorDeathTest = ::testing::Test;

TEST_F(MonitorVectorDeathTest, RemoveLastAbortsAndAnOversizedMessageExits) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            MonitorVector vector(1, 10);
            vector.AddString("a");
            vector.RemoveLastMessage();
        },
        ::testing::KilledBySignal(SIGABRT), "");
    for (int length : {1025, 65536}) {
        SCOPED_TRACE(length);
        EXPECT_EXIT(
            {
                StderrLogReceiver log;
                MonitorVector vector(length == 1025 ? 1 : 1024, 10);
                vector.AddString(std::string(static_cast<std::size_t>(length), 'x'));
            },
            ::testing::ExitedWithCode(1), "\\[2\\] Can't add message in Message Vector");
    }
}
