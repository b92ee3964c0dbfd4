#pragma once
// The gateway object of a gateway process, as far as the framework touches it: its technical
// state part with the scheduler, its manager-client holder, its name, its event loop, its link
// manager and attached service (neither owned), the kill-requested flag and the link forwarding
// flag. Building one makes it the current gateway, until it is destroyed.
//
// Kill handling: ConsoleControlHandler is the process's console-control handler, to be
// registered by whoever builds a gateway; it runs on a thread of its own and only stores the
// pending log notice and sets the kill-requested and stop flags, which are atomic. Everything
// else runs on the event thread.
#include <atomic>
#include <cstdint>
#include <string>

#include "net/MEventMediator.h"
#include "net/MTechnicalState.h"
#include "net/ManagerClientMgr.h"

class MGatewayService;
class MMasterSlaveLinkMgr;

class BaseGateway {
public:
    BaseGateway();
    virtual ~BaseGateway();
    BaseGateway(const BaseGateway&) = delete;
    BaseGateway& operator=(const BaseGateway&) = delete;

    // The gateway's own step at the end of every periodic step; nothing here.
    virtual void OnNextPeriodic() {}

    MTechnicalState& GetTechnicalState() { return technicalState_; }
    ManagerClientMgr& GetManagerClientMgr() { return managerClient_; }
    const std::string& GetGatewayName() const { return gatewayName_; }
    void SetGatewayName(const std::string& name) { gatewayName_ = name; }
    MEventMediator& GetMediator() { return mediator_; }
    MMasterSlaveLinkMgr* GetLinkManager() const { return linkManager_; }
    void SetLinkManager(MMasterSlaveLinkMgr* linkManager) { linkManager_ = linkManager; }
    MGatewayService* GetService() const { return service_; }
    void SetService(MGatewayService* service) { service_ = service; }
    bool IsKillRequested() const { return killRequested_.load() != 0; }
    bool IsLinkForwarding() const { return linkForwarding_ != 0; }
    void SetLinkForwarding(bool on) { linkForwarding_ = on ? 1 : 0; }

private:
    friend void RequestKill(BaseGateway& gateway);

    MTechnicalState technicalState_;
    ManagerClientMgr managerClient_;
    std::string gatewayName_;
    MEventMediator mediator_;
    MMasterSlaveLinkMgr* linkManager_ = nullptr;
    MGatewayService* service_ = nullptr;
    std::atomic<int32_t> killRequested_{0};
    uint8_t linkForwarding_ = 0;
};

// The current gateway: the last one built, until it is destroyed; null before and after.
BaseGateway* GetCurrentGateway();

// Console-control types 0 to 2 (Ctrl+C, Ctrl+Break, console closed) with a current gateway set
// the pending log notice "Receive Signal to kill application" and request the kill; type 6
// (system shutdown) sets "Receive Signal CTRL_SHUTDOWN_EVENT" and ends the process at once with
// exit code 1; any other case sets "Receive unhandled Signal ". Answers 1.
int ConsoleControlHandler(unsigned ctrlType);
// Sets the gateway's kill-requested flag and stops its event loop, the first time only.
void RequestKill(BaseGateway& gateway);
// Logs "Time Execute Kill HH:MM:SS" at level 6 and stops the event loop; the kill-requested flag
// stays. True.
bool OnScheduledKill(BaseGateway& gateway);
// Sets the pending log notice "Receive Manual Kill application" and, unless the technical state
// is Replay, requests the kill of the current gateway. True.
bool OnManualKill(BaseGateway& gateway);
// With an attached service: its periodic step while running, then, with the technical state's
// mark 0 and link forwarding on, the link manager stores the last message number. Always the
// gateway's OnNextPeriodic last. True.
bool OnGatewayTick(BaseGateway& gateway);
// While running, the event loop refreshes the clock in Master and StandAlone and not in Slave
// and LinkedSlave; other states leave it. True.
bool OnTechnicalStateChanged(BaseGateway& gateway);
