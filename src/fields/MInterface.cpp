#include "fields/MInterface.h"

unsigned MInterface::AddValues(const char* const* texts, unsigned count) {
    if (!texts) return 0;
    for (unsigned i = 0; i < count; ++i) values_.emplace_back(texts[i] ? texts[i] : "");
    return count;
}
