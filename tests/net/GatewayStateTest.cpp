#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "net/GatewayState.h"

namespace {

// Puts the current technical state back when the test ends.
class StateGuard {
public:
    ~StateGuard() { GetCurrentStateRef() = TECHNICAL_STATE_INITIALIZING; }
};

TEST(GatewayState, LettersRunningAndSlaveStates) {
    StateGuard guard;
    EXPECT_EQ(GetCurrentStateRef(), TECHNICAL_STATE_INITIALIZING);
    EXPECT_EQ(GetCurrentBusinessStateIndex(), 0u);
    const struct {
        uint32_t index;
        char letter;
        bool running;
        bool slave;
    } cases[] = {{0, 'I', false, false}, {1, 'R', false, false},  {2, 'M', true, false},
                 {3, 'S', true, true},   {4, 'A', true, false},   {5, 'P', false, false},
                 {6, 'L', true, true},   {7, '\0', false, false}, {9, '\0', false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(TechnicalStateLetter(c.index), c.letter);
        EXPECT_EQ(IsSlaveTechnicalState(c.index), c.slave);
        GetCurrentStateRef() = c.index;
        EXPECT_EQ(IsRunningTechnicalState(), c.running);
    }
}

TEST(GatewayState, TablesAndCallBackListsStartEmpty) {
    EXPECT_TRUE(GetTechnicalStateDefs().empty());
    EXPECT_EQ(GetBusinessStateCount(), 0u);
    EXPECT_EQ(GetBusinessStateDef(0), nullptr);
    EXPECT_EQ(GetTechnicalStateCallBacks().GetCount(), 0u);
    EXPECT_EQ(GetBusinessStateCallBacks().GetCount(), 0u);
    EXPECT_EQ(GetBusinessStateDefs().GetName(), "");

    GetBusinessStateDefs().push_back(MStateDef("Opening"));
    EXPECT_EQ(GetBusinessStateCount(), 1u);
    ASSERT_NE(GetBusinessStateDef(0), nullptr);
    EXPECT_STREQ(GetBusinessStateDef(0)->Name, "Opening");
    GetBusinessStateDefs().clear();
}

TEST(MStateDef, TextsAreCutToTheirArrays) {
    const std::string longName(60, 'n');
    const std::string longText(300, 't');
    MStateDef def(longName.c_str(), longText.c_str());
    EXPECT_EQ(std::string(def.Name), std::string(40, 'n'));
    EXPECT_EQ(std::string(def.Description), std::string(255, 't'));
    MStateDef copy = def;
    EXPECT_STREQ(copy.Name, def.Name);
    EXPECT_STREQ(MStateDef(nullptr).Name, "");
    MStateDefs defs(2);
    EXPECT_EQ(defs.size(), 2u);
    EXPECT_STREQ(defs[1].Name, "");
}

class CountedCallBack : public MCallBack<const char*> {
public:
    explicit CountedCallBack(int& destroyed) : destroyed_(destroyed) {}
    ~CountedCallBack() override { ++destroyed_; }

private:
    int& destroyed_;
};

TEST(MCallBacks, DestroysEveryHeldCallBackOnce) {
    int destroyed = 0;
    {
        MCallBacks<const char*> list(1);  // one empty entry
        list.Add(std::make_unique<CountedCallBack>(destroyed));
        list.Add(std::make_unique<CountedCallBack>(destroyed));
        EXPECT_EQ(list.GetCount(), 3u);
        EXPECT_EQ(list.GetAt(0), nullptr);
        EXPECT_NE(list.GetAt(2), nullptr);
        EXPECT_EQ(list.GetAt(3), nullptr);
    }
    EXPECT_EQ(destroyed, 2);

    MCallBacks<const char*> list;
    list.Add(std::make_unique<CountedCallBack>(destroyed));
    list.DeleteAll();
    EXPECT_EQ(destroyed, 3);
    EXPECT_EQ(list.GetCount(), 0u);
}

}  // namespace
