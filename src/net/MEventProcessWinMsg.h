#pragma once
// The window-message event: asked for input at every poll of the loop, it always has one message,
// the text "Process Windows Messages", which the session's pump takes as the sign to end its pass
// and hand the GUI thread back to the window messages.
#include <cstdint>

#include "net/MEvent.h"

class MEventProcessWinMsg : public MEvent {
public:
    MEventProcessWinMsg(int32_t id, MEventMediator* mediator) : MEvent(id, mediator) {}

    int32_t ProcessInput(bool block) override { return 2; }
    const char* GetInputMessage(int32_t& length) override {
        length = nameLength_;
        return name_;
    }

private:
    const char* name_ = "Process Windows Messages";
    int32_t nameLength_ = 24;
};
