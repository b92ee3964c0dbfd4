#pragma once
// An account number as the account and position messages carry it: 16 characters, left-aligned
// and padded with blanks, 16 blanks when new. 16 plain bytes, copied freely.
#include <string>

#include "fields/MRPString.h"

class BraeKTSAccountNumber : public MRPString<16, 32, MValAccept> {
public:
    BraeKTSAccountNumber() = default;
    // A text (a filter operand or a value typed in), cut to 16 characters.
    explicit BraeKTSAccountNumber(const std::string& text) : MRPString(text) {}
    // The 16 characters found at place (which must hold 16 bytes) (a received message's bytes), taken as they
    // stand.
    explicit BraeKTSAccountNumber(const char* place) { SetChars(place, 16); }
};

static_assert(sizeof(BraeKTSAccountNumber) == 16 && alignof(BraeKTSAccountNumber) == 1);
