#include "net/MonitorControl.h"

namespace {
MLong& IdentifierCounter() {
    static MLong counter;
    return counter;
}

MonitorControl::View& Registry() {
    static MonitorControl::View registry;
    return registry;
}
}  // namespace

MonitorControl::MonitorControl() {
    identifier_ = IdentifierCounter().PreIncrement().GetValue();
    referenceId_ = identifier_;
    Registry()[reinterpret_cast<uintptr_t>(this)] = this;
}

MonitorControl::~MonitorControl() {
    Registry().erase(reinterpret_cast<uintptr_t>(this));
}

void MonitorControl::ReportAll(bool force) {
    for (const auto& [key, control] : Registry()) control->ReportToMonitor(force);
}

const MonitorControl::View& MonitorControl::GetRegistry() {
    return Registry();
}

int32_t MonitorControl::GetLastIdentifier() {
    return IdentifierCounter().GetValue();
}
