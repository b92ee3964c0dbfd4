#include "fields/MMsgWriter.h"

#include <climits>
#include <cstdint>
#include <cstring>

#include "core/MException.h"
#include "fields/MObjectFunction.h"

MMsgWriter::MMsgWriter() : MMsgFormat(nullptr, 0, false), buffer_(std::make_unique<char[]>(kInitialSize)) {
    data_ = buffer_.get();
    size_ = kInitialSize;
}

void MMsgWriter::ProcessField(MObjectFunction& field) {
    field.WriteFixed(*this);
}

void MMsgWriter::Write(const void* bytes, int length) {
    if (length <= 0) return;
    if (length > size_ - position_) Grow(length);
    std::memcpy(data_ + position_, bytes, static_cast<std::size_t>(length));
    position_ += length;
}

void MMsgWriter::AppendDelimiter() {
    if (position_ + 1 > size_) Grow(16);
    data_[position_++] = delimiter_;
}

void MMsgWriter::Grow(int needed) {
    const int64_t wanted = static_cast<int64_t>(position_) + needed;
    int64_t capacity = 2 * static_cast<int64_t>(size_ > 0 ? size_ : 1);
    while (wanted > capacity) capacity *= 2;
    if (capacity > INT_MAX) ThrowMException(1, "Message buffer is full");
    auto grown = std::make_unique<char[]>(static_cast<std::size_t>(capacity));
    if (position_ > 0) std::memcpy(grown.get(), data_, static_cast<std::size_t>(position_));
    buffer_ = std::move(grown);
    data_ = buffer_.get();
    size_ = static_cast<int>(capacity);
}
