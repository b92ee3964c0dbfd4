#pragma once
// The base of every object that reports itself to the monitor. Each control takes the next
// identifier of a process-wide counter (1, 2, ...; never reused) as its identifier and reference
// id, and is registered, by its address, in a process-wide registry from the end of its
// construction to the start of its destruction. ReportAll calls every registered control in
// ascending address order; the registry must not change during that walk. GUI thread only.
#include <cstdint>
#include <map>

#include "fields/MIntX.h"

class MonitorControl {
public:
    using View = std::map<uintptr_t, MonitorControl*>;

    MonitorControl();
    virtual ~MonitorControl();
    MonitorControl(const MonitorControl&) = delete;
    MonitorControl& operator=(const MonitorControl&) = delete;

    // Sends the object's state to the monitor.
    virtual void ReportToMonitor(bool force) = 0;

    int32_t GetIdentifier() const { return identifier_; }
    int32_t GetReferenceId() const { return referenceId_; }
    void SetReferenceId(int32_t id) { referenceId_ = id; }

    static void ReportAll(bool force);
    static const View& GetRegistry();
    // The last identifier handed out.
    static int32_t GetLastIdentifier();

private:
    int32_t identifier_;
    int32_t referenceId_;
};
