#include "net/MMsgVectorRndRobin.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "net/MessageVectorFailure.h"

char* MMsgVectorRndRobinMsg::Reserve(int length) {
    if (length < 0 || length > kMaxVectorMessageLength) FailMessageVectorAdd("MMsgVectorRndRobbin", 106);
    if (empty()) {
        push_back(std::make_unique<MsgContainer2>(kib_));
        current_ = 0;
    }
    if (Current().HasRoom(length)) return Current().GetWritePosition();
    if (wrap_ && size() > 1) {
        if (ringSize_ == 0xFFFFFFFFu) {
            ringSize_ = static_cast<uint32_t>(size());
            current_ = ringSize_;
        }
        if (++current_ >= ringSize_) current_ = 0;
        dropped_ += static_cast<int32_t>(Current().GetMessageCount());
        Current().Rewind();
        ++reuses_;
    } else {
        ++current_;
        push_back(std::make_unique<MsgContainer2>(kib_));
    }
    ++switches_;
    if (!Current().HasRoom(length)) FailMessageVectorAdd("MMsgVectorRndRobbin", 106);
    return Current().GetWritePosition();
}

void MMsgVectorRndRobinMsg::Reset(bool keepFirstBlock) {
    wrap_ = false;
    ringSize_ = 0xFFFFFFFFu;
    dropped_ = reuses_ = switches_ = 0;
    current_ = 0;
    if (keepFirstBlock && !empty()) {
        resize(1);
        front()->Rewind();
    } else {
        clear();
    }
}

MMsgVectorRndRobin::MMsgVectorRndRobin(uint32_t kib, uint32_t capacity, uint32_t shift)
    : MTVectorBase(&blocks_, &entries_), blocks_(kib), entries_(&blocks_, shift, capacity) {
    blocks_.push_back(std::make_unique<MsgContainer2>(kib));
}

void MMsgVectorRndRobin::Commit(int length) {
    if (blocks_.empty() || length < 0 || length > kMaxVectorMessageLength ||
        !blocks_.Current().HasRoom(length)) {
        FailMessageVectorAdd("MMsgVectorRndRobbin", 106);
    }
    MsgContainer2& block = blocks_.Current();
    entries_.Push(MsgInfoRobin{block.GetWritePosition(), static_cast<uint16_t>(length),
                               static_cast<uint32_t>(blocks_.switches_)});
    block.Advance(length);
    block.CountMessage();
}

void MMsgVectorRndRobin::Append(const char* data, int length) {
    char* room = Reserve(length);
    if (length > 0) std::memcpy(room, data, static_cast<std::size_t>(length));
    Commit(length);
}

void MMsgVectorRndRobin::AppendParts(const char* first, int firstLength, const char* second,
                                     int secondLength) {
    if (firstLength < 0 || secondLength < 0) FailMessageVectorAdd("MMsgVectorRndRobbin", 106);
    const int64_t total = int64_t{firstLength} + secondLength;
    char* room = Reserve(total > kMaxVectorMessageLength ? -1 : static_cast<int>(total));
    if (firstLength > 0) std::memcpy(room, first, static_cast<std::size_t>(firstLength));
    if (secondLength > 0) std::memcpy(room + firstLength, second, static_cast<std::size_t>(secondLength));
    Commit(static_cast<int>(total));
}

void MMsgVectorRndRobin::RemoveLast(int count) {
    if (count != 0 && Count() > 0) std::abort();
}

void MMsgVectorRndRobin::Clear(bool keepFirstBlock) {
    blocks_.Reset(keepFirstBlock);
    entries_.Clear();
}

const char* MMsgVectorRndRobin::Get(uint32_t index, int* length) const {
    const MsgInfoRobin* entry = entries_.Get(index);
    if (!entry || entry->stamp < static_cast<uint32_t>(blocks_.reuses_)) {
        *length = 0;
        return nullptr;
    }
    *length = entry->length;
    return entry->data;
}

uint32_t MMsgVectorRndRobin::FirstIndex() const {
    return std::max(entries_.GetFirst(), static_cast<uint32_t>(blocks_.dropped_));
}
