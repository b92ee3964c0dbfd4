#pragma once
// The error sender of the monitor channel: builds a notice record from an error and hands it to
// the current monitor sender (nothing when there is none). Building it stores it in the
// error-sender slot; destroying it does not clear the slot. It writes in a writer of its own.
#include "fields/MMsgWriter.h"
#include "net/MErrorMsgSenderBase.h"

class MonitorFunnel : public MErrorMsgSenderBase {
public:
    MonitorFunnel();

    void SendError(const char* sourceFile, int sourceLine, const char* group, const char* sysLogName,
                   const char* tag1, const char* information1, const char* tag2, const char* information2,
                   int level, const char* message) override;

    // The funnel's own writer.
    static MMsgWriter& GetWriter();
};
