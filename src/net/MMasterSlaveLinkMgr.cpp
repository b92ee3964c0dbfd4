#include "net/MMasterSlaveLinkMgr.h"

#include "core/MError.h"
#include "core/ProcessClock.h"
#include "fields/TimeArithmetic.h"
#include "net/BaseGateway.h"
#include "net/GatewayState.h"
#include "net/MEventActiveTcpSocket.h"
#include "net/MEventInterconnect.h"
#include "net/MLastMessageSource.h"
#include "net/MLinkMsgConnect.h"
#include "net/MSchedulerXRule.h"
#include "net/MSchedulerXRuleList.h"

bool MMasterSlaveLinkMgr::WaitForDeadline(const MTimeDuration& timeout, const MDateTimeTimePoint& last,
                                          MSchedulerXRule* timer) {
    const MDateTimeTimePoint now(GetEventClockTime(), TIME_UNIT_NANOSECOND);
    const MDateTimeTimePoint deadline = last + timeout;
    if (!(now < deadline)) return false;
    if (timer) {
        timer->SetNextDate(deadline);
        MSchedulerXRuleList* scheduler = gateway_ ? gateway_->GetTechnicalState().GetScheduler() : nullptr;
        if (scheduler) scheduler->RescheduleRule(*timer);
    }
    return true;
}

void MMasterSlaveLinkMgr::EndTimer(MSchedulerXRule*& timer) {
    if (!timer) return;
    timer->SetFinished(true);
    timer = nullptr;
}

bool MMasterSlaveLinkMgr::OnLinkedSlaveClientTimeout() {
    if (WaitForDeadline(linkedSlaveClientTimeout_, lastLinkedSlaveClientActivity_, linkedSlaveClientTimer_)) {
        return true;
    }
    if (GetCurrentStateRef() == TECHNICAL_STATE_LINKED_SLAVE) {
        LogMessage("MMasterSlaveLinkMgr", 412, LOG_INFO,
                   "LinkedSlave client connection timeout. Force disconnection.");
        EndTimer(linkedSlaveClientTimer_);
        if (interconnectEvent_) interconnectEvent_->Disconnect();
        if (linkEvent_) linkEvent_->Disconnect();
    } else if (gateway_) {
        gateway_->GetManagerClientMgr().RequestToBeMaster();
    }
    return true;
}

bool MMasterSlaveLinkMgr::OnSlaveTimeout() {
    if (WaitForDeadline(slaveTimeout_, lastSlaveActivity_, slaveTimer_)) return true;
    LogMessage("MMasterSlaveLinkMgr", 442, LOG_CRITICAL, "SISCI Slave timeout, reverting to TCP");
    linkMedium_[0] = '\0';
    EndTimer(slaveTimer_);
    if (interconnectEvent_) {
        interconnectEvent_->Disconnect();
        interconnectEvent_->SetInUse(false);
        interconnectEvent_->ApplyTechnicalStatus(static_cast<int32_t>(GetCurrentStateRef()));
    } else {
        MLOG(LOG_ERROR, "Slave timeout without interconnect event");
    }
    if (!messageSource_) {
        MLOG(LOG_ERROR, "Slave timeout without message source: no acknowledgment sent");
    } else if (!linkEvent_) {
        MLOG(LOG_ERROR, "Slave timeout without link event: no acknowledgment sent");
    } else {
        MLinkMsgConnect message;
        message.MsgType.Set(EnumLinkMsgType::Acknowledge);
        message.SetNumber(messageSource_->GetLastProcessedNumber());
        linkEvent_->AddControlMessage(reinterpret_cast<const char*>(&message), sizeof(message));
    }
    return true;
}

void MMasterSlaveLinkMgr::StoreLastMessageNumber() {
    storedMessageNumber_.SetValue(messageSource_ ? messageSource_->GetLastProcessedNumber() : 0);
}
