#include "net/BaseGateway.h"

#include <cstdio>
#include <cstdlib>

#include "core/MError.h"
#include "core/ProcessClock.h"
#include "core/TimeUnits.h"
#include "net/GatewayState.h"
#include "net/MGatewayService.h"
#include "net/MMasterSlaveLinkMgr.h"

namespace {

std::atomic<BaseGateway*> currentGateway{nullptr};

}  // namespace

BaseGateway::BaseGateway() {
    currentGateway.store(this);
}

BaseGateway::~BaseGateway() {
    BaseGateway* self = this;
    currentGateway.compare_exchange_strong(self, nullptr);
}

BaseGateway* GetCurrentGateway() {
    return currentGateway.load();
}

void RequestKill(BaseGateway& gateway) {
    int32_t expected = 0;
    if (gateway.killRequested_.compare_exchange_strong(expected, 1)) gateway.GetMediator().SetStop();
}

int ConsoleControlHandler(unsigned ctrlType) {
    BaseGateway* gateway = GetCurrentGateway();
    if (ctrlType <= 2 && gateway) {
        SetPendingLogNotice("Receive Signal to kill application");
        RequestKill(*gateway);
        return 1;
    }
    if (ctrlType == 6) {
        SetPendingLogNotice("Receive Signal CTRL_SHUTDOWN_EVENT");
        std::_Exit(1);
    }
    SetPendingLogNotice("Receive unhandled Signal ");
    return 1;
}

bool OnScheduledKill(BaseGateway& gateway) {
    ReadCurrentTime();
    const int64_t seconds = GetLocalTimeOfDay() / kNanosecondsPerSecond;
    char time[40];
    std::snprintf(time, sizeof(time), "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    LogMessage("BaseGateway", 486, LOG_INFO, "Time Execute Kill %s", time);
    gateway.GetMediator().SetStop();
    return true;
}

bool OnManualKill(BaseGateway&) {
    SetPendingLogNotice("Receive Manual Kill application");
    BaseGateway* current = GetCurrentGateway();
    if (GetCurrentStateRef() != TECHNICAL_STATE_REPLAY && current) RequestKill(*current);
    return true;
}

bool OnGatewayTick(BaseGateway& gateway) {
    if (MGatewayService* service = gateway.GetService()) {
        if (IsRunningTechnicalState()) service->OnPeriodic();
        MMasterSlaveLinkMgr* link = gateway.GetLinkManager();
        if (gateway.GetTechnicalState().GetMark() == 0 && gateway.IsLinkForwarding() && link) {
            link->StoreLastMessageNumber();
        }
    }
    gateway.OnNextPeriodic();
    return true;
}

bool OnTechnicalStateChanged(BaseGateway& gateway) {
    if (IsRunningTechnicalState()) {
        gateway.GetMediator().SetClockRefresh(!IsSlaveTechnicalState(GetCurrentStateRef()));
    }
    return true;
}
