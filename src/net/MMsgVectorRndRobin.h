#pragma once
// The round-robin storage: blocks of one size appended as in the standard storage until the
// capacity of messages has been reached; from then on, once at least two blocks exist, a full
// current block is followed by the reuse of the next block of the ring (block 0 first), whose
// messages are dropped. Entries live in a slice store; an entry whose block was reused reads as
// gone. A message of 65,536 bytes or more, or one larger than a block, ends the process.
#include <cstdint>
#include <memory>
#include <vector>

#include "net/MSliceVectorRnd.h"
#include "net/MTVectorBase.h"
#include "net/MsgContainer2.h"
#include "net/MsgInfoRobin.h"

// The block ring.
class MMsgVectorRndRobinMsg : public std::vector<std::unique_ptr<MsgContainer2>> {
public:
    explicit MMsgVectorRndRobinMsg(uint32_t kib) : kib_(kib) {}

    char* Reserve(int length);
    MsgContainer2& Current() { return *(*this)[current_]; }
    // Back to the growing state; keeps the first block (rewound) or none.
    void Reset(bool keepFirstBlock);

    uint32_t kib_;
    bool wrap_ = false;
    uint32_t ringSize_ = 0xFFFFFFFFu;
    int32_t dropped_ = 0;
    int32_t reuses_ = 0;
    uint32_t current_ = 0;
    int32_t switches_ = 0;
};

// The entry store, which switches the ring to wrapping once the capacity has been reached.
class MMsgVectorRndRobinInfo : public MSliceVectorRnd<MsgInfoRobin> {
public:
    MMsgVectorRndRobinInfo(MMsgVectorRndRobinMsg* ring, uint32_t shift, uint32_t capacity)
        : MSliceVectorRnd(shift, capacity), ring_(ring), capacity_(capacity) {}

    void Push(const MsgInfoRobin& entry) {
        if (GetEnd() >= capacity_) ring_->wrap_ = true;
        MSliceVectorRnd::Push(entry);
    }

private:
    MMsgVectorRndRobinMsg* ring_;
    uint32_t capacity_;
};

class MMsgVectorRndRobin : public MTVectorBase<MMsgVectorRndRobinMsg, MMsgVectorRndRobinInfo> {
public:
    MMsgVectorRndRobin(uint32_t kib, uint32_t capacity, uint32_t shift);

    uint32_t Count() const { return entries_.GetEnd(); }
    char* Reserve(int length) { return blocks_.Reserve(length); }
    void Commit(int length);
    void Append(const char* data, int length);
    void AppendParts(const char* first, int firstLength, const char* second, int secondLength);
    // Aborts the process when it would remove a message: the ring cannot give bytes back.
    void RemoveLast(int count);
    void Clear(bool keepFirstBlock);
    // Null (length 0) when index is not held or its block was reused.
    const char* Get(uint32_t index, int* length) const;
    // The oldest index that can still be read.
    uint32_t FirstIndex() const;

    const MMsgVectorRndRobinMsg& GetBlocks() const { return blocks_; }
    const MMsgVectorRndRobinInfo& GetEntries() const { return entries_; }

private:
    MMsgVectorRndRobinMsg blocks_;
    MMsgVectorRndRobinInfo entries_;
};
