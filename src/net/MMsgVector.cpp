#include "net/MMsgVector.h"

#include <cstring>

#include "net/MessageVectorFailure.h"

char* MMsgVectorMsg::Reserve(int length) {
    if (length < 0 || length > kMaxVectorMessageLength) FailMessageVectorAdd("MMsgVector", 78);
    if (empty()) push_back(std::make_unique<MsgContainer>(firstKiB_));
    if (back()->HasRoom(length)) return back()->GetWritePosition();
    push_back(std::make_unique<MsgContainer>(furtherKiB_));
    if (!back()->HasRoom(length)) FailMessageVectorAdd("MMsgVector", 78);
    return back()->GetWritePosition();
}

MMsgVector::MMsgVector(uint32_t firstKiB, uint32_t furtherKiB, uint32_t reserve)
    : MTVectorBase(&blocks_, &entries_), blocks_(firstKiB, furtherKiB) {
    entries_.reserve(reserve);
}

void MMsgVector::Commit(int length) {
    if (blocks_.empty() || length < 0 || length > kMaxVectorMessageLength ||
        !blocks_.back()->HasRoom(length)) {
        FailMessageVectorAdd("MMsgVector", 78);
    }
    MsgContainer& block = *blocks_.back();
    entries_.push_back(MsgInfo{block.GetWritePosition(), static_cast<uint16_t>(length)});
    block.Advance(length);
}

void MMsgVector::Append(const char* data, int length) {
    char* room = Reserve(length);
    if (length > 0) std::memcpy(room, data, static_cast<std::size_t>(length));
    Commit(length);
}

void MMsgVector::AppendParts(const char* first, int firstLength, const char* second, int secondLength) {
    if (firstLength < 0 || secondLength < 0) FailMessageVectorAdd("MMsgVector", 78);
    const int64_t total = int64_t{firstLength} + secondLength;
    char* room = Reserve(total > kMaxVectorMessageLength ? -1 : static_cast<int>(total));
    if (firstLength > 0) std::memcpy(room, first, static_cast<std::size_t>(firstLength));
    if (secondLength > 0) std::memcpy(room + firstLength, second, static_cast<std::size_t>(secondLength));
    Commit(static_cast<int>(total));
}

void MMsgVector::RemoveLast(int count) {
    while (count != 0 && !entries_.empty()) {
        const int64_t length = entries_.back().length;
        if (!blocks_.empty()) {
            if (blocks_.back()->GetUsed() >= length) {
                blocks_.back()->Advance(-length);
            } else {
                blocks_.pop_back();
                if (!blocks_.empty() && blocks_.back()->GetUsed() >= length) blocks_.back()->Advance(-length);
            }
        }
        entries_.pop_back();
        --count;
    }
}

void MMsgVector::Clear(bool keepFirstBlock) {
    if (!blocks_.empty()) {
        if (keepFirstBlock) {
            blocks_.resize(1);
            blocks_.front()->Rewind();
        } else {
            blocks_.clear();
        }
    }
    entries_.clear();
}

const char* MMsgVector::Get(uint32_t index, int* length) const {
    if (index >= entries_.size()) {
        *length = 0;
        return nullptr;
    }
    const MsgInfo& info = entries_[index];
    *length = info.length;
    return info.data;
}
