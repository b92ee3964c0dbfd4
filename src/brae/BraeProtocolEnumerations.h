#pragma once
// The protocol's enumerations that belong to its trading, linkage, risk-control and configuration
// messages: each enumeration, its table of letters (or codes) and names in index order (the first
// row is the default), and its value type. The client builds them with the rest of the protocol
// and uses only the broadcast timing of the broadcast delimiter. They stand in the protocol's
// order; the account types and instrument types (brae/BraeLetterEnumerations.h), the delimiter
// types, country codes, hedge spec and call/put code have files of their own, and the error codes
// are in EnumBraeErrorCode.h. Letters are case-sensitive. Two letters of EnumBraeExchange and two
// codes of EnumBraeGlobalEvent that the protocol reserves for a sibling exchange carry neutral
// names of our own ("GroupExchange1", "GroupExchange2", "StartCnxOther", "MitigationJobOther").
// Constant data.
#include <cstdint>

#include "fields/DefaultLookupPolicy.h"
#include "fields/MEnumAlpha.h"
#include "fields/MEnumString.h"
#include "fields/MEnumTable.h"

enum class EnumBraeSettlementType : char {
    Unknown = '?',
    None = ' ',
    Regular = 'R',
    Stop = 'S',
    OneDaySettlement = 'D',
    ExchangeForPhysical = 'P'
};
template <>
struct MEnumTable<EnumBraeSettlementType> {
    using E = EnumBraeSettlementType;
    static constexpr char kTypeName[] = "EnumBraeSettlementType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::None, "None"},
                                                  {E::Regular, "Regular"},
                                                  {E::Stop, "Stop"},
                                                  {E::OneDaySettlement, "OneDaySettlement"},
                                                  {E::ExchangeForPhysical, "ExchangeForPhysical"}};
};
using BraeSettlementType = MEnumAlpha<EnumBraeSettlementType, 6>;

enum class EnumBraeSourceSystem : char {
    Unknown = ' ',
    Brae = 'S',
    BraeForward = 'F',
    BraeMktCtrl = 'M',
    BraeDiff = 'D'
};
template <>
struct MEnumTable<EnumBraeSourceSystem> {
    using E = EnumBraeSourceSystem;
    static constexpr char kTypeName[] = "EnumBraeSourceSystem";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::Brae, "Brae"},
                                                  {E::BraeForward, "BraeForward"},
                                                  {E::BraeMktCtrl, "BraeMktCtrl"},
                                                  {E::BraeDiff, "BraeDiff"}};
};
using BraeSourceSystem = MEnumAlpha<EnumBraeSourceSystem, 5>;

enum class EnumBraeBroadcastTiming : char {
    Unknown = '?',
    BeginningOfDay = 'B',
    EndOfDay = 'E',
    Unscheduled = 'U',
    Requested = 'R'
};
template <>
struct MEnumTable<EnumBraeBroadcastTiming> {
    using E = EnumBraeBroadcastTiming;
    static constexpr char kTypeName[] = "EnumBraeBroadcastTiming";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::BeginningOfDay, "BeginningOfDay"},
                                                  {E::EndOfDay, "EndOfDay"},
                                                  {E::Unscheduled, "Unscheduled"},
                                                  {E::Requested, "Requested"}};
};
using BraeBroadcastTiming = MEnumAlpha<EnumBraeBroadcastTiming, 5>;

enum class EnumBraeReferencePriceType : char { OpeningPrice = 'O' };
template <>
struct MEnumTable<EnumBraeReferencePriceType> {
    using E = EnumBraeReferencePriceType;
    static constexpr char kTypeName[] = "EnumBraeReferencePriceType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::OpeningPrice, "OpeningPrice"}};
};
using BraeReferencePriceType = MEnumAlpha<EnumBraeReferencePriceType, 1>;

enum class EnumBraeOrderKind : char {
    Unknown = '?',
    Order = 'O',
    Quote = 'Q',
    ImprovementOrder = 'I',
    ARBOrder = 'F',
    InitO = 'A',
    AuctionClient = 'B',
    Exposed = 'E',
    PInbound = 'P',
    PAInbound = 'D',
    Cross = 'X',
    VCF = 'V',
    SInbound = 'S',
    ImprovementOrderOfMarketMakerPrime = 'J',
    Contingent = 'Y',
    Implied = 'Z',
    IndicationOfInterest = 'C'
};
template <>
struct MEnumTable<EnumBraeOrderKind> {
    using E = EnumBraeOrderKind;
    static constexpr char kTypeName[] = "EnumBraeOrderKind";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unknown, "Unknown"},
        {E::Order, "Order"},
        {E::Quote, "Quote"},
        {E::ImprovementOrder, "ImprovementOrder"},
        {E::ARBOrder, "ARBOrder"},
        {E::InitO, "InitO"},
        {E::AuctionClient, "AuctionClient"},
        {E::Exposed, "Exposed"},
        {E::PInbound, "PInbound"},
        {E::PAInbound, "PAInbound"},
        {E::Cross, "Cross"},
        {E::VCF, "VCF"},
        {E::SInbound, "SInbound"},
        {E::ImprovementOrderOfMarketMakerPrime, "ImprovementOrderOfMarketMakerPrime"},
        {E::Contingent, "Contingent"},
        {E::Implied, "Implied"},
        {E::IndicationOfInterest, "IndicationOfInterest"}};
};
using BraeOrderKind = MEnumAlpha<EnumBraeOrderKind, 17>;

enum class EnumBraeShelfAction : char { Unknown = '?', Shelved = 'S', UnShelved = 'U', QuantityUpdate = 'Q' };
template <>
struct MEnumTable<EnumBraeShelfAction> {
    using E = EnumBraeShelfAction;
    static constexpr char kTypeName[] = "EnumBraeShelfAction";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::Shelved, "Shelved"},
                                                  {E::UnShelved, "UnShelved"},
                                                  {E::QuantityUpdate, "QuantityUpdate"}};
};
using BraeShelfAction = MEnumAlpha<EnumBraeShelfAction, 4>;

enum class EnumBraeRoutingInstruction : char {
    Unknown = ' ',
    NBBOControlAndOlaRouting = '1',
    NoNBBOControlAndNoOlaRouting = '2',
    NBBOFilter = '3',
    IBISO = '4',
    USContingent = '5',
    NoFlash = '6'
};
template <>
struct MEnumTable<EnumBraeRoutingInstruction> {
    using E = EnumBraeRoutingInstruction;
    static constexpr char kTypeName[] = "EnumBraeRoutingInstruction";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unknown, "Unknown"},
        {E::NBBOControlAndOlaRouting, "NBBOControlAndOlaRouting"},
        {E::NoNBBOControlAndNoOlaRouting, "NoNBBOControlAndNoOlaRouting"},
        {E::NBBOFilter, "NBBOFilter"},
        {E::IBISO, "IB_ISO"},
        {E::USContingent, "USContingent"},
        {E::NoFlash, "No Flash"}};
};
using BraeRoutingInstruction = MEnumAlpha<EnumBraeRoutingInstruction, 7>;

enum class EnumBraeHandlingInstruction : char {
    None = ' ',
    AutomatedExecutionOnly = '1',
    AutomatedExecutionWithBrokerIntervention = '2',
    ManualOrderBestExecution = '3'
};
template <>
struct MEnumTable<EnumBraeHandlingInstruction> {
    using E = EnumBraeHandlingInstruction;
    static constexpr char kTypeName[] = "EnumBraeHandlingInstruction";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"},
        {E::AutomatedExecutionOnly, "Automated execution only"},
        {E::AutomatedExecutionWithBrokerIntervention, "Automated execution with broker intervention"},
        {E::ManualOrderBestExecution, "Manual order best execution"}};
};
using BraeHandlingInstruction = MEnumAlpha<EnumBraeHandlingInstruction, 4>;

enum class EnumBraeMatchType : char {
    Unknown = ' ',
    Opening = 'O',
    MarketOperation = 'M',
    ContinuousTrading = 'F',
    GuaranteedAuction = 'A',
    SolicitationAuction = 'B',
    FacilitationAuction = 'C',
    UniversalAuction = 'D',
    FloorTrade = 'R'
};
template <>
struct MEnumTable<EnumBraeMatchType> {
    using E = EnumBraeMatchType;
    static constexpr char kTypeName[] = "EnumBraeMatchType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::Opening, "Opening"},
                                                  {E::MarketOperation, "MarketOperation"},
                                                  {E::ContinuousTrading, "ContinuousTrading"},
                                                  {E::GuaranteedAuction, "GuaranteedAuction"},
                                                  {E::SolicitationAuction, "SolicitationAuction"},
                                                  {E::FacilitationAuction, "FacilitationAuction"},
                                                  {E::UniversalAuction, "UniversalAuction"},
                                                  {E::FloorTrade, "FloorTrade"}};
};
using BraeMatchType = MEnumAlpha<EnumBraeMatchType, 9>;

enum class EnumBraeExchange : char {
    Unknown = '?',
    Default = ' ',
    GroupExchange1 = '1',
    GroupExchange2 = '2'
};
template <>
struct MEnumTable<EnumBraeExchange> {
    using E = EnumBraeExchange;
    static constexpr char kTypeName[] = "EnumBraeExchange";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::Default, "Default"},
                                                  {E::GroupExchange1, "GroupExchange1"},
                                                  {E::GroupExchange2, "GroupExchange2"}};
};
using BraeExchange = MEnumAlpha<EnumBraeExchange, 4>;

enum class EnumBraeOrderStatus : char {
    Unknown = '?',
    InOrderBook = ' ',
    Executed = 'X',
    Eliminated = 'E',
    TraderCancelled = 'A',
    Exposed = 'P',
    Triggered = 'D',
    ToOla = 'L',
    EliminatedOutOfLimits = 'B',
    EliminatedByCircuitBreaker = 'C',
    EliminatedOnDisconnection = 'I',
    EliminatedByMarketControl = 'M',
    EliminatedDueToUnpricedLeg = 'U',
    EliminatedDueToTradingRestriction = 'R',
    CancelledBySupervisor = 'G',
    CancelPending = 'W',
    InTheBookAsStop = 'S',
    EliminatedDueToWashTradePrevention = 'F',
    EliminatedDueToWashTradePreventionAgainstQuote = 'Q',
    EliminatedDueToWashTradePreventionInNonTradingState = 'N',
    Received = 'V',
    EliminatedDueToTradeLimitExceeded = 'T',
    EliminatedDueToTradeActivityLimitExceeded = 'K',
    EliminatedDueToMaximumNbTriggersLimitExceeded = 'J',
    EliminatedDueToDrillThroughProtection = 'O'
};
template <>
struct MEnumTable<EnumBraeOrderStatus> {
    using E = EnumBraeOrderStatus;
    static constexpr char kTypeName[] = "EnumBraeOrderStatus";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unknown, "Unknown"},
        {E::InOrderBook, "InOrderBook"},
        {E::Executed, "Executed"},
        {E::Eliminated, "Eliminated"},
        {E::TraderCancelled, "TraderCancelled"},
        {E::Exposed, "Exposed"},
        {E::Triggered, "Triggered"},
        {E::ToOla, "ToOla"},
        {E::EliminatedOutOfLimits, "EliminatedOutOfLimits"},
        {E::EliminatedByCircuitBreaker, "EliminatedByCircuitBreaker"},
        {E::EliminatedOnDisconnection, "EliminatedOnDisconnection"},
        {E::EliminatedByMarketControl, "EliminatedByMarketControl"},
        {E::EliminatedDueToUnpricedLeg, "EliminatedDueToUnpricedLeg"},
        {E::EliminatedDueToTradingRestriction, "EliminatedDueToTradingRestriction"},
        {E::CancelledBySupervisor, "CancelledBySupervisor"},
        {E::CancelPending, "CancelPending"},
        {E::InTheBookAsStop, "InTheBookAsStop"},
        {E::EliminatedDueToWashTradePrevention, "EliminatedDueToWashTradePrevention"},
        {E::EliminatedDueToWashTradePreventionAgainstQuote, "EliminatedDueToWashTradePreventionAgainstQuote"},
        {E::EliminatedDueToWashTradePreventionInNonTradingState,
         "EliminatedDueToWashTradePreventionInNonTradingState"},
        {E::Received, "Received"},
        {E::EliminatedDueToTradeLimitExceeded, "EliminatedDueToTradeLimitExceeded"},
        {E::EliminatedDueToTradeActivityLimitExceeded, "EliminatedDueToTradeActivityLimitExceeded"},
        {E::EliminatedDueToMaximumNbTriggersLimitExceeded, "EliminatedDueToMaximumNbTriggersLimitExceeded"},
        {E::EliminatedDueToDrillThroughProtection, "EliminatedDueToDrillThroughProtection"}};
};
using BraeOrderStatus = MEnumAlpha<EnumBraeOrderStatus, 25>;

