#include "net/MonitorMsgSender.h"

#include "net/ManagerNotice.h"
#include "net/MonitorChannel.h"
#include "net/MonitorVector.h"

MonitorMsgSender::MonitorMsgSender() {
    SetCurrentMonitorSender(this);
}

MonitorMsgSender::~MonitorMsgSender() {
    ClearCurrentMonitorSender();
}

void MonitorMsgSender::Send(const char* data, int length) {
    GetMonitorVector().AddMessageParts(reinterpret_cast<const char*>(&GetManagerNotice().Header),
                                       static_cast<int>(sizeof(ManagerHeader)), data, length);
}
