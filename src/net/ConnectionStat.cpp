#include "net/ConnectionStat.h"

void ConnectionStat::Add(uint32_t n, uint32_t& bytes, MULong& megaBytes) {
    bytes += n;
    if (bytes > kMegaByte) {
        megaBytes.Add(1);
        bytes -= kMegaByte;
    }
}

void ConnectionStat::Reset() {
    TimeStamp.SetCount(0);
    LastReceivedMessageId.Clear();
    for (MULong* counter : {&NbRespTimeMsg, &MinRespTime, &MaxRespTime, &AvgRespTime, &NbSentMsg,
                            &NbSentMegaByte, &NbReceivedMsg, &NbReceivedMegaByte}) {
        counter->Clear();
    }
    RespTimeSum = BytesSent = BytesReceived = 0;
}
