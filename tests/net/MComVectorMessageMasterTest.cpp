#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "StderrLogReceiver.h"
#include "core/MTrace.h"
#include "fields/MDescFormat.h"
#include "fields/MTControlFunction.h"
#include "net/MComVectorMessageMaster.h"

namespace {
// The entries taken for sending, as texts.
std::vector<std::string> TakeAll(MComVectorMessageBase& vector) {
    std::vector<std::string> taken;
    while (vector.HasMessagesToSend()) {
        int length = -1;
        const char* data = vector.GetMessage(&length, vector.GetNextToSend());
        taken.emplace_back(data, static_cast<std::size_t>(length));
        vector.AdvanceNextToSend();
    }
    return taken;
}
}  // namespace

TEST(MComVectorMessageMasterTest, ConstructionAllocatesNoBlockAndTheFirstAppendOneOfTheFirstSize) {
    MComVectorMessageMaster vector(2, 3, 10);
    EXPECT_TRUE(vector.GetStorage().GetBlocks().empty());
    EXPECT_FALSE(vector.HasMessagesToSend());
    vector.AddMessage("abc", 3);
    ASSERT_EQ(vector.GetStorage().GetBlocks().size(), 1u);
    EXPECT_EQ(vector.GetStorage().GetBlocks()[0]->GetSize(), 2048);
    EXPECT_EQ(vector.GetCount(), 1u);
}

TEST(MComVectorMessageMasterTest, MessagesAreStoredWholeBackToBackAndANewBlockLeavesTheTailUnused) {
    MComVectorMessageMaster vector(1024, 1024, 10000, 0);
    const std::string message(300, 'm');
    for (int i = 0; i < 3495; ++i) vector.AddString(message);
    const MMsgVector& storage = vector.GetStorage();
    ASSERT_EQ(storage.GetBlocks().size(), 1u);
    EXPECT_EQ(storage.GetBlocks()[0]->GetUsed(), 1048500);

    vector.AddString(std::string(300, 'n'));
    ASSERT_EQ(storage.GetBlocks().size(), 2u);
    EXPECT_EQ(storage.GetBlocks()[0]->GetUsed(), 1048500);  // 76 bytes stay unused
    EXPECT_EQ(storage.GetBlocks()[1]->GetSize(), 1048576);
    EXPECT_EQ(storage.GetBlocks()[1]->GetUsed(), 300);
    int length = 0;
    const char* last = vector.GetMessage(&length, 3495);
    EXPECT_EQ(last, storage.GetBlocks()[1]->GetBegin());
    EXPECT_EQ(std::string(last, 300), std::string(300, 'n'));
    const char* previous = vector.GetMessage(&length, 3494);
    EXPECT_EQ(previous, storage.GetBlocks()[0]->GetBegin() + 1048200);
}

TEST(MComVectorMessageMasterTest, EveryAppendFormIsOneMessageTakenInOrder) {
    MComVectorMessageMaster vector(1, 1, 4);
    vector.AddMessage("one", 3);
    vector.AddString("two");
    vector.AddMessageParts("th", 2, "ree", 3);
    char* room = vector.ReserveMessage(4);
    std::memcpy(room, "four", 4);
    vector.CommitMessage(room, 4);
    vector.AddMessage("", 0);
    EXPECT_EQ(TakeAll(vector), (std::vector<std::string>{"one", "two", "three", "four", ""}));
    EXPECT_EQ(vector.GetNextToSend(), 5u);
    EXPECT_EQ(vector.GetCount(), 5u);  // the session's vector keeps what was sent
    vector.AddMessage("five", 4);
    EXPECT_EQ(TakeAll(vector), std::vector<std::string>{"five"});
}

TEST(MComVectorMessageMasterTest, IndexOperationsStopAtTheirEndsAndReadsOutOfRangeGiveNothing) {
    MComVectorMessageMaster vector(1, 1, 4);
    EXPECT_FALSE(vector.StepBackNextToSend());
    int length = 7;
    EXPECT_EQ(vector.GetMessage(&length, 0), nullptr);
    EXPECT_EQ(length, 0);
    vector.AddMessage("ab", 2);
    vector.AddMessage("cd", 2);
    EXPECT_TRUE(vector.AdvanceNextToSend());
    EXPECT_FALSE(vector.AdvanceNextToSend());
    EXPECT_EQ(vector.GetNextToSend(), 2u);
    EXPECT_FALSE(vector.AdvanceNextToSend());
    EXPECT_EQ(vector.GetNextToSend(), 2u);
    length = 7;
    EXPECT_EQ(vector.GetMessage(&length, 2), nullptr);
    EXPECT_EQ(length, 0);
    EXPECT_TRUE(vector.StepBackNextToSend());
    EXPECT_EQ(vector.GetNextToSend(), 1u);
}

TEST(MComVectorMessageMasterTest, AutoClearEmptiesOnceAllIsTakenAndKeepsOneRewoundBlock) {
    MComVectorMessageMaster vector(1, 1, 4);
    vector.EnableAutoClear();
    EXPECT_FALSE(vector.HasMessagesToSend());  // empty: nothing to clear
    EXPECT_TRUE(vector.GetStorage().GetBlocks().empty());
    for (int i = 0; i < 3; ++i) vector.AddString(std::string(600, 'x'));  // two blocks
    ASSERT_EQ(vector.GetStorage().GetBlocks().size(), 3u);
    EXPECT_EQ(TakeAll(vector).size(), 3u);
    EXPECT_EQ(vector.GetCount(), 0u);
    EXPECT_EQ(vector.GetNextToSend(), 0u);
    ASSERT_EQ(vector.GetStorage().GetBlocks().size(), 1u);
    EXPECT_EQ(vector.GetStorage().GetBlocks()[0]->GetUsed(), 0);
}

