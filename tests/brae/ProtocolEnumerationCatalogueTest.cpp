#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "brae/BraeProtocolEnumerations.h"
#include "brae/EnumBraeErrorCode.h"

namespace {

template <class T>
std::string NameOfCode(const char* code) {
    T value;
    value.SetText(code, static_cast<int>(std::strlen(code)));
    return value.ToString();
}

template <class T>
int IndexOfCode(const char* code) {
    T value;
    value.SetText(code, static_cast<int>(std::strlen(code)));
    return value.IndexOfCode();
}

// The bytes that are letters of T, in byte order.
template <class T>
std::string LettersOf() {
    std::string letters;
    for (int c = 0; c < 256; ++c) {
        if (T::CheckLetter(static_cast<char>(c)) == nullptr) letters += static_cast<char>(c);
    }
    return letters;
}

template <class T>
std::string LettersInIndexOrder() {
    std::string letters;
    for (int i = 0; i < T::GetCount(); ++i)
        letters += static_cast<char>(T::GetEnumAt(static_cast<unsigned>(i)));
    return letters;
}

TEST(BraeProtocolEnumerations, SingleLetterEnumerations) {
    EXPECT_EQ(LettersOf<BraeReferencePriceType>(), "O");
    EXPECT_EQ(BraeReferencePriceType().ToString(), "OpeningPrice");
    EXPECT_EQ(BraeReferencePriceType().ToDescription(false), "O");
    EXPECT_EQ(LettersOf<BraeCreationType>(), "I");
    EXPECT_EQ(BraeCreationType().ToString(), "InstrumentCreation");
    EXPECT_EQ(BraeCreationType().ToDescription(false), "I");
}

TEST(BraeProtocolEnumerations, LettersAndNamesInIndexOrder) {
    // Letters in index order (the first is the default) and the names of the first and last.
    const struct {
        std::string letters;
        std::string expected;
        std::string first;
        std::string last;
        std::string expectedFirst;
        std::string expectedLast;
    } cases[] = {
        {LettersInIndexOrder<BraeBroadcastTiming>(), "?BEUR",
         BraeBroadcastTiming::GetName(EnumBraeBroadcastTiming::Unknown),
         BraeBroadcastTiming::GetName(EnumBraeBroadcastTiming::Requested), "Unknown", "Requested"},
        {LettersInIndexOrder<BraeSettlementType>(), "? RSDP", BraeSettlementType().ToString(),
         BraeSettlementType::GetName(EnumBraeSettlementType::ExchangeForPhysical), "Unknown",
         "ExchangeForPhysical"},
        {LettersInIndexOrder<BraeOrderKind>(), "?OQIFABEPDXVSJYZC", BraeOrderKind().ToString(),
         BraeOrderKind::GetName(EnumBraeOrderKind::IndicationOfInterest), "Unknown", "IndicationOfInterest"},
        {LettersInIndexOrder<BraeRoutingInstruction>(), " 123456", BraeRoutingInstruction().ToString(),
         BraeRoutingInstruction::GetName(EnumBraeRoutingInstruction::NoFlash), "Unknown", "No Flash"},
        {LettersInIndexOrder<BraeLinkageRejectReason>(), "?ABCDEFGHIJKLMNOPQRSTUWXYZabcdefghijk",
         BraeLinkageRejectReason::GetName(EnumBraeLinkageRejectReason::ExchangeClosed),
         BraeLinkageRejectReason::GetName(EnumBraeLinkageRejectReason::TradedAtNBBO),
         "Exchange closed (An executing participant's order handling system receives an order when the "
         "market is "
         "closed.)",
         "Traded at NBBO"},
        {LettersInIndexOrder<BraeMakerTakerPair>(), "UACDFGHT BS", BraeMakerTakerPair().ToString(),
         BraeMakerTakerPair::GetName(EnumBraeMakerTakerPair::Sell), "NoneNone", "Sell"},
        {LettersInIndexOrder<BraeConfigDataType>(),
         "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", BraeConfigDataType().ToString(),
         BraeConfigDataType::GetName(EnumBraeConfigDataType::ParticipantInDropCopy), "AllocationUser",
         "ParticipantInDropCopy"},
        {LettersInIndexOrder<BraeSeriesLetter>(), "XYZQRSGUV", BraeSeriesLetter().ToString(),
         BraeSeriesLetter::GetName(EnumBraeSeriesLetter::V), "X", "V"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(c.letters, c.expected);
        EXPECT_EQ(c.first, c.expectedFirst);
        EXPECT_EQ(c.last, c.expectedLast);
    }
}

TEST(BraeProtocolEnumerations, EmptyNamesStayEmpty) {
    EXPECT_EQ(BraeQuoteObligationReason().ToString(), "");
    EXPECT_EQ(BraeQuoteObligationReason::IndexOf(EnumBraeQuoteObligationReason::EmptyName), 0);
    BraeQuoteObligationReason reason;
    reason.SetText("1", 1);
    EXPECT_EQ(reason.ToString(), "Prices missing");
    EXPECT_EQ(NameOfCode<BraeNotificationReason>("0000"), "");
    EXPECT_EQ(NameOfCode<BraeNotificationReason>("0029"), "Order Price Out Of Limits");
    EXPECT_EQ(IndexOfCode<BraeNotificationReason>("0027"), 0);  // not a listed code
    EXPECT_EQ(IndexOfCode<BraeNotificationReason>("0034"), 32);
}

TEST(BraeProtocolEnumerations, LettersAreCaseSensitive) {
    EXPECT_NE(BraeInstrumentStateReason::IndexOfLetter('T'), BraeInstrumentStateReason::IndexOfLetter('t'));
    EXPECT_EQ(BraeInstrumentStateReason::GetName(EnumBraeInstrumentStateReason::NormalStateTimeUpdatedByMOC),
              std::string("NormalStateTimeUpdatedByMOC"));
    EXPECT_EQ(
        BraeInstrumentStateReason::GetName(EnumBraeInstrumentStateReason::NormalStateTimeCancelledByMOC),
        std::string("NormalStateTimeCancelledByMOC"));
    EXPECT_NE(BraeInstrumentStateReason::CheckLetter('r'), nullptr);  // only 'R' is a letter
    // In the group states, 'a' to 'z' follow the capitals: indices 12 to 37.
    const std::string letters = LettersInIndexOrder<BraeGroupState>();
    EXPECT_EQ(letters.substr(12, 26), "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(letters.substr(0, 12), " CPOSFNMBIZE");
    EXPECT_EQ(BraeGroupState::GetName(EnumBraeGroupState::Maintenance), std::string("Maintenance"));
    EXPECT_EQ(BraeGroupState::IndexOfLetter('a'), 12);
    EXPECT_EQ(BraeGroupState::IndexOfLetter('A'), 0);  // not a letter of it
}

TEST(EnumBraeErrorCode, CodesWithAndWithoutATextOfTheirOwn) {
    ASSERT_EQ(std::size(MEnumTable<EnumBraeErrorCode>::kRows), 273u);
    const struct {
        const char* code;
        int index;
        const char* name;
    } cases[] = {
        {"0000", 0, "No Error"},
        {"5003", 223, "Account already exists"},
        {"0003", 3, "Message Type is not supported."},
        {"2000", 150, "Technical error. Function not performed. Contact the QZK."},
        {"9038", 270, "Basis has associated closed"},
        {"0100", 17, "0100"},  // a trading error: its code is its text
        {"9040", 271, "9040"},
        {"9999", 272, "9999"},
        {"0007", 0, "No Error"},  // not a listed code
        {"9039", 0, "No Error"},
        {"    ", 0, "No Error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(IndexOfCode<BraeErrorCode>(c.code), c.index);
        EXPECT_EQ(NameOfCode<BraeErrorCode>(c.code), c.name);
    }
    // The codes ascend through the whole table.
    for (int i = 1; i < 273; ++i) {
        EXPECT_LT(std::strcmp(MEnumTable<EnumBraeErrorCode>::kRows[i - 1].code,
                              MEnumTable<EnumBraeErrorCode>::kRows[i].code),
                  0)
            << i;
    }
}

TEST(BraeProtocolEnumerations, CodeEnumerations) {
    EXPECT_EQ(NameOfCode<BraeRoutingDestination>("TPRWX"), "TPRWolverine");
    EXPECT_EQ(BraeRoutingDestination().ToString(), "Undefined");
    EXPECT_EQ(BraeGlobalEvent().ToDescription(false), "  ");
    EXPECT_EQ(NameOfCode<BraeGlobalEvent>("Ds"), "DiffusionSummary");
    EXPECT_EQ(NameOfCode<BraeGlobalEvent>("DS"), "DiffusionStart");
    EXPECT_EQ(IndexOfCode<BraeGlobalEvent>("sP"), 20);
    EXPECT_EQ(IndexOfCode<BraeGlobalEvent>("SA"), 9);
    EXPECT_EQ(IndexOfCode<BraeGlobalEvent>("AA"), 19);
    EXPECT_EQ(IndexOfCode<BraeGlobalEvent>("G1"), 21);
}

TEST(BraeProtocolEnumerations, OmittedEntriesHaveNeutralPlaceholders) {
    // Two letters of the exchanges and two global-event codes: distinct from the listed ones.
    EXPECT_EQ(LettersInIndexOrder<BraeExchange>().substr(0, 2), "? ");
    EXPECT_EQ(LettersOf<BraeExchange>().size(), 4u);
    EXPECT_EQ(BraeExchange::GetName(BraeExchange::GetEnumAt(2)), std::string("GroupExchange1"));
    std::set<std::string> codes;
    for (const MEnumCodeRow& row : MEnumTable<EnumBraeGlobalEvent>::kRows) codes.insert(row.code);
    EXPECT_EQ(codes.size(), 22u);
    EXPECT_STREQ(MEnumTable<EnumBraeGlobalEvent>::kRows[8].name, "StartCnxOther");
    EXPECT_STREQ(MEnumTable<EnumBraeGlobalEvent>::kRows[18].name, "MitigationJobOther");
}

}  // namespace
