#include <gtest/gtest.h>

#include <string>

#include "brae/Brae_AD_AccountDelete.h"
#include "brae/Brae_AL_BulkLinkAccount.h"
#include "brae/Brae_AM_NonReportableAccountEntry.h"
#include "brae/Brae_AN_AccountEntry.h"
#include "brae/Brae_IU_BroadcastDelimiterL2.h"
#include "brae/Brae_MC_MonitoringAccount.h"
#include "brae/SetCharField.h"
#include "support/LogRecorder.h"

namespace {

template <class T>
std::string Bytes(const T& message) {
    return std::string(reinterpret_cast<const char*>(&message), sizeof(T));
}
template <class T>
std::string Sent(const T& message) {
    return std::string(reinterpret_cast<const char*>(&message),
                       static_cast<std::size_t>(message.GetMsgLength()));
}
std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// The header of a new command: its code, blank user time and trader id, sequence "00000000".
std::string NewHeader(const char* code) {
    return code + Blanks(14) + "00000000";
}

TEST(AccountMessages, NewMessagesHoldTheirDefaults) {
    EXPECT_EQ(Bytes(Brae_AN_AccountEntry()), NewHeader("AN") + " " + Blanks(24) + Blanks(16) + "1" + "A" +
                                                 Blanks(24) + Blanks(24) + " " + Blanks(25) + Blanks(48) +
                                                 Blanks(24) + Blanks(24) + Blanks(12) + Blanks(24) +
                                                 Blanks(24) + Blanks(48) + "??" + Blanks(4));
    EXPECT_EQ(Bytes(Brae_AD_AccountDelete()), NewHeader("AD") + Blanks(32));
    EXPECT_EQ(Bytes(Brae_MC_MonitoringAccount()), NewHeader("MC") + Blanks(36) + "1" + std::string(32, 'N'));
    EXPECT_EQ(Bytes(Brae_IU_BroadcastDelimiterL2()), NewHeader("IU") + "  " + "?" + "ST");
    const Brae_AL_BulkLinkAccount link;
    EXPECT_EQ(Bytes(link), NewHeader("AL") + Blanks(16) + "A" + "0000" + Blanks(1600));
}

TEST(AccountMessages, TypeIndexesAndLengthsSent) {
    const Brae_AN_AccountEntry entry;
    const struct {
        int type;
        int expectedType;
        int length;
        int expectedLength;
    } cases[] = {
        {static_cast<int>(Brae_AN_AccountEntry::GetMsgType()), 224, entry.GetMsgLength(), 351},
        {static_cast<int>(Brae_AM_NonReportableAccountEntry::GetMsgType()), 265,
         Brae_AM_NonReportableAccountEntry(entry).GetMsgLength(), 382},
        {static_cast<int>(Brae_AL_BulkLinkAccount::GetMsgType()), 233,
         Brae_AL_BulkLinkAccount().GetMsgLength(), 45},
        {static_cast<int>(Brae_AD_AccountDelete::GetMsgType()), 223, Brae_AD_AccountDelete().GetMsgLength(),
         56},
        {static_cast<int>(Brae_MC_MonitoringAccount::GetMsgType()), 269,
         Brae_MC_MonitoringAccount().GetMsgLength(), 93},
        {static_cast<int>(Brae_IU_BroadcastDelimiterL2::GetMsgType()), 107,
         Brae_IU_BroadcastDelimiterL2().GetMsgLength(), 29},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expectedType);
        EXPECT_EQ(c.type, c.expectedType);
        EXPECT_EQ(c.length, c.expectedLength);
    }
}

