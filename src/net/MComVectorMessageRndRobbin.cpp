#include "net/MComVectorMessageRndRobbin.h"

MComVectorMessageRndRobbin::MComVectorMessageRndRobbin(uint32_t kib, uint32_t capacity, uint32_t shift)
    : MComVectorMessageMasterBase(0, &vector_), vector_(kib, capacity, shift) {}

MComVectorMessageRndRobbin::~MComVectorMessageRndRobbin() {
    Clear();
}

const char* MComVectorMessageRndRobbin::GetMessage(int* length, uint32_t index) {
    const uint32_t count = GetCount();
    const char* data = vector_.Get(index, length);
    if (data) {
        ok_ = true;
    } else if (index < count && ok_) {
        ok_ = false;
        OnMessagesDropped(index);
    }
    return data;
}
