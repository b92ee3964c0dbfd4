#include "net/MEventMediatorLegacy.h"

MEventMediatorLegacy::MEventMediatorLegacy() {
    ownSettings_.MaxEntries = 10000;
    ownSettings_.MaxBytes = 262144;
    ownSettings_.FullAnswer = 0;
    ApplySettings(ownSettings_);
    waiter_ = std::make_unique<MEventSocketSelect>(this, false, 0, 1000);
}

MEventMediatorLegacy::~MEventMediatorLegacy() {
    SetWaiter(nullptr);
    waiter_.reset();
}

const char* MEventMediatorLegacy::GetNextMessage(int32_t& length, int32_t& eventId, int32_t& type) {
    while (!IsStopped()) {
        RunOutputRound();
        const std::vector<EventEntry>& queue = GetQueue();
        if (static_cast<uint32_t>(nextEntry_) < queue.size()) {
            const EventEntry& entry = queue[static_cast<std::size_t>(nextEntry_)];
            length = entry.Length;
            eventId = entry.EventId;
            type = entry.Type;
            ++nextEntry_;
            return entry.Data;
        }
        const bool more = RunInputRound();
        if (!queue.empty()) nextEntry_ = 0;
        if (!more) {
            WaitForInput();
            nextEntry_ = -1;
        }
    }
    return nullptr;
}
