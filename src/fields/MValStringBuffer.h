#pragma once
// Validator of a text's length and of each of its characters; V, the class derived from it, gives
// the character test as its static IsCharValid(char).
#include "fields/MValLen.h"

template <class V>
class MValStringBuffer : public MValLen {
public:
    MValStringBuffer(int minimum, int maximum) : MValLen(minimum, maximum) {}

    const char* Check(const char* text, int length) const override {
        if (!text || length < 0) length = 0;
        if (!IsLengthValid(static_cast<uint32_t>(length))) return "Invalid length";
        for (int i = 0; i < length; ++i) {
            if (!V::IsCharValid(text[i])) return "Invalid character in string";
        }
        return nullptr;
    }
};
