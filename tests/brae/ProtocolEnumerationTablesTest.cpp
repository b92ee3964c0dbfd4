#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "brae/BraeKTSAccountFlags.h"
#include "brae/BraeKTSEnumerations.h"
#include "brae/BraeLetterEnumerations.h"
#include "brae/BraeProtocolSets.h"
#include "brae/EnumBraeCountryCode.h"
#include "brae/EnumBraeDelimiterType.h"
#include "support/LogRecorder.h"

namespace {

template <class T>
int IndexOfText(const char* text) {
    T value;
    value.SetText(text, static_cast<int>(std::strlen(text)));
    return value.IndexOfCode();
}

TEST(EnumBraeCountryCode, CodesFollowNotSpecifiedInAlphabeticalOrder) {
    const auto& rows = MEnumTable<EnumBraeCountryCode>::kRows;
    ASSERT_EQ(std::size(rows), 247u);
    EXPECT_STREQ(rows[0].code, "??");
    EXPECT_STREQ(rows[0].name, "NotSpecified");
    for (int i = 2; i < 247; ++i) {
        SCOPED_TRACE(i);
        EXPECT_LT(std::strcmp(rows[i - 1].code, rows[i].code), 0);
    }
    EXPECT_STREQ(rows[246].code, "ZW");
    EXPECT_STREQ(rows[246].name, "Zimbabwe");
}

TEST(EnumBraeCountryCode, LooksUpCodesAndKeepsNamesAsWritten) {
    const struct {
        const char* code;
        const char* name;
    } cases[] = {
        {"CA", "Canada"},         {"AN", "NetherlandsAntilles"},
        {"NF", "Norfolk Island"}, {"TT", "Trinidad and Tobago"},
        {"GB", "UnitedKingdom"},  {"ZZ", "NotSpecified"},
        {"ca", "NotSpecified"},   {"??", "NotSpecified"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        BraeCountryCode country;
        country.SetText(c.code, 2);
        EXPECT_EQ(country.ToString(), c.name);
    }
    EXPECT_EQ(IndexOfText<BraeCountryCode>("CA"), 38);
    EXPECT_EQ(IndexOfText<BraeCountryCode>("Canada"), 38);
    EXPECT_EQ(IndexOfText<BraeCountryCode>("Trinidad and Tobago"), 223);
    EXPECT_EQ(BraeCountryCode().ToDescription(false), "??");
    // Every row is found by its code and by its name.
    for (int row = 0; row < kBraeCountryCodeCount; ++row) {
        const MEnumCodeRow& entry = MEnumTable<EnumBraeCountryCode>::kRows[row];
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(IndexOfText<BraeCountryCode>(entry.code), row);
        EXPECT_EQ(IndexOfText<BraeCountryCode>(entry.name), row);
    }
}

TEST(EnumBraeDelimiterType, LooksUpCodes) {
    ASSERT_EQ(std::size(MEnumTable<EnumBraeDelimiterType>::kRows), 33u);
    const struct {
        const char* code;
        int index;
    } cases[] = {{"ST", 0}, {"EP", 6},  {"SA", 9},  {"EA", 10}, {"SP", 11}, {"ZP", 12},
                 {"SH", 7}, {"EC", 18}, {"ER", 26}, {"EF", 32}, {"XX", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(IndexOfText<BraeDelimiterType>(c.code), c.index);
    }
    EXPECT_EQ(static_cast<int>(EnumBraeDelimiterType::EndOfPositionImport), 12);
    BraeDelimiterType delimiter;
    delimiter.Set(static_cast<unsigned>(EnumBraeDelimiterType::EndOfPositionDeclaration));
    EXPECT_EQ(delimiter.ToDescription(true), "EP]-->[EndOfPositionDeclaration");
}

TEST(EnumBraeKTSLevel, CodesAreTheirNames) {
    EXPECT_EQ(IndexOfText<BraeKTSLevel>("L2"), 3);
    EXPECT_EQ(IndexOfText<BraeKTSLevel>("L3"), 0);
    BraeKTSLevel level;
    EXPECT_EQ(level.ToString(), "A0");
    level.Set(static_cast<unsigned>(EnumBraeKTSLevel::L2));
    EXPECT_EQ(level.ToDescription(false), "L2");
}

TEST(PositionReportingEnumerations, NewValuesHoldTheirFirstLetter) {
    EXPECT_EQ(BraeKTSAccountType().ToString(), "Client");
    EXPECT_EQ(BraeKTSAccountOwnerType().ToString(), "CanadianBank");
    EXPECT_EQ(BraeKTSStatus().ToString(), "None");
    EXPECT_EQ(BraeKTSSubmissionStatus().ToString(), "SubmittedPositions");
    EXPECT_EQ((MEnumAlpha<EnumBraeKTSAccountEntryAction, 6>().ToDescription(false)), "N");
    EXPECT_EQ(BraeKTSInternalAccountType().ToDescription(false), "C");
    EXPECT_EQ((MEnumAlpha<EnumBraeKTSLinkAction, 2>().ToString()), "AddLink");
    EXPECT_EQ(BraeHedgeSpec().ToString(), "Default");
    EXPECT_EQ(BraeInstrumentCallPutCode().ToString(), "None");
    EXPECT_EQ((MEnumAlpha<EnumBraeKTSReportType, 3>().ToString()), "StartOfDay");
    EXPECT_EQ((MEnumAlpha<EnumBraeKTSPositionEntryAction, 2>().ToString()), "NewPosition");
    EXPECT_EQ((MEnumAlpha<EnumBraeKTSDateType, 4>().ToString()), "None");

    EXPECT_NE(BraeKTSAccountType::CheckLetter('5'), nullptr);
    EXPECT_NE(BraeKTSAccountOwnerType::CheckLetter('Q'), nullptr);
    EXPECT_NE(BraeHedgeSpec::CheckLetter('X'), nullptr);
    EXPECT_NE(BraeHedgeSpec::CheckLetter('\0'), nullptr);
    EXPECT_EQ(BraeHedgeSpec::CheckLetter('S'), nullptr);
    EXPECT_EQ((MEnumAlpha<EnumBraeKTSDateType, 4>::CheckLetter('C')), nullptr);
}

TEST(ProtocolSets, ParseNameListsWithTheirSuccessFlag) {
    const struct {
        const char* text;
        bool known;
        const char* same;  // the set it equals
    } cases[] = {
        {"Client,Firm", true, "Firm,Client"},
        {"Client, Firm", false, "Client"},       // the second name starts with a blank
        {"Client,,Firm", false, "Client,Firm"},  // the empty name matches nothing
        {"None", true, ""},
        {"", true, "None"},
        {"All", true,
         "Default,Client,Firm,Pro,NonClient,MarketMaker,Insider Client,Insider Firm,Insider Pro,"
         "Insider NonClient,Shareholder Client,Shareholder Firm,Shareholder Pro,Shareholder NonClient"},
        {"Insider Pro,client", false, "Insider Pro"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BraeAccountTypeSet set;
        EXPECT_EQ(set.SetText(c.text, static_cast<int>(std::strlen(c.text))), c.known);
        EXPECT_TRUE(set.IsEqual(BraeAccountTypeSet(c.same)));
    }
    BraeAccountTypeSet pair("Client,Firm");
    EXPECT_TRUE(pair.Contains(EnumBraeAccountType::Client));
    EXPECT_TRUE(pair.Contains(EnumBraeAccountType::Firm));
    EXPECT_FALSE(pair.Contains(EnumBraeAccountType::Default));
    EXPECT_EQ(BraeAccountTypeSet::kFullSet[0], 0x3FFFu);
    EXPECT_EQ(BraeInstrumentTypeSet::kFullSet[0], 0x3FFFFu);
    BraeInstrumentTypeSet instruments;
    EXPECT_TRUE(instruments.SetText("All", 3));
    EXPECT_TRUE(
        instruments.IsEqual(BraeInstrumentTypeSet("Equity,Credit,Swap,Commodity,Currency,InterestRate,"
                                                  "FixedIncome,Bond,Warrant,Differential,ExchangeTradedFund,"
                                                  "SponsoredOption,Option,FutureOption,EquityOption,"
                                                  "Strategy,Index,Future")));
}

TEST(ProtocolSets, ExceededLimitFlagsHaveTheirNames) {
    BraeExceededLimitTypeSet set;
    EXPECT_TRUE(set.SetString("NetExposure,MaximumTrigger"));
    EXPECT_EQ(set.ToString(), "NetExposure,MaximumTrigger");
    EXPECT_TRUE(set.Contains(EnumBraeExceededLimitType::MaximumTrigger));
    EXPECT_FALSE(set.SetString("NetExposure,Exposure"));
    set.SetString("All");
    EXPECT_EQ(set.ToString(), "All");
    EXPECT_STREQ(BraeExceededLimitTypeSet::GetTypeName(),
                 "MSet<unsigned long,EnumBraeExceededLimitType,9,256>");
}

TEST(ProtocolSets, StartUpChecksAreSilent) {
    LogRecorder log;
    ASSERT_TRUE(log.installed);
    BraeAccountTypeSet::CheckSetup("BraeAccountTypeSet", "f", 1);
    BraeInstrumentTypeSet::CheckSetup("BraeInstrumentTypeSet", "f", 2);
    BraeExceededLimitTypeSet::CheckSetup("BraeExceededLimitTypeSet", "f", 3);
    BraeKTSAccountFlagsSet::CheckSetup("BraeKTSAccountFlagsSet", "BraeKTSBaseObject", 1);
    EXPECT_TRUE(log.messages.empty());
}

}  // namespace
