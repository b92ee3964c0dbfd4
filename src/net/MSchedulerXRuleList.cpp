#include "net/MSchedulerXRuleList.h"

#include <cstdio>
#include <cstring>

#include "core/MTrace.h"
#include "fields/MTraceDescFormat.h"
#include "fields/TimeArithmetic.h"
#include "net/GatewayState.h"
#include "net/StatusTable.h"

namespace {
constexpr char kFirstColumns[] = " Name                 | Status |";
}

bool MSchedulerXRuleList::ComesBefore(const MSchedulerXRule& a, const MSchedulerXRule& b) {
    if (a.IsOpen() != b.IsOpen()) return a.IsOpen();
    return a.GetNextDate() < b.GetNextDate();
}

void MSchedulerXRuleList::AddRule(std::unique_ptr<MSchedulerXRule> rule) {
    if (rule) Insert(std::move(rule));
}

void MSchedulerXRuleList::Insert(std::unique_ptr<MSchedulerXRule> rule) {
    auto at = rules_.begin();
    while (at != rules_.end() && ComesBefore(**at, *rule)) ++at;
    rules_.insert(at, std::move(rule));
}

void MSchedulerXRuleList::Sort() {
    rules_.sort([](const std::unique_ptr<MSchedulerXRule>& a, const std::unique_ptr<MSchedulerXRule>& b) {
        return ComesBefore(*a, *b);
    });
}

bool MSchedulerXRuleList::IsTracing() const {
    return trace_ && IsTraceEnabled(7, 0x8000);
}

bool MSchedulerXRuleList::ReSchedule_Text(const std::string& key) {
    now_.SetNow(false);
    if (key.empty()) return false;
    auto found = rules_.begin();
    for (; found != rules_.end(); ++found) {
        int length = 0;
        const char* ruleKey = (*found)->GetKey(&length);
        if (ruleKey && length >= 0 && static_cast<std::size_t>(length) == key.size() &&
            std::memcmp(ruleKey, key.data(), key.size()) == 0) {
            break;
        }
    }
    if (found == rules_.end()) return true;
    if (IsTracing()) {
        MTraceDescFormat& describer = GetTraceDescFormat();
        describer.WriteText("ReSchedule_Text", "");
        (*found)->Describe(describer);
    }
    std::unique_ptr<MSchedulerXRule> rule = std::move(*found);
    rules_.erase(found);
    if (!rule->AfterFire()) return true;
    rule->SetNextDate(rule->GetNextDate() + period_);
    Insert(std::move(rule));
    return true;
}

void MSchedulerXRuleList::RescheduleRule(MSchedulerXRule& rule) {
    now_.SetNow(false);
    rule.RefreshStatus();
    Sort();
    WriteStatusTable("RefreshStatus");
}

bool MSchedulerXRuleList::RefreshAllStatus(int stateIndex) {
    now_.SetNow(false);
    for (const std::unique_ptr<MSchedulerXRule>& rule : rules_) rule->RefreshStatus();
    Sort();
    WriteStatusTable("RefreshAllStatus");
    return true;
}

void MSchedulerXRuleList::WriteStatusTable(const std::string& title) const {
    if (!IsTracing()) return;
    MTraceDescFormat& describer = GetTraceDescFormat();
    describer.WriteText(title, "");
    WriteStateTable(
        describer, GetTechnicalStateDefs(), GetCurrentStateRef(),
        [](const MStatusByStates& status, std::size_t i) { return status.GetTechnical().GetLetter(i); });
    if (!rules_.empty() && !rules_.front()->GetStatus().GetBusiness().GetStatuses().empty()) {
        describer.WriteText("", "");
        WriteStateTable(
            describer, GetBusinessStateDefs(), GetCurrentBusinessStateIndex(),
            [](const MStatusByStates& status, std::size_t i) { return status.GetBusiness().GetLetter(i); });
    }
    describer.WriteText("", "");
    for (const std::unique_ptr<MSchedulerXRule>& rule : rules_) rule->Describe(describer);
}

void MSchedulerXRuleList::WriteStateTable(MDescFormat& describer, const MStateDefs& states,
                                          int64_t currentState,
                                          char (*letterOf)(const MStatusByStates&, std::size_t)) const {
    WriteTableHeader(states, describer, kFirstColumns, currentState);
    for (const std::unique_ptr<MSchedulerXRule>& rule : rules_) {
        char first[48];
        std::snprintf(first, sizeof(first), " %-20.20s | %-6s |", rule->GetName().c_str(),
                      rule->IsOpen() ? "Open" : "Close");
        std::string line = first;
        const MStatusByStates& status = rule->GetStatus();
        AppendStateCells(line, states, currentState, [&](std::size_t i) { return letterOf(status, i); });
        describer.WriteText(line, "");
    }
}
