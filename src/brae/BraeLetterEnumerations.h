#pragma once
// The letter enumerations of the exchange protocol that the client reads or writes: each
// enumeration (its enumerators are its letters), its table of letters and names in table order
// (the first row is the default), and its field type where records hold one. Names are the
// protocol's own, spelling included.
#include "fields/MEnumAlpha.h"
#include "fields/MEnumTable.h"

enum class EnumBraeKTSAccountType : char {
    Client = '1',
    Firm = '2',
    MarketMaker = '8',
    Omnibus = '3',
    Professional = '4',
    InternalMaster = 'I',
    NonReportable = 'N'
};
template <>
struct MEnumTable<EnumBraeKTSAccountType> {
    using E = EnumBraeKTSAccountType;
    static constexpr char kTypeName[] = "EnumBraeKTSAccountType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Client, "Client"},
                                                  {E::Firm, "Firm"},
                                                  {E::MarketMaker, "MarketMaker"},
                                                  {E::Omnibus, "Omnibus"},
                                                  {E::Professional, "Professional"},
                                                  {E::InternalMaster, "InternalMaster"},
                                                  {E::NonReportable, "NonReportable"}};
};
using BraeKTSAccountType = MEnumAlpha<EnumBraeKTSAccountType, 7>;

enum class EnumBraeKTSAccountOwnerType : char {
    CanadianBank = 'A',
    ForeignBank = 'B',
    CanadianBroker = 'C',
    ForeignBroker = 'D',
    FundManager = 'E',
    PensionFund = 'F',
    GovernmentAndStateOwnedCompanies = 'G',
    RetailClient = 'H',
    InsuranceCompany = 'I',
    Miscellaneous = 'J',
    HedgeFunds = 'K',
    MutualFunds = 'L',
    CommodityTradingAdvisor = 'M',
    Corporate = 'N',
    ProprietaryTradingFirmsPrimarilyAlgorithmic = 'O',
    ProprietaryTradingFirmsLocals = 'P'
};
template <>
struct MEnumTable<EnumBraeKTSAccountOwnerType> {
    using E = EnumBraeKTSAccountOwnerType;
    static constexpr char kTypeName[] = "EnumBraeKTSAccountOwnerType";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::CanadianBank, "CanadianBank"},
        {E::ForeignBank, "ForeignBank"},
        {E::CanadianBroker, "CanadianBroker"},
        {E::ForeignBroker, "ForeignBroker"},
        {E::FundManager, "FundManager"},
        {E::PensionFund, "PensionFund"},
        {E::GovernmentAndStateOwnedCompanies, "GovernmentAndStateOwnedCompanies"},
        {E::RetailClient, "RetailClient"},
        {E::InsuranceCompany, "InsuranceCompany"},
        {E::Miscellaneous, "Miscellaneous"},
        {E::HedgeFunds, "HedgeFunds"},
        {E::MutualFunds, "MutualFunds"},
        {E::CommodityTradingAdvisor, "CommodityTradingAdvisor"},
        {E::Corporate, "Corporate"},
        {E::ProprietaryTradingFirmsPrimarilyAlgorithmic, "ProprietaryTradingFirmsPrimarilyAlgorithmic"},
        {E::ProprietaryTradingFirmsLocals, "ProprietaryTradingFirmsLocals"}};
};
using BraeKTSAccountOwnerType = MEnumAlpha<EnumBraeKTSAccountOwnerType, 16>;

enum class EnumBraeHedgeSpec : char { Default = ' ', Hedger = 'H', Speculator = 'S' };
template <>
struct MEnumTable<EnumBraeHedgeSpec> {
    using E = EnumBraeHedgeSpec;
    static constexpr char kTypeName[] = "EnumBraeHedgeSpec";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::Default, "Default"}, {E::Hedger, "Hedger"}, {E::Speculator, "Speculator"}};
};
using BraeHedgeSpec = MEnumAlpha<EnumBraeHedgeSpec, 3>;

enum class EnumBraeKTSStatus : char {
    None = ' ',
    EntrySucessfullyCreated = 'C',
    EntryIsUpdated = 'U',
    EntryIsRecordedLate = 'T',
    AccountLinkSuccessfullyCreated = 'L',
    EntryFailed = 'F'
};
template <>
struct MEnumTable<EnumBraeKTSStatus> {
    using E = EnumBraeKTSStatus;
    static constexpr char kTypeName[] = "EnumBraeKTSStatus";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"},
        {E::EntrySucessfullyCreated, "EntrySucessfullyCreated"},
        {E::EntryIsUpdated, "EntryIsUpdated"},
        {E::EntryIsRecordedLate, "EntryIsRecordedLate"},
        {E::AccountLinkSuccessfullyCreated, "AccountLinkSuccessfullyCreated"},
        {E::EntryFailed, "EntryFailed"}};
};
using BraeKTSStatus = MEnumAlpha<EnumBraeKTSStatus, 6>;

