#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "brae/BraeLetterEnumerations.h"
#include "net/MessagingLetterEnumerations.h"
#include "support/EnumTestSupport.h"

namespace {

// A table as the protocol documents list it: 'letter' "name", ... in table order.
template <class E, int N>
std::string TableText() {
    using T = MEnumAlpha<E, N>;
    std::string text;
    for (int i = 0; i < T::GetCount(); ++i) {
        const E e = T::GetEnumAt(static_cast<unsigned>(i));
        if (i > 0) text += ", ";
        text += std::string("'") + static_cast<char>(e) + "' \"" + T::GetName(e) + "\"";
    }
    return text;
}

struct TableCase {
    std::string typeName;
    std::string table;
    std::string defaultName;
};

template <class E, int N>
TableCase Case() {
    return {MEnumAlpha<E, N>::GetTypeName(), TableText<E, N>(), MEnumAlpha<E, N>().ToString()};
}

TEST(LetterEnumerations, TablesInTableOrderWithTheFirstRowAsDefault) {
    const std::vector<std::pair<TableCase, TableCase>> tables = {
        {Case<EnumBraeKTSAccountType, 7>(),
         {"MEnumAlpha<EnumBraeKTSAccountType,7>",
          R"('1' "Client", '2' "Firm", '8' "MarketMaker", '3' "Omnibus", '4' "Professional", 'I' "InternalMaster", 'N' "NonReportable")",
          "Client"}},
        {Case<EnumBraeKTSAccountOwnerType, 16>(),
         {"MEnumAlpha<EnumBraeKTSAccountOwnerType,16>",
          R"('A' "CanadianBank", 'B' "ForeignBank", 'C' "CanadianBroker", 'D' "ForeignBroker", 'E' "FundManager", 'F' "PensionFund", 'G' "GovernmentAndStateOwnedCompanies", 'H' "RetailClient", 'I' "InsuranceCompany", 'J' "Miscellaneous", 'K' "HedgeFunds", 'L' "MutualFunds", 'M' "CommodityTradingAdvisor", 'N' "Corporate", 'O' "ProprietaryTradingFirmsPrimarilyAlgorithmic", 'P' "ProprietaryTradingFirmsLocals")",
          "CanadianBank"}},
        {Case<EnumBraeHedgeSpec, 3>(),
         {"MEnumAlpha<EnumBraeHedgeSpec,3>", R"(' ' "Default", 'H' "Hedger", 'S' "Speculator")", "Default"}},
        {Case<EnumBraeKTSStatus, 6>(),
         {"MEnumAlpha<EnumBraeKTSStatus,6>",
          R"(' ' "None", 'C' "EntrySucessfullyCreated", 'U' "EntryIsUpdated", 'T' "EntryIsRecordedLate", 'L' "AccountLinkSuccessfullyCreated", 'F' "EntryFailed")",
          "None"}},
        {Case<EnumBraeKTSInternalAccountType, 2>(),
         {"MEnumAlpha<EnumBraeKTSInternalAccountType,2>", R"('C' "ClientAccount", 'M' "MasterAccount")",
          "ClientAccount"}},
        {Case<EnumBraeKTSCommandType, 3>(),
         {"MEnumAlpha<EnumBraeKTSCommandType,3>", R"(' ' "None", 'E' "Entry", 'D' "Delete")", "None"}},
        {Case<EnumBraeKTSBusinessItemType, 3>(),
         {"MEnumAlpha<EnumBraeKTSBusinessItemType,3>", R"(' ' "None", 'A' "Account", 'P' "Position")",
          "None"}},
        {Case<EnumBraeInstrumentCallPutCode, 5>(),
         {"MEnumAlpha<EnumBraeInstrumentCallPutCode,5>",
          R"(' ' "None", 'C' "Call", 'P' "Put", 'O' "Over", 'U' "Under")", "None"}},
        {Case<EnumBraeKTSSubmissionStatus, 3>(),
         {"MEnumAlpha<EnumBraeKTSSubmissionStatus,3>",
          R"('S' "SubmittedPositions", 'N' "NoPositionToSubmit", 'F' "FailedToSubmitPositions")",
          "SubmittedPositions"}},
        {Case<EnumBraeKTSAccountEntryAction, 6>(),
         {"MEnumAlpha<EnumBraeKTSAccountEntryAction,6>",
          R"('N' "CreateNewAccount", 'U' "UpdateExistingAccount", 'M' "CreateNewMasterAccount", 'P' "UpdateExistingMasterAccount", 'R' "NewNonReportableAccount", 'D' "UpdateNonReportableAccount")",
          "CreateNewAccount"}},
        {Case<EnumBraeKTSLinkAction, 2>(),
         {"MEnumAlpha<EnumBraeKTSLinkAction,2>", R"('A' "AddLink", 'D' "DeleteLink")", "AddLink"}},
        {Case<EnumBraeKTSUserType, 5>(),
         {"MEnumAlpha<EnumBraeKTSUserType,5>",
          R"(' ' "None", 'P' "Participant", 'M' "Jek", 'S' "JekSupervisor", 'A' "ParticipantSupervisor")",
          "None"}},
        {Case<EnumBraeBroadcastType, 5>(),
         {"MEnumAlpha<EnumBraeBroadcastType,5>",
          R"('?' "Unknown", 'B' "BeginningOfDay", 'E' "EndOfDay", 'U' "Unscheduled", 'R' "Requested")",
          "Unknown"}},
        {Case<EnumBraeAccountType, 14>(),
         {"MEnumAlpha<EnumBraeAccountType,14>",
          R"(' ' "Default", '1' "Client", '2' "Firm", '4' "Pro", '5' "NonClient", '8' "MarketMaker", 'I' "Insider Client", 'N' "Insider Firm", 'S' "Insider Pro", 'R' "Insider NonClient", 'H' "Shareholder Client", 'O' "Shareholder Firm", 'L' "Shareholder Pro", 'D' "Shareholder NonClient")",
          "Default"}},
        {Case<EnumBraeInstrumentType, 18>(),
         {"MEnumAlpha<EnumBraeInstrumentType,18>",
          R"('E' "Equity", 'F' "Future", 'I' "Index", 'S' "Strategy", 'X' "EquityOption", 'Y' "FutureOption", 'O' "Option", 'Z' "SponsoredOption", 'T' "ExchangeTradedFund", 'D' "Differential", 'W' "Warrant", 'B' "Bond", 'M' "FixedIncome", 'R' "InterestRate", 'C' "Currency", 'H' "Commodity", 'A' "Swap", 'J' "Credit")",
          "Equity"}},
        {Case<EnumManagerMsgType, 11>(),
         {"MEnumAlpha<EnumManagerMsgType,11>",
          R"('A' "AreYouThere", 'a' "AreYouThereAck", 'F' "FailoverInfo", 'H' "Heartbeat", 'h' "HeartbeatAck", 'L' "Logon", 'l' "LogonAck", 'M' "RequestToBeMaster", 'm' "RequestToBeMasterAck", 'N' "Notice", 'R' "Refresh")",
          "AreYouThere"}},
        {Case<EnumManagerTechnicalState, 8>(),
         {"MEnumAlpha<EnumManagerTechnicalState,8>",
          R"('I' "Initializing", 'R' "Replay", 'Y' "Resync", 'M' "Master", 'S' "Slave", 'A' "Standalone", 'P' "Suspend", 'L' "LinkedSlave")",
          "Initializing"}},
        {Case<EnumMonitorType, 23>(),
         {"MEnumAlpha<EnumMonitorType,23>",
          R"('?' "Undefined", 'A' "NoticeNew", 'B' "ApplicationNew", 'C' "ApplicationUpdate", 'D' "ApplicationClose", 'E' "ConnectionNew", 'F' "ConnectionStateUpdate", 'G' "ConnectionClose", 'H' "NumberSentMegaBytes", 'I' "NumberReceivedMegaBytes", 'J' "NumberSentMessages", 'K' "NumberReceivedMessages", 'L' "NumberConnectionToServer", 'M' "NumberProtocolError", 'N' "NumberThrottlingActivated", 'O' "MessageRate", 'P' "LastReceivedMessageId", 'Q' "LastSentMessageId", 'R' "MonitorMTManagerStarted", 'S' "Information", 'T' "ProtocolStatus", 'U' "ConnectionStat", 'V' "Throttling")",
          "Undefined"}},
        {Case<EnumMonitorConnectionType, 5>(),
         {"MEnumAlpha<EnumMonitorConnectionType,5>",
          R"('?' "Undefined", 'C' "Client", 'S' "Server", 'U' "Udp", 'M' "Multicast")", "Undefined"}},
        {Case<EnumMonitorConnectionState, 5>(),
         {"MEnumAlpha<EnumMonitorConnectionState,5>",
          R"('?' "Undefined", 'N' "New", 'O' "Open", 'C' "Close", 'L' "Listen")", "Undefined"}},
        {Case<EnumMonitorSeverity, 9>(),
         {"MEnumAlpha<EnumMonitorSeverity,9>",
          R"('?' "Undefined", 'F' "Emergency", 'A' "Alert", 'C' "Critical", 'E' "Error", 'W' "Warning", 'N' "Notice", 'I' "Information", 'D' "Debug")",
          "Undefined"}},
        {Case<EnumStatusByTechnicalState, 3>(),
         {"MEnumAlpha<EnumStatusByTechnicalState,3>",
          R"t('c' "Close", 'o' "Open", 'A' "Open (Business State ignore)")t", "Close"}},
        {Case<EnumStatusByBusinessState, 2>(),
         {"MEnumAlpha<EnumStatusByBusinessState,2>", R"('c' "Close", 'o' "Open")", "Close"}},
        {Case<EnumLinkMsgType, 6>(),
         {"MEnumAlpha<EnumLinkMsgType,6>",
          R"('H' "HeartBeat", 'A' "Acknowledge", 'D' "Data", 'E' "Error", 'T' "Terminate", 'C' "Confirm")",
          "HeartBeat"}},
    };
    ASSERT_EQ(tables.size(), 24u);
    for (const auto& [actual, expected] : tables) {
        SCOPED_TRACE(expected.typeName);
        EXPECT_EQ(actual.typeName, expected.typeName);
        EXPECT_EQ(actual.table, expected.table);
        EXPECT_EQ(actual.defaultName, expected.defaultName);
    }
}

TEST(LetterEnumerations, DefaultLettersOfNewValues) {
    EXPECT_TRUE(BraeKTSAccountType().Is(EnumBraeKTSAccountType::Client));
    EXPECT_EQ(static_cast<char>(BraeHedgeSpec().Get()), ' ');
    EXPECT_EQ(static_cast<char>(BraeKTSSubmissionStatus().Get()), 'S');
    EXPECT_EQ(static_cast<char>(MonitorType().Get()), '?');
    EXPECT_EQ(static_cast<char>(MEnumAlpha<EnumStatusByTechnicalState, 3>().Get()), 'c');
    EXPECT_EQ(static_cast<char>(MEnumAlpha<EnumLinkMsgType, 6>().Get()), 'H');
}

TEST(LetterEnumerations, LettersAreCaseSensitive) {
    ManagerMsgType type;
    type.SetText("h");
    EXPECT_TRUE(type.Is(EnumManagerMsgType::HeartbeatAck));
    EXPECT_EQ(type.ToString(), "HeartbeatAck");
    type.SetText("H");
    EXPECT_TRUE(type.Is(EnumManagerMsgType::Heartbeat));
    type.SetText("heartbeat");
    EXPECT_TRUE(type.Is(EnumManagerMsgType::AreYouThere));
}

TEST(LetterEnumerations, NamesMayHoldBlanksAndParentheses) {
    MEnumAlpha<EnumStatusByTechnicalState, 3> status;
    status.SetText("Open (Business State ignore)");
    EXPECT_EQ(static_cast<char>(status.Get()), 'A');
    EXPECT_EQ(status.CheckText("Open (Business State ignore)"), nullptr);
    MEnumAlpha<EnumBraeAccountType, 14> accountType;
    accountType.SetText("Shareholder NonClient");
    EXPECT_EQ(static_cast<char>(accountType.Get()), 'D');
    accountType.SetText(" ");
    EXPECT_EQ(accountType.ToString(), "Default");
}

struct OwnerRow {
    BraeKTSAccountOwnerType OwnerType;
    static constexpr auto Fields() { return MFields(MField("AccountOwnerType", &OwnerRow::OwnerType)); }
};

TEST(LetterEnumerations, OwnerTypeColumnSortsByName) {
    std::vector<OwnerRow> rows;
    for (int i = 15; i >= 0; --i) {
        OwnerRow row;
        row.OwnerType.Set(BraeKTSAccountOwnerType::GetEnumAt(static_cast<unsigned>(i)));
        rows.push_back(row);
    }
    const std::vector<std::string> sorted = SortedColumnTexts(rows);
    ASSERT_EQ(sorted.size(), 16u);
    EXPECT_EQ(std::vector<std::string>(sorted.begin(), sorted.begin() + 5),
              (std::vector<std::string>{"CanadianBank", "CanadianBroker", "CommodityTradingAdvisor",
                                        "Corporate", "ForeignBank"}));
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));
}

}  // namespace
