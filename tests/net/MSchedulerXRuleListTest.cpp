#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "StateTablesFixture.h"
#include "core/MTrace.h"
#include "net/MSchedulerXRuleList.h"
#include "support/TimeTestSupport.h"

namespace {

using Technical = EnumStatusByTechnicalState;
using Business = EnumStatusByBusinessState;

MDateTimeTimePoint At(int hour, int minute, int second = 0) {
    return MDateTimeTimePoint(LocalCount(2021, 3, 4, hour, minute, second), TIME_UNIT_NANOSECOND);
}

class TestRule : public MSchedulerXRule {
public:
    TestRule(const std::string& name, const MDateTimeTimePoint& next, bool open, int* destroyed = nullptr)
        : destroyed_(destroyed) {
        SetName(name);
        SetNextDate(next);
        // Open in every technical state, or closed in every one.
        for (auto& letter : GetStatus().GetTechnical().GetStatuses()) {
            letter.Set(open ? Technical::OpenBusinessStateIgnore : Technical::Close);
        }
        RefreshStatus();
    }
    ~TestRule() override {
        if (destroyed_) ++*destroyed_;
    }
    const char* GetKey(int* length) const override {
        *length = static_cast<int>(GetName().size());
        return GetName().data();
    }
    bool AfterFire() override { return keep && MSchedulerXRule::AfterFire(); }
    bool keep = true;

private:
    int* destroyed_;
};

class SchedulerTest : public StateTablesFixture {
protected:
    ScopedTimeZone zone_{kZoneUtc};
    ScopedNow now_{LocalCount(2021, 3, 4, 9, 30)};
    MSchedulerXRuleList list_;

    TestRule& Add(const std::string& name, const MDateTimeTimePoint& next, bool open) {
        auto rule = std::make_unique<TestRule>(name, next, open);
        TestRule& added = *rule;
        list_.AddRule(std::move(rule));
        return added;
    }
    std::vector<std::string> Order() const {
        std::vector<std::string> names;
        for (const auto& rule : list_.GetRules()) names.push_back(rule->GetName());
        return names;
    }
    using Names = std::vector<std::string>;
};

TEST_F(SchedulerTest, RuleFiresWhenItsNextDateHasCome) {
    TestRule rule("r", At(10, 0), true);
    EXPECT_EQ(rule.GetLastDate(), At(9, 30));  // built now
    EXPECT_FALSE(rule.Fire(At(9, 59, 59)));
    EXPECT_EQ(rule.GetLastDate(), At(9, 30));
    EXPECT_TRUE(rule.Fire(At(10, 0)));
    EXPECT_EQ(rule.GetLastDate(), At(10, 0));
    EXPECT_TRUE(rule.Fire(At(10, 1)));
    EXPECT_EQ(rule.GetLastDate(), At(10, 1));
    EXPECT_EQ(rule.GetNow(), At(9, 30));
    EXPECT_EQ(rule.GetText(), "r");
}

TEST_F(SchedulerTest, OpenRulesComeFirstThenByNextDate) {
    Add("closed9", At(9, 0), false);
    Add("open1005", At(10, 5), true);
    Add("closed8", At(8, 0), false);
    Add("open1004", At(10, 4), true);
    Add("open1006", At(10, 6), true);
    EXPECT_EQ(Order(), (Names{"open1004", "open1005", "open1006", "closed8", "closed9"}));
}

TEST_F(SchedulerTest, RescheduledRuleMovesOnByThePeriod) {
    list_.SetPeriod(MTimeDuration(5, TIME_UNIT_MINUTE));
    Add("at1004", At(10, 4), true);
    Add("at1005", At(10, 5), true);
    Add("rule", At(10, 0), true);
    Add("at1006", At(10, 6), true);
    Add("closed", At(9, 0), false);
    ASSERT_EQ(Order(), (Names{"rule", "at1004", "at1005", "at1006", "closed"}));

    EXPECT_TRUE(list_.ReSchedule_Text("rule"));
    EXPECT_EQ(Order(), (Names{"at1004", "rule", "at1005", "at1006", "closed"}));
    EXPECT_EQ(list_.GetRules().front()->GetNextDate(), At(10, 4));
    EXPECT_EQ((*std::next(list_.GetRules().begin()))->GetNextDate(), At(10, 5));

    // Unknown keys (a key matches whole) change nothing and answer true; an empty key false.
    for (const char* key : {"unknown", "rul", "rules"}) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(list_.ReSchedule_Text(key));
    }
    EXPECT_FALSE(list_.ReSchedule_Text(""));
    EXPECT_EQ(Order(), (Names{"at1004", "rule", "at1005", "at1006", "closed"}));
    EXPECT_EQ((*std::next(list_.GetRules().begin()))->GetNextDate(), At(10, 5));
}

TEST_F(SchedulerTest, OneShotRuleClosesAfterFiring) {
    list_.SetPeriod(MTimeDuration(5, TIME_UNIT_MINUTE));
    TestRule& once = Add("once", At(10, 0), true);
    once.SetOneShot(true);
    TestRule& other = Add("other", At(11, 0), true);
    Add("closed", At(10, 30), false);
    ASSERT_EQ(Order(), (Names{"once", "other", "closed"}));

    EXPECT_TRUE(list_.ReSchedule_Text("once"));
    EXPECT_FALSE(once.IsOpen());
    EXPECT_EQ(once.GetNextDate(), At(10, 5));
    EXPECT_EQ(Order(), (Names{"other", "once", "closed"}));

    list_.RescheduleRule(other);
    EXPECT_EQ(Order(), (Names{"other", "once", "closed"}));
}

