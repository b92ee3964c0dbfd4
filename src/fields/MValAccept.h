#pragma once
// The validator that accepts every text; the validator parameter of every text field type.
#include "fields/MTypeName.h"
#include "fields/MVal.h"

class MValAccept : public MVal {
public:
    static constexpr MTypeName kTypeName{"MValAccept"};

    const char* Check(const char*, int) const override { return nullptr; }
};