// An account entry with every field filled, and the same fields as texts at their widths.
Brae_AN_AccountEntry FilledEntry() {
    Brae_AN_AccountEntry entry;
    BraeHeaderIncoming::SetUserSequenceID(entry.UserSequenceID, 1234);
    entry.TraderID.SetText("TRD1");
    entry.Action.SetText("R");
    entry.AffiliatedCie.SetText("Affiliated Co");
    entry.AccountNumber.SetText("ACC-0001");
    entry.AccountType.Set(EnumBraeKTSAccountType::Firm);
    entry.AccountOwnerType.Set(EnumBraeKTSAccountOwnerType::PensionFund);
    entry.OwnerId.SetText("OWNER-77");
    entry.NormalizedOwnerId.SetText("OWNER77");
    entry.HedgeSpec.Set(EnumBraeHedgeSpec::Hedger);
    entry.Name.SetText("Name Of Exactly 25 Chars!");
    entry.Address.SetText("1 Long Road");
    entry.City.SetText("Springfield");
    entry.State.SetText("North");
    entry.ZipPostalCode.SetText("H2X 1Y4");
    entry.Phone.SetText("555-0100");
    entry.Fax.SetText("555-0101");
    entry.Email.SetText("desk@example.org");
    entry.ApprovedParticipantId.SetText("P042");
    return entry;
}

const std::string kFilledHeaderTail = std::string("      ") + "TRD1    " + "00001234";
const std::string kFilledFields = std::string("Affiliated Co           ") + "ACC-0001        " + "2" + "F" +
                                  "OWNER-77                " + "OWNER77                 " + "H" +
                                  "Name Of Exactly 25 Chars!" + "1 Long Road" + Blanks(37) + "Springfield" +
                                  Blanks(13) + "North" + Blanks(19) + "H2X 1Y4     " + "555-0100" +
                                  Blanks(16) + "555-0101" + Blanks(16) + "desk@example.org" + Blanks(32);

TEST(Brae_AN_AccountEntry, EveryFieldAtItsOffset) {
    Brae_AN_AccountEntry entry = FilledEntry();
    entry.CountryCode.SetText("CA", 2);
    EXPECT_EQ(Sent(entry), "AN" + kFilledHeaderTail + "R" + kFilledFields + "CA" + "P042");
}

TEST(Brae_AM_NonReportableAccountEntry, BuiltFromAnEntryWithoutItsAction) {
    const Brae_AN_AccountEntry entry = FilledEntry();
    const Brae_AM_NonReportableAccountEntry am(entry);
    // Every field after the action moves one byte to the left; the default country goes out as
    // "??"; the flags follow the approved participant id at offset 350.
    const std::string expected =
        "AM" + kFilledHeaderTail + kFilledFields + "??" + "P042" + std::string(32, 'N');
    EXPECT_EQ(Sent(am), expected);
    EXPECT_EQ(Bytes(am).substr(350), std::string(32, 'N'));
    EXPECT_EQ(am.Name.ToString(), "Name Of Exactly 25 Chars!");
    EXPECT_EQ(Sent(entry).substr(0, 2), "AN");  // the entry itself is left as it was

    Brae_AM_NonReportableAccountEntry reporting(entry);
    BraeKTSAccountFlagsSet flags;
    flags.Add(EnumBraeKTSAccountFlags::ActiveForReporting);
    reporting.Flags.AssignSet(flags);
    EXPECT_EQ(Bytes(reporting).substr(346),
              "P042"
              "YN" +
                  std::string(30, 'N'));
    // The type writer keeps to the catalogue: an index beyond it writes the code of index 0.
    reporting.SetMsgType(310u);
    EXPECT_EQ(Bytes(reporting).substr(0, 2), "??");
}

TEST(Brae_AL_BulkLinkAccount, SentLengthFollowsTheCount) {
    Brae_AL_BulkLinkAccount link;
    link.MasterAccountId.SetText("MASTER-1");
    SetCharField(link.LinkAction, 'D');
    for (const char* id : {"ID-1", "ID-22", "ID-333"})
        ASSERT_TRUE(link.AccountIds.Add(BraeBulkAccountId(std::string(id))));
    EXPECT_EQ(link.GetMsgLength(), 93);
    EXPECT_EQ(Sent(link), NewHeader("AL") + "MASTER-1        " + "D" + "0003" + "ID-1            " +
                              "ID-22           " + "ID-333          ");
    for (int i = 3; i < 100; ++i)
        ASSERT_TRUE(link.AccountIds.Add(BraeBulkAccountId("ID-" + std::to_string(i))));
    EXPECT_EQ(link.GetMsgLength(), 1645);
    EXPECT_EQ(Bytes(link).substr(41, 4), "0100");
    EXPECT_EQ(Bytes(link).substr(45 + 99 * 16, 16), "ID-99           ");
    LogRecorder log;
    EXPECT_FALSE(link.AccountIds.Add(BraeBulkAccountId(std::string("ID-100"))));
    EXPECT_EQ(link.GetMsgLength(), 1645);
    EXPECT_EQ(Bytes(link).substr(41, 4), "0100");
}

