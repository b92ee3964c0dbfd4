#include "net/MEventMediator.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/MError.h"
#include "core/ProcessClock.h"
#include "fields/MDescFormat.h"
#include "net/GatewayState.h"
#include "net/MEvent.h"
#include "net/MEventRecorder.h"
#include "net/MEventSocketSelect.h"
#include "net/StatusTable.h"

namespace {
constexpr std::size_t kCopyReserve = 131072;
constexpr char kFirstColumns[] = " Id   | Name                 | Status |";
}  // namespace

MEventMediator::MEventMediator() {
    RefreshEventClock();
}

MEventMediator::~MEventMediator() {
    delete settings_.EntrySource;
}

void MEventMediator::ApplySettings(const MEventMediatorSettings& settings) {
    if (settings_.EntrySource != settings.EntrySource) delete settings_.EntrySource;
    settings_ = settings;
    queue_.reserve(settings_.MaxEntries);
    copySize_ = static_cast<std::size_t>(settings_.MaxBytes) + kCopyReserve;
    copyBuffer_ = std::make_unique<char[]>(copySize_);
    copyPosition_ = 0;
}

void MEventMediator::AddInputEvent(MEvent* event) {
    if (!event) return;
    inputEvents_.push_back(event);
    event->LinkRecorders();
}

void MEventMediator::AddOutputEvent(MEvent* event) {
    if (!event) return;
    const auto place = std::find_if(outputEvents_.begin(), outputEvents_.end(), [&](const MEvent* other) {
        return other->GetOutputPriority() < event->GetOutputPriority();
    });
    outputEvents_.insert(place, event);
    event->LinkRecorders();
}

void MEventMediator::RemoveInputEvent(MEvent* event) {
    const auto found = std::find(inputEvents_.begin(), inputEvents_.end(), event);
    if (found == inputEvents_.end()) return;
    const int32_t index = static_cast<int32_t>(found - inputEvents_.begin());
    inputEvents_.erase(found);
    if (index <= currentInput_) --currentInput_;
}

void MEventMediator::RemoveOutputEvent(MEvent* event) {
    const auto found = std::find(outputEvents_.begin(), outputEvents_.end(), event);
    if (found != outputEvents_.end()) outputEvents_.erase(found);
}

void MEventMediator::RefreshClock() {
    RefreshEventClock();
    if (refreshClock_) ResetCurrentTimeCache();
    clockFresh_ = true;
}

bool MEventMediator::RunOutputRound() {
    if (!clockFresh_) RefreshClock();
    bool written = false;
    for (std::size_t i = 0; i < outputEvents_.size(); ++i) {
        MEvent* event = outputEvents_[i];
        if (event->GetActivity() == 0) continue;
        const int32_t answer = event->ProcessOutput(event->GetOutputRecorder());
        if (answer == 1) {
            RemoveOutputEvent(event);
            return true;
        }
        if (answer == 2) written = true;
    }
    return written;
}

void MEventMediator::AddEntry(EventEntry& entry, bool copy) {
    const std::size_t length = entry.Length > 0 ? static_cast<std::size_t>(entry.Length) : 0;
    queuedBytes_ += static_cast<uint32_t>(length);
    if (copy) {
        char* target;
        if (copyBuffer_ && length <= copySize_ - copyPosition_) {
            target = copyBuffer_.get() + copyPosition_;
            copyPosition_ += length;
        } else {
            overflowCopies_.push_back(std::make_unique<char[]>(length + 1));
            target = overflowCopies_.back().get();
        }
        if (length) std::memcpy(target, entry.Data, length);
        entry.Data = target;
    }
    queue_.push_back(entry);
}

