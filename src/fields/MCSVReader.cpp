#include "fields/MCSVReader.h"

#include <cstring>

#include "fields/MObjectFunction.h"

MCSVReader::MCSVReader(char delimiter) : MObjectFormat(false), delimiter_(delimiter) {}

void MCSVReader::SetInput(const char* line, int length) {
    input_ = line;
    length_ = line && length > 0 ? static_cast<uint32_t>(length) : 0;
    position_ = 0;
}

uint32_t MCSVReader::TrimmedEnd() const {
    uint32_t end = length_;
    for (int dropped = 0; dropped < 2 && end > 0 && static_cast<unsigned char>(input_[end - 1]) < 32;
         ++dropped) {
        --end;
    }
    return end;
}

void MCSVReader::ProcessField(MObjectFunction& field) {
    if (position_ >= length_) {
        if (IsClearMissing()) field.SetText(input_ ? input_ : "", 0, false);
        return;
    }
    const char* start = input_ + position_;
    const void* delimiter = std::memchr(start, delimiter_, length_ - position_);
    const uint32_t end =
        delimiter ? static_cast<uint32_t>(static_cast<const char*>(delimiter) - input_) : TrimmedEnd();
    field.SetText(start, end > position_ ? static_cast<int>(end - position_) : 0, false);
    position_ = end < length_ ? end + 1 : end;
}
