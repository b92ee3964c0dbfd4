#pragma once
// The reporting flags of an account: the flag set the account records hold and show, and its
// wire form, one 'Y' or 'N' per flag in a text of 32 characters.
#include <cstdint>

#include "fields/MEnumTable.h"
#include "fields/MSet.h"
#include "fields/MSetText.h"

enum class EnumBraeKTSAccountFlags : uint32_t { ActiveForReporting = 1, OnceReportable = 2 };
template <>
struct MEnumTable<EnumBraeKTSAccountFlags> {
    static constexpr char kTypeName[] = "EnumBraeKTSAccountFlags";
    static constexpr const char* kNames[] = {"ActiveForReporting", "OnceReportable"};
};

using BraeKTSAccountFlagsSet = MSet<uint32_t, EnumBraeKTSAccountFlags, 2, 256>;
using BraeKTSAccountFlagsSetText = MSetText<BraeKTSAccountFlagsSet, 32, 'Y', 'N', 'N'>;
static_assert(BraeKTSAccountFlagsSet::kTablesConsistent,
              "the account flags have their names and room for the full text");
