#pragma once
// The framework's event loop: an input list and an output list of events (not owned), asked in
// turn for output and for input; what they deliver is queued as entries within the limits of the
// settings, and a waiter waits for the sockets when an input pass reaches the end of its list.
//
// Input action codes answered by MEvent::ProcessInput:
//   0 nothing: move on          1 finished: leave the input list, move on
//   2, 5 one message: queue 'I', move on
//   3 one message, maybe more: queue 'I', ask again (limit test)
//   4 one message for the recorder only ('J'): ask again (limit test)
//   6 one message, then pause: queue 'I', stay on the event, end the dispatch
//   7 a notification: queue 'T' (always copied), stay on the event, end the dispatch
//   other: ask again (limit test)
// The limit test answers the settings' full answer once the queue holds the maximum entries or
// bytes. GUI thread only.
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "net/EventEntry.h"
#include "net/MEventMediatorSettings.h"

class MDescFormat;
class MEvent;
class MEventRecorder;
class MEventSocketSelect;

class MEventMediator {
public:
    MEventMediator();
    virtual ~MEventMediator();
    MEventMediator(const MEventMediator&) = delete;
    MEventMediator& operator=(const MEventMediator&) = delete;

    // Copies the settings (taking the entry source), reserves the queue and replaces the copy
    // buffer by one of maximum bytes + 131,072 bytes.
    void ApplySettings(const MEventMediatorSettings& settings);
    const MEventMediatorSettings& GetSettings() const { return settings_; }

    void AddInputEvent(MEvent* event);
    void AddOutputEvent(MEvent* event);
    void RemoveInputEvent(MEvent* event);
    void RemoveOutputEvent(MEvent* event);
    const std::vector<MEvent*>& GetInputEvents() const { return inputEvents_; }
    const std::vector<MEvent*>& GetOutputEvents() const { return outputEvents_; }

    void SetWaiter(MEventSocketSelect* waiter) { waiter_ = waiter; }
    void SetRecorder(MEventRecorder* recorder) { recorder_ = recorder; }
    MEventRecorder* GetRecorder() const { return recorder_; }
    // Any thread may stop the loop (a console-control handler does).
    void SetStop() { stop_ = 1; }
    bool IsStopped() const { return stop_ != 0; }
    // Whether each pass also makes the framework's current time stale (on when built).
    void SetClockRefresh(bool on) { refreshClock_ = on ? 1 : 0; }
    bool IsClockRefresh() const { return refreshClock_ != 0; }

    // Output pass: whether output was written.
    bool RunOutputRound();
    // Input pass: false when it reached the end of the input list without queuing anything.
    bool RunInputRound();
    // The waiter's wait, from the first event on.
    bool WaitForInput();
    // The clock is read once per pass: by the input round that starts it, or by the first output
    // round after a wait or after the caller ends the pass here (it leaves the loop for a while).
    void EndPass() { clockFresh_ = false; }
    // Asks one event until it has nothing more or a limit is reached: true moves on.
    bool DispatchInput(MEvent* event);
    bool ApplyStateToEvents(int32_t state);

    // The status dump: one line per event under the technical (then business) state header.
    virtual void Describe(MDescFormat& format);

    const std::vector<EventEntry>& GetQueue() const { return queue_; }
    int32_t GetCurrentInputIndex() const { return currentInput_; }

protected:
    void AddEntry(EventEntry& entry, bool copy);

private:
    void RefreshClock();
    void DescribeTable(MDescFormat& format, bool business);

    std::vector<MEvent*> inputEvents_;
    int32_t currentInput_ = -1;
    std::vector<MEvent*> outputEvents_;
    MEventRecorder* recorder_ = nullptr;
    uint8_t refreshClock_ = 1;
    bool clockFresh_ = false;  // the clock was read in this pass
    MEventSocketSelect* waiter_ = nullptr;
    MEventMediatorSettings settings_;
    std::vector<EventEntry> queue_;
    uint32_t queuedBytes_ = 0;
    std::unique_ptr<char[]> copyBuffer_;
    std::size_t copySize_ = 0;
    std::size_t copyPosition_ = 0;
    // Copies that did not fit in the copy buffer, kept until the next input pass.
    std::vector<std::unique_ptr<char[]>> overflowCopies_;
    std::atomic<uint8_t> stop_{0};
};
