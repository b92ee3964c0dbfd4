#pragma once
// The message-type catalogue of the exchange protocol: every message starts with a two-letter type
// code, and the catalogue gives each of its 310 codes an index and a name (index 0 "??" Unknown,
// index 309 two blanks None). The codes and names are the protocol's own, repeated codes and
// names included: "TY" stands at 103 and 262, and the lookup of a received code finds the later
// one. A received message's type is found with one read of a table of 65,536 entries addressed by
// its first two bytes (Key2LookupPolicy); every table is constant data built at compile time.
#include <cstdint>

#include "fields/Key2LookupPolicy.h"
#include "fields/MEnumString.h"
#include "fields/MEnumTable.h"

// A message-type index. The catalogue has 310 indices; the types this client sends or reads are
// named by their codes.
enum class EnumBraeMsgType : int32_t {
    Unknown = 0,
    TC = 1,    // BraeUserConnection
    TD = 2,    // BraeUserDisconnection
    TH = 4,    // BraeHeartbeatQuestion
    TI = 5,    // BraeHeartbeatResponse
    TE = 7,    // BraeTechnicalErrorNotice
    TK = 8,    // BraeConnectionAcknowledgment
    TL = 9,    // BraeDisconnectionAcknowledgment
    ER = 90,   // BraeErrorNotice
    KO = 99,   // BraeStandardAcknowledgment
    IU = 107,  // BraeBroadcastDelimiter
    AD = 223,  // BraeAccountDelete
    AN = 224,  // BraeAccountEntry
    KA = 225,  // BraeAccountDeleteAcknowledgment
    KF = 226,  // BraePositionDeleteAcknowledgment
    PD = 227,  // BraePositionDelete
    PN = 228,  // BraePositionEntry
    PU = 229,  // BraePositionDelimiter
    KR = 230,  // BraeAccountAcknowledgment
    KB = 231,  // BraePositionAcknowledgment
    JY = 232,  // BraeAccountSummary
    AL = 233,  // BraeBulkLinkAccount
    KL = 234,  // BraeBulkLinkAccountAcknowledgment
    BI = 235,  // BraeBulkInstrument
    BP = 236,  // BraeBulkParticipant
    TF = 237,  // BraeComponentNotice
    HV = 255,  // BraeHistoricalAccountRequest
    JZ = 257,  // BraeHistoricalAccountAcknowledgment
    TR = 260,  // BraePasswordReset
    TY = 262,  // BraePasswordResetAcknowledgment
    AM = 265,  // BraeNonReportableAccountEntry
    QR = 268,  // BraeNonReportableAccountAcknowledgment
    MC = 269,  // BraeMonitoringAccount
    KX = 270,  // BraeMonitoringAccountAcknowledgment
    NF = 279,  // BraeBulkDate
    PQ = 281,  // BraeHistoricalPositionRequest
    PH = 282,  // BraeHistoricalPositionAcknowledgment
    OR = 283,  // BraeHistoricalPositionSubmissionOutcomeRequest
    OH = 284,  // BraeHistoricalPositionSubmissionOutcomeAcknowledgment
    AR = 285,  // BraeHistoricalCommandHistoryAuditRequest
    RA = 286,  // BraeHistoricalCommandHistoryAuditAcknowledgment
    None = 309
};

