#pragma once
// The sets that the protocol defines over its enumerations: account types and instrument types as
// enumeration sets of their letter enumerations, and the kinds of exceeded risk limit as a flag
// set of its own nine names. Their text form is the names joined by ',', "All" or "None". The
// tables are checked at compile time.
#include <cstdint>

#include "brae/BraeLetterEnumerations.h"
#include "fields/MEnumSet.h"
#include "fields/MEnumTable.h"
#include "fields/MSet.h"

using BraeAccountTypeSet = MEnumSet<EnumBraeAccountType, 14>;
using BraeInstrumentTypeSet = MEnumSet<EnumBraeInstrumentType, 18>;

// The flags of an exceeded-limit set (flag i is bit i).
enum class EnumBraeExceededLimitType : uint32_t {
    GlobalNetExposure = 1u << 0,
    NetExposure = 1u << 1,
    LongExposure = 1u << 2,
    ShortExposure = 1u << 3,
    NetPosition = 1u << 4,
    LongPosition = 1u << 5,
    ShortPosition = 1u << 6,
    TradedActivity = 1u << 7,
    MaximumTrigger = 1u << 8
};
template <>
struct MEnumTable<EnumBraeExceededLimitType> {
    static constexpr char kTypeName[] = "EnumBraeExceededLimitType";
    static constexpr const char* kNames[] = {"GlobalNetExposure", "NetExposure",    "LongExposure",
                                             "ShortExposure",     "NetPosition",    "LongPosition",
                                             "ShortPosition",     "TradedActivity", "MaximumTrigger"};
};
using BraeExceededLimitTypeSet = MSet<uint32_t, EnumBraeExceededLimitType, 9, 256>;

static_assert(BraeAccountTypeSet::kTablesConsistent && BraeInstrumentTypeSet::kTablesConsistent &&
                  BraeExceededLimitTypeSet::kTablesConsistent,
              "each protocol set has one name per flag and room for its full text");
