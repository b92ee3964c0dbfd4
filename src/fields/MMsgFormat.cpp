#include "fields/MMsgFormat.h"

#include <cstring>

#include "core/MException.h"
#include "fields/MObjectFunction.h"

MMsgFormat::MMsgFormat(char* data, int size, bool writing)
    : MObjectFormat(writing), data_(data), size_(size > 0 ? size : 0) {}

void MMsgFormat::ProcessField(MObjectFunction& field) {
    if (IsWriting()) {
        field.WriteFixed(*this);
    } else if (position_ >= size_) {
        if (IsClearMissing()) field.Clear();
    } else {
        field.ReadFixed(*this);
    }
}

void MMsgFormat::SetBuffer(char* data, int size) {
    data_ = data;
    size_ = size > 0 ? size : 0;
    position_ = 0;
}

void MMsgFormat::Write(const void* bytes, int length) {
    if (length <= 0) return;
    if (length > size_ - position_) ThrowMException(1, "Message buffer is full");
    std::memcpy(data_ + position_, bytes, static_cast<std::size_t>(length));
    position_ += length;
}

void MMsgFormat::Skip(int count) {
    if (count <= 0) return;
    if (count > size_ - position_) ThrowMException(1, "Message is too short");
    position_ += count;
}

char* MMsgFormat::GetCurrent() {
    return data_ + position_;
}

char* MMsgFormat::GetRemaining(int* length) {
    if (length) *length = size_ - position_;
    return data_ + position_;
}

void MMsgFormat::WriteDelimiter() {
    Write(&delimiter_, 1);
}

int MMsgFormat::CountToDelimiter() const {
    int count = 0;
    while (position_ + count < size_ && data_[position_ + count] != delimiter_ &&
           data_[position_ + count] != 0) {
        ++count;
    }
    return count;
}

void MMsgFormat::SkipDelimiter() {
    if (position_ >= size_) ThrowMException(1, "Message is too short");
    while (position_ < size_) {
        const char c = data_[position_];
        if (c == 0) return;
        ++position_;
        if (c == delimiter_) return;
    }
}

void MMsgFormat::SkipAndDelimiter(int count) {
    Skip(count);
    SkipDelimiter();
}