enum class EnumBraeSpecialOrderType : char {
    None = ' ',
    Stop = 'S',
    GuaranteedAuction = 'G',
    SolicitationAuction = 'B',
    FacilitationAuction = 'C',
    UniversalAuction = 'D',
    IfTouched = 'T',
    IfBidTouched = 'F',
    IfAskTouched = 'H',
    StopOnBid = 'E',
    StopOnAsk = 'I',
    ContingentSameSide = 'K',
    ContingentOppositeSide = 'L',
    Cross = 'X',
    ExchangeForPhysical = '1',
    ExchangeForRisk = '2',
    BasisCross = '3',
    DirectedOrder = 'O',
    PreferencedOrder = 'P',
    FloorTrade = 'R',
    IndicationOfInterest = 'A'
};
template <>
struct MEnumTable<EnumBraeSpecialOrderType> {
    using E = EnumBraeSpecialOrderType;
    static constexpr char kTypeName[] = "EnumBraeSpecialOrderType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::None, "None"},
                                                  {E::Stop, "Stop"},
                                                  {E::GuaranteedAuction, "Guaranteed Auction"},
                                                  {E::SolicitationAuction, "Solicitation Auction"},
                                                  {E::FacilitationAuction, "Facilitation Auction"},
                                                  {E::UniversalAuction, "Universal Auction"},
                                                  {E::IfTouched, "If Touched"},
                                                  {E::IfBidTouched, "If Bid Touched"},
                                                  {E::IfAskTouched, "If Ask Touched"},
                                                  {E::StopOnBid, "Stop on Bid"},
                                                  {E::StopOnAsk, "Stop on Ask"},
                                                  {E::ContingentSameSide, "Contingent Same Side"},
                                                  {E::ContingentOppositeSide, "Contingent Opposite Side"},
                                                  {E::Cross, "Cross"},
                                                  {E::ExchangeForPhysical, "Exchange For Physical"},
                                                  {E::ExchangeForRisk, "Exchange For Risk"},
                                                  {E::BasisCross, "Basis Cross"},
                                                  {E::DirectedOrder, "Directed Order"},
                                                  {E::PreferencedOrder, "Preferenced Order"},
                                                  {E::FloorTrade, "FloorTrade"},
                                                  {E::IndicationOfInterest, "Indication Of Interest"}};
};
using BraeSpecialOrderType = MEnumAlpha<EnumBraeSpecialOrderType, 21>;

enum class EnumBraeOpenCloseCombination : char {
    Default = ' ',
    Opening = 'O',
    Closing = 'C',
    OpenClose = '1',
    CloseOpen = '2',
    OpenOpenClose = '3',
    OpenCloseOpen = '4',
    OpenCloseClose = '5',
    CloseOpenOpen = '6',
    CloseOpenClose = '7',
    CloseCloseOpen = '8',
    OpenOpenOpenClose = 'A',
    OpenOpenCloseOpen = 'B',
    OpenOpenCloseClose = 'D',
    OpenCloseOpenOpen = 'E',
    OpenCloseOpenClose = 'F',
    OpenCloseCloseOpen = 'G',
    OpenCloseCloseClose = 'H',
    CloseOpenOpenOpen = 'I',
    CloseOpenOpenClose = 'J',
    CloseOpenCloseOpen = 'K',
    CloseOpenCloseClose = 'L',
    CloseCloseOpenOpen = 'M',
    CloseCloseOpenClose = 'N',
    CloseCloseCloseOpen = 'P'
};
template <>
struct MEnumTable<EnumBraeOpenCloseCombination> {
    using E = EnumBraeOpenCloseCombination;
    static constexpr char kTypeName[] = "EnumBraeOpenCloseCombination";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Default, "Default"},
                                                  {E::Opening, "Opening"},
                                                  {E::Closing, "Closing"},
                                                  {E::OpenClose, "OpenClose"},
                                                  {E::CloseOpen, "CloseOpen"},
                                                  {E::OpenOpenClose, "OpenOpenClose"},
                                                  {E::OpenCloseOpen, "OpenCloseOpen"},
                                                  {E::OpenCloseClose, "OpenCloseClose"},
                                                  {E::CloseOpenOpen, "CloseOpenOpen"},
                                                  {E::CloseOpenClose, "CloseOpenClose"},
                                                  {E::CloseCloseOpen, "CloseCloseOpen"},
                                                  {E::OpenOpenOpenClose, "OpenOpenOpenClose"},
                                                  {E::OpenOpenCloseOpen, "OpenOpenCloseOpen"},
                                                  {E::OpenOpenCloseClose, "OpenOpenCloseClose"},
                                                  {E::OpenCloseOpenOpen, "OpenCloseOpenOpen"},
                                                  {E::OpenCloseOpenClose, "OpenCloseOpenClose"},
                                                  {E::OpenCloseCloseOpen, "OpenCloseCloseOpen"},
                                                  {E::OpenCloseCloseClose, "OpenCloseCloseClose"},
                                                  {E::CloseOpenOpenOpen, "CloseOpenOpenOpen"},
                                                  {E::CloseOpenOpenClose, "CloseOpenOpenClose"},
                                                  {E::CloseOpenCloseOpen, "CloseOpenCloseOpen"},
                                                  {E::CloseOpenCloseClose, "CloseOpenCloseClose"},
                                                  {E::CloseCloseOpenOpen, "CloseCloseOpenOpen"},
                                                  {E::CloseCloseOpenClose, "CloseCloseOpenClose"},
                                                  {E::CloseCloseCloseOpen, "CloseCloseCloseOpen"}};
};
using BraeOpenCloseCombination = MEnumAlpha<EnumBraeOpenCloseCombination, 25>;

enum class EnumBraeOpenClose : char { Opening = 'O', Closing = 'C' };
template <>
struct MEnumTable<EnumBraeOpenClose> {
    using E = EnumBraeOpenClose;
    static constexpr char kTypeName[] = "EnumBraeOpenClose";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Opening, "Opening"}, {E::Closing, "Closing"}};
};
using BraeOpenClose = MEnumAlpha<EnumBraeOpenClose, 2>;

enum class EnumBraeOrderOrQuote : char { None = ' ', Quote = 'Q', Order = 'O' };
template <>
struct MEnumTable<EnumBraeOrderOrQuote> {
    using E = EnumBraeOrderOrQuote;
    static constexpr char kTypeName[] = "EnumBraeOrderOrQuote";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"}, {E::Quote, "Quote"}, {E::Order, "Order"}};
};
using BraeOrderOrQuote = MEnumAlpha<EnumBraeOrderOrQuote, 3>;

enum class EnumBraeGroupState : char {
    Unknown = ' ',
    StartOfConsultation = 'C',
    Preopening = 'P',
    Opening = 'O',
    ContinuousTrading = 'S',
    EndOfConsultation = 'F',
    SurveillanceIntervention = 'N',
    MiniBatch = 'M',
    PostSession = 'B',
    Forbidden = 'I',
    Interrupted = 'Z',
    InterventionBeforeOpening = 'E',
    Maintenance = 'a',
    ConsultationOnly = 'b',
    Closed = 'c',
    NightProcessing = 'd',
    PreparatoryPhase = 'e',
    Restricted = 'f',
    Halted = 'g',
    Frozen = 'h',
    Pending = 'i',
    Auction = 'j',
    MorningAuction = 'k',
    MidDayAuction = 'l',
    IntradayAuction = 'm',
    EndOfDayAuction = 'n',
    FinalAuction = 'o',
    BlindAuction = 'p',
    EarlySession = 'q',
    NightSession = 'r',
    EveningSession = 's',
    ExtendedSession = 't',
    AfterHourSession = 'u',
    LateSession = 'v',
    PreMarketSession = 'w',
    PreClose = 'x',
    CurbSession = 'y',
    CrossingSession = 'z',
    State1 = '1',
    State2 = '2',
    State3 = '3'
};
template <>
struct MEnumTable<EnumBraeGroupState> {
    using E = EnumBraeGroupState;
    static constexpr char kTypeName[] = "EnumBraeGroupState";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unknown, "Unknown"},
        {E::StartOfConsultation, "Start of Consultation"},
        {E::Preopening, "Preopening"},
        {E::Opening, "Opening"},
        {E::ContinuousTrading, "Continuous trading"},
        {E::EndOfConsultation, "EndOfConsultation"},
        {E::SurveillanceIntervention, "Surveillance Intervention"},
        {E::MiniBatch, "MiniBatch"},
        {E::PostSession, "PostSession"},
        {E::Forbidden, "Forbidden"},
        {E::Interrupted, "Interrupted"},
        {E::InterventionBeforeOpening, "Intervention before opening"},
        {E::Maintenance, "Maintenance"},
        {E::ConsultationOnly, "Consultation only"},
        {E::Closed, "Closed"},
        {E::NightProcessing, "Night Processing"},
        {E::PreparatoryPhase, "Preparatory Phase"},
        {E::Restricted, "Restricted"},
        {E::Halted, "Halted"},
        {E::Frozen, "Frozen"},
        {E::Pending, "Pending"},
        {E::Auction, "Auction"},
        {E::MorningAuction, "Morning Auction"},
        {E::MidDayAuction, "Mid-day Auction"},
        {E::IntradayAuction, "Intraday Auction"},
        {E::EndOfDayAuction, "End of day Auction"},
        {E::FinalAuction, "Final Auction"},
        {E::BlindAuction, "Blind Auction"},
        {E::EarlySession, "Early Session"},
        {E::NightSession, "Night Session"},
        {E::EveningSession, "Evening Session"},
        {E::ExtendedSession, "Extended Session"},
        {E::AfterHourSession, "After hour Session"},
        {E::LateSession, "Late Session"},
        {E::PreMarketSession, "Pre-market Session"},
        {E::PreClose, "Pre-Close"},
        {E::CurbSession, "Curb Session"},
        {E::CrossingSession, "Crossing Session"},
        {E::State1, "State1"},
        {E::State2, "State2"},
        {E::State3, "State3"}};
};
using BraeGroupState = MEnumAlpha<EnumBraeGroupState, 41>;

