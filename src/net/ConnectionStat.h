#pragma once
// The statistics a socket keeps: the monitor part and, not sent, the response-time sum and the
// bytes sent and received since the last whole megabyte. Byte counts roll over into megabytes at
// most once per call, when the count is strictly above 1,048,576.
#include <cstdint>

#include "net/ConnectionStatMsgPart.h"

struct ConnectionStat : ConnectionStatMsgPart {
    static constexpr uint32_t kMegaByte = 1048576;

    uint32_t RespTimeSum = 0;
    uint32_t BytesSent = 0;
    uint32_t BytesReceived = 0;

    void AddReceived(uint32_t n) { Add(n, BytesReceived, NbReceivedMegaByte); }
    void AddSent(uint32_t n) { Add(n, BytesSent, NbSentMegaByte); }
    // Time stamp cleared, message id blank, every counter and extra value 0.
    void Reset();

private:
    static void Add(uint32_t n, uint32_t& bytes, MULong& megaBytes);
};
