#pragma once
// Delimiter types of the broadcast delimiter message: 33 two-letter codes with their names. The
// client sends the starts and ends of its account and position imports (the end of a position
// import is "ZP", not "EP") and "EP" as the position delimiter, and acts on the starts and ends of
// the historical data sets it receives. A code that no row has is looked up as row 0 ("ST").
// Constant data.
#include <cstdint>

#include "fields/DefaultLookupPolicy.h"
#include "fields/MEnumString.h"
#include "fields/MEnumTable.h"

// A row of the delimiter-type table, named as the table names it.
enum class EnumBraeDelimiterType : int32_t {
    StartOfTradingEngineOrders = 0,
    EndOfTradingEngineOrders = 1,
    StartOfGroupOrders = 2,
    EndOfGroupOrders = 3,
    StartOfGuardianStats = 4,
    EndOfGuardianStats = 5,
    EndOfPositionDeclaration = 6,
    StartOfHistoricalAccountData = 7,
    EndOfHistoricalAccountData = 8,
    StartOfAccountImport = 9,
    EndOfAccountImport = 10,
    StartOfPositionImport = 11,
    EndOfPositionImport = 12,
    StartOfHistoricalPositionData = 13,
    EndOfHistoricalPositionData = 14,
    StartOfHistoricalPositionOutcomeData = 15,
    EndOfHistoricalPositionOutcomeData = 16,
    StartOfHistoricalCommandHistoryData = 17,
    EndOfHistoricalCommandHistoryData = 18,
    StartProcessingAccountImport = 19,
    EndProcessingAccountImport = 20,
    StartProcessingPositionImport = 21,
    EndProcessingPositionImport = 22,
    StartVextSystemData = 23,
    EndVextSystemData = 24,
    StartOfEodTradeProcessing = 25,
    EndOfEodTradeProcessing = 26,
    StartOfBookOrders = 27,
    EndOfBookOrders = 28,
    StartOfRequestedOrders = 29,
    EndOfRequestedOrders = 30,
    StartOfBookOrdersTradeInfo = 31,
    EndOfBookOrdersTradeInfo = 32
};

template <>
struct MEnumTable<EnumBraeDelimiterType> {
    static constexpr char kTypeName[] = "EnumBraeDelimiterType";
    static constexpr MEnumCodeRow kRows[] = {{"ST", "StartOfTradingEngineOrders"},
                                             {"ET", "EndOfTradingEngineOrders"},
                                             {"SG", "StartOfGroupOrders"},
                                             {"EG", "EndOfGroupOrders"},
                                             {"G1", "StartOfGuardianStats"},
                                             {"G2", "EndOfGuardianStats"},
                                             {"EP", "EndOfPositionDeclaration"},
                                             {"SH", "StartOfHistoricalAccountData"},
                                             {"EH", "EndOfHistoricalAccountData"},
                                             {"SA", "StartOfAccountImport"},
                                             {"EA", "EndOfAccountImport"},
                                             {"SP", "StartOfPositionImport"},
                                             {"ZP", "EndOfPositionImport"},
                                             {"SO", "StartOfHistoricalPositionData"},
                                             {"EO", "EndOfHistoricalPositionData"},
                                             {"SU", "StartOfHistoricalPositionOutcomeData"},
                                             {"EU", "EndOfHistoricalPositionOutcomeData"},
                                             {"SC", "StartOfHistoricalCommandHistoryData"},
                                             {"EC", "EndOfHistoricalCommandHistoryData"},
                                             {"SN", "StartProcessingAccountImport"},
                                             {"EN", "EndProcessingAccountImport"},
                                             {"SI", "StartProcessingPositionImport"},
                                             {"EI", "EndProcessingPositionImport"},
                                             {"SD", "StartVextSystemData"},
                                             {"ED", "EndVextSystemData"},
                                             {"SR", "StartOfEodTradeProcessing"},
                                             {"ER", "EndOfEodTradeProcessing"},
                                             {"SB", "StartOfBookOrders"},
                                             {"EB", "EndOfBookOrders"},
                                             {"SQ", "StartOfRequestedOrders"},
                                             {"EQ", "EndOfRequestedOrders"},
                                             {"SF", "StartOfBookOrdersTradeInfo"},
                                             {"EF", "EndOfBookOrdersTradeInfo"}};
};

inline constexpr int kBraeDelimiterTypeCount = 33;

using BraeDelimiterType =
    MEnumString<2, EnumBraeDelimiterType, kBraeDelimiterTypeCount,
                DefaultLookupPolicy<2, EnumBraeDelimiterType, kBraeDelimiterTypeCount> >;
