#pragma once
// The published messages in publication order; owns its entries.
#include <cstddef>
#include <vector>

#include "fields/GUIErrorDetails.h"

class GUIErrorDetailsVector : public std::vector<GUIErrorDetails> {
public:
    // The entry at an index (checked: out of range throws std::out_of_range).
    const GUIErrorDetails& At(std::size_t index) const { return at(index); }
};
