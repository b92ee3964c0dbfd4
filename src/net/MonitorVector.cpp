#include "net/MonitorVector.h"

#include "core/MError.h"

void MonitorVector::OnMessagesDropped(uint32_t index) {
    const int dropped = static_cast<int>(GetCount() - index);
    Clear();
    LogMessage("MEventClientManager", 34, LOG_ERROR,
               "Can't get msg in Monitor VectorRndRobbin. Dropping %d messages", dropped);
    SetOk();
}
