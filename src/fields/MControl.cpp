#include "fields/MControl.h"

#include "core/ConcatStrings.h"

std::string MControl::GetDottedName(const std::string& prefix) const {
    return ConcatStrings(ConcatStrings(prefix, "."), name_);
}