enum class EnumBraeKTSInternalAccountType : char { ClientAccount = 'C', MasterAccount = 'M' };
template <>
struct MEnumTable<EnumBraeKTSInternalAccountType> {
    using E = EnumBraeKTSInternalAccountType;
    static constexpr char kTypeName[] = "EnumBraeKTSInternalAccountType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::ClientAccount, "ClientAccount"},
                                                  {E::MasterAccount, "MasterAccount"}};
};
using BraeKTSInternalAccountType = MEnumAlpha<EnumBraeKTSInternalAccountType, 2>;

enum class EnumBraeKTSCommandType : char { None = ' ', Entry = 'E', Delete = 'D' };
template <>
struct MEnumTable<EnumBraeKTSCommandType> {
    using E = EnumBraeKTSCommandType;
    static constexpr char kTypeName[] = "EnumBraeKTSCommandType";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"}, {E::Entry, "Entry"}, {E::Delete, "Delete"}};
};
using BraeKTSCommandType = MEnumAlpha<EnumBraeKTSCommandType, 3>;

enum class EnumBraeKTSBusinessItemType : char { None = ' ', Account = 'A', Position = 'P' };
template <>
struct MEnumTable<EnumBraeKTSBusinessItemType> {
    using E = EnumBraeKTSBusinessItemType;
    static constexpr char kTypeName[] = "EnumBraeKTSBusinessItemType";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"}, {E::Account, "Account"}, {E::Position, "Position"}};
};
using BraeKTSBusinessItemType = MEnumAlpha<EnumBraeKTSBusinessItemType, 3>;

enum class EnumBraeInstrumentCallPutCode : char {
    None = ' ',
    Call = 'C',
    Put = 'P',
    Over = 'O',
    Under = 'U'
};
template <>
struct MEnumTable<EnumBraeInstrumentCallPutCode> {
    using E = EnumBraeInstrumentCallPutCode;
    static constexpr char kTypeName[] = "EnumBraeInstrumentCallPutCode";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::None, "None"}, {E::Call, "Call"}, {E::Put, "Put"}, {E::Over, "Over"}, {E::Under, "Under"}};
};
using BraeInstrumentCallPutCode = MEnumAlpha<EnumBraeInstrumentCallPutCode, 5>;

enum class EnumBraeKTSSubmissionStatus : char {
    SubmittedPositions = 'S',
    NoPositionToSubmit = 'N',
    FailedToSubmitPositions = 'F'
};
template <>
struct MEnumTable<EnumBraeKTSSubmissionStatus> {
    using E = EnumBraeKTSSubmissionStatus;
    static constexpr char kTypeName[] = "EnumBraeKTSSubmissionStatus";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::SubmittedPositions, "SubmittedPositions"},
                                                  {E::NoPositionToSubmit, "NoPositionToSubmit"},
                                                  {E::FailedToSubmitPositions, "FailedToSubmitPositions"}};
};
using BraeKTSSubmissionStatus = MEnumAlpha<EnumBraeKTSSubmissionStatus, 3>;

// The enumerations below have no field type of their own; records hold them as MEnumAlpha<E,N>.

enum class EnumBraeKTSAccountEntryAction : char {
    CreateNewAccount = 'N',
    UpdateExistingAccount = 'U',
    CreateNewMasterAccount = 'M',
    UpdateExistingMasterAccount = 'P',
    NewNonReportableAccount = 'R',
    UpdateNonReportableAccount = 'D'
};
template <>
struct MEnumTable<EnumBraeKTSAccountEntryAction> {
    using E = EnumBraeKTSAccountEntryAction;
    static constexpr char kTypeName[] = "EnumBraeKTSAccountEntryAction";
    static constexpr MEnumLetterRow<E> kRows[] = {
        {E::CreateNewAccount, "CreateNewAccount"},
        {E::UpdateExistingAccount, "UpdateExistingAccount"},
        {E::CreateNewMasterAccount, "CreateNewMasterAccount"},
        {E::UpdateExistingMasterAccount, "UpdateExistingMasterAccount"},
        {E::NewNonReportableAccount, "NewNonReportableAccount"},
        {E::UpdateNonReportableAccount, "UpdateNonReportableAccount"}};
};

enum class EnumBraeKTSLinkAction : char { AddLink = 'A', DeleteLink = 'D' };
template <>
struct MEnumTable<EnumBraeKTSLinkAction> {
    using E = EnumBraeKTSLinkAction;
    static constexpr char kTypeName[] = "EnumBraeKTSLinkAction";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::AddLink, "AddLink"}, {E::DeleteLink, "DeleteLink"}};
};