bool MEventMediator::DispatchInput(MEvent* event) {
    if (event->GetActivity() == 0) return true;
    for (;;) {
        const int32_t code = event->ProcessInput(false);
        EventEntry entry;
        entry.EventId = event->GetEntryId();
        switch (code) {
            case 0:
                return true;
            case 1:
                RemoveInputEvent(event);
                return true;
            case 2:
            case 3:
            case 5:
            case 6:
                entry.Type = 'I';
                entry.Data = event->GetInputMessage(entry.Length);
                AddEntry(entry, !event->KeepsData());
                if (MEventRecorder* recorder = event->GetInputRecorder())
                    recorder->RecordEntry(queue_.back());
                if (code == 6) return false;
                if (code != 3) return true;
                break;
            case 4:
                entry.Type = 'J';
                entry.Data = event->GetInputMessage(entry.Length);
                if (MEventRecorder* recorder = event->GetInputRecorder()) recorder->RecordEntry(entry);
                break;
            case 7:
                entry.Type = 'T';
                entry.Data = event->GetNotification(entry.Length);
                AddEntry(entry, true);
                if (MEventRecorder* recorder = event->GetInputRecorder())
                    recorder->RecordEntry(queue_.back());
                return false;
            default:
                break;
        }
        if (queue_.size() >= settings_.MaxEntries || queuedBytes_ >= settings_.MaxBytes) {
            return settings_.FullAnswer != 0;
        }
    }
}

bool MEventMediator::RunInputRound() {
    RefreshClock();
    copyPosition_ = 0;
    overflowCopies_.clear();
    queuedBytes_ = 0;
    queue_.clear();
    do {
        if (stop_ || static_cast<uint32_t>(currentInput_) >= inputEvents_.size()) return false;
        if (DispatchInput(inputEvents_[static_cast<std::size_t>(currentInput_)])) ++currentInput_;
    } while (queue_.empty());
    if (settings_.EntrySource) {
        EventEntry* produced = nullptr;
        if (settings_.EntrySource->Execute(produced) && produced) {
            AddEntry(*produced, false);
            if (recorder_ && settings_.RecordInput) {
                EventEntry recorded = queue_.back();
                recorded.Type = 'I';
                recorder_->RecordEntry(recorded);
            }
        }
    }
    if (recorder_) recorder_->EndOfPass('I');
    return true;
}

bool MEventMediator::WaitForInput() {
    if (stop_) return false;
    currentInput_ = 0;
    clockFresh_ = false;
    return waiter_ ? waiter_->Wait() : false;
}

bool MEventMediator::ApplyStateToEvents(int32_t state) {
    for (MEvent* event : inputEvents_) event->ApplyTechnicalStatus(state);
    for (MEvent* event : outputEvents_) event->ApplyTechnicalStatus(state);
    return true;
}

void MEventMediator::Describe(MDescFormat& format) {
    if (inputEvents_.empty() && outputEvents_.empty()) return;
    DescribeTable(format, false);
    const MEvent* first = !inputEvents_.empty() ? inputEvents_.front() : outputEvents_.front();
    if (!first->GetStatus().GetBusiness().GetStatuses().empty()) {
        format.WriteText("", "");
        DescribeTable(format, true);
    }
}

void MEventMediator::DescribeTable(MDescFormat& format, bool business) {
    const MStateDefs& states = business ? GetBusinessStateDefs() : GetTechnicalStateDefs();
    const int64_t current = business ? GetCurrentBusinessStateIndex() : GetCurrentStateRef();
    WriteTableHeader(states, format, kFirstColumns, current);
    const auto writeLines = [&](const std::vector<MEvent*>& events, char direction) {
        for (const MEvent* event : events) {
            char first[64];
            std::snprintf(first, sizeof(first), " %03lX%c | %-20.20s | %-6s |",
                          static_cast<unsigned long>(static_cast<uint32_t>(event->GetId())), direction,
                          event->GetName().c_str(), event->GetActivityText());
            std::string line = first;
            const MStatusByStates& status = event->GetStatus();
            AppendStateCells(line, states, current, [&](std::size_t i) {
                return business ? status.GetBusiness().GetLetter(i) : status.GetTechnical().GetLetter(i);
            });
            format.WriteText(line, "");
        }
    };
    writeLines(inputEvents_, 'I');
    writeLines(outputEvents_, 'O');
}
