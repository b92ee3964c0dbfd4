#pragma once
// One storage block of a message vector: size bytes allocated at construction (n KiB), filled
// back to back from the start; the write position marks the first unused byte. Owns its bytes.
#include <cstdint>
#include <memory>

class MsgContainer {
public:
    explicit MsgContainer(uint32_t kib)
        : size_(static_cast<int32_t>(kib * 1024u)),
          begin_(std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(size_))),
          write_(begin_.get()),
          end_(begin_.get() + size_) {}
    MsgContainer(const MsgContainer&) = delete;
    MsgContainer& operator=(const MsgContainer&) = delete;

    int32_t GetSize() const { return size_; }
    char* GetBegin() const { return begin_.get(); }
    char* GetWritePosition() const { return write_; }
    // Whether length more bytes fit after the write position.
    bool HasRoom(int64_t length) const { return length <= end_ - write_; }
    int64_t GetUsed() const { return write_ - begin_.get(); }
    void Advance(int64_t length) { write_ += length; }
    void Rewind() { write_ = begin_.get(); }

private:
    int32_t size_;
    std::unique_ptr<char[]> begin_;
    char* write_;
    char* end_;
};
