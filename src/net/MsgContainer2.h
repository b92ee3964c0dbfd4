#pragma once
// A storage block of the round-robin vector: a MsgContainer with the number of messages committed
// into it since it was last rewound.
#include "net/MsgContainer.h"

class MsgContainer2 : public MsgContainer {
public:
    explicit MsgContainer2(uint32_t kib) : MsgContainer(kib) {}

    uint32_t GetMessageCount() const { return count_; }
    void CountMessage() { ++count_; }
    void Rewind() {
        MsgContainer::Rewind();
        count_ = 0;
    }

private:
    uint32_t count_ = 0;
};
