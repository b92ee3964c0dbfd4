#pragma once
// The gateway-side monitor sender: queues every monitor message, behind the 41-byte header of the
// global manager notice, as one message of the global MonitorVector. Building one makes it the
// current sender; destroying one leaves no current sender, whichever was current.
#include "net/MonitorMsgSenderBase.h"

class MonitorMsgSender : public MonitorMsgSenderBase {
public:
    MonitorMsgSender();
    ~MonitorMsgSender() override;
    MonitorMsgSender(const MonitorMsgSender&) = delete;
    MonitorMsgSender& operator=(const MonitorMsgSender&) = delete;

    void Send(const char* data, int length) override;
};