enum class EnumBraeGroupStateCommand : char {
    Unknown = ' ',
    StartOfConsultation = 'C',
    Preopening = 'P',
    Opening = 'O',
    ContinuousTrading = 'S',
    EndOfConsultation = 'F',
    SurveillanceIntervention = 'N',
    MiniBatch = 'M',
    PostSession = 'B',
    Forbidden = 'I',
    Interrupted = 'Z',
    InterventionBeforeOpening = 'E',
    OpenOnUnderlying = '5',
    OpenOnNBBO = '6',
    OpenOnUnderlyingNBBO = '7',
    ResetOpen = '8',
    SendReferencePrice = '9',
    GlobalEvent = 'a',
    ConsultationOnly = 'b',
    Closed = 'c',
    NightProcessing = 'd',
    PreparatoryPhase = 'e',
    Restricted = 'f',
    Halted = 'g',
    Frozen = 'h',
    Pending = 'i',
    Auction = 'j',
    MorningAuction = 'k',
    MidDayAuction = 'l',
    IntradayAuction = 'm',
    EndOfDayAuction = 'n',
    FinalAuction = 'o',
    BlindAuction = 'p',
    EarlySession = 'q',
    NightSession = 'r',
    EveningSession = 's',
    ExtendedSession = 't',
    AfterHourSession = 'u',
    LateSession = 'v',
    PreMarketSession = 'w',
    PreClose = 'x',
    CurbSession = 'y',
    CrossingSession = 'z',
    State1 = '1',
    State2 = '2',
    State3 = '3'
};
template <>
struct MEnumTable<EnumBraeGroupStateCommand> {
    using E = EnumBraeGroupStateCommand;
    static constexpr char kTypeName[] = "EnumBraeGroupStateCommand";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unknown, "Unknown"},
        {E::StartOfConsultation, "Start of Consultation"},
        {E::Preopening, "Preopening"},
        {E::Opening, "Opening"},
        {E::ContinuousTrading, "Continuous trading"},
        {E::EndOfConsultation, "EndOfConsultation"},
        {E::SurveillanceIntervention, "Surveillance Intervention"},
        {E::MiniBatch, "MiniBatch"},
        {E::PostSession, "PostSession"},
        {E::Forbidden, "Forbidden"},
        {E::Interrupted, "Interrupted"},
        {E::InterventionBeforeOpening, "Intervention before opening"},
        {E::OpenOnUnderlying, "OpenOnUnderlying"},
        {E::OpenOnNBBO, "OpenOnNBBO"},
        {E::OpenOnUnderlyingNBBO, "OpenOnUnderlyingNBBO"},
        {E::ResetOpen, "ResetOpen"},
        {E::SendReferencePrice, "SendReferencePrice"},
        {E::GlobalEvent, "GlobalEvent"},
        {E::ConsultationOnly, "Consultation only"},
        {E::Closed, "Closed"},
        {E::NightProcessing, "Night Processing"},
        {E::PreparatoryPhase, "Preparatory Phase"},
        {E::Restricted, "Restricted"},
        {E::Halted, "Halted"},
        {E::Frozen, "Frozen"},
        {E::Pending, "Pending"},
        {E::Auction, "Auction"},
        {E::MorningAuction, "Morning Auction"},
        {E::MidDayAuction, "Mid-day Auction"},
        {E::IntradayAuction, "Intraday Auction"},
        {E::EndOfDayAuction, "End of day Auction"},
        {E::FinalAuction, "Final Auction"},
        {E::BlindAuction, "Blind Auction"},
        {E::EarlySession, "Early Session"},
        {E::NightSession, "Night Session"},
        {E::EveningSession, "Evening Session"},
        {E::ExtendedSession, "Extended Session"},
        {E::AfterHourSession, "After hour Session"},
        {E::LateSession, "Late Session"},
        {E::PreMarketSession, "Pre-market Session"},
        {E::PreClose, "Pre-Close"},
        {E::CurbSession, "Curb Session"},
        {E::CrossingSession, "Crossing Session"},
        {E::State1, "State1"},
        {E::State2, "State2"},
        {E::State3, "State3"}};
};
using BraeGroupStateCommand = MEnumAlpha<EnumBraeGroupStateCommand, 46>;

enum class EnumBraeExpositionEndReason : char {
    Unknown = '?',
    NormalTermination = 'N',
    UnrelatedOnDealerSide = 'D',
    FQRUpdateDenied = 'M',
    FQRCancelDenied = 'X',
    FQRMatchDenied = 'T',
    StartExpositionDenied = 'F',
    UnrelatedOnClientSide = 'U',
    Eliminated = 'E',
    TraderCancelled = 'A',
    CancelledByCFO = 'C',
    CompletelyTradedBySweep = 'S',
    CannotTradeThru = 'B',
    ConstraintsNotRespected = 'G',
    UnrelatedImpliedOnDealerSide = 'L',
    UnrelatedImpliedOnClientSide = 'I'
};
template <>
struct MEnumTable<EnumBraeExpositionEndReason> {
    using E = EnumBraeExpositionEndReason;
    static constexpr char kTypeName[] = "EnumBraeExpositionEndReason";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unknown, "Unknown"},
        {E::NormalTermination, "Normal Termination"},
        {E::UnrelatedOnDealerSide, "Unrelated on Dealer Side"},
        {E::FQRUpdateDenied, "FQR Update Denied"},
        {E::FQRCancelDenied, "FQR Cancel Denied"},
        {E::FQRMatchDenied, "FQR Match Denied"},
        {E::StartExpositionDenied, "Start Exposition Denied"},
        {E::UnrelatedOnClientSide, "Unrelated on Client Side"},
        {E::Eliminated, "Eliminated"},
        {E::TraderCancelled, "Trader Cancelled"},
        {E::CancelledByCFO, "Cancelled By CFO"},
        {E::CompletelyTradedBySweep, "Completely Traded by Sweep"},
        {E::CannotTradeThru, "Cannot trade thru"},
        {E::ConstraintsNotRespected, "Constraints not respected"},
        {E::UnrelatedImpliedOnDealerSide, "Unrelated Implied on Dealer Side"},
        {E::UnrelatedImpliedOnClientSide, "Unrelated Implied on Client Side"}};
};
using BraeExpositionEndReason = MEnumAlpha<EnumBraeExpositionEndReason, 16>;

enum class EnumBraeAllocationType : char {
    None = ' ',
    CMTA = 'C',
    Flip = 'F',
    GiveUp = 'G',
    Instruction = 'I',
    Pending = 'P'
};
template <>
struct MEnumTable<EnumBraeAllocationType> {
    using E = EnumBraeAllocationType;
    static constexpr char kTypeName[] = "EnumBraeAllocationType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::None, "None"},
                                                  {E::CMTA, "CMTA"},
                                                  {E::Flip, "Flip"},
                                                  {E::GiveUp, "GiveUp"},
                                                  {E::Instruction, "Instruction"},
                                                  {E::Pending, "Pending"}};
};
using BraeAllocationType = MEnumAlpha<EnumBraeAllocationType, 6>;

enum class EnumBraeAuctionType : char {
    Unknown = ' ',
    Pip = 'G',
    Exposition = 'F',
    Solicitation = 'B',
    Facilitation = 'C',
    Universal = 'D',
    Cross = 'X',
    FloorTrade = 'R'
};
template <>
struct MEnumTable<EnumBraeAuctionType> {
    using E = EnumBraeAuctionType;
    static constexpr char kTypeName[] = "EnumBraeAuctionType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::Pip, "Pip"},
                                                  {E::Exposition, "Exposition"},
                                                  {E::Solicitation, "Solicitation"},
                                                  {E::Facilitation, "Facilitation"},
                                                  {E::Universal, "Universal"},
                                                  {E::Cross, "Cross"},
                                                  {E::FloorTrade, "FloorTrade"}};
};
using BraeAuctionType = MEnumAlpha<EnumBraeAuctionType, 8>;

enum class EnumBraeEntryType : char { Unknown = ' ', New = 'N', Modification = 'M' };
template <>
struct MEnumTable<EnumBraeEntryType> {
    using E = EnumBraeEntryType;
    static constexpr char kTypeName[] = "EnumBraeEntryType";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unknown, "Unknown"}, {E::New, "New"}, {E::Modification, "Modification"}};
};
using BraeEntryType = MEnumAlpha<EnumBraeEntryType, 3>;

enum class EnumBraeAdjustmentType : char { Unknown = ' ', Increase = '+', Decrease = '-', Absolute = '=' };
template <>
struct MEnumTable<EnumBraeAdjustmentType> {
    using E = EnumBraeAdjustmentType;
    static constexpr char kTypeName[] = "EnumBraeAdjustmentType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::Increase, "Increase"},
                                                  {E::Decrease, "Decrease"},
                                                  {E::Absolute, "Absolute"}};
};
using BraeAdjustmentType = MEnumAlpha<EnumBraeAdjustmentType, 4>;

enum class EnumBraeDurationType : char {
    Unknown = ' ',
    Day = 'J',
    GoodTillDate = 'D',
    GoodTillCancel = 'F',
    FillAndKill = 'E',
    PreOpeningOnly = 'P',
    AuctionOrKill = 'A',
    WhileConnected = 'W'
};
template <>
struct MEnumTable<EnumBraeDurationType> {
    using E = EnumBraeDurationType;
    static constexpr char kTypeName[] = "EnumBraeDurationType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::Day, "Day"},
                                                  {E::GoodTillDate, "GoodTillDate"},
                                                  {E::GoodTillCancel, "GoodTillCancel"},
                                                  {E::FillAndKill, "FillAndKill"},
                                                  {E::PreOpeningOnly, "PreOpeningOnly"},
                                                  {E::AuctionOrKill, "AuctionOrKill"},
                                                  {E::WhileConnected, "WhileConnected"}};
};
using BraeDurationType = MEnumAlpha<EnumBraeDurationType, 8>;

enum class EnumBraeQuantityTerm : char {
    Unknown = ' ',
    Minimum = 'M',
    Disclosed = 'D',
    Surrender = 'B',
    MaximumImprovPrice = 'J',
    StepAheadPrice = 'S',
    AllOrNone = 'A'
};
template <>
struct MEnumTable<EnumBraeQuantityTerm> {
    using E = EnumBraeQuantityTerm;
    static constexpr char kTypeName[] = "EnumBraeQuantityTerm";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::Minimum, "Minimum"},
                                                  {E::Disclosed, "Disclosed"},
                                                  {E::Surrender, "Surrender"},
                                                  {E::MaximumImprovPrice, "MaximumImprovPrice"},
                                                  {E::StepAheadPrice, "StepAheadPrice"},
                                                  {E::AllOrNone, "AllOrNone"}};
};
using BraeQuantityTerm = MEnumAlpha<EnumBraeQuantityTerm, 7>;

enum class EnumBraeInstrumentStateReason : char {
    NormalStateTimeUpdatedByMOC = 'T',
    NormalStateTimeCancelledByMOC = 't',
    AutomaticReservationAtOpening = 'R',
    InitialInsrumentState = 'I',
    ReservedByMOC = 'M',
    ReturnToNormalState = 'N',
    InstrumentAuthorized = 'A',
    InstrumentForbidden = 'F',
    SuspendedByCircuitBreakerY = 'Y',
    SuspendedByCircuitBreakerZ = 'Z'
};
template <>
struct MEnumTable<EnumBraeInstrumentStateReason> {
    using E = EnumBraeInstrumentStateReason;
    static constexpr char kTypeName[] = "EnumBraeInstrumentStateReason";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::NormalStateTimeUpdatedByMOC, "NormalStateTimeUpdatedByMOC"},
        {E::NormalStateTimeCancelledByMOC, "NormalStateTimeCancelledByMOC"},
        {E::AutomaticReservationAtOpening, "AutomaticReservationAtOpening"},
        {E::InitialInsrumentState, "InitialInsrumentState"},
        {E::ReservedByMOC, "ReservedByMOC"},
        {E::ReturnToNormalState, "ReturnToNormalState"},
        {E::InstrumentAuthorized, "InstrumentAuthorized"},
        {E::InstrumentForbidden, "InstrumentForbidden"},
        {E::SuspendedByCircuitBreakerY, "SuspendedByCircuitBreakerY"},
        {E::SuspendedByCircuitBreakerZ, "SuspendedByCircuitBreakerZ"}};
};
using BraeInstrumentStateReason = MEnumAlpha<EnumBraeInstrumentStateReason, 10>;

enum class EnumBraeQuoteCancelReason : char {
    CancelledBySystem = 'S',
    CancelledByMarketControl = 'M',
    CancelledByTrader = 'A',
    MMProtectionNbTrades = 'P',
    MMProtectionVolume = 'T',
    MMProtectionValue = 'R',
    MMProtectionDeltaVolume = 'N',
    MMProtectionDeltaValue = 'V',
    EliminatedOutOfLimits = 'B',
    EliminatedOnDisconnection = 'I',
    CancelledByCircuitBreaker = 'C',
    CancelledDueToUnpricedLeg = 'U',
    CancelledBySupervisor = 'G',
    CancelPending = 'W',
    MMProtectionPercentOfQuote = 'D',
    TAPLimitExceeded = 'L',
    MTPLimitExceeded = 'E',
    EliminatedDueToDrillThroughProtection = 'O'
};
template <>
struct MEnumTable<EnumBraeQuoteCancelReason> {
    using E = EnumBraeQuoteCancelReason;
    static constexpr char kTypeName[] = "EnumBraeQuoteCancelReason";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::CancelledBySystem, "CancelledBySystem"},
        {E::CancelledByMarketControl, "CancelledByMarketControl"},
        {E::CancelledByTrader, "CancelledByTrader"},
        {E::MMProtectionNbTrades, "MMProtectionNbTrades"},
        {E::MMProtectionVolume, "MMProtectionVolume"},
        {E::MMProtectionValue, "MMProtectionValue"},
        {E::MMProtectionDeltaVolume, "MMProtectionDeltaVolume"},
        {E::MMProtectionDeltaValue, "MMProtectionDeltaValue"},
        {E::EliminatedOutOfLimits, "EliminatedOutOfLimits"},
        {E::EliminatedOnDisconnection, "EliminatedOnDisconnection"},
        {E::CancelledByCircuitBreaker, "CancelledByCircuitBreaker"},
        {E::CancelledDueToUnpricedLeg, "CancelledDueToUnpricedLeg"},
        {E::CancelledBySupervisor, "CancelledBySupervisor"},
        {E::CancelPending, "CancelPending"},
        {E::MMProtectionPercentOfQuote, "MMProtectionPercentOfQuote"},
        {E::TAPLimitExceeded, "TAPLimitExceeded"},
        {E::MTPLimitExceeded, "MTPLimitExceeded"},
        {E::EliminatedDueToDrillThroughProtection, "EliminatedDueToDrillThroughProtection"}};
};
using BraeQuoteCancelReason = MEnumAlpha<EnumBraeQuoteCancelReason, 18>;

