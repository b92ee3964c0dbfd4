#pragma once
// Validator of printable texts: every character must be a byte from 32 to 126.
#include "fields/MValStringBuffer.h"

class MValPrintableChar : public MValStringBuffer<MValPrintableChar> {
public:
    MValPrintableChar(int minimum, int maximum) : MValStringBuffer(minimum, maximum) {}

    static bool IsCharValid(char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 32 && byte <= 126;
    }
};
