#pragma once
// Where finished monitor messages go: the one current sender (MonitorChannel.h) gets each
// message's bytes.
class MonitorMsgSenderBase {
public:
    virtual ~MonitorMsgSenderBase() = default;
    virtual void Send(const char* data, int length) = 0;
};
