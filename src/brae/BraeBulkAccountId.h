#pragma once
// One account id of a bulk link: 16 characters, left-aligned and padded with blanks, 16 blanks when
// new. An element of the link message's id array: 16 plain bytes, copied freely.
#include <string>

#include "fields/MRPString.h"

class BraeBulkAccountId : public MRPString<16, 32, MValAccept> {
public:
    BraeBulkAccountId() = default;
    // A text (a filter operand or a value typed in), cut to 16 characters.
    explicit BraeBulkAccountId(const std::string& text) : MRPString(text) {}
    // The 16 characters found at place (which must hold 16 bytes), taken as they stand.
    explicit BraeBulkAccountId(const char* place) { SetChars(place, 16); }
};

static_assert(sizeof(BraeBulkAccountId) == 16 && alignof(BraeBulkAccountId) == 1);
