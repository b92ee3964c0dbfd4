#include "fields/MStringDepth.h"

MStringDepth::MStringDepth(char separator, int reserve) : offsets_{0}, separator_(separator) {
    if (reserve > 0) text_.reserve(static_cast<std::size_t>(reserve));
}

void MStringDepth::Clear() {
    text_.clear();
    offsets_.assign(1, 0);
}

void MStringDepth::SetLevel(unsigned depth, const char* name) {
    if (depth + 1 < offsets_.size()) {
        text_.resize(offsets_[depth]);
        offsets_.resize(depth + 1);
    }
    while (offsets_.size() < depth + 1) offsets_.push_back(static_cast<unsigned>(text_.size()));
    if (!text_.empty() && separator_ != 0) text_ += separator_;
    if (name) text_ += name;
    offsets_.push_back(static_cast<unsigned>(text_.size()));
}