TEST(Brae_AL_BulkLinkAccount, NextBatchOverwritesTheSlotsFromTheStart) {
    Brae_AL_BulkLinkAccount link;
    for (const char* id : {"OLD-1", "OLD-2", "OLD-3"})
        link.AccountIds.Add(BraeBulkAccountId(std::string(id)));
    link.AccountCount.SetValue(0);
    EXPECT_EQ(link.GetMsgLength(), 45);
    EXPECT_EQ(Bytes(link).substr(41, 4 + 48),
              "0000"
              "OLD-1           "
              "OLD-2           "
              "OLD-3           ");
    link.AccountIds.Add(BraeBulkAccountId(std::string("NEW-1")));
    EXPECT_EQ(Sent(link).substr(41),
              "0001"
              "NEW-1           ");
    EXPECT_EQ(Bytes(link).substr(61, 16), "OLD-2           ");  // left in its slot, not sent
}

TEST(Brae_IU_BroadcastDelimiterL2, TimingAndDelimiterType) {
    Brae_IU_BroadcastDelimiterL2 iu;
    SetCharField(iu.BroadcastTiming, 'U');
    EXPECT_EQ(iu.BroadcastTiming.ToString(), "Unscheduled");
    const struct {
        uint32_t index;
        const char* code;
    } cases[] = {{9, "SA"}, {10, "EA"}, {0, "ST"}, {32, "EF"}, {33, "ST"}, {310, "ST"}, {0xFFFFFFFFu, "ST"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        iu.SetDelimiterType(EnumBraeDelimiterType::EndOfPositionDeclaration);
        iu.SetDelimiterType(c.index);
        EXPECT_EQ(Sent(iu), NewHeader("IU") + "  " + "U" + c.code);
    }
}

TEST(Brae_MC_MonitoringAccount, FieldsAndFlagsAtTheirOffsets) {
    Brae_MC_MonitoringAccount mc;
    mc.AccountNumber.SetText("ACC-9");
    mc.AccountId.SetText("ID-9");
    mc.ApprovedParticipantId.SetText("P1");
    mc.AccountType.Set(EnumBraeKTSAccountType::NonReportable);
    BraeKTSAccountFlagsSet flags;
    flags.Add(EnumBraeKTSAccountFlags::OnceReportable);
    mc.Flags.AssignSet(flags);
    EXPECT_EQ(Sent(mc), NewHeader("MC") + "ACC-9           " + "ID-9            " + "P1  " + "N" + "NY" +
                            std::string(30, 'N'));
}

TEST(AccountMessages, DescriptionsCutAccountNumbersAtTheirLastCharacter) {
    Brae_AN_AccountEntry an;
    an.AccountNumber.SetText("ABCDE");
    Brae_AD_AccountDelete ad;
    ad.AccountNumber.SetText("AB CD");
    Brae_MC_MonitoringAccount mc;
    mc.AccountNumber.SetText("ACCOUNT-16-CHARS");
    Brae_AL_BulkLinkAccount al;
    al.MasterAccountId.SetText("MASTER");
    al.AccountIds.Add(BraeBulkAccountId(std::string("NOT-SHOWN")));
    const Brae_IU_BroadcastDelimiterL2 iu;
    const auto describe = [](const auto& message) {
        std::string text = "Text";
        message.AppendDescription(text);
        return text;
    };
    EXPECT_EQ(describe(an), "Text - ABCDE");
    EXPECT_EQ(describe(Brae_AM_NonReportableAccountEntry(an)), "Text - ABCDE");
    EXPECT_EQ(describe(ad), "Text - AB CD");
    EXPECT_EQ(describe(mc), "Text - ACCOUNT-16-CHARS");
    EXPECT_EQ(describe(al), "Text - MASTER");
    EXPECT_EQ(describe(iu), "Text");
    EXPECT_EQ(describe(Brae_AD_AccountDelete()), "Text - ");
}

}  // namespace