enum class EnumBraeInstrumentState : char {
    Unknown = ' ',
    Normal = 'N',
    Forbidden = 'F',
    PreOpening = 'R',
    NotTrading = 'C',
    Hidden = 'H',
    Suspended = 'S'
};
template <>
struct MEnumTable<EnumBraeInstrumentState> {
    using E = EnumBraeInstrumentState;
    static constexpr char kTypeName[] = "EnumBraeInstrumentState";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unknown, "Unknown"},       {E::Normal, "Normal"},         {E::Forbidden, "Forbidden"},
        {E::PreOpening, "PreOpening"}, {E::NotTrading, "NotTrading"}, {E::Hidden, "Hidden"},
        {E::Suspended, "Suspended"}};
};
using BraeInstrumentState = MEnumAlpha<EnumBraeInstrumentState, 7>;

enum class EnumBraeSide : char { Unknown = ' ', Buy = 'B', Sell = 'S' };
template <>
struct MEnumTable<EnumBraeSide> {
    using E = EnumBraeSide;
    static constexpr char kTypeName[] = "EnumBraeSide";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unknown, "Unknown"}, {E::Buy, "Buy"}, {E::Sell, "Sell"}};
};
using BraeSide = MEnumAlpha<EnumBraeSide, 3>;

enum class EnumBraePriceType : char {
    Unknown = ' ',
    Limit = 'L',
    MarketOnOpening = 'O',
    Market = 'M',
    USMarketOrder = 'W',
    Committed = 'C'
};
template <>
struct MEnumTable<EnumBraePriceType> {
    using E = EnumBraePriceType;
    static constexpr char kTypeName[] = "EnumBraePriceType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::Limit, "Limit"},
                                                  {E::MarketOnOpening, "MarketOnOpening"},
                                                  {E::Market, "Market"},
                                                  {E::USMarketOrder, "USMarketOrder"},
                                                  {E::Committed, "Committed"}};
};
using BraePriceType = MEnumAlpha<EnumBraePriceType, 6>;

enum class EnumBraeProtectionLevel : char {
    Unknown = ' ',
    Normal = 'N',
    Advanced = 'A',
    ConnectionLevel = 'C'
};
template <>
struct MEnumTable<EnumBraeProtectionLevel> {
    using E = EnumBraeProtectionLevel;
    static constexpr char kTypeName[] = "EnumBraeProtectionLevel";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::Normal, "Normal"},
                                                  {E::Advanced, "Advanced"},
                                                  {E::ConnectionLevel, "Connection Level"}};
};
using BraeProtectionLevel = MEnumAlpha<EnumBraeProtectionLevel, 4>;

enum class EnumBraeCancellationScope : char {
    Unknown = ' ',
    All = 'A',
    QuotesOnly = 'Q',
    OrdersOnly = 'O',
    StopOrdersOnly = 'S',
    MarketOrdersOnly = 'M',
    IcebergOrdersOnly = 'I',
    StopMarketOrders = 'Z',
    LockOut = 'L'
};
template <>
struct MEnumTable<EnumBraeCancellationScope> {
    using E = EnumBraeCancellationScope;
    static constexpr char kTypeName[] = "EnumBraeCancellationScope";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::All, "All"},
                                                  {E::QuotesOnly, "QuotesOnly"},
                                                  {E::OrdersOnly, "OrdersOnly"},
                                                  {E::StopOrdersOnly, "StopOrdersOnly"},
                                                  {E::MarketOrdersOnly, "MarketOrdersOnly"},
                                                  {E::IcebergOrdersOnly, "IcebergOrdersOnly"},
                                                  {E::StopMarketOrders, "StopMarketOrders"},
                                                  {E::LockOut, "LockOut"}};
};
using BraeCancellationScope = MEnumAlpha<EnumBraeCancellationScope, 9>;

enum class EnumBraeGlobalCancelType : char {
    Unknown = ' ',
    CancelQuotes = 'Q',
    CancelOrders = 'O',
    CancelARBOrders = 'F'
};
template <>
struct MEnumTable<EnumBraeGlobalCancelType> {
    using E = EnumBraeGlobalCancelType;
    static constexpr char kTypeName[] = "EnumBraeGlobalCancelType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::CancelQuotes, "CancelQuotes"},
                                                  {E::CancelOrders, "CancelOrders"},
                                                  {E::CancelARBOrders, "CancelARBOrders"}};
};
using BraeGlobalCancelType = MEnumAlpha<EnumBraeGlobalCancelType, 4>;

enum class EnumBraeYesNo : char { None = ' ', Yes = 'Y', No = 'N' };
template <>
struct MEnumTable<EnumBraeYesNo> {
    using E = EnumBraeYesNo;
    static constexpr char kTypeName[] = "EnumBraeYesNo";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::None, "None"}, {E::Yes, "Yes"}, {E::No, "No"}};
};
using BraeYesNo = MEnumAlpha<EnumBraeYesNo, 3>;

enum class EnumBraeTradeType : char {
    Unknown = '?',
    RegularTrade = ' ',
    AsOfTrade = 'A',
    BlockTrade = 'B',
    ExchangeForPhysical = 'E',
    LateTrade = 'L',
    HiddenTrade = 'H',
    PriceVolumeAdjustment = 'Z',
    ExchangeForRisk = 'R',
    BasisSwap = 'S',
    Implied = 'I',
    ExchangeGranted1 = '1',
    ExchangeGranted2 = '2',
    Crossed = 'D',
    CommittedBlock = 'K',
    Committed = 'T',
    ContingentTrade = 'C',
    RisklessBasisCross = 'F',
    Substitutions = 'X',
    DeltaTrade = 'J',
    SpecialTrade1 = 'M',
    SpecialTrade2 = 'N',
    SpecialTrade3 = 'O',
    SpecialTrade4 = 'P',
    SpecialTrade5 = 'Q',
    BasisOnClose = 'U',
    TradeCorrection = 'V',
    OddLot = 'o'
};
template <>
struct MEnumTable<EnumBraeTradeType> {
    using E = EnumBraeTradeType;
    static constexpr char kTypeName[] = "EnumBraeTradeType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::RegularTrade, "RegularTrade"},
                                                  {E::AsOfTrade, "As-of-Trade"},
                                                  {E::BlockTrade, "Block Trade"},
                                                  {E::ExchangeForPhysical, "Exchange For Physical"},
                                                  {E::LateTrade, "Late Trade"},
                                                  {E::HiddenTrade, "Hidden Trade"},
                                                  {E::PriceVolumeAdjustment, "Price Volume Adjustment"},
                                                  {E::ExchangeForRisk, "Exchange for Risk"},
                                                  {E::BasisSwap, "Basis Swap"},
                                                  {E::Implied, "Implied"},
                                                  {E::ExchangeGranted1, "ExchangeGranted1"},
                                                  {E::ExchangeGranted2, "ExchangeGranted2"},
                                                  {E::Crossed, "Crossed"},
                                                  {E::CommittedBlock, "Committed Block"},
                                                  {E::Committed, "Committed"},
                                                  {E::ContingentTrade, "Contingent Trade"},
                                                  {E::RisklessBasisCross, "Riskless Basis Cross"},
                                                  {E::Substitutions, "Substitutions"},
                                                  {E::DeltaTrade, "Delta Trade"},
                                                  {E::SpecialTrade1, "Special Trade 1"},
                                                  {E::SpecialTrade2, "Special Trade 2"},
                                                  {E::SpecialTrade3, "Special Trade 3"},
                                                  {E::SpecialTrade4, "Special Trade 4"},
                                                  {E::SpecialTrade5, "Special Trade 5"},
                                                  {E::BasisOnClose, "BasisOnClose"},
                                                  {E::TradeCorrection, "Trade Correction"},
                                                  {E::OddLot, "Odd Lot"}};
};
using BraeTradeType = MEnumAlpha<EnumBraeTradeType, 28>;

enum class EnumBraeActivityState : char { Unknown = '?', Active = 'A', Frozen = 'F' };
template <>
struct MEnumTable<EnumBraeActivityState> {
    using E = EnumBraeActivityState;
    static constexpr char kTypeName[] = "EnumBraeActivityState";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unknown, "Unknown"}, {E::Active, "Active"}, {E::Frozen, "Frozen"}};
};
using BraeActivityState = MEnumAlpha<EnumBraeActivityState, 3>;

enum class EnumBraeLinkageRejectReason : char {
    None = '?',
    BrokerOption = 'A',
    UnknownInvalidOrIneligibleSymbol = 'B',
    ExchangeClosed = 'C',
    OrderExceedsLimit = 'D',
    TooLateToEnter = 'E',
    UnknownOrder = 'F',
    DuplicateOrder = 'G',
    StaleOrder = 'H',
    InstrumentStateIsInvalidForLinkageTheReceiverIsInRotation = 'I',
    InstrumentStateIsInvalidForLinkageTheReceiverIsInNonFirmMode = 'J',
    InstrumentStateIsInvalidForLinkageTheReceiverHasTheInstrumentHalted = 'K',
    NotAtNBBO = 'L',
    ReferencePriceIsOutOfBound = 'M',
    UnknownClearingFirm = 'N',
    SubAccountIDMissing = 'O',
    InvalidAutoExValue = 'P',
    AccountMissing = 'Q',
    TimeInForceMissingInvalid = 'R',
    OpenCloseMissingInvalid = 'S',
    ExecBrokerMissing = 'T',
    ClearingAccountMissing = 'U',
    ExecutionInformationMissing = 'W',
    OrderReceivedTooSoon = 'X',
    OrderCapacityMissingInvalid = 'Y',
    LatePrintToOPRATape = 'Z',
    CommunicationsDelaysToOPRA = 'a',
    ManualTrade = 'b',
    ProcessingProblemsAtTheMarketCenter = 'c',
    ComplexOrder = 'd',
    TradeRejected = 'e',
    TradeBustedCorrected = 'f',
    OriginalOrderRejected = 'g',
    CancelDueToNonBlockTrade = 'h',
    RejectedLinkageTrade = 'i',
    Other = 'j',
    TradedAtNBBO = 'k'
};
template <>
struct MEnumTable<EnumBraeLinkageRejectReason> {
    using E = EnumBraeLinkageRejectReason;
    static constexpr char kTypeName[] = "EnumBraeLinkageRejectReason";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"},
        {E::BrokerOption, "Broker option (Admission of non- compliance)"},
        {E::UnknownInvalidOrIneligibleSymbol,
         "Unknown, invalid or ineligible (for linkage) symbol (series, expiration, strike)"},
        {E::ExchangeClosed,
         "Exchange closed (An executing participant's order handling system receives an order when the "
         "market is closed.)"},
        {E::OrderExceedsLimit, "Order exceeds limit"},
        {E::TooLateToEnter, "Too late to enter"},
        {E::UnknownOrder, "Unknown Order"},
        {E::DuplicateOrder, "Duplicate Order (e. g. dupe ClOrdID)"},
        {E::StaleOrder, "Stale Order (Time- to- live of received order has expired.)"},
        {E::InstrumentStateIsInvalidForLinkageTheReceiverIsInRotation,
         "Instrument state is invalid for Linkage (The receiver is in Rotation)*"},
        {E::InstrumentStateIsInvalidForLinkageTheReceiverIsInNonFirmMode,
         "Instrument state is invalid for Linkage (The receiver is in Non- firm mode)*"},
        {E::InstrumentStateIsInvalidForLinkageTheReceiverHasTheInstrumentHalted,
         "Instrument state is invalid for Linkage (The receiver has the instrument halted)*"},
        {E::NotAtNBBO, "Not at NBBO"},
        {E::ReferencePriceIsOutOfBound, "Reference Price is out of bound"},
        {E::UnknownClearingFirm, "Unknown clearing firm"},
        {E::SubAccountIDMissing, "Sub- Account ID missing"},
        {E::InvalidAutoExValue, "Invalid Auto- Ex value"},
        {E::AccountMissing, "Account missing"},
        {E::TimeInForceMissingInvalid, "TimeInForce missing/ invalid"},
        {E::OpenCloseMissingInvalid, "OpenClose missing/ invalid"},
        {E::ExecBrokerMissing, "ExecBroker missing"},
        {E::ClearingAccountMissing, "ClearingAccount missing"},
        {E::ExecutionInformationMissing, "ExecutionInformation missing"},
        {E::OrderReceivedTooSoon, "Order received too soon (does not meet Gate requirement)"},
        {E::OrderCapacityMissingInvalid, "OrderCapacity missing/ invalid"},
        {E::LatePrintToOPRATape, "Late print to OPRA Tape"},
        {E::CommunicationsDelaysToOPRA, "Communications delays to OPRA"},
        {E::ManualTrade, "Manual (Crowd) Trade"},
        {E::ProcessingProblemsAtTheMarketCenter, "Processing problems at the Market Center"},
        {E::ComplexOrder, "Complex order"},
        {E::TradeRejected, "Trade rejected"},
        {E::TradeBustedCorrected, "Trade busted/ corrected"},
        {E::OriginalOrderRejected, "Original order rejected"},
        {E::CancelDueToNonBlockTrade, "Cancel due to non- block trade"},
        {E::RejectedLinkageTrade, "Rejected linkage trade"},
        {E::Other, "Other"},
        {E::TradedAtNBBO, "Traded at NBBO"}};
};
using BraeLinkageRejectReason = MEnumAlpha<EnumBraeLinkageRejectReason, 37>;

