#pragma once
// A named, periodic item of the scheduler: its next and last date, an open flag recomputed from
// its status per technical and business state, a one-shot flag (the rule closes after it fires)
// and a finished mark with which the owner of a timer rule ends it. Abstract: a concrete rule
// gives its key. Owned by the rule list that holds it. GUI thread only.
#include <cstdint>
#include <string>

#include "fields/MTTimePoint.h"
#include "net/MStatusByStates.h"

class MDescFormat;

class MSchedulerXRule {
public:
    // Closed, unnamed, both dates now, not one-shot; the status is sized to the state tables.
    MSchedulerXRule() = default;
    virtual ~MSchedulerXRule() = default;
    MSchedulerXRule(const MSchedulerXRule&) = delete;
    MSchedulerXRule& operator=(const MSchedulerXRule&) = delete;

    virtual void SetName(const std::string& name) { name_ = name; }
    virtual const std::string& GetName() const { return name_; }
    // The current time of the framework clock.
    virtual MDateTimeTimePoint GetNow() const { return MDateTimeTimePoint(); }
    // When the next date has come (at or before now): the last date becomes now and the answer
    // is true.
    virtual bool Fire(const MDateTimeTimePoint& now);
    // A description of the rule: its name.
    virtual std::string GetText() const { return name_; }
    // The rule's key text and its length.
    virtual const char* GetKey(int* length) const = 0;
    // After firing: closes a one-shot rule; true keeps the rule in its list.
    virtual bool AfterFire();
    // The open flag becomes the activity of the status in the current states.
    virtual void RefreshStatus() { open_ = status_.GetActivity(); }
    // One entry with an empty value: "%-20.20s %c Next Date %s Last %s %s" with the name, 'O' or
    // 'C', the next and the last date and GetText.
    virtual void Describe(MDescFormat& describer) const;

    MStatusByStates& GetStatus() { return status_; }
    const MStatusByStates& GetStatus() const { return status_; }
    bool IsOpen() const { return open_; }
    const MDateTimeTimePoint& GetLastDate() const { return lastDate_; }
    const MDateTimeTimePoint& GetNextDate() const { return nextDate_; }
    void SetNextDate(const MDateTimeTimePoint& date) { nextDate_ = date; }
    bool IsOneShot() const { return oneShot_; }
    void SetOneShot(bool oneShot) { oneShot_ = oneShot; }
    bool IsFinished() const { return finished_ != 0; }
    void SetFinished(bool finished) { finished_ = finished ? 1 : 0; }

private:
    MStatusByStates status_;
    bool open_ = false;
    std::string name_;
    MDateTimeTimePoint lastDate_;
    MDateTimeTimePoint nextDate_;
    bool oneShot_ = false;
    uint8_t finished_ = 0;
};
