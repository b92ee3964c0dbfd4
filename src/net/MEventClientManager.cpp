#include "net/MEventClientManager.h"

#include <cstdlib>
#include <string>

#include "core/MError.h"
#include "net/BaseGateway.h"
#include "net/GatewayState.h"
#include "net/MSchedulerXRule.h"
#include "net/ManagerHeartbeat.h"
#include "net/ManagerRefresh.h"
#include "net/ManagerRequestToBeMaster.h"
#include "net/MonitorControl.h"

namespace {

// The records shared by every manager client, built at their first send.
ManagerRefresh& RefreshRecord() {
    static ManagerRefresh record;
    return record;
}
ManagerRequestToBeMaster& RequestRecord() {
    static ManagerRequestToBeMaster record;
    return record;
}
ManagerHeartbeat& HeartbeatRecord(const std::string& gatewayName) {
    static ManagerHeartbeat record(gatewayName);
    return record;
}

// The letter of the current technical state (the zero byte above 6) and the name of the current
// business state (blank when there is no business state table).
void FillStates(ManagerTechnicalState& technical, MRPString<20, 32, MValAccept>& business) {
    technical.Set(static_cast<EnumManagerTechnicalState>(TechnicalStateLetter(GetCurrentStateRef())));
    const MStateDef* state =
        GetBusinessStateCount() != 0 ? GetBusinessStateDef(GetCurrentBusinessStateIndex()) : nullptr;
    business.Clear();
    if (state) business.SetText(state->Name);
}

}  // namespace

MEventClientManager::MEventClientManager(int32_t id, MEventMediator* mediator, MSocketBufferingIn* input,
                                         MSocketBufferingOut* output, MEventSocketSelect* listener,
                                         const MSocketAddressList* addresses, bool registerOutput,
                                         bool registerInput, const MTimeDuration* period, bool maySleep,
                                         BaseGateway* gateway)
    : MEventActiveTcpSocketWithTime(id, mediator, input, output, listener, addresses, registerOutput,
                                    registerInput, period, maySleep),
      gateway_(gateway) {}

int32_t& MEventClientManager::HeartbeatTickCount() {
    static int32_t count = 0;
    return count;
}

void MEventClientManager::Send(const void* record, int length) {
    AddControlMessage(static_cast<const char*>(record), length);
}

void MEventClientManager::SendRefresh() {
    ManagerRefresh& record = RefreshRecord();
    record.Header.GatewayId.SetString(gateway_ ? gateway_->GetGatewayName() : std::string());
    FillStates(record.TechnicalState, record.BusinessState);
    Send(&record, sizeof(record));
}

bool MEventClientManager::OnRefreshTimer() {
    SendRefresh();
    return true;
}

bool MEventClientManager::OnHeartbeatTimer() {
    const ManagerHeartbeat& record = HeartbeatRecord(gateway_ ? gateway_->GetGatewayName() : std::string());
    if (unansweredHeartbeats_ == 2) {
        OnHeartbeatAckTimeout();
        return true;
    }
    ++unansweredHeartbeats_;
    Send(&record, sizeof(record));
    int32_t& ticks = HeartbeatTickCount();
    ticks = static_cast<int32_t>(static_cast<uint32_t>(ticks) + 1u);
    if (ticks & 1) MonitorControl::ReportAll(false);
    return true;
}

void MEventClientManager::OnHeartbeatAckTimeout() {
    LogMessage("MEventClientManager", 280, LOG_CRITICAL, "HBAck TimeOut reached !");
    Disconnect();
    if (heartbeatTimer_) {
        heartbeatTimer_->SetFinished(true);
        heartbeatTimer_ = nullptr;
    }
}

void MEventClientManager::SendRequestToBeMaster() {
    ManagerRequestToBeMaster& record = RequestRecord();
    record.Header.GatewayId.SetString(gateway_ ? gateway_->GetGatewayName() : std::string());
    record.Info.Host.SetText(GetHostName());
    FillStates(record.Info.TechnicalState, record.Info.BusinessState);
    Send(&record, sizeof(record));
}

void KillOnAlarm() {
    LogMessage("MEventClientManager", 36, LOG_CRITICAL, "Kill application, not responding to Alarm");
    std::_Exit(1);
}
