#include "net/MonitorChannel.h"

#include "net/ManagerNotice.h"
#include "net/MonitorControl.h"
#include "net/MonitorFunnel.h"
#include "net/MonitorMsgSender.h"
#include "net/MonitorVector.h"

namespace {
MonitorMsgSenderBase* currentSender = nullptr;  // constant-initialised before any start-up code

// Builds the notice and the vector before the senders, so that they outlive the senders.
struct QueueStartUp {
    QueueStartUp() {
        GetManagerNotice();
        GetMonitorVector();
    }
};
QueueStartUp queueStartUp;
MonitorMsgSender firstSender;
MonitorMsgSender secondSender;

struct ControlStartUp {
    ControlStartUp() {
        MonitorControl::GetRegistry();
        GetMonitorWriter();
        MonitorFunnel::GetWriter();
    }
};
ControlStartUp controlStartUp;
MonitorFunnel funnel;
}  // namespace

void SendToMonitor(const char* data, int length) {
    if (currentSender) currentSender->Send(data, length);
}

void SetCurrentMonitorSender(MonitorMsgSenderBase* sender) {
    currentSender = sender;
}

void ClearCurrentMonitorSender() {
    currentSender = nullptr;
}

MonitorMsgSenderBase* GetCurrentMonitorSender() {
    return currentSender;
}

MMsgWriter& GetMonitorWriter() {
    static MMsgWriter writer;
    return writer;
}

MonitorVector& GetMonitorVector() {
    static MonitorVector vector(1024, 10000);
    return vector;
}

ManagerNotice& GetManagerNotice() {
    static ManagerNotice notice;
    return notice;
}
