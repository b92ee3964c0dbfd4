#include <gtest/gtest.h>

#include "StateTablesFixture.h"
#include "core/MError.h"
#include "net/MStatusByStates.h"
#include "support/LogRecorder.h"

namespace {

using StatusTest = StateTablesFixture;
using Technical = EnumStatusByTechnicalState;
using Business = EnumStatusByBusinessState;

TEST_F(StatusTest, BuiltClosedForEveryDefinedState) {
    DefineBusinessStates({"Opening", "Closing"});
    MStatusByStates status;
    ASSERT_EQ(status.GetTechnical().GetStatuses().size(), 7u);
    ASSERT_EQ(status.GetBusiness().GetStatuses().size(), 2u);
    for (const auto& letter : status.GetTechnical().GetStatuses()) EXPECT_TRUE(letter.Is(Technical::Close));
    for (const auto& letter : status.GetBusiness().GetStatuses()) EXPECT_TRUE(letter.Is(Business::Close));
    EXPECT_EQ(status.GetTechnical().GetLetter(7), 'c');
    EXPECT_FALSE(status.GetActivity());
}

TEST_F(StatusTest, ActivityFollowsTheLettersOfTheCurrentStates) {
    MStatusByStates status;
    auto& technical = status.GetTechnical().GetStatuses();
    technical[TECHNICAL_STATE_MASTER].Set(Technical::Open);
    technical[TECHNICAL_STATE_SLAVE].Set(Technical::OpenBusinessStateIgnore);

    GetCurrentStateRef() = TECHNICAL_STATE_MASTER;
    EXPECT_TRUE(status.GetActivity());  // 'o' without business states
    GetCurrentStateRef() = TECHNICAL_STATE_SUSPEND;
    EXPECT_FALSE(status.GetActivity());
    GetCurrentStateRef() = 12;  // no letter for it
    EXPECT_FALSE(status.GetActivity());

    DefineBusinessStates({"Opening", "Closing"});
    MStatusByStates withBusiness;
    withBusiness.GetTechnical().GetStatuses()[TECHNICAL_STATE_MASTER].Set(Technical::Open);
    withBusiness.GetTechnical().GetStatuses()[TECHNICAL_STATE_SLAVE].Set(Technical::OpenBusinessStateIgnore);
    withBusiness.GetBusiness().GetStatuses()[1].Set(Business::Open);
    const struct {
        uint32_t technical;
        uint32_t business;
        bool active;
    } cases[] = {{TECHNICAL_STATE_MASTER, 0, false},
                 {TECHNICAL_STATE_MASTER, 1, true},
                 {TECHNICAL_STATE_MASTER, 5, false},
                 {TECHNICAL_STATE_SLAVE, 0, true},
                 {TECHNICAL_STATE_REPLAY, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.technical << "/" << c.business);
        GetCurrentStateRef() = c.technical;
        GetCurrentBusinessStateRef() = c.business;
        EXPECT_EQ(withBusiness.GetActivity(), c.active);
    }
}

TEST_F(StatusTest, UnknownLetterIsLoggedAndInactive) {
    LogRecorder log;
    MStatusByStates status;
    status.GetTechnical().GetStatuses()[0] = MStatusByTechnicalStates::Status(static_cast<Technical>('x'));
    EXPECT_FALSE(status.GetActivity());
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0].level, 2);
    EXPECT_EQ(log.messages[0].text, "Invalid Status for State");
}

}  // namespace
