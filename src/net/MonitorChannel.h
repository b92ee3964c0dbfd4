#pragma once
// The monitor channel's process-wide parts, built at start-up in this order: the global manager
// notice and MonitorVector (blocks of 1,024 KiB, 10,000 messages), two MonitorMsgSender objects
// of which the second stays current, the identifier counter and registry of the monitored
// objects, the monitor writer, the funnel's writer and the funnel. A monitor message is assembled
// in the monitor writer (rewind, describe) and handed to SendToMonitor. GUI thread only.
#include "fields/MMsgWriter.h"

class MonitorMsgSenderBase;
class MonitorVector;
struct ManagerNotice;

// Hands a finished message to the current sender; nothing when there is none.
void SendToMonitor(const char* data, int length);
void SetCurrentMonitorSender(MonitorMsgSenderBase* sender);
void ClearCurrentMonitorSender();
MonitorMsgSenderBase* GetCurrentMonitorSender();

MMsgWriter& GetMonitorWriter();
MonitorVector& GetMonitorVector();
ManagerNotice& GetManagerNotice();
