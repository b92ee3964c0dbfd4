// Frames handed out per second by the client's event loop: the window-message event first, then
// a connection event. In memory: the event cuts frames of 100-byte messages in place out of a
// buffer that is refilled whenever it is used up, so the figure is the loop and the frame cutter
// without a socket (the goal of the loop is 1,000,000 frames per second).
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "net/BraeFrame.h"
#include "net/MEvent.h"
#include "net/MEventMediatorLegacy.h"
#include "net/MEventProcessWinMsg.h"

namespace {

constexpr uint32_t kMessageLength = 100;

class InMemoryFrames : public MEvent {
public:
    InMemoryFrames(MEventMediator* mediator) : MEvent(2, mediator), buffer_(65536) {
        SetKeepsData(true);
        const std::vector<char> message(kMessageLength, 'm');
        while (held_ + BraeFrameSize(kMessageLength) <= buffer_.size()) {
            held_ += LayBraeFrame(buffer_.data() + held_, message.data(), kMessageLength);
        }
    }
    int32_t ProcessInput(bool) override {
        if (read_ == held_) {
            // The whole buffer was handed out: the next read starts it again, as a socket that
            // still holds bytes would, so the wait after this pass is a poll.
            read_ = 0;
            MEventSocketSelect::SetPollAgain(true);
            return 0;
        }
        uint32_t frameSize = 0;
        if (CutBraeFrame(buffer_.data() + read_, held_ - read_, length_, frameSize) != BraeCut::Message) return 0;
        message_ = buffer_.data() + read_ + 4;
        read_ += frameSize;
        return 3;
    }
    const char* GetInputMessage(int32_t& length) override {
        length = length_;
        return message_;
    }

private:
    std::vector<char> buffer_;
    uint32_t held_ = 0;
    uint32_t read_ = 0;
    int32_t length_ = 0;
    const char* message_ = nullptr;
};

void BM_EventLoopInMemoryFrames(benchmark::State& state) {
    MEventMediatorLegacy mediator;
    MEventProcessWinMsg window(3, &mediator);
    InMemoryFrames connection(&mediator);
    mediator.AddInputEvent(&window);
    mediator.AddInputEvent(&connection);
    int64_t frames = 0;
    for (auto _ : state) {
        int32_t length = 0, id = 0, type = 0;
        const char* data = mediator.GetNextMessage(length, id, type);
        benchmark::DoNotOptimize(data);
        if (id == 2 && type == 'I') ++frames;
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EventLoopInMemoryFrames)->UseRealTime();

}  // namespace
