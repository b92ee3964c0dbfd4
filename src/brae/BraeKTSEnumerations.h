#pragma once
// The position-reporting enumerations that the framework's letter tables do not hold already: the
// protocol level of the user connection (codes that are their own names) and three letter
// enumerations that the protocol defines but the client never reads or writes. Constant data.
#include <cstdint>

#include "fields/DefaultLookupPolicy.h"
#include "fields/MEnumAlpha.h"
#include "fields/MEnumString.h"
#include "fields/MEnumTable.h"

enum class EnumBraeKTSLevel : int32_t { A0, L0, L1, L2 };
template <>
struct MEnumTable<EnumBraeKTSLevel> {
    static constexpr char kTypeName[] = "EnumBraeKTSLevel";
    static constexpr MEnumCodeRow kRows[] = {{"A0", "A0"}, {"L0", "L0"}, {"L1", "L1"}, {"L2", "L2"}};
};
using BraeKTSLevel = MEnumString<2, EnumBraeKTSLevel, 4, DefaultLookupPolicy<2, EnumBraeKTSLevel, 4> >;

enum class EnumBraeKTSReportType : char { StartOfDay = 'S', EndOfDay = 'E', Update = 'U' };
template <>
struct MEnumTable<EnumBraeKTSReportType> {
    using E = EnumBraeKTSReportType;
    static constexpr char kTypeName[] = "EnumBraeKTSReportType";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::StartOfDay, "StartOfDay"}, {E::EndOfDay, "EndOfDay"}, {E::Update, "Update"}};
};

enum class EnumBraeKTSPositionEntryAction : char { NewPosition = 'N', PositionUpdate = 'U' };
template <>
struct MEnumTable<EnumBraeKTSPositionEntryAction> {
    using E = EnumBraeKTSPositionEntryAction;
    static constexpr char kTypeName[] = "EnumBraeKTSPositionEntryAction";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::NewPosition, "NewPosition"},
                                                  {E::PositionUpdate, "PositionUpdate"}};
};

enum class EnumBraeKTSDateType : char { None = ' ', ReportableDate = 'A', B_Date = 'B', C_Date = 'C' };
template <>
struct MEnumTable<EnumBraeKTSDateType> {
    using E = EnumBraeKTSDateType;
    static constexpr char kTypeName[] = "EnumBraeKTSDateType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::None, "None"},
                                                  {E::ReportableDate, "ReportableDate"},
                                                  {E::B_Date, "B_Date"},
                                                  {E::C_Date, "C_Date"}};
};