template <>
struct MEnumTable<EnumBraeMsgType> {
    static constexpr char kTypeName[] = "EnumBraeMsgType";
    static constexpr MEnumCodeRow kRows[] = {
        {"??", "Unknown"},                                                // 0
        {"TC", "BraeUserConnection"},                                     // 1
        {"TD", "BraeUserDisconnection"},                                  // 2
        {"TA", "BraeDisconnectionInstruction"},                           // 3
        {"TH", "BraeHeartbeatQuestion"},                                  // 4
        {"TI", "BraeHeartbeatResponse"},                                  // 5
        {"TO", "BraeOutOfSequence"},                                      // 6
        {"TE", "BraeTechnicalErrorNotice"},                               // 7
        {"TK", "BraeConnectionAcknowledgment"},                           // 8
        {"TL", "BraeDisconnectionAcknowledgment"},                        // 9
        {"TM", "BraeDisconnectionInstructionAcknowledgment"},             // 10
        {"TT", "BraeEndOfTransmission"},                                  // 11
        {"TS", "BraeConnectionStatus"},                                   // 12
        {"TX", "BraeLoginInformation"},                                   // 13
        {"DT", "BraeDateInitialization"},                                 // 14
        {"TB", "BraeTimeBeat"},                                           // 15
        {"OE", "BraeOrderEntry"},                                         // 16
        {"OY", "BraeMOCOrderEntry"},                                      // 17
        {"OM", "BraeOrderModification"},                                  // 18
        {"ND", "BraeDirectedOrderNotice"},                                // 19
        {"NC", "BraeDirectedOrderCancellationNotice"},                    // 20
        {"OP", "BraeOLAPrincipalOrderEntry"},                             // 21
        {"OS", "BraeOLASatisfactionOrderEntry"},                          // 22
        {"SI", "BraeFromOLASatisfactionOrderEntry"},                      // 23
        {"OI", "BraeImprovementOrderEntry"},                              // 24
        {"KE", "BraeOrderAcknowledgment"},                                // 25
        {"KP", "BraePrincipalOrderAcknowledgment"},                       // 26
        {"KI", "BraeImprovementOrderAcknowledgment"},                     // 27
        {"KS", "BraeSatisfactionOrderAcknowledgment"},                    // 28
        {"KM", "BraeOrderModificationAcknowledgment"},                    // 29
        {"KN", "BraeNewInstrumentAcknowledgment"},                        // 30
        {"NZ", "BraeOrderCancellationNotice"},                            // 31
        {"KZ", "BraeOrderCancellationAcknowledgment"},                    // 32
        {"OA", "BraeAuctionEntry"},                                       // 33
        {"OX", "BraeCrossEntry"},                                         // 34
        {"NM", "BraeMarketMakerPrimeNotice"},                             // 35
        {"BD", "BraeBulkQuoteData"},                                      // 36
        {"KD", "BraeBulkQuoteDataAcknowledgment"},                        // 37
        {"QA", "BraeBulkQuote"},                                          // 38
        {"QB", "BraeBulkQuote"},                                          // 39
        {"QC", "BraeBulkQuote"},                                          // 40
        {"QD", "BraeBulkQuote"},                                          // 41
        {"QE", "BraeBulkQuote"},                                          // 42
        {"QF", "BraeBulkQuote"},                                          // 43
        {"QG", "BraeBulkQuote"},                                          // 44
        {"QH", "BraeBulkQuote"},                                          // 45
        {"QI", "BraeBulkQuote"},                                          // 46
        {"QJ", "BraeBulkQuote"},                                          // 47
        {"QK", "BraeBulkQuote"},                                          // 48
        {"QL", "BraeBulkQuote"},                                          // 49
        {"QM", "BraeBulkQuote"},                                          // 50
        {"QN", "BraeBulkQuote"},                                          // 51
        {"QO", "BraeBulkQuote"},                                          // 52
        {"QP", "BraeBulkQuote"},                                          // 53
        {"LA", "BraeBulkQuoteAcknowledgment"},                            // 54
        {"LB", "BraeBulkCommandAcknowledgment"},                          // 55
        {"JA", "BraeBulkQuoteAcknowledgment"},                            // 56
        {"JB", "BraeBulkQuoteAcknowledgment"},                            // 57
        {"JC", "BraeBulkQuoteAcknowledgment"},                            // 58
        {"JD", "BraeBulkQuoteAcknowledgment"},                            // 59
        {"JE", "BraeBulkQuoteAcknowledgment"},                            // 60
        {"JF", "BraeBulkQuoteAcknowledgment"},                            // 61
        {"JG", "BraeBulkQuoteAcknowledgment"},                            // 62
        {"JH", "BraeBulkQuoteAcknowledgment"},                            // 63
        {"JI", "BraeBulkQuoteAcknowledgment"},                            // 64
        {"JJ", "BraeBulkQuoteAcknowledgment"},                            // 65
        {"JK", "BraeBulkQuoteAcknowledgment"},                            // 66
        {"JL", "BraeBulkQuoteAcknowledgment"},                            // 67
        {"JM", "BraeBulkQuoteAcknowledgment"},                            // 68
        {"JN", "BraeBulkQuoteAcknowledgment"},                            // 69
        {"JO", "BraeBulkQuoteAcknowledgment"},                            // 70
        {"JP", "BraeBulkQuoteAcknowledgment"},                            // 71
        {"GC", "BraeGlobalCancellation"},                                 // 72
        {"GZ", "BraeUserGlobalCancellation"},                             // 73
        {"KG", "BraeGlobalCancellationConfirmation"},                     // 74
        {"NE", "BraeExcludedInstrumentNotice"},                           // 75
        {"NP", "BraeCancellationOfAllQuotesNotice"},                      // 76
        {"OD", "BraeDirectedOrderAcceptation"},                           // 77
        {"KQ", "BraeDirectedRoutedOrderRejectionAndQuoteResubmit"},       // 78
        {"XE", "BraeOrderCancellation"},                                  // 79
        {"AE", "BraeOrderReply"},                                         // 80
        {"AF", "BraeOrderRequest"},                                       // 81
        {"XO", "BraePrincipalOrderCancellation"},                         // 82
        {"XY", "BraeMOCOrderCancellation"},                               // 83
        {"XS", "BraeSatisfactionOrderCancellation"},                      // 84
        {"XI", "BraeImprovementOrderCancellation"},                       // 85
        {"NT", "BraeExecutionNotice"},                                    // 86
        {"NX", "BraeExecutionCancellationNotice"},                        // 87
        {"NL", "BraeLegExecutionNotice"},                                 // 88
        {"NY", "BraeLegExecutionCancellationNotice"},                     // 89
        {"ER", "BraeErrorNotice"},                                        // 90
        {"EX", "BraeErrorFromExternalSourceNotice"},                      // 91
        {"RE", "BraeExecutingParticipantConnection"},                     // 92
        {"RF", "BraeExecutingParticipantDisconnection"},                  // 93
        {"ID", "BraeExecutingParticipantDisconnectionNotice"},            // 94
        {"RQ", "BraeRequestForQuote"},                                    // 95
        {"HQ", "BraeRequestForQuoteNotice"},                              // 96
        {"NG", "BraeGroupStateChange"},                                   // 97
        {"NI", "BraeInstrumentStateChange"},                              // 98
        {"KO", "BraeStandardAcknowledgment"},                             // 99
        {"RP", "BraeMarketMakerProtectionSubscription"},                  // 100
        {"IE", "BraeAuctionEndNotice"},                                   // 101
        {"IH", "BraeInternalHeartBeat"},                                  // 102
        {"TY", "BraeMOCTradeEntry"},                                      // 103
        {"IO", "BraeReferencePrice"},                                     // 104
        {"IP", "BraeClearingInformation"},                                // 105
        {"IS", "BraeInstrumentToSte"},                                    // 106
        {"IU", "BraeBroadcastDelimiter"},                                 // 107
        {"IV", "BraeOrderInBook"},                                        // 108
        {"NU", "BraeUpdateOrderOrQuoteNotice"},                           // 109
        {"IG", "BraeOpenInterest"},                                       // 110
        {"WC", "BraeMOCCpuStatechange"},                                  // 111
        {"WD", "BraeMOCConfigDataManipulation"},                          // 112
        {"KC", "BraeMOCConfigDataManipulationAcknowledgment"},            // 113
        {"WG", "BraeMOCGroupStateChange"},                                // 114
        {"WI", "BraeMOCInstrumentStateChange"},                           // 115
        {"WL", "BraeMOCPriceThresholdEntry"},                             // 116
        {"WM", "BraeMOCOrderModification"},                               // 117
        {"WO", "BraeMOCOrderEntry"},                                      // 118
        {"WP", "BraeMOCReferencePriceEntry"},                             // 119
        {"WQ", "BraeMOCRequestForQuote"},                                 // 120
        {"WR", "BraeMOCExtendedReferencePriceEntry"},                     // 121
        {"WS", "BraeMOCSatisfactionDemand"},                              // 122
        {"WT", "BraeMOCTradeEntry"},                                      // 123
        {"WU", "BraeMOCPriceUpdate"},                                     // 124
        {"WW", "BraeMOCGatewayCommand"},                                  // 125
        {"WX", "BraeMOCOrderCancellation"},                               // 126
        {"WY", "BraeMOCTradeCancellation"},                               // 127
        {"WZ", "BraeMOCGlobalCancellation"},                              // 128
        {"HA", "BraeMarketDepth"},                                        // 129
        {"HB", "BraeMarketDepth"},                                        // 130
        {"HC", "BraeMarketDepth"},                                        // 131
        {"HD", "BraeMarketDepth"},                                        // 132
        {"HE", "BraeMarketDepth"},                                        // 133
        {"HF", "BraeMarketDepth"},                                        // 134
        {"HG", "BraeMarketDepth"},                                        // 135
        {"HH", "BraeMarketDepth"},                                        // 136
        {"HI", "BraeMarketDepth"},                                        // 137
        {"HJ", "BraeMarketDepth"},                                        // 138
        {"HK", "BraeMarketDepth"},                                        // 139
        {"HL", "BraeMarketDepth"},                                        // 140
        {"HM", "BraeMarketDepth"},                                        // 141
        {"HN", "BraeMarketDepth"},                                        // 142
        {"HO", "BraeMarketDepth"},                                        // 143
        {"HP", "BraeMarketDepth"},                                        // 144
        {"HT", "BraeTrade"},                                              // 145
        {"HX", "BraeTradeCancel"},                                        // 146
        {"HS", "BraeCpuState"},                                           // 147
        {"IM", "BraeExternalMarket"},                                     // 148
        {"IW", "BraeInternalEvent"},                                      // 149
        {"IA", "BraeAuctionNotice"},                                      // 150
        {"IC", "BraePriceThreshold"},                                     // 151
        {"IJ", "BraeGroupStatusScheduleNotice"},                          // 152
        {"II", "BraeMarketInformation"},                                  // 153
        {"HZ", "BraeInstrumentStateChangeDissemination"},                 // 154
        {"HR", "BraeBulletin"},                                           // 155
        {"AA", "BraePrincipalAsAgentOrderOLA"},                           // 156
        {"AB", "BraePrincipalAsAgentOrderCancelledAway"},                 // 157
        {"AC", "BraeOutgoingPrincipalAsAgentOLAWatchStatus"},             // 158
        {"AI", "BraeIncomingPrincipalAsAgentOrder"},                      // 159
        {"AK", "BraeIncomingPrincipalAsAgentAcknowledgment"},             // 160
        {"AO", "BraeBulkGroupStateChangeCommand"},                        // 161
        {"AT", "BraeOutgoingPrincipalAsAgentOrderAwayTradeOLA"},          // 162
        {"AU", "BraeOutgoingPrincipalAsAgentOrderAwayTradeTE"},           // 163
        {"AX", "BraePrincipalAsAgentInCancel"},                           // 164
        {"AY", "BraePrincipalAsAgentInCancelAck"},                        // 165
        {"CI", "BraeExternalIsin"},                                       // 166
        {"PA", "BraeOutgoingPrincipalOrderOLAtoFIXOLA"},                  // 167
        {"PB", "BraeOutgoingPrincipalOrderAwayError"},                    // 168
        {"PF", "BraeOutgoingPrincipalOrderCxltoFIXOLA"},                  // 169
        {"PI", "BraeIncomingPrincipalOrder"},                             // 170
        {"PK", "BraeIncomingPrincipalAcknowledgement"},                   // 171
        {"PT", "BraeEventLog"},                                           // 172
        {"PX", "BraePInCancel"},                                          // 173
        {"PY", "BraePInCancelAck"},                                       // 174
        {"ZA", "BraeOLAGeneric"},                                         // 175
        {"ZB", "BraeOLA____________"},                                    // 176
        {"ZC", "BraeOLA____________"},                                    // 177
        {"ZD", "BraeOLATradeOLAIN"},                                      // 178
        {"ZE", "BraeOLATradeOLAOUT"},                                     // 179
        {"ZF", "BraeOLACancelTrade"},                                     // 180
        {"ZG", "BraeOLAOrderConfirmationToOLA"},                          // 181
        {"ZH", "BraeOLATradeKill"},                                       // 182
        {"SU", "BraeSatisfactionTradeExecute"},                           // 183
        {"SD", "BraeSatisfactionIssueSTE"},                               // 184
        {"IT", "BraeTradeEntry"},                                         // 185
        {"IL", "BraeModificationOfARoutedOrder"},                         // 186
        {"ZX", "BraeZXCommand"},                                          // 187
        {"IF", "BraeIFMitigationStatistic"},                              // 188
        {"IZ", "BraeEntryOfARoutedOrder"},                                // 189
        {"OC", "BraeComplexOrderEntry"},                                  // 190
        {"ON", "BraeNewInstrument"},                                      // 191
        {"MI", "BraeMonitoringInstrumentUpdate"},                         // 192
        {"MM", "BraeMonitoringMMStatus"},                                 // 193
        {"MS", "BraeMonitoringMMInstrumentStatistic"},                    // 194
        {"MG", "BraeMonitoringMMGroupStatistic"},                         // 195
        {"IK", "BraeFeGwHeartbeat"},                                      // 196
        {"PE", "BraePeriodEnd"},                                          // 197
        {"BS", "BraeBroadcastSubAllocation"},                             // 198
        {"BA", "BraeBroadcastTradeAllocation"},                           // 199
        {"BR", "BraeBroadcastTradeAllocationPriceUpdate"},                // 200
        {"BU", "BraeBroadcastTradeAllocationUpdate"},                     // 201
        {"BK", "BraeBroadcastTradeAllocationKill"},                       // 202
        {"BC", "BraeBroadcastTradeAllocationClearing"},                   // 203
        {"CA", "BraeBtaAgreementCreate"},                                 // 204
        {"UA", "BraeBtaAgreementUpdate"},                                 // 205
        {"DA", "BraeBtaAgreementDelete"},                                 // 206
        {"CK", "BraeBtaAllocationKeyCreate"},                             // 207
        {"UK", "BraeBtaAllocationKeyUpdate"},                             // 208
        {"DK", "BraeBtaAllocationKeyDelete"},                             // 209
        {"PS", "BraePriceSummary"},                                       // 210
        {"IN", "BraeInternalSubsystemLoopback"},                          // 211
        {"IX", "BraeUnderlyingPrice"},                                    // 212
        {"IQ", "BraeInstrumentActivityList"},                             // 213
        {"KY", "BraeAuctionOrImprovementCancellationAcknowledgment"},     // 214
        {"MA", "BraeMonitoringSurfaceUpdateRequest"},                     // 215
        {"MB", "BraeMonitoringSurfaceUpdateNotice"},                      // 216
        {"NA", "BraeImpliedOrderNotice"},                                 // 217
        {"NB", "BraeInstrumentPriceNotice"},                              // 218
        {"CJ", "BraeIsinAssignation"},                                    // 219
        {"KJ", "BraeIsinAssignationAcknowledgment"},                      // 220
        {"IY", "CircuitBreakerSummary"},                                  // 221
        {"IR", "InstrumentStatusScheduleNotice"},                         // 222
        {"AD", "BraeAccountDelete"},                                      // 223
        {"AN", "BraeAccountEntry"},                                       // 224
        {"KA", "BraeAccountDeleteAcknowledgment"},                        // 225
        {"KF", "BraePositionDeleteAcknowledgment"},                       // 226
        {"PD", "BraePositionDelete"},                                     // 227
        {"PN", "BraePositionEntry"},                                      // 228
        {"PU", "BraePositionDelimiter"},                                  // 229
        {"KR", "BraeAccountAcknowledgment"},                              // 230
        {"KB", "BraePositionAcknowledgment"},                             // 231
        {"JY", "BraeAccountSummary"},                                     // 232
        {"AL", "BraeBulkLinkAccount"},                                    // 233
        {"KL", "BraeBulkLinkAccountAcknowledgment"},                      // 234
        {"BI", "BraeBulkInstrument"},                                     // 235
        {"BP", "BraeBulkParticipant"},                                    // 236
        {"TF", "BraeComponentNotice"},                                    // 237
        {"OU", "BraeNewFlex"},                                            // 238
        {"KU", "BraeNewFlexAcknowledgment"},                              // 239
        {"SA", "BraeUnansweredStatistics"},                               // 240
        {"SE", "BraeErrorStatistics"},                                    // 241
        {"SO", "BraeOrderAuctionStatistics"},                             // 242
        {"SQ", "BraeBulkQuoteStatistics"},                                // 243
        {"ST", "BraeTradeStatistics"},                                    // 244
        {"MT", "BraeMonitoringTraderActivity"},                           // 245
        {"CR", "BraeFirmRiskConfig"},                                     // 246
        {"ML", "BraeSetGlobalRiskLimits"},                                // 247
        {"MK", "BraeSetGroupRiskLimits"},                                 // 248
        {"MP", "BraeInterCpuGlobalLimitAllocation"},                      // 249
        {"MO", "BraeRiskUsageAdjustment"},                                // 250
        {"MN", "BraeRiskLimitsUsage"},                                    // 251
        {"SH", "BraeVintHeartBeat"},                                      // 252
        {"ZN", "BraeAccountEntryEncrypted"},                              // 253
        {"ZK", "BraeAccountAcknowledgmentEncrypted"},                     // 254
        {"HV", "BraeHistoricalAccountRequest"},                           // 255
        {"ZV", "BraeHistoricalAccountAcknowledgmentEncrypted"},           // 256
        {"JZ", "BraeHistoricalAccountAcknowledgment"},                    // 257
        {"ZJ", "BraeAccountSummaryEncrypted"},                            // 258
        {"AP", "BraeParticipantAuthentication"},                          // 259
        {"TR", "BraePasswordReset"},                                      // 260
        {"TG", "BraePasswordResetEncrypted"},                             // 261
        {"TY", "BraePasswordResetAcknowledgment"},                        // 262
        {"KW", "BraeInternalEventAcknowledgment"},                        // 263
        {"NO", "BraeOversteppedOrderOrQuoteNotice"},                      // 264
        {"AM", "BraeNonReportableAccountEntry"},                          // 265
        {"ZM", "BraeNonReportableAccountEntryEncrypted"},                 // 266
        {"ZQ", "BraeNonReportableAccountAcknowledgmentEncrypted"},        // 267
        {"QR", "BraeNonReportableAccountAcknowledgment"},                 // 268
        {"MC", "BraeMonitoringAccount"},                                  // 269
        {"KX", "BraeMonitoringAccountAcknowledgment"},                    // 270
        {"FD", "BraeFirmUnitData"},                                       // 271
        {"QS", "BraeRequestForQuoteWithSide"},                            // 272
        {"QW", "BraeRequestForQuoteWithSideAcknowledgment"},              // 273
        {"HW", "BraeRequestForQuoteWithSideNotice"},                      // 274
        {"PO", "BraeExtendedReferencePrice"},                             // 275
        {"SN", "BraeNotification"},                                       // 276
        {"SK", "BraeNotificationSkipped"},                                // 277
        {"MU", "BraeTraderStatus"},                                       // 278
        {"NF", "BraeBulkDate"},                                           // 279
        {"NH", "BraeStandardErrorNotification"},                          // 280
        {"PQ", "BraeHistoricalPositionRequest"},                          // 281
        {"PH", "BraeHistoricalPositionAcknowledgment"},                   // 282
        {"OR", "BraeHistoricalPositionSubmissionOutcomeRequest"},         // 283
        {"OH", "BraeHistoricalPositionSubmissionOutcomeAcknowledgment"},  // 284
        {"AR", "BraeHistoricalCommandHistoryAuditRequest"},               // 285
        {"RA", "BraeHistoricalCommandHistoryAuditAcknowledgment"},        // 286
        {"NQ", "BraeQualityMarketMakerNotification"},                     // 287
        {"BT", "BraeBtaFloorTradeCreate"},                                // 288
        {"BV", "BraeBtaFloorTradeUpdate"},                                // 289
        {"HU", "BraeUnderlyingMarketSummary"},                            // 290
        {"BE", "BraeBulkTradeUpdate"},                                    // 291
        {"BL", "BraeBulkTradeUpdateCancellation"},                        // 292
        {"OT", "BraeStrategyAuctionEntry"},                               // 293
        {"KT", "BraeStrategyAuctionAcknowledgment"},                      // 294
        {"IB", "BraeOrderInBookTradeInfo"},                               // 295
        {"MD", "BraeDeleteGroupRiskLimits"},                              // 296
        {"LI", "BraeLegInstruction"},                                     // 297
        {"TN", "BraeThrottlingNotification"},                             // 298
        {"PW", "BraeGlobalEvent"},                                        // 299
        {"BG", "BraeBtaAllocationGroupPriceUpdate"},                      // 300
        {"EV", "BraeCommandError"},                                       // 301
        {"KV", "BraeCommandAcknowledgement"},                             // 302
        {"CS", "BraeConfigStart"},                                        // 303
        {"CE", "BraeConfigEnd"},                                          // 304
        {"CD", "BraeConfigData"},                                         // 305
        {"CP", "BraeConfigDataPreview"},                                  // 306
        {"CB", "BraeAllocationConfigStart"},                              // 307
        {"CF", "BraeAllocationConfigEnd"},                                // 308
        {"  ", "None"}};                                                  // 309
};

inline constexpr int kBraeMsgTypeCount = 310;

// The two code bytes of a message type; a new or cleared value holds "??" (index 0).
using BraeMsgType =
    MEnumString<2, EnumBraeMsgType, kBraeMsgTypeCount, Key2LookupPolicy<EnumBraeMsgType, kBraeMsgTypeCount> >;

// The type of a received message: the catalogue index of its first two bytes, with one table read;
// Unknown (0) for a code the catalogue does not list and for a message shorter than two bytes.
inline EnumBraeMsgType GetIncomingMsgType(const char* message, int length) {
    if (!message || length < 2) return EnumBraeMsgType::Unknown;
    return static_cast<EnumBraeMsgType>(
        Key2LookupPolicy<EnumBraeMsgType, kBraeMsgTypeCount>::FindCode(message));
}