enum class EnumBraeCancelRejectReason : char {
    Unknown = '?',
    TooLateToCancel = '0',
    UnknownOrder = '1',
    BrokerOption = '2',
    AlreadyInPendingCancel = '3'
};
template <>
struct MEnumTable<EnumBraeCancelRejectReason> {
    using E = EnumBraeCancelRejectReason;
    static constexpr char kTypeName[] = "EnumBraeCancelRejectReason";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::TooLateToCancel, "Too late to cancel"},
                                                  {E::UnknownOrder, "Unknown order"},
                                                  {E::BrokerOption, "Broker option"},
                                                  {E::AlreadyInPendingCancel, "Already in pending cancel"}};
};
using BraeCancelRejectReason = MEnumAlpha<EnumBraeCancelRejectReason, 5>;

enum class EnumBraeSatisfactionOutcome : char {
    None = '?',
    SatisfiedAsSpecified = '0',
    ProRataSatisfactionDistribution = '1',
    SatisfactionOrderRequestedSizeIsGreaterThanTradeThroughSize = '2'
};
template <>
struct MEnumTable<EnumBraeSatisfactionOutcome> {
    using E = EnumBraeSatisfactionOutcome;
    static constexpr char kTypeName[] = "EnumBraeSatisfactionOutcome";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"},
        {E::SatisfiedAsSpecified, "Satisfied as specified"},
        {E::ProRataSatisfactionDistribution,
         "Pro rata satisfaction distribution (partial cancellation of Satisfaction order)"},
        {E::SatisfactionOrderRequestedSizeIsGreaterThanTradeThroughSize,
         "Satisfaction order requested size is greater than trade-through size"}};
};
using BraeSatisfactionOutcome = MEnumAlpha<EnumBraeSatisfactionOutcome, 4>;

enum class EnumBraeExecutionRejectReason : char {
    Unknown = '?',
    UnknownSymbol = 'A',
    WrongSide = 'B',
    QuantityExceedsOrder = 'C',
    NoMatchingOrder = 'D',
    PriceExceedsLimit = 'E',
    StaleExecution = 'F',
    Other = 'Z'
};
template <>
struct MEnumTable<EnumBraeExecutionRejectReason> {
    using E = EnumBraeExecutionRejectReason;
    static constexpr char kTypeName[] = "EnumBraeExecutionRejectReason";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::UnknownSymbol, "UnknownSymbol"},
                                                  {E::WrongSide, "WrongSide"},
                                                  {E::QuantityExceedsOrder, "QuantityExceedsOrder"},
                                                  {E::NoMatchingOrder, "NoMatchingOrder"},
                                                  {E::PriceExceedsLimit, "PriceExceedsLimit"},
                                                  {E::StaleExecution, "StaleExecution"},
                                                  {E::Other, "Other"}};
};
using BraeExecutionRejectReason = MEnumAlpha<EnumBraeExecutionRejectReason, 8>;

enum class EnumBraeLinkageOrderStatus : char {
    Unknown = '?',
    OriginalOrderNotKnown = '0',
    PartialFill = '1',
    Fill = '2',
    Cancelled = '4',
    Rejected = '8',
    CancelledConfirm = 'X'
};
template <>
struct MEnumTable<EnumBraeLinkageOrderStatus> {
    using E = EnumBraeLinkageOrderStatus;
    static constexpr char kTypeName[] = "EnumBraeLinkageOrderStatus";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::OriginalOrderNotKnown, "Original order not known"},
                                                  {E::PartialFill, "Partial fill"},
                                                  {E::Fill, "Fill"},
                                                  {E::Cancelled, "Cancelled"},
                                                  {E::Rejected, "Rejected"},
                                                  {E::CancelledConfirm, "CancelledConfirm"}};
};
using BraeLinkageOrderStatus = MEnumAlpha<EnumBraeLinkageOrderStatus, 7>;

enum class EnumBraeAlertLevel : char { Ok = '0', Warning = '1', Alarm = '2' };
template <>
struct MEnumTable<EnumBraeAlertLevel> {
    using E = EnumBraeAlertLevel;
    static constexpr char kTypeName[] = "EnumBraeAlertLevel";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Ok, "Ok"}, {E::Warning, "Warning"}, {E::Alarm, "Alarm"}};
};
using BraeAlertLevel = MEnumAlpha<EnumBraeAlertLevel, 3>;

enum class EnumBraeQuoteObligationReason : char {
    EmptyName = '0',
    PricesMissing = '1',
    BidPriceMissing = '2',
    AskPriceMissing = '3',
    PriceSpreadTooBig = '4',
    QuantitiesTooSmall = '5',
    BidQuantityTooSmall = '6',
    AskQuantityTooSmall = '7',
    RFQNotResponded = '8'
};
template <>
struct MEnumTable<EnumBraeQuoteObligationReason> {
    using E = EnumBraeQuoteObligationReason;
    static constexpr char kTypeName[] = "EnumBraeQuoteObligationReason";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::EmptyName, ""},
                                                  {E::PricesMissing, "Prices missing"},
                                                  {E::BidPriceMissing, "Bid price missing"},
                                                  {E::AskPriceMissing, "Ask price missing"},
                                                  {E::PriceSpreadTooBig, "Price spread too big"},
                                                  {E::QuantitiesTooSmall, "Quantities too small"},
                                                  {E::BidQuantityTooSmall, "Bid quantity too small"},
                                                  {E::AskQuantityTooSmall, "Ask quantity too small"},
                                                  {E::RFQNotResponded, "RFQ not responded"}};
};
using BraeQuoteObligationReason = MEnumAlpha<EnumBraeQuoteObligationReason, 9>;

enum class EnumBraeControlMode : char { Automatic = '0', Disabled = '1', Forced = '2' };
template <>
struct MEnumTable<EnumBraeControlMode> {
    using E = EnumBraeControlMode;
    static constexpr char kTypeName[] = "EnumBraeControlMode";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Automatic, "Automatic"}, {E::Disabled, "Disabled"}, {E::Forced, "Forced"}};
};
using BraeControlMode = MEnumAlpha<EnumBraeControlMode, 3>;

enum class EnumBraeQuotingMode : char { Quoting = 'Q', RFQ = 'R' };
template <>
struct MEnumTable<EnumBraeQuotingMode> {
    using E = EnumBraeQuotingMode;
    static constexpr char kTypeName[] = "EnumBraeQuotingMode";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Quoting, "Quoting"}, {E::RFQ, "RFQ"}};
};
using BraeQuotingMode = MEnumAlpha<EnumBraeQuotingMode, 2>;

enum class EnumBraeExpositionType : char {
    Unknown = '?',
    Normal = ' ',
    Exposition = 'E',
    NonGuaranteedAuction = 'U',
    Auction = 'A'
};
template <>
struct MEnumTable<EnumBraeExpositionType> {
    using E = EnumBraeExpositionType;
    static constexpr char kTypeName[] = "EnumBraeExpositionType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::Normal, "Normal"},
                                                  {E::Exposition, "Exposition"},
                                                  {E::NonGuaranteedAuction, "NonGuaranteedAuction"},
                                                  {E::Auction, "Auction"}};
};
using BraeExpositionType = MEnumAlpha<EnumBraeExpositionType, 5>;

enum class EnumBraeStartupMode : char { Unknown = '?', Normal = ' ', Startup = 'I', BecomeMaster = 'M' };
template <>
struct MEnumTable<EnumBraeStartupMode> {
    using E = EnumBraeStartupMode;
    static constexpr char kTypeName[] = "EnumBraeStartupMode";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::Normal, "Normal"},
                                                  {E::Startup, "Startup"},
                                                  {E::BecomeMaster, "BecomeMaster"}};
};
using BraeStartupMode = MEnumAlpha<EnumBraeStartupMode, 4>;

enum class EnumBraeMakerTaker : char { None = ' ', Maker = 'M', Taker = 'T', Yes = 'Y', No = 'N' };
template <>
struct MEnumTable<EnumBraeMakerTaker> {
    using E = EnumBraeMakerTaker;
    static constexpr char kTypeName[] = "EnumBraeMakerTaker";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"}, {E::Maker, "Maker"}, {E::Taker, "Taker"}, {E::Yes, "Yes"}, {E::No, "No"}};
};
using BraeMakerTaker = MEnumAlpha<EnumBraeMakerTaker, 5>;

enum class EnumBraeMakerTakerPair : char {
    NoneNone = 'U',
    NoneMaker = 'A',
    NoneTaker = 'C',
    MakerNone = 'D',
    MakerTaker = 'F',
    TakerNone = 'G',
    TakerMaker = 'H',
    TakerTaker = 'T',
    Unknown = ' ',
    Buy = 'B',
    Sell = 'S'
};
template <>
struct MEnumTable<EnumBraeMakerTakerPair> {
    using E = EnumBraeMakerTakerPair;
    static constexpr char kTypeName[] = "EnumBraeMakerTakerPair";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::NoneNone, "NoneNone"},
                                                  {E::NoneMaker, "NoneMaker"},
                                                  {E::NoneTaker, "NoneTaker"},
                                                  {E::MakerNone, "MakerNone"},
                                                  {E::MakerTaker, "MakerTaker"},
                                                  {E::TakerNone, "TakerNone"},
                                                  {E::TakerMaker, "TakerMaker"},
                                                  {E::TakerTaker, "TakerTaker"},
                                                  {E::Unknown, "Unknown"},
                                                  {E::Buy, "Buy"},
                                                  {E::Sell, "Sell"}};
};
using BraeMakerTakerPair = MEnumAlpha<EnumBraeMakerTakerPair, 11>;

enum class EnumBraeSystemPhase : char { Trading = 'T', Diffusion = 'D', PostTrading = 'P' };
template <>
struct MEnumTable<EnumBraeSystemPhase> {
    using E = EnumBraeSystemPhase;
    static constexpr char kTypeName[] = "EnumBraeSystemPhase";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Trading, "Trading"}, {E::Diffusion, "Diffusion"}, {E::PostTrading, "PostTrading"}};
};
using BraeSystemPhase = MEnumAlpha<EnumBraeSystemPhase, 3>;

enum class EnumBraeCreationType : char { InstrumentCreation = 'I' };
template <>
struct MEnumTable<EnumBraeCreationType> {
    using E = EnumBraeCreationType;
    static constexpr char kTypeName[] = "EnumBraeCreationType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::InstrumentCreation, "InstrumentCreation"}};
};
using BraeCreationType = MEnumAlpha<EnumBraeCreationType, 1>;

