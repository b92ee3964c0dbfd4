#pragma once
// One column filter made ready to test rows: the operands taken from the filter once (offsets
// from now turned into date-time texts, the conditions swapped to match), so that a pass over
// many rows reads the clock and builds texts once. The filter must outlive this object and stay
// unchanged while it is used.
//
// A row passes when the column's test of the condition holds, inverted by the filter's negation.
// A condition outside 0 to 7, or a column (or referenced column) that is not a column of the
// format, fails the row whatever the negation.
#include <cstdint>
#include <string>

#include "fields/MInterfaceFormat.h"
#include "store/ColumnFilter.h"
#include "store/StringVector.h"

class PreparedFilter {
public:
    explicit PreparedFilter(const ColumnFilter& filter);

    bool Matches(const void* record, const MInterfaceFormat& format) const;

private:
    const ColumnFilter* filter_;
    int32_t condition_;
    const std::string* value_;
    const std::string* min_;
    const std::string* max_;
    const std::vector<std::string>* list_;
    // Operands built for offsets from now.
    std::string deltaValue_;
    std::string deltaMin_;
    std::string deltaMax_;
    StringVector deltaList_;
};