enum class EnumBraeKTSUserType : char {
    None = ' ',
    Participant = 'P',
    Jek = 'M',
    JekSupervisor = 'S',
    ParticipantSupervisor = 'A'
};
template <>
struct MEnumTable<EnumBraeKTSUserType> {
    using E = EnumBraeKTSUserType;
    static constexpr char kTypeName[] = "EnumBraeKTSUserType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::None, "None"},
                                                  {E::Participant, "Participant"},
                                                  {E::Jek, "Jek"},
                                                  {E::JekSupervisor, "JekSupervisor"},
                                                  {E::ParticipantSupervisor, "ParticipantSupervisor"}};
};

enum class EnumBraeBroadcastType : char {
    Unknown = '?',
    BeginningOfDay = 'B',
    EndOfDay = 'E',
    Unscheduled = 'U',
    Requested = 'R'
};
template <>
struct MEnumTable<EnumBraeBroadcastType> {
    using E = EnumBraeBroadcastType;
    static constexpr char kTypeName[] = "EnumBraeBroadcastType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Unknown, "Unknown"},
                                                  {E::BeginningOfDay, "BeginningOfDay"},
                                                  {E::EndOfDay, "EndOfDay"},
                                                  {E::Unscheduled, "Unscheduled"},
                                                  {E::Requested, "Requested"}};
};

enum class EnumBraeAccountType : char {
    Default = ' ',
    Client = '1',
    Firm = '2',
    Pro = '4',
    NonClient = '5',
    MarketMaker = '8',
    InsiderClient = 'I',
    InsiderFirm = 'N',
    InsiderPro = 'S',
    InsiderNonClient = 'R',
    ShareholderClient = 'H',
    ShareholderFirm = 'O',
    ShareholderPro = 'L',
    ShareholderNonClient = 'D'
};
template <>
struct MEnumTable<EnumBraeAccountType> {
    using E = EnumBraeAccountType;
    static constexpr char kTypeName[] = "EnumBraeAccountType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Default, "Default"},
                                                  {E::Client, "Client"},
                                                  {E::Firm, "Firm"},
                                                  {E::Pro, "Pro"},
                                                  {E::NonClient, "NonClient"},
                                                  {E::MarketMaker, "MarketMaker"},
                                                  {E::InsiderClient, "Insider Client"},
                                                  {E::InsiderFirm, "Insider Firm"},
                                                  {E::InsiderPro, "Insider Pro"},
                                                  {E::InsiderNonClient, "Insider NonClient"},
                                                  {E::ShareholderClient, "Shareholder Client"},
                                                  {E::ShareholderFirm, "Shareholder Firm"},
                                                  {E::ShareholderPro, "Shareholder Pro"},
                                                  {E::ShareholderNonClient, "Shareholder NonClient"}};
};

enum class EnumBraeInstrumentType : char {
    Equity = 'E',
    Future = 'F',
    Index = 'I',
    Strategy = 'S',
    EquityOption = 'X',
    FutureOption = 'Y',
    Option = 'O',
    SponsoredOption = 'Z',
    ExchangeTradedFund = 'T',
    Differential = 'D',
    Warrant = 'W',
    Bond = 'B',
    FixedIncome = 'M',
    InterestRate = 'R',
    Currency = 'C',
    Commodity = 'H',
    Swap = 'A',
    Credit = 'J'
};
template <>
struct MEnumTable<EnumBraeInstrumentType> {
    using E = EnumBraeInstrumentType;
    static constexpr char kTypeName[] = "EnumBraeInstrumentType";
    static constexpr MEnumLetterRow<E> kRows[] = {{E::Equity, "Equity"},
                                                  {E::Future, "Future"},
                                                  {E::Index, "Index"},
                                                  {E::Strategy, "Strategy"},
                                                  {E::EquityOption, "EquityOption"},
                                                  {E::FutureOption, "FutureOption"},
                                                  {E::Option, "Option"},
                                                  {E::SponsoredOption, "SponsoredOption"},
                                                  {E::ExchangeTradedFund, "ExchangeTradedFund"},
                                                  {E::Differential, "Differential"},
                                                  {E::Warrant, "Warrant"},
                                                  {E::Bond, "Bond"},
                                                  {E::FixedIncome, "FixedIncome"},
                                                  {E::InterestRate, "InterestRate"},
                                                  {E::Currency, "Currency"},
                                                  {E::Commodity, "Commodity"},
                                                  {E::Swap, "Swap"},
                                                  {E::Credit, "Credit"}};
};