enum class EnumBraeCreationResult : char {
    CreatedAsSpecified = 'C',
    CreatedWithModification = 'M',
    AlreadyExists = 'E'
};
template <>
struct MEnumTable<EnumBraeCreationResult> {
    using E = EnumBraeCreationResult;
    static constexpr char kTypeName[] = "EnumBraeCreationResult";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::CreatedAsSpecified, "CreatedAsSpecified"},
                                                  {E::CreatedWithModification, "CreatedWithModification"},
                                                  {E::AlreadyExists, "AlreadyExists"}};
};
using BraeCreationResult = MEnumAlpha<EnumBraeCreationResult, 3>;

enum class EnumBraeRoutingDestination : int32_t {
    Undefined = 0,
    TPRInteractiveBrokers = 1,
    TPRWolverine = 2
};
template <>
struct MEnumTable<EnumBraeRoutingDestination> {
    static constexpr char kTypeName[] = "EnumBraeRoutingDestination";
    static constexpr MEnumCodeRow kRows[] = {
        {"UNDEF", "Undefined"}, {"TPRIB", "TPRInteractiveBrokers"}, {"TPRWX", "TPRWolverine"}};
};
using BraeRoutingDestination =
    MEnumString<5, EnumBraeRoutingDestination, 3, DefaultLookupPolicy<5, EnumBraeRoutingDestination, 3> >;

enum class EnumBraeProductType : char { Option = 'O', Future = 'F', Binary = 'B' };
template <>
struct MEnumTable<EnumBraeProductType> {
    using E = EnumBraeProductType;
    static constexpr char kTypeName[] = "EnumBraeProductType";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Option, "Option"}, {E::Future, "Future"}, {E::Binary, "Binary"}};
};
using BraeProductType = MEnumAlpha<EnumBraeProductType, 3>;

enum class EnumBraeSeriesLetter : char {
    X = 'X',
    Y = 'Y',
    Z = 'Z',
    Q = 'Q',
    R = 'R',
    S = 'S',
    G = 'G',
    U = 'U',
    V = 'V'
};
template <>
struct MEnumTable<EnumBraeSeriesLetter> {
    using E = EnumBraeSeriesLetter;
    static constexpr char kTypeName[] = "EnumBraeSeriesLetter";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::X, "X"}, {E::Y, "Y"}, {E::Z, "Z"},
                                                  {E::Q, "Q"}, {E::R, "R"}, {E::S, "S"},
                                                  {E::G, "G"}, {E::U, "U"}, {E::V, "V"}};
};
using BraeSeriesLetter = MEnumAlpha<EnumBraeSeriesLetter, 9>;

enum class EnumBraeOptionKind : char { Call = 'C', Put = 'P', Over = 'O', Under = 'U' };
template <>
struct MEnumTable<EnumBraeOptionKind> {
    using E = EnumBraeOptionKind;
    static constexpr char kTypeName[] = "EnumBraeOptionKind";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Call, "Call"}, {E::Put, "Put"}, {E::Over, "Over"}, {E::Under, "Under"}};
};
using BraeOptionKind = MEnumAlpha<EnumBraeOptionKind, 4>;

enum class EnumBraeEndOfActivityType : char {
    EndOfTradingActivities = 'T',
    EndOfClearingActivities = 'C',
    EndOfActivities = 'A',
    EndOfAdjustedSeries = 'X',
    EndOfInstrumentCreationActivities = 'I',
    EndOfMMQuotationStatistics = 'S',
    EndOfMarketDataRequests = 'M',
    EndOfPricingActivities = 'P'
};
template <>
struct MEnumTable<EnumBraeEndOfActivityType> {
    using E = EnumBraeEndOfActivityType;
    static constexpr char kTypeName[] = "EnumBraeEndOfActivityType";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::EndOfTradingActivities, "End Of Trading Activities"},
        {E::EndOfClearingActivities, "End Of Clearing Activities"},
        {E::EndOfActivities, "End Of Activities"},
        {E::EndOfAdjustedSeries, "End Of Adjusted Series"},
        {E::EndOfInstrumentCreationActivities, "End Of Instrument Creation Activities"},
        {E::EndOfMMQuotationStatistics, "End Of MM Quotation Statistics"},
        {E::EndOfMarketDataRequests, "End of Market Data Requests"},
        {E::EndOfPricingActivities, "End of Pricing Activities"}};
};
using BraeEndOfActivityType = MEnumAlpha<EnumBraeEndOfActivityType, 8>;

enum class EnumBraeExerciseStyle : char { American = 'A', European = 'E' };
template <>
struct MEnumTable<EnumBraeExerciseStyle> {
    using E = EnumBraeExerciseStyle;
    static constexpr char kTypeName[] = "EnumBraeExerciseStyle";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::American, "American"}, {E::European, "European"}};
};
using BraeExerciseStyle = MEnumAlpha<EnumBraeExerciseStyle, 2>;

enum class EnumBraeReferencePriceSource : char {
    Normal = 'N',
    Closing = 'C',
    External = 'E',
    OpeningTrade = 'O'
};
template <>
struct MEnumTable<EnumBraeReferencePriceSource> {
    using E = EnumBraeReferencePriceSource;
    static constexpr char kTypeName[] = "EnumBraeReferencePriceSource";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Normal, "Normal"},
                                                  {E::Closing, "Closing"},
                                                  {E::External, "External"},
                                                  {E::OpeningTrade, "OpeningTrade"}};
};
using BraeReferencePriceSource = MEnumAlpha<EnumBraeReferencePriceSource, 4>;

enum class EnumBraeIsinChange : char { None = 'N', ExternalIsinRemoved = 'R' };
template <>
struct MEnumTable<EnumBraeIsinChange> {
    using E = EnumBraeIsinChange;
    static constexpr char kTypeName[] = "EnumBraeIsinChange";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::None, "None"},
                                                  {E::ExternalIsinRemoved, "ExternalIsinRemoved"}};
};
using BraeIsinChange = MEnumAlpha<EnumBraeIsinChange, 2>;

enum class EnumBraeConnectionEvent : char {
    Disconnected = 'D',
    Connected = 'C',
    LogonAccepted = 'A',
    LoggedOut = 'L',
    LogonRefused = 'R',
    Unlocked = 'U'
};
template <>
struct MEnumTable<EnumBraeConnectionEvent> {
    using E = EnumBraeConnectionEvent;
    static constexpr char kTypeName[] = "EnumBraeConnectionEvent";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Disconnected, "Disconnected"},   {E::Connected, "Connected"},
        {E::LogonAccepted, "LogonAccepted"}, {E::LoggedOut, "LoggedOut"},
        {E::LogonRefused, "LogonRefused"},   {E::Unlocked, "Unlocked"}};
};
using BraeConnectionEvent = MEnumAlpha<EnumBraeConnectionEvent, 6>;

enum class EnumBraeIsinAssignationStatus : char {
    IsinAssigned = 'A',
    DuplicateIsin = 'D',
    InstrumentIsinIsAlreadySet = 'S',
    UnknownInstrument = 'U',
    ActionNotAllowed = 'W',
    TechnicalError = 'T'
};
template <>
struct MEnumTable<EnumBraeIsinAssignationStatus> {
    using E = EnumBraeIsinAssignationStatus;
    static constexpr char kTypeName[] = "EnumBraeIsinAssignationStatus";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::IsinAssigned, "IsinAssigned"},
        {E::DuplicateIsin, "DuplicateIsin"},
        {E::InstrumentIsinIsAlreadySet, "InstrumentIsinIsAlreadySet"},
        {E::UnknownInstrument, "UnknownInstrument"},
        {E::ActionNotAllowed, "ActionNotAllowed"},
        {E::TechnicalError, "TechnicalError"}};
};
using BraeIsinAssignationStatus = MEnumAlpha<EnumBraeIsinAssignationStatus, 6>;

enum class EnumBraeUnderlyingEvent : char {
    UnderlyingNoConnection = 'U',
    UnderlyingError = 'E',
    UnderlyingOpened = 'O',
    UnderlyingHalted = 'H',
    UnderlyingClosed = 'C',
    NBBOOpened = 'N',
    OpenOnUnderlyingNBBO = 'B',
    OpenOnNBBO = 'G',
    OpenOnUnderlying = 'J',
    ResetOpen = 'R',
    UnderlyingRegistered = 'T',
    UnderlyingResumed = 'A',
    UnderlyingLULDOn = 'L',
    UnderlyingLULDOff = 'l',
    UnderlyingPauseOn = 'P',
    UnderlyingPauseOff = 'p',
    TradingMarketOrdForbidden = 'M',
    TradingMarketOrdAllowed = 'm',
    ReferenceCalculation = 'r',
    PAICalculation = 'a',
    ReferencePreviewOff = 'o',
    ReferencePreviewBase = 'b',
    ReferencePreviewFast = 'f',
    PriceReferentialCapture = 'c',
    Custom1 = 'w',
    Custom2 = 'z',
    ControlPriceFullCalculation = 'y',
    ControlPricePartialCalculation = 'x',
    UnderlyingAuthorized = 'Z',
    UnderlyingInhibited = 'I',
    UnderlyingFrozen = 'F',
    UnderlyingDelayed = 'D',
    UnderlyingPreOpen = 'W',
    UnderlyingTraded = 'S',
    OpenOnUnderlyingAuthorized = 'K',
    OpenOnUnderlyingTrade = 'Q',
    OpenOnUnderlyingOpenOrTrade = 'V',
    InstrumentCreation = 'i'
};
template <>
struct MEnumTable<EnumBraeUnderlyingEvent> {
    using E = EnumBraeUnderlyingEvent;
    static constexpr char kTypeName[] = "EnumBraeUnderlyingEvent";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::UnderlyingNoConnection, "UnderlyingNoConnection"},
        {E::UnderlyingError, "UnderlyingError"},
        {E::UnderlyingOpened, "UnderlyingOpened"},
        {E::UnderlyingHalted, "UnderlyingHalted"},
        {E::UnderlyingClosed, "UnderlyingClosed"},
        {E::NBBOOpened, "NBBOOpened"},
        {E::OpenOnUnderlyingNBBO, "OpenOnUnderlyingNBBO"},
        {E::OpenOnNBBO, "OpenOnNBBO"},
        {E::OpenOnUnderlying, "OpenOnUnderlying"},
        {E::ResetOpen, "ResetOpen"},
        {E::UnderlyingRegistered, "UnderlyingRegistered"},
        {E::UnderlyingResumed, "UnderlyingResumed"},
        {E::UnderlyingLULDOn, "UnderlyingLULDOn"},
        {E::UnderlyingLULDOff, "UnderlyingLULDOff"},
        {E::UnderlyingPauseOn, "UnderlyingPauseOn"},
        {E::UnderlyingPauseOff, "UnderlyingPauseOff"},
        {E::TradingMarketOrdForbidden, "TradingMarketOrdForbidden"},
        {E::TradingMarketOrdAllowed, "TradingMarketOrdAllowed"},
        {E::ReferenceCalculation, "ReferenceCalculation"},
        {E::PAICalculation, "PAICalculation"},
        {E::ReferencePreviewOff, "ReferencePreviewOff"},
        {E::ReferencePreviewBase, "ReferencePreviewBase"},
        {E::ReferencePreviewFast, "ReferencePreviewFast"},
        {E::PriceReferentialCapture, "PriceReferentialCapture"},
        {E::Custom1, "Custom1"},
        {E::Custom2, "Custom2"},
        {E::ControlPriceFullCalculation, "ControlPriceFullCalculation"},
        {E::ControlPricePartialCalculation, "ControlPricePartialCalculation"},
        {E::UnderlyingAuthorized, "UnderlyingAuthorized"},
        {E::UnderlyingInhibited, "UnderlyingInhibited"},
        {E::UnderlyingFrozen, "UnderlyingFrozen"},
        {E::UnderlyingDelayed, "UnderlyingDelayed"},
        {E::UnderlyingPreOpen, "UnderlyingPreOpen"},
        {E::UnderlyingTraded, "UnderlyingTraded"},
        {E::OpenOnUnderlyingAuthorized, "OpenOnUnderlyingAuthorized"},
        {E::OpenOnUnderlyingTrade, "OpenOnUnderlyingTrade"},
        {E::OpenOnUnderlyingOpenOrTrade, "OpenOnUnderlyingOpenOrTrade"},
        {E::InstrumentCreation, "InstrumentCreation"}};
};
using BraeUnderlyingEvent = MEnumAlpha<EnumBraeUnderlyingEvent, 38>;

