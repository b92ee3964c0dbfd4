#pragma once
// The scheduler's rules, kept in order: open rules before closed ones, and within each group the
// earlier next date first. A rule that has fired is moved on by the list's period; the open states
// are recomputed when the application state changes. With its trace flag set and the scheduler's
// trace category on (7, 0x8000), every change writes status tables to the trace describer. Owns
// its rules. GUI thread only.
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "fields/MTTimePoint.h"
#include "fields/MTimeDuration.h"
#include "net/MSchedulerXRule.h"
#include "net/MStateDef.h"

class MSchedulerXRuleList {
public:
    // Puts the rule in its place: before the first rule that does not come before it.
    void AddRule(std::unique_ptr<MSchedulerXRule> rule);

    // False for an empty key. Otherwise takes the first rule whose key equals the key (same
    // length and bytes) out of the list and, when its AfterFire keeps it, puts it back with its
    // next date moved on by the period (else destroys it); true, also when no rule matches.
    bool ReSchedule_Text(const std::string& key);
    // Refreshes the rule's status, re-sorts the list and writes the "RefreshStatus" table.
    void RescheduleRule(MSchedulerXRule& rule);
    // Refreshes every rule's status, re-sorts the list and writes the "RefreshAllStatus" table.
    bool RefreshAllStatus(int stateIndex);

    const std::list<std::unique_ptr<MSchedulerXRule>>& GetRules() const { return rules_; }
    const MTimeDuration& GetPeriod() const { return period_; }
    void SetPeriod(const MTimeDuration& period) { period_ = period; }
    void SetTrace(bool trace) { trace_ = trace; }
    // The current time taken at the start of the last operation.
    const MDateTimeTimePoint& GetNow() const { return now_; }

    // Whether a comes before b in the list's order.
    static bool ComesBefore(const MSchedulerXRule& a, const MSchedulerXRule& b);

private:
    bool IsTracing() const;
    void Sort();
    void Insert(std::unique_ptr<MSchedulerXRule> rule);
    void WriteStatusTable(const std::string& title) const;
    // The header over the states and one row per rule with its letters (letterOf) per state.
    void WriteStateTable(MDescFormat& describer, const MStateDefs& states, int64_t currentState,
                         char (*letterOf)(const MStatusByStates&, std::size_t)) const;

    std::list<std::unique_ptr<MSchedulerXRule>> rules_;
    bool trace_ = false;
    MTimeDuration period_;
    MDateTimeTimePoint now_;
};
