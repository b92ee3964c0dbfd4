#pragma once
// The standard storage of a message vector: blocks that only grow (the first of the first-block
// size, the others of the further-block size, allocated when a message does not fit in the rest
// of the current block, whose tail then stays unused) and one entry per message. Messages never
// move, so pointers into them stay valid until they are removed or the storage is cleared. A
// message of 65,536 bytes or more, or one larger than a further block, ends the process.
#include <cstdint>
#include <memory>
#include <vector>

#include "net/MTVectorBase.h"
#include "net/MVector.h"
#include "net/MsgContainer.h"
#include "net/MsgInfo.h"

// The block list: owned blocks in order of creation, the last one current.
class MMsgVectorMsg : public std::vector<std::unique_ptr<MsgContainer>> {
public:
    MMsgVectorMsg(uint32_t firstKiB, uint32_t furtherKiB) : firstKiB_(firstKiB), furtherKiB_(furtherKiB) {}

    // Room for length bytes at the end of the current block, opening a block when needed.
    char* Reserve(int length);
    uint32_t GetFirstKiB() const { return firstKiB_; }
    uint32_t GetFurtherKiB() const { return furtherKiB_; }

private:
    uint32_t firstKiB_;
    uint32_t furtherKiB_;
};

// The entry list, one entry per message in the order of appending.
class MMsgVectorInfo : public MVector<MsgInfo> {};

class MMsgVector : public MTVectorBase<MMsgVectorMsg, MMsgVectorInfo> {
public:
    MMsgVector(uint32_t firstKiB, uint32_t furtherKiB, uint32_t reserve);

    uint32_t Count() const { return static_cast<uint32_t>(entries_.size()); }
    char* Reserve(int length) { return blocks_.Reserve(length); }
    // Registers length bytes written at the last reserved room as one message.
    void Commit(int length);
    void Append(const char* data, int length);
    void AppendParts(const char* first, int firstLength, const char* second, int secondLength);
    void RemoveLast(int count);
    void Clear(bool keepFirstBlock);
    const char* Get(uint32_t index, int* length) const;
    uint32_t FirstIndex() const { return 0; }

    const MMsgVectorMsg& GetBlocks() const { return blocks_; }
    const MMsgVectorInfo& GetEntries() const { return entries_; }

private:
    MMsgVectorMsg blocks_;
    MMsgVectorInfo entries_;
};