enum class EnumBraeEventSource : char {
    Underlying = 'U',
    NBBO = 'N',
    Period = 'P',
    Trading = 'T',
    MOC = 'M'
};
template <>
struct MEnumTable<EnumBraeEventSource> {
    using E = EnumBraeEventSource;
    static constexpr char kTypeName[] = "EnumBraeEventSource";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Underlying, "Underlying"},
                                                  {E::NBBO, "NBBO"},
                                                  {E::Period, "Period"},
                                                  {E::Trading, "Trading"},
                                                  {E::MOC, "MOC"}};
};
using BraeEventSource = MEnumAlpha<EnumBraeEventSource, 5>;

enum class EnumBraeCounterType : char { Unknown = '?', MaxRtfQuoteID = 'Q' };
template <>
struct MEnumTable<EnumBraeCounterType> {
    using E = EnumBraeCounterType;
    static constexpr char kTypeName[] = "EnumBraeCounterType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::MaxRtfQuoteID, "MaxRtfQuoteID"}};
};
using BraeCounterType = MEnumAlpha<EnumBraeCounterType, 2>;

enum class EnumBraeRestrictionType : char { IntraFirmTradingRestriction = 'R', SelfMatchPrevention = 'S' };
template <>
struct MEnumTable<EnumBraeRestrictionType> {
    using E = EnumBraeRestrictionType;
    static constexpr char kTypeName[] = "EnumBraeRestrictionType";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::IntraFirmTradingRestriction, "IntraFirmTradingRestriction"},
        {E::SelfMatchPrevention, "SelfMatchPrevention"}};
};
using BraeRestrictionType = MEnumAlpha<EnumBraeRestrictionType, 2>;

enum class EnumBraeSettlementMethod : char { Cash = 'C', Physical = 'P' };
template <>
struct MEnumTable<EnumBraeSettlementMethod> {
    using E = EnumBraeSettlementMethod;
    static constexpr char kTypeName[] = "EnumBraeSettlementMethod";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Cash, "Cash"}, {E::Physical, "Physical"}};
};
using BraeSettlementMethod = MEnumAlpha<EnumBraeSettlementMethod, 2>;

enum class EnumBraeEnforcementMode : char { NotSet = '?', None = 'N', WarnOnly = 'W', Enforce = 'E' };
template <>
struct MEnumTable<EnumBraeEnforcementMode> {
    using E = EnumBraeEnforcementMode;
    static constexpr char kTypeName[] = "EnumBraeEnforcementMode";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::NotSet, "NotSet"}, {E::None, "None"}, {E::WarnOnly, "WarnOnly"}, {E::Enforce, "Enforce"}};
};
using BraeEnforcementMode = MEnumAlpha<EnumBraeEnforcementMode, 4>;

enum class EnumBraeRiskNotificationType : char {
    Info = 'I',
    Warning = 'W',
    OrderRejected = 'R',
    Limit = 'L'
};
template <>
struct MEnumTable<EnumBraeRiskNotificationType> {
    using E = EnumBraeRiskNotificationType;
    static constexpr char kTypeName[] = "EnumBraeRiskNotificationType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Info, "Info"},
                                                  {E::Warning, "Warning"},
                                                  {E::OrderRejected, "Order Rejected"},
                                                  {E::Limit, "Limit"}};
};
using BraeRiskNotificationType = MEnumAlpha<EnumBraeRiskNotificationType, 4>;

enum class EnumBraeRiskLimitType : char {
    NetExposure = '1',
    LongExposure = '2',
    ShortExposure = '3',
    NetPosition = '4',
    LongPosition = '5',
    ShortPosition = '6',
    MaxNumberOfTrades = '7',
    MaxTradedVolume = '8',
    MaxTradedValue = '9',
    DeltaMaxVolume = 'A',
    MaxNumberOfTriggers = 'B'
};
template <>
struct MEnumTable<EnumBraeRiskLimitType> {
    using E = EnumBraeRiskLimitType;
    static constexpr char kTypeName[] = "EnumBraeRiskLimitType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::NetExposure, "NetExposure"},
                                                  {E::LongExposure, "LongExposure"},
                                                  {E::ShortExposure, "ShortExposure"},
                                                  {E::NetPosition, "NetPosition"},
                                                  {E::LongPosition, "LongPosition"},
                                                  {E::ShortPosition, "ShortPosition"},
                                                  {E::MaxNumberOfTrades, "MaxNumberOfTrades"},
                                                  {E::MaxTradedVolume, "MaxTradedVolume"},
                                                  {E::MaxTradedValue, "MaxTradedValue"},
                                                  {E::DeltaMaxVolume, "DeltaMaxVolume"},
                                                  {E::MaxNumberOfTriggers, "MaxNumberOfTriggers"}};
};
using BraeRiskLimitType = MEnumAlpha<EnumBraeRiskLimitType, 11>;

enum class EnumBraeNettingMode : char {
    NettingOff = ' ',
    CancelPostTraderNetting = 'T',
    NettingOn = 'N',
    CancelPostNetting = 'P'
};
template <>
struct MEnumTable<EnumBraeNettingMode> {
    using E = EnumBraeNettingMode;
    static constexpr char kTypeName[] = "EnumBraeNettingMode";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::NettingOff, "NettingOff"},
                                                  {E::CancelPostTraderNetting, "CancelPostTraderNetting"},
                                                  {E::NettingOn, "NettingOn"},
                                                  {E::CancelPostNetting, "CancelPostNetting"}};
};
using BraeNettingMode = MEnumAlpha<EnumBraeNettingMode, 4>;

enum class EnumBraeSelfMatchAction : char {
    None = ' ',
    CancelInboundOrder = 'I',
    CancelOppositeRestingOrder = 'O',
    CancelBothInboundOrderAndOppositeRestingOrder = 'B'
};
template <>
struct MEnumTable<EnumBraeSelfMatchAction> {
    using E = EnumBraeSelfMatchAction;
    static constexpr char kTypeName[] = "EnumBraeSelfMatchAction";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"},
        {E::CancelInboundOrder, "CancelInboundOrder"},
        {E::CancelOppositeRestingOrder, "CancelOppositeRestingOrder"},
        {E::CancelBothInboundOrderAndOppositeRestingOrder, "CancelBothInboundOrderAndOppositeRestingOrder"}};
};
using BraeSelfMatchAction = MEnumAlpha<EnumBraeSelfMatchAction, 4>;

enum class EnumBraeSideScope : char { None = ' ', Buy = 'B', Sell = 'S', Both = '2' };
template <>
struct MEnumTable<EnumBraeSideScope> {
    using E = EnumBraeSideScope;
    static constexpr char kTypeName[] = "EnumBraeSideScope";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"}, {E::Buy, "Buy"}, {E::Sell, "Sell"}, {E::Both, "Both"}};
};
using BraeSideScope = MEnumAlpha<EnumBraeSideScope, 4>;

enum class EnumBraeConfigAction : char { Add = 'A', Update = 'U', Delete = 'D' };
template <>
struct MEnumTable<EnumBraeConfigAction> {
    using E = EnumBraeConfigAction;
    static constexpr char kTypeName[] = "EnumBraeConfigAction";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Add, "Add"}, {E::Update, "Update"}, {E::Delete, "Delete"}};
};
using BraeConfigAction = MEnumAlpha<EnumBraeConfigAction, 3>;

enum class EnumBraeConfigDataType : char {
    AllocationUser = 'A',
    AtrParticipant = 'B',
    BoardLotItem = 'C',
    BoardLotTable = 'D',
    Calendar = 'E',
    CircuitBreakerItem = 'F',
    CircuitBreakerTable = 'G',
    ClearingApiUser = 'H',
    ContractAndPriceAdjustment = 'I',
    Cpu = 'J',
    DoDisableRouting = 'K',
    DoRouting = 'L',
    Exchange = 'M',
    ExpiryDateCreationItem = 'N',
    ExpiryDateCreationTable = 'O',
    FeGateway = 'P',
    Firm = 'Q',
    FirmUnit = 'R',
    FlexCreation = 'S',
    Group = 'T',
    GroupSet = 'U',
    Instrument = 'V',
    InstrumentCreationItem = 'W',
    InstrumentCreationTable = 'X',
    InstrumentPreview = 'Y',
    InterfacePrivileges = 'Z',
    MarketMakerObligationItem = 'a',
    MarketMakerObligationSpreadItem = 'b',
    MarketMakerObligationSpreadTable = 'c',
    MarketMakerObligationTable = 'd',
    MarketRulesByState = 'e',
    MarketRuleTable = 'f',
    OeParticipant = 'g',
    OlaExchange = 'h',
    OrderOriginAuths = 'i',
    PaRoutingPriority = 'j',
    Participant = 'k',
    ParticipantProfile = 'l',
    Period = 'm',
    ReceptionFilteringRule = 'n',
    RiskLimits = 'o',
    Schedule = 'p',
    SpecialDay = 'q',
    StrategyControlItem = 'r',
    StrategyControlTable = 's',
    StrategyCreationItem = 't',
    StrategyProfile = 'u',
    StrikePriceCodeItem = 'v',
    StrikePriceCodeTable = 'w',
    StrikePriceCreationTable = 'x',
    SystemRule = 'y',
    TickItem = 'z',
    TickTable = '0',
    Trader = '1',
    TraderGroup = '2',
    User = '3',
    MarketPricingParams = '4',
    Password = '5',
    InstrumentSpecialDates = '6',
    RecordDeactivation = '7',
    TraderParticipant = '8',
    ParticipantInDropCopy = '9'
};
template <>
struct MEnumTable<EnumBraeConfigDataType> {
    using E = EnumBraeConfigDataType;
    static constexpr char kTypeName[] = "EnumBraeConfigDataType";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::AllocationUser, "AllocationUser"},
        {E::AtrParticipant, "AtrParticipant"},
        {E::BoardLotItem, "BoardLotItem"},
        {E::BoardLotTable, "BoardLotTable"},
        {E::Calendar, "Calendar"},
        {E::CircuitBreakerItem, "CircuitBreakerItem"},
        {E::CircuitBreakerTable, "CircuitBreakerTable"},
        {E::ClearingApiUser, "ClearingApiUser"},
        {E::ContractAndPriceAdjustment, "ContractAndPriceAdjustment"},
        {E::Cpu, "Cpu"},
        {E::DoDisableRouting, "DoDisableRouting"},
        {E::DoRouting, "DoRouting"},
        {E::Exchange, "Exchange"},
        {E::ExpiryDateCreationItem, "ExpiryDateCreationItem"},
        {E::ExpiryDateCreationTable, "ExpiryDateCreationTable"},
        {E::FeGateway, "FeGateway"},
        {E::Firm, "Firm"},
        {E::FirmUnit, "FirmUnit"},
        {E::FlexCreation, "FlexCreation"},
        {E::Group, "Group"},
        {E::GroupSet, "GroupSet"},
        {E::Instrument, "Instrument"},
        {E::InstrumentCreationItem, "InstrumentCreationItem"},
        {E::InstrumentCreationTable, "InstrumentCreationTable"},
        {E::InstrumentPreview, "InstrumentPreview"},
        {E::InterfacePrivileges, "InterfacePrivileges"},
        {E::MarketMakerObligationItem, "MarketMakerObligationItem"},
        {E::MarketMakerObligationSpreadItem, "MarketMakerObligationSpreadItem"},
        {E::MarketMakerObligationSpreadTable, "MarketMakerObligationSpreadTable"},
        {E::MarketMakerObligationTable, "MarketMakerObligationTable"},
        {E::MarketRulesByState, "MarketRulesByState"},
        {E::MarketRuleTable, "MarketRuleTable"},
        {E::OeParticipant, "OeParticipant"},
        {E::OlaExchange, "OlaExchange"},
        {E::OrderOriginAuths, "OrderOriginAuths"},
        {E::PaRoutingPriority, "PaRoutingPriority"},
        {E::Participant, "Participant"},
        {E::ParticipantProfile, "ParticipantProfile"},
        {E::Period, "Period"},
        {E::ReceptionFilteringRule, "ReceptionFilteringRule"},
        {E::RiskLimits, "RiskLimits"},
        {E::Schedule, "Schedule"},
        {E::SpecialDay, "SpecialDay"},
        {E::StrategyControlItem, "StrategyControlItem"},
        {E::StrategyControlTable, "StrategyControlTable"},
        {E::StrategyCreationItem, "StrategyCreationItem"},
        {E::StrategyProfile, "StrategyProfile"},
        {E::StrikePriceCodeItem, "StrikePriceCodeItem"},
        {E::StrikePriceCodeTable, "StrikePriceCodeTable"},
        {E::StrikePriceCreationTable, "StrikePriceCreationTable"},
        {E::SystemRule, "SystemRule"},
        {E::TickItem, "TickItem"},
        {E::TickTable, "TickTable"},
        {E::Trader, "Trader"},
        {E::TraderGroup, "TraderGroup"},
        {E::User, "User"},
        {E::MarketPricingParams, "MarketPricingParams"},
        {E::Password, "Password"},
        {E::InstrumentSpecialDates, "InstrumentSpecialDates"},
        {E::RecordDeactivation, "RecordDeactivation"},
        {E::TraderParticipant, "TraderParticipant"},
        {E::ParticipantInDropCopy, "ParticipantInDropCopy"}};
};
using BraeConfigDataType = MEnumAlpha<EnumBraeConfigDataType, 62>;

