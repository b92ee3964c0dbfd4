#pragma once
// The recorder of an event loop: it is handed the entries queued for the caller, the messages
// that only it sees and the messages an output side packs. Nothing in the client installs one;
// every hook does nothing unless overridden.
#include <cstdint>

#include "net/EventEntry.h"

class MEventRecorder {
public:
    virtual ~MEventRecorder() = default;
    // An entry queued by the loop (type 'I' or 'T') or kept for the recorder alone ('J').
    virtual void RecordEntry(const EventEntry& entry) {}
    // A message packed by an output side: tag, time, direction 'O', length, data.
    virtual void RecordOutput(int32_t tag, int64_t time, char direction, int32_t length, const char* data) {}
    // A pass of the loop ended ('I' for input).
    virtual void EndOfPass(char pass) {}
};
