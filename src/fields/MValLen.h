#pragma once
// Validator of a text's length: acceptable when minimum <= length <= maximum. The bounds are given
// signed and kept unsigned, so a maximum of -1 means no upper limit.
#include <cstdint>

#include "fields/MVal.h"

class MValLen : public MVal {
public:
    MValLen(int minimum, int maximum)
        : minimum_(static_cast<uint32_t>(minimum)), maximum_(static_cast<uint32_t>(maximum)) {}

    bool IsLengthValid(uint32_t length) const { return minimum_ <= length && length <= maximum_; }

    const char* Check(const char* text, int length) const override {
        return IsLengthValid(text && length > 0 ? static_cast<uint32_t>(length) : 0) ? nullptr
                                                                                     : "Invalid length";
    }

private:
    uint32_t minimum_;
    uint32_t maximum_;
};