enum class EnumBraeSeverity : char {
    Alert = 'A',
    Critical = 'C',
    Error = 'E',
    Warning = 'W',
    Notice = 'N',
    Informational = 'I'
};
template <>
struct MEnumTable<EnumBraeSeverity> {
    using E = EnumBraeSeverity;
    static constexpr char kTypeName[] = "EnumBraeSeverity";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Alert, "Alert"},   {E::Critical, "Critical"},
                                                  {E::Error, "Error"},   {E::Warning, "Warning"},
                                                  {E::Notice, "Notice"}, {E::Informational, "Informational"}};
};
using BraeSeverity = MEnumAlpha<EnumBraeSeverity, 6>;

enum class EnumBraeControlCategory : char { PreTradeValidation = 'P', RealTimeAlert = 'R' };
template <>
struct MEnumTable<EnumBraeControlCategory> {
    using E = EnumBraeControlCategory;
    static constexpr char kTypeName[] = "EnumBraeControlCategory";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::PreTradeValidation, "PreTrade Validation"},
                                                  {E::RealTimeAlert, "Real-Time Alert"}};
};
using BraeControlCategory = MEnumAlpha<EnumBraeControlCategory, 2>;

enum class EnumBraeControlType : char {
    PriceControlMeasure = 'P',
    ActivityBasedControl = 'A',
    KillSwitchProtection = 'K',
    LockOut = 'L',
    MarginRateVariation = 'M'
};
template <>
struct MEnumTable<EnumBraeControlType> {
    using E = EnumBraeControlType;
    static constexpr char kTypeName[] = "EnumBraeControlType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::PriceControlMeasure, "Price Control Measure"},
                                                  {E::ActivityBasedControl, "Activity Based Control"},
                                                  {E::KillSwitchProtection, "Kill Switch Protection"},
                                                  {E::LockOut, "LockOut"},
                                                  {E::MarginRateVariation, "Margin Rate Variation"}};
};
using BraeControlType = MEnumAlpha<EnumBraeControlType, 5>;

enum class EnumBraeNotificationState : char { New = 'N', Acknowledged = 'K' };
template <>
struct MEnumTable<EnumBraeNotificationState> {
    using E = EnumBraeNotificationState;
    static constexpr char kTypeName[] = "EnumBraeNotificationState";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::New, "New"}, {E::Acknowledged, "Acknowledged"}};
};
using BraeNotificationState = MEnumAlpha<EnumBraeNotificationState, 2>;

enum class EnumBraeNotificationReason : int32_t {
    EmptyName = 0,
    AwayNBBOCrossed = 1,
    NoAwayNBBOAsk = 2,
    OutsideOpeningDrillThroughLimits = 3,
    MMPNumberOfTradesLimitExceeded = 4,
    MMPTradedVolumeLimitExceeded = 5,
    MMPTradedValueLimitExceeded = 6,
    MMPTradedDeltaVolumeLimitExceeded = 7,
    MMPTradedDeltaValueLimitExceeded = 8,
    MMPTradedPercentOfQuotesLimitExceeded = 9,
    TOPMaximumNumberOfTradesLimitExceeded = 10,
    TOPMaximumTradedVolumeLimitExceeded = 11,
    TOPMaximumTradedValueLimitExceeded = 12,
    TOPDeltaMaxVolumeLimitExceeded = 13,
    TAPMaximumNumberOfTradesLimitExceeded = 14,
    TAPMaximumTradedVolumeLimitExceeded = 15,
    TAPMaximumTradedValueLimitExceeded = 16,
    TAPDeltaMaxVolumeLimitExceeded = 17,
    MTPMaximumTriggersLimitExceeded = 18,
    RiskTeamIsLockedOutDueToLimitExceeded = 19,
    RiskTeamIsLockedOutByMarketOperationCenter = 20,
    TraderIsLockedOutByMarketOperationCenter = 21,
    TraderIsLockedOutByTrader = 22,
    TraderIsNoLongerLockedOut = 23,
    RiskTeamIsNoLongerLockedOut = 24,
    TOPDeltaMaxValueLimitExceeded = 25,
    TAPDeltaMaxValueLimitExceeded = 26,
    OrderPriceOutOfLimits = 27,
    UnusualNumberOfUnfilledOrders = 28,
    RepeatedAutomatedExecutions = 29,
    HighNumberOfMessages = 30,
    UnusualTradeVolume = 31,
    MarginRateVariationExceedMaximumThresholdConfigured = 32
};
template <>
struct MEnumTable<EnumBraeNotificationReason> {
    static constexpr char kTypeName[] = "EnumBraeNotificationReason";
    static constexpr MEnumCodeRow kRows[] = {
        {"0000", ""},
        {"0001", "Away NBBO Crossed"},
        {"0002", "No Away NBBO Ask"},
        {"0003", "Outside Opening Drill Through Limits"},
        {"0004", "MMP Number Of Trades Limit Exceeded"},
        {"0005", "MMP Traded Volume Limit Exceeded"},
        {"0006", "MMP Traded Value Limit Exceeded"},
        {"0007", "MMP Traded Delta Volume Limit Exceeded"},
        {"0008", "MMP Traded Delta Value Limit Exceeded"},
        {"0009", "MMP Traded Percent Of Quotes Limit Exceeded"},
        {"0010", "TOP Maximum Number Of Trades Limit Exceeded"},
        {"0011", "TOP Maximum Traded Volume Limit Exceeded"},
        {"0012", "TOP Maximum Traded Value Limit Exceeded"},
        {"0013", "TOP Delta Max Volume Limit Exceeded"},
        {"0014", "TAP Maximum Number Of Trades Limit Exceeded"},
        {"0015", "TAP Maximum Traded Volume Limit Exceeded"},
        {"0016", "TAP Maximum Traded Value Limit Exceeded"},
        {"0017", "TAP Delta Max Volume Limit Exceeded"},
        {"0018", "MTP Maximum Triggers Limit Exceeded"},
        {"0019", "Risk Team Is Locked Out Due To Limit Exceeded"},
        {"0020", "Risk Team Is Locked Out By Market Operation Center"},
        {"0021", "Trader Is Locked Out By Market Operation Center"},
        {"0022", "Trader Is Locked Out By Trader"},
        {"0023", "Trader Is No Longer Locked Out"},
        {"0024", "Risk Team Is No Longer Locked Out"},
        {"0025", "TOP Delta Max Value Limit Exceeded"},
        {"0026", "TAP Delta Max Value Limit Exceeded"},
        {"0029", "Order Price Out Of Limits"},
        {"0030", "Unusual Number Of Unfilled Orders"},
        {"0031", "Repeated Automated Executions"},
        {"0032", "High Number Of Messages"},
        {"0033", "Unusual Trade Volume"},
        {"0034", "Margin Rate variation exceed maximum threshold configured"}};
};
using BraeNotificationReason =
    MEnumString<4, EnumBraeNotificationReason, 33, DefaultLookupPolicy<4, EnumBraeNotificationReason, 33> >;

enum class EnumBraeLockAction : char { Unchanged = ' ', Locked = 'L', Unlocked = 'A' };
template <>
struct MEnumTable<EnumBraeLockAction> {
    using E = EnumBraeLockAction;
    static constexpr char kTypeName[] = "EnumBraeLockAction";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unchanged, "Unchanged"}, {E::Locked, "Locked"}, {E::Unlocked, "Unlocked"}};
};
using BraeLockAction = MEnumAlpha<EnumBraeLockAction, 3>;

enum class EnumBraeEnableAction : char { Unchanged = 'U', Enabled = 'C', Disabled = 'H', Paused = 'X' };
template <>
struct MEnumTable<EnumBraeEnableAction> {
    using E = EnumBraeEnableAction;
    static constexpr char kTypeName[] = "EnumBraeEnableAction";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unchanged, "Unchanged"},
                                                  {E::Enabled, "Enabled"},
                                                  {E::Disabled, "Disabled"},
                                                  {E::Paused, "Paused"}};
};
using BraeEnableAction = MEnumAlpha<EnumBraeEnableAction, 4>;

enum class EnumBraeSummaryKind : char { None = ' ', Intermediate = 'I', Final = 'F' };
template <>
struct MEnumTable<EnumBraeSummaryKind> {
    using E = EnumBraeSummaryKind;
    static constexpr char kTypeName[] = "EnumBraeSummaryKind";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"}, {E::Intermediate, "Intermediate"}, {E::Final, "Final"}};
};
using BraeSummaryKind = MEnumAlpha<EnumBraeSummaryKind, 3>;

enum class EnumBraePriceSource : char { None = ' ', Underlying = 'U', External = 'E' };
template <>
struct MEnumTable<EnumBraePriceSource> {
    using E = EnumBraePriceSource;
    static constexpr char kTypeName[] = "EnumBraePriceSource";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"}, {E::Underlying, "Underlying"}, {E::External, "External"}};
};
using BraePriceSource = MEnumAlpha<EnumBraePriceSource, 3>;

enum class EnumBraeAllocationChange : char { Unknown = ' ', GiveUp = 'G', CMTA = 'C', OpenClose = 'P' };
template <>
struct MEnumTable<EnumBraeAllocationChange> {
    using E = EnumBraeAllocationChange;
    static constexpr char kTypeName[] = "EnumBraeAllocationChange";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Unknown, "Unknown"}, {E::GiveUp, "GiveUp"}, {E::CMTA, "CMTA"}, {E::OpenClose, "OpenClose"}};
};
using BraeAllocationChange = MEnumAlpha<EnumBraeAllocationChange, 4>;

enum class EnumBraeGlobalEvent : int32_t {
    None = 0,
    DiffusionStart = 1,
    DiffusionEnd = 2,
    DiffusionRetransEnd = 3,
    DiffusionSummary = 4,
    StartCnxFe = 5,
    StartCnxDc = 6,
    StartCnxPt = 7,
    StartCnxOther = 8,
    StartAlloc = 9,
    StartGiveUp = 10,
    StartSummary = 11,
    EndGiveup = 12,
    EndCltAlloc = 13,
    EndExchAlloc = 14,
    EndOfPricing = 15,
    EndOfTrading = 16,
    EndDay = 17,
    MitigationJobOther = 18,
    AutoAlloc = 19,
    SendPrice = 20,
    Generic = 21
};
template <>
struct MEnumTable<EnumBraeGlobalEvent> {
    static constexpr char kTypeName[] = "EnumBraeGlobalEvent";
    static constexpr MEnumCodeRow kRows[] = {{"  ", "None"},
                                             {"DS", "DiffusionStart"},
                                             {"DE", "DiffusionEnd"},
                                             {"DR", "DiffusionRetransEnd"},
                                             {"Ds", "DiffusionSummary"},
                                             {"SF", "StartCnxFe"},
                                             {"SD", "StartCnxDc"},
                                             {"SP", "StartCnxPt"},
                                             {"SX", "StartCnxOther"},
                                             {"SA", "StartAlloc"},
                                             {"SG", "StartGiveUp"},
                                             {"SS", "StartSummary"},
                                             {"EG", "EndGiveup"},
                                             {"EA", "EndCltAlloc"},
                                             {"EE", "EndExchAlloc"},
                                             {"EP", "EndOfPricing"},
                                             {"ET", "EndOfTrading"},
                                             {"ED", "EndDay"},
                                             {"MX", "MitigationJobOther"},
                                             {"AA", "AutoAlloc"},
                                             {"sP", "SendPrice"},
                                             {"G1", "Generic"}};
};
using BraeGlobalEvent =
    MEnumString<2, EnumBraeGlobalEvent, 22, DefaultLookupPolicy<2, EnumBraeGlobalEvent, 22> >;
