#pragma once
// The settings of an event loop: whether events record their output and input, the limits of one
// input pass (entries and bytes), an optional entry source asked once per input pass (owned by
// the loop once installed) and what the input dispatch answers when a limit is reached (1 move on
// to the next event, 0 stay on this event).
#include <cstdint>

#include "core/MCallBack.h"
#include "net/EventEntry.h"

struct MEventMediatorSettings {
    uint8_t RecordOutput = 0;
    uint8_t RecordInput = 1;
    uint32_t MaxEntries = 200;
    uint32_t MaxBytes = 16384;
    MCallBack<EventEntry*&>* EntrySource = nullptr;
    uint8_t FullAnswer = 1;
};