TEST(MComVectorMessageMasterTest, RemoveLastGivesBytesBackAndFreesABlockOnlyWhenItIsShort) {
    MComVectorMessageMaster vector(1, 1, 4);
    vector.AddString(std::string(600, 'a'));
    vector.AddString(std::string(600, 'b'));  // second block
    vector.AddString(std::string(100, 'c'));
    vector.AdvanceNextToSend();
    const auto& blocks = vector.GetStorage().GetBlocks();
    vector.RemoveLast(2);
    EXPECT_EQ(vector.GetCount(), 1u);
    ASSERT_EQ(blocks.size(), 2u);  // the second block gave back exactly its bytes and stays
    EXPECT_EQ(blocks[1]->GetUsed(), 0);
    EXPECT_EQ(blocks[0]->GetUsed(), 600);
    vector.RemoveLastMessage();  // the empty current block is freed, the first rewound
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0]->GetUsed(), 0);
    vector.AddString("d");
    vector.RemoveLast(5);
    EXPECT_EQ(vector.GetCount(), 0u);
    EXPECT_EQ(vector.GetNextToSend(), 1u);
}

TEST(MComVectorMessageMasterTest, ClearFreesEveryBlockAndRewindsTheIndex) {
    MComVectorMessageMaster vector(1, 1, 4);
    vector.AddString("a");
    vector.AdvanceNextToSend();
    vector.Clear();
    EXPECT_EQ(vector.GetCount(), 0u);
    EXPECT_EQ(vector.GetNextToSend(), 0u);
    EXPECT_TRUE(vector.GetStorage().GetBlocks().empty());
}

TEST(MComVectorMessageMasterTest, DescribeWritesTheMasterAndBaseTextsUnderTheVectorKey) {
    MComVectorMessageMaster vector(1024, 1024, 10000, 0);
    std::string output;
    MDescFormat describer("\n", 0, false);
    describer.SetOutput(&output);
    vector.Describe(describer, "Session.com");
    char address[32];
    std::snprintf(address, sizeof address, "%p", static_cast<void*>(&vector));
    EXPECT_NE(output.find("Session.com.MComVector"), std::string::npos) << output;
    EXPECT_NE(output.find(std::string("Master ID[ 0] NextToSend/Max 0/0 Base ID[ 0] Connect [N] ptr[") +
                          address + "]"),
              std::string::npos)
        << output;

    vector.SetConnected(true, 3);
    EXPECT_EQ(vector.GetDescription(), "Base ID[ 0] Connect [Y]");
}

TEST(MComVectorMessageMasterTest, TheComControlDescribesTheVectorUnderItsDottedName) {
    MComVectorMessageMaster vector(1024, 1024, 10000, 0);
    MTControlFunction<MComVectorMessageBase> control(&vector, "com", nullptr);
    std::string output;
    MDescFormat describer("\n", 0, false);
    describer.SetOutput(&output);
    control.Describe(describer, "Event_3");
    EXPECT_NE(output.find("Event_3.com.MComVector"), std::string::npos) << output;
}

TEST(MComVectorMessageMasterTest, TracingIsFixedAtConstructionFromTheTraceLevelAndTheVectorsCategory) {
    const int level = GetTraceLevel();
    const int mask = GetTraceMask();
    const struct {
        int level;
        int mask;
        bool traced;
    } cases[] = {{0, 0x80, false}, {1, 0x80, true}, {1, 0x40, false}, {1, 0, false}};
    for (const auto& c : cases) {
        SetTraceLevel(c.level);
        SetTraceMask(c.mask);
        MComVectorMessageMaster vector(1, 1, 1);
        SetTraceLevel(level);
        SetTraceMask(mask);
        EXPECT_EQ(vector.IsTraced(), c.traced) << c.level << " " << c.mask;
    }
}

using MComVectorMessageMasterDeathTest = ::testing::Test;

TEST_F(MComVectorMessageMasterDeathTest, AMessageThatCannotBeStoredEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const char* name;
        int firstKiB;
        int length;
    };
    // Larger than a further block; 65,536 bytes, which a 16-bit entry length would cut.
    for (const Case& c : {Case{"larger than a block", 1, 1025}, Case{"16-bit length", 1024, 65536}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EXIT(
            {
                StderrLogReceiver log;
                MComVectorMessageMaster vector(c.firstKiB, c.firstKiB, 4);
                vector.AddString(std::string(static_cast<std::size_t>(c.length), 'x'));
            },
            ::testing::ExitedWithCode(1), "\\[2\\] Can't add message in Message Vector");
    }
    EXPECT_EXIT(
        {
            StderrLogReceiver log;
            MComVectorMessageMaster vector(1024, 1024, 4);
            vector.AddMessageParts(std::string(40000, 'a').data(), 40000, std::string(30000, 'b').data(),
                                   30000);
        },
        ::testing::ExitedWithCode(1), "\\[2\\] Can't add message in Message Vector");
}
