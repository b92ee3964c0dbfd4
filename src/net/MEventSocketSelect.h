#pragma once
// The event loop's waiter: an input set and an output set of sockets, and one wait per call of
// Wait over the input set: a poll (no wait) when never-block is set, when the process-wide
// poll-again flag is set (the flag is then cleared) or while fewer fruitless waits than the
// idle-passes threshold happened in a row; otherwise a wait of the configured time. Installs
// itself as its mediator's waiter. GUI thread only.
#include <cstdint>

#include "net/MSocketSet.h"

class MEventMediator;

class MEventSocketSelect {
public:
    MEventSocketSelect(MEventMediator* mediator, bool neverBlock, int32_t idlePassesBeforeBlocking,
                       int32_t waitMicroseconds);
    virtual ~MEventSocketSelect() = default;
    MEventSocketSelect(const MEventSocketSelect&) = delete;
    MEventSocketSelect& operator=(const MEventSocketSelect&) = delete;

    virtual int32_t WaitReady();
    virtual int32_t PollReady();
    virtual MSocketSet* GetInputSet() { return &inputSet_; }
    virtual MSocketSet* GetOutputSet() { return &outputSet_; }

    // True when at least one socket became ready.
    bool Wait();

    // Fruitless waits in a row; stops at its maximum.
    int32_t GetIdlePasses() const { return idlePasses_; }
    void SetIdlePasses(int32_t passes) { idlePasses_ = passes; }

    // The process-wide poll-again flag.
    static bool IsPollAgain();
    static void SetPollAgain(bool on);

private:
    uint8_t neverBlock_;
    int32_t idlePassesBeforeBlocking_;
    int32_t idlePasses_ = 0;
    MSelectWait wait_;
    MSocketSet inputSet_;
    MSocketSet outputSet_;
};