TEST_F(SchedulerTest, RuleThatIsNotKeptIsDestroyed) {
    int destroyed = 0;
    auto rule = std::make_unique<TestRule>("drop", At(10, 0), true, &destroyed);
    rule->keep = false;
    list_.AddRule(std::move(rule));
    Add("stay", At(10, 1), true);
    EXPECT_TRUE(list_.ReSchedule_Text("drop"));
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Order(), (Names{"stay"}));
}

TEST_F(SchedulerTest, StateChangeReopensAndResorts) {
    TestRule& master = Add("master", At(10, 0), false);
    Add("always", At(11, 0), true);
    master.GetStatus().GetTechnical().GetStatuses()[TECHNICAL_STATE_MASTER].Set(Technical::Open);
    ASSERT_EQ(Order(), (Names{"always", "master"}));

    GetCurrentStateRef() = TECHNICAL_STATE_MASTER;
    EXPECT_TRUE(list_.RefreshAllStatus(TECHNICAL_STATE_MASTER));
    EXPECT_TRUE(master.IsOpen());
    EXPECT_EQ(Order(), (Names{"master", "always"}));

    GetCurrentStateRef() = TECHNICAL_STATE_SLAVE;
    list_.RescheduleRule(master);
    EXPECT_FALSE(master.IsOpen());
    EXPECT_EQ(Order(), (Names{"always", "master"}));
}

// The trace describer's entry for a line with an empty value.
std::string Entry(const std::string& line) {
    return line.size() < 50 ? line + std::string(50 - line.size(), ' ') + "\n" : line + "\n";
}

class SchedulerTraceTest : public SchedulerTest {
protected:
    void SetUp() override {
        // A table of two technical states, of which Master is current.
        GetTechnicalStateDefs().push_back(MStateDef("Initializing"));
        GetTechnicalStateDefs().push_back(MStateDef("Master"));
        GetCurrentStateRef() = 1;
        SetTraceStream(&trace_);
        SetTraceLevel(1);
        SetTraceMask(0x8000);
    }
    void TearDown() override {
        SetTraceStream(nullptr);
        SetTraceLevel(0);
        SetTraceMask(0);
        SchedulerTest::TearDown();
    }
    void AddRules() {
        auto alpha = std::make_unique<TestRule>("alpha", At(10, 0), false);
        alpha->GetStatus().GetTechnical().GetStatuses()[1].Set(Technical::OpenBusinessStateIgnore);
        auto beta = std::make_unique<TestRule>("beta", At(10, 5), false);
        beta->GetStatus().GetTechnical().GetStatuses()[0].Set(Technical::Open);
        alpha_ = alpha.get();
        beta_ = beta.get();
        list_.AddRule(std::move(beta));
        list_.AddRule(std::move(alpha));
    }
    std::ostringstream trace_;
    TestRule* alpha_ = nullptr;
    TestRule* beta_ = nullptr;
};

TEST_F(SchedulerTraceTest, StatusTablesGoToTheTraceOnlyWhenAskedFor) {
    AddRules();
    list_.RefreshAllStatus(1);
    EXPECT_EQ(trace_.str(), "");  // the list's trace flag is off
    list_.SetTrace(true);
    SetTraceMask(0x7FFF);
    list_.RefreshAllStatus(1);
    EXPECT_EQ(trace_.str(), "");  // the scheduler's category is off

    SetTraceMask(0x8000);
    list_.RefreshAllStatus(1);
    const std::string describeAlpha =
        "alpha                O Next Date 2021/03/04 10:00:00.000 Last 2021/03/04 09:30:00.000 alpha";
    const std::string describeBeta =
        "beta                 C Next Date 2021/03/04 10:05:00.000 Last 2021/03/04 09:30:00.000 beta";
    EXPECT_EQ(trace_.str(), Entry("RefreshAllStatus") +
                                Entry(" Name                 | Status | Initializing |*Master |") +
                                Entry(std::string(56, '=')) +
                                Entry(" alpha                | Open   |              | *A     |") +
                                Entry(" beta                 | Close  |  o           | *      |") + "\n" +
                                Entry(describeAlpha) + Entry(describeBeta));

    trace_.str("");
    list_.ReSchedule_Text("beta");
    EXPECT_EQ(trace_.str(), Entry("ReSchedule_Text") + Entry(describeBeta));
}

TEST_F(SchedulerTraceTest, BusinessStatesGetASecondTable) {
    DefineBusinessStates({"Opening", "Closing"});
    GetCurrentBusinessStateRef() = 1;
    AddRules();
    alpha_->GetStatus().GetBusiness().GetStatuses()[0].Set(Business::Open);
    beta_->GetStatus().GetBusiness().GetStatuses()[1].Set(Business::Open);
    list_.SetTrace(true);
    list_.RescheduleRule(*alpha_);
    const std::string text = trace_.str();
    const std::string business = "\n" + Entry(" Name                 | Status | Opening |*Closing |") +
                                 Entry(std::string(52, '=')) +
                                 Entry(" alpha                | Open   |  o      | *       |") +
                                 Entry(" beta                 | Close  |         | *o      |") + "\n";
    EXPECT_NE(text.find(business), std::string::npos) << text;
    EXPECT_EQ(text.rfind(Entry("RefreshStatus"), 0), 0u);
}

}  // namespace
