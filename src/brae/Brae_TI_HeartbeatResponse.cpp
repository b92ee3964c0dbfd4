#include "brae/Brae_TI_HeartbeatResponse.h"

#include "brae/ReceivedMessage.h"

void Brae_TI_HeartbeatResponse::Answer(const char* question, int length) {
    const Brae_TI_HeartbeatResponse defaults;
    *this = defaults;
    const bool whole = ReadReceivedField(HeartbeatId, question, length, 2) &
                       ReadReceivedField(LoadCounter, question, length, 10) &
                       ReadReceivedField(HeartbeatTime, question, length, 16);
    if (!whole) LogShortMessage(length, GetMsgLength());
}
