// The session's data store: the record handlers fed with server messages built at their layout's
// offsets, the lookups, the reset of the store, and the refresh of registered grid windows
// holding real views.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SessionTestSupport.h"
#include "guisupport/ScriptedUi.h"
#include "session/KVNEventManager.h"
#include "store/TInterfaceView.h"
#include "testserver/ServerMessages.h"

using K = KVNEventManager;
using testserver::Left;

namespace {

// A server message of length bytes: the type, blanks, then fields put at their offsets.
struct Wire {
    Wire(const char* type, std::size_t length) : bytes(length, ' ') { bytes.replace(0, 2, type); }
    Wire& At(std::size_t offset, const std::string& text) {
        bytes.replace(offset, text.size(), text);
        return *this;
    }
    std::string bytes;
};

// An account message. KR and JY carry the account number at 49, the participant id at 347, the
// AccountId at 352, the internal type at 368 and the flags at 385 (KR) or 386 (JY); the QR has
// every field one byte earlier.
std::string Account(const char* type, const std::string& number, const std::string& id,
                    const std::string& participant = "AP01", char internal = 'C') {
    const std::string code = type;
    const std::size_t shift = code == "QR" ? 1 : 0;
    const std::size_t flags = code == "JY" ? 386 : code == "QR" ? 384 : 385;
    return Wire(type, flags + 32)
        .At(49 - shift, Left(number, 16))
        .At(347 - shift, participant)
        .At(352 - shift, Left(id, 16))
        .At(368 - shift, std::string(1, internal))
        .At(flags, std::string(32, 'N'))
        .bytes;
}

// A position acknowledgment (KB, 122 bytes): report date at 24, account number at 33, group at
// 49, instrument at 51, long quantity at 55, AccountId at 88, participant id at 104.
std::string Position(const std::string& date, const std::string& number, const std::string& group,
                     const std::string& instrument, const std::string& id,
                     const std::string& longQuantity = "00000001", const std::string& participant = "AP01") {
    return Wire("KB", 122)
        .At(24, date)
        .At(33, Left(number, 16))
        .At(49, Left(group, 2))
        .At(51, Left(instrument, 4))
        .At(55, longQuantity)
        .At(63, "00000000")
        .At(88, Left(id, 16))
        .At(104, participant)
        .bytes;
}

// A position deletion (KF, 90 bytes): account number at 24, group and instrument at 40, AccountId
// at 62, report date at 82.
std::string PositionDelete(const std::string& number, const std::string& groupInstrument,
                           const std::string& id, const std::string& date) {
    return Wire("KF", 90)
        .At(24, Left(number, 16))
        .At(40, groupInstrument)
        .At(62, Left(id, 16))
        .At(82, date)
        .bytes;
}

std::string Instrument(const std::string& group, const std::string& instrument, char callPut,
                       const std::string& strike, const std::string& symbol) {
    return testserver::MakeInstrument(group, instrument, callPut, strike, "20271217", "CLS-" + symbol,
                                      symbol);
}

std::size_t CountHolding(const std::vector<std::string>& texts, const std::string& part) {
    std::size_t count = 0;
    for (const std::string& text : texts) count += text.find(part) != std::string::npos;
    return count;
}

// A fixed-width field's bytes, as they would go on the wire.
template <class F>
std::string Text(const F& field) {
    return std::string(reinterpret_cast<const char*>(&field), sizeof(F));
}

struct DataStore : ::testing::Test {
    DataStore() {
        Feed(testserver::MakeBulk(
            "BP", {testserver::MakeParticipant("First Participant", "AP01", "FUM00001", 'P', "FIRM-A"),
                   testserver::MakeParticipant("Second Participant", "AP02", "FUM00002", 'P', "FIRM-B")}));
        Feed(testserver::MakeBulk("BI", {Instrument("O1", "AB", 'C', "0000100.50", "ABC OPTION"),
                                         Instrument("F1", "XY", 'P', std::string(10, ' '), "XY FUTURE")}));
    }
    void Feed(const std::string& message) {
        session.Dispatch(message.data(), static_cast<int32_t>(message.size()));
    }
    // The keys of the positions, in key order.
    std::vector<BaseKey> PositionKeys() const {
        std::vector<BaseKey> keys;
        for (const auto& entry : session.Positions.Records) keys.push_back(entry.first);
        return keys;
    }
    std::vector<std::string> Log() {
        session.CollectErrors();
        std::vector<std::string> texts;
        for (const auto& line : session.GetErrorDetails()) texts.push_back(line.GetText());
        return texts;
    }

    SettingsDirectory settings;  // none written: a session without events, fed by hand
    K session;
};

TEST_F(DataStore, AccountsAreKeyedByTheirIdOrTheirNumbersPlace) {
    Feed(Account("KR", "ACC-1", "123"));
    Feed(Account("JY", "ACC-2", ""));
    Feed(Account("QR", "ACC-3", "", "AP02"));
    Feed(Account("KR", "ACC-2", ""));  // the same number keeps its place
    EXPECT_EQ(session.AccountNumbers, (std::vector<std::string>{"ACC-1", "ACC-2", "ACC-3"}));
    ASSERT_EQ(session.Accounts.Records.size(), 3u);
    const KR_Account* byId = session.Accounts.Find(BaseKey(1, 123));
    const KR_Account* second = session.Accounts.Find(BaseKey(1, 2));
    const KR_Account* third = session.Accounts.Find(BaseKey(1, 3));
    ASSERT_TRUE(byId && second && third);
    EXPECT_EQ(Text(byId->AccountNumber), Left("ACC-1", 16));
    EXPECT_EQ(Text(third->AccountNumber), Left("ACC-3", 16));
    EXPECT_EQ(Text(byId->FirmUnitMember), "FUM00001");
    EXPECT_EQ(Text(third->FirmUnitMember), "FUM00002");
    EXPECT_EQ(session.FindAccountNumber(K::AccountText("ACC-3")), 3);
    EXPECT_EQ(session.FindAccountNumber(K::AccountText("ACC-9")), 0);

    // A deletion forgets the number's place; a new number takes a new place.
    Feed(Wire("KA", 56).At(24, Left("ACC-2", 16)).bytes);
    EXPECT_EQ(session.Accounts.Find(BaseKey(1, 2)), nullptr);
    EXPECT_EQ(session.AccountNumbers[1], "");
    EXPECT_EQ(session.FindAccountNumber(K::AccountText("ACC-2")), 0);
    Feed(Account("KR", "ACC-4", ""));
    EXPECT_EQ(session.FindAccountNumber(K::AccountText("ACC-4")), 4);
    EXPECT_NE(session.Accounts.Find(BaseKey(1, 4)), nullptr);
    // A deletion by id.
    Feed(Wire("KA", 56).At(24, Left("ACC-1", 16)).At(40, Left("123", 16)).bytes);
    EXPECT_EQ(session.Accounts.Find(BaseKey(1, 123)), nullptr);
    // The key lists got each key once per message.
    EXPECT_EQ(
        session.Accounts.ChangedKeys,
        (InterfaceKeyVector{{BaseKey(1, 123), BaseKey(1, 2), BaseKey(1, 3), BaseKey(1, 2), BaseKey(1, 4)}}));
    EXPECT_EQ(session.Accounts.RemovedKeys, (InterfaceKeyVector{{BaseKey(1, 2), BaseKey(1, 123)}}));
    // The account of an id that arrives late keeps its first record under its place.
    Feed(Account("KR", "ACC-4", "77"));
    EXPECT_NE(session.Accounts.Find(BaseKey(1, 4)), nullptr);
    EXPECT_NE(session.Accounts.Find(BaseKey(1, 77)), nullptr);
}

TEST_F(DataStore, PositionIdsAreHandedOutPerAccountAndInstrumentInOrderOfFirstUse) {
    Feed(Account("KR", "ACC-1", "123"));
    Feed(Position("20261209", "ACC-1", "O1", "AB", "123"));
    Feed(Position("20261210", "ACC-1", "O1", "AB", "123"));  // another day: same id
    Feed(Position("20261209", "ACC-1", "F1", "XY", "123"));  // another instrument: the next id
    Feed(Position("20261209", "ACC-9", "O1", "AB", ""));     // an account known by number only
    EXPECT_EQ(PositionKeys(), (std::vector<BaseKey>{BaseKey(1, 20261209), BaseKey(1, 20261210),
                                                    BaseKey(2, 20261209), BaseKey(3, 20261209)}));
    EXPECT_EQ(session.GetPositionId(MRPString<2, 32, MValAccept>("F1"), MRPString<4, 32, MValAccept>("XY"),
                                    K::AccountText("ACC-1"), K::AccountText("123")),
              2);
    // The lookup-only form finds the same ids and hands out none.
    const MRPString<2, 32, MValAccept> group("O1");
    const MRPString<4, 32, MValAccept> instrument("AB");
    EXPECT_EQ(session.FindPositionId(group, instrument, K::AccountText("ACC-1"), K::AccountText("123")), 1);
    EXPECT_EQ(session.FindPositionId(MRPString<2, 32, MValAccept>("F9"), instrument, K::AccountText("ACC-1"),
                                     K::AccountText("123")),
              0);
    EXPECT_EQ(session.GetPositionId(MRPString<2, 32, MValAccept>("F9"), instrument, K::AccountText("ACC-1"),
                                    K::AccountText("123")),
              4);  // the lookup left the counter alone

    // Instrument fields from the definition; the call/put code only with a strike price.
    const KB_Position* option = session.Positions.Find(BaseKey(1, 20261209));
    const KB_Position* future = session.Positions.Find(BaseKey(2, 20261209));
    ASSERT_TRUE(option && future);
    EXPECT_EQ(option->CallPutCode.Get(), EnumBraeInstrumentCallPutCode::Call);
    EXPECT_EQ(Text(option->StrikePrice), "0000100.50");
    EXPECT_EQ(Text(option->ExpirationDate), "20271217");
    EXPECT_EQ(Text(option->ExternalSymbol), Left("ABC OPTION", 30));
    EXPECT_EQ(Text(option->ClassSymbol), Left("CLS-ABC OPTION", 20));
    EXPECT_EQ(Text(option->FirmUnitMember), "FUM00001");
    EXPECT_EQ(future->CallPutCode.Get(), KB_Position().CallPutCode.Get());
    EXPECT_TRUE(future->StrikePrice.IsNull());
    EXPECT_EQ(Text(future->ExternalSymbol), Left("XY FUTURE", 30));

    Feed(PositionDelete("ACC-1", "O1AB  ", "123", "20261210"));
    Feed(PositionDelete("ACC-1", "O1AB  ", "123", "20261211"));
    EXPECT_EQ(session.Positions.Find(BaseKey(1, 20261210)), nullptr);
    EXPECT_EQ(session.Positions.Records.size(), 3u);
    EXPECT_EQ(session.Positions.RemovedKeys, (InterfaceKeyVector{{BaseKey(1, 20261210)}}));
}

TEST_F(DataStore, PositionsOnUnknownInstrumentsKeepTheirOwnIds) {
    // Unknown instruments get ids as known ones do, so that positions of several accounts on one
    // day do not share a key; their instrument fields stay at their defaults.
    Feed(Position("20261209", "ACC-1", "ZZ", "Q1", "11", "00000005"));
    Feed(Position("20261209", "ACC-2", "ZZ", "Q1", "12", "00000006"));
    Feed(Position("20261209", "ACC-2", "ZZ", "Q2", "12", "00000007"));
    ASSERT_EQ(session.Positions.Records.size(), 3u);
    EXPECT_EQ(PositionKeys(),
              (std::vector<BaseKey>{BaseKey(1, 20261209), BaseKey(2, 20261209), BaseKey(3, 20261209)}));
    const KB_Position* first = session.Positions.Find(BaseKey(1, 20261209));
    EXPECT_EQ(Text(first->LongQuantity), "00000005");
    EXPECT_TRUE(first->StrikePrice.IsNull());
    EXPECT_EQ(Text(first->ExternalSymbol), std::string(30, ' '));

    // Group and instrument are told apart as received: "A "+"BC  " is not "AB"+"C   ".
    Feed(testserver::MakeBulk("BI", {Instrument("A", "BC", 'C', "0000001.00", "SPLIT-1"),
                                     Instrument("AB", "C", 'P', "0000002.00", "SPLIT-2")}));
    EXPECT_EQ(session.Instruments.size(), 4u);
    EXPECT_EQ(session.InstrumentKeys[2], "A BC  ");
    EXPECT_EQ(session.InstrumentKeys[3], "ABC   ");
    Feed(Position("20261209", "ACC-1", "A", "BC", "11"));
    Feed(Position("20261209", "ACC-1", "AB", "C", "11"));
    EXPECT_EQ(Text(session.Positions.Find(BaseKey(4, 20261209))->ExternalSymbol), Left("SPLIT-1", 30));
    EXPECT_EQ(Text(session.Positions.Find(BaseKey(5, 20261209))->ExternalSymbol), Left("SPLIT-2", 30));
}

TEST_F(DataStore, RepeatedDefinitionsAreReplacedInPlace) {
    Feed(Position("20261209", "ACC-1", "F1", "XY", "11"));
    Feed(testserver::MakeBulk("BI", {Instrument("F1", "XY", 'C', "0000009.00", "XY NEW"),
                                     Instrument("N1", "NEW", 'C', "0000003.00", "NEWER")}));
    ASSERT_EQ(session.Instruments.size(), 3u);
    EXPECT_EQ(Text(session.Instruments[1].ExternalSymbol), Left("XY NEW", 30));
    EXPECT_EQ(session.InstrumentKeys, (std::vector<std::string>{"O1AB  ", "F1XY  ", "N1NEW "}));
    Feed(Position("20261210", "ACC-1", "F1", "XY", "11"));
    EXPECT_NE(session.Positions.Find(BaseKey(1, 20261210)), nullptr);
    EXPECT_EQ(Text(session.Positions.Find(BaseKey(1, 20261210))->ExternalSymbol), Left("XY NEW", 30));

    // Participants are replaced by their first 25 characters; firm names are collected.
    Feed(testserver::MakeBulk(
        "BP", {testserver::MakeParticipant("First Participant", "AP01", "FUM00009", 'P', "FIRM-C"),
               testserver::MakeParticipant("Third", "AP01", "FUM00003", 'P', "FIRM-A")}));
    ASSERT_EQ(session.Participants.size(), 3u);
    EXPECT_EQ(Text(session.Participants[0].FirmUnitMember), "FUM00009");
    EXPECT_EQ(session.FirmNames, (std::set<std::string>{"FIRM-A", "FIRM-B", "FIRM-C"}));
    K::FirmUnitMemberText member("XXXXXXXX");
    session.SetFirmUnitMember(K::ParticipantIdText("AP01"), member);  // the first with that id
    EXPECT_EQ(Text(member), "FUM00009");
    session.SetFirmUnitMember(K::ParticipantIdText("AP77"), member);
    EXPECT_EQ(Text(member), std::string(8, ' '));
    // A participant replaced under another id gives up its old one to the next with it.
    Feed(testserver::MakeBulk(
        "BP", {testserver::MakeParticipant("First Participant", "AP05", "FUM00005", 'P', "FIRM-C")}));
    session.SetFirmUnitMember(K::ParticipantIdText("AP01"), member);
    EXPECT_EQ(Text(member), "FUM00003");
    session.SetFirmUnitMember(K::ParticipantIdText("AP05"), member);
    EXPECT_EQ(Text(member), "FUM00005");
}

TEST_F(DataStore, BulkLinkAndReportingFlagsChangeAccountsAndPositionsEvenWhileLoading) {
    session.Loading = true;
    Feed(Account("KR", "ACC-1", "11"));
    Feed(Account("KR", "ACC-2", "12"));
    Feed(Position("20261209", "ACC-1", "O1", "AB", "11"));
    Feed(Position("20261209", "ACC-2", "O1", "AB", "12"));
    Feed(Position("20261210", "ACC-1", "O1", "AB", "11"));
    Feed(PositionDelete("ACC-9", "O1AB  ", "19", "20261209"));
    EXPECT_TRUE(session.Accounts.ChangedKeys.empty() && session.Positions.ChangedKeys.empty());
    EXPECT_TRUE(session.Positions.RemovedKeys.empty());

    // Link account 11 and an unknown id to master 900: master id, then count, then the ids.
    Feed(Wire("KL", 77)
             .At(24, Left("900", 16))
             .At(40, "A0002")
             .At(45, Left("11", 16))
             .At(61, Left("55", 16))
             .bytes);
    EXPECT_EQ(Text(session.Accounts.Find(BaseKey(1, 11))->MasterAccountId), Left("900", 16));
    EXPECT_EQ(Text(session.Accounts.Find(BaseKey(1, 12))->MasterAccountId), std::string(16, ' '));
    EXPECT_EQ(Text(session.Positions.Find(BaseKey(1, 20261209))->MasterAccountId), Left("900", 16));
    EXPECT_EQ(Text(session.Positions.Find(BaseKey(1, 20261210))->MasterAccountId), Left("900", 16));
    EXPECT_EQ(Text(session.Positions.Find(BaseKey(2, 20261209))->MasterAccountId), std::string(16, ' '));
    EXPECT_EQ(session.Accounts.ChangedKeys, (InterfaceKeyVector{{BaseKey(1, 11)}}));
    EXPECT_EQ(session.Positions.ChangedKeys,
              (InterfaceKeyVector{{BaseKey(1, 20261209), BaseKey(1, 20261210)}}));
    // 'D' removes the link.
    Feed(Wire("KL", 61).At(24, Left("900", 16)).At(40, "D0001").At(45, Left("11", 16)).bytes);
    EXPECT_EQ(Text(session.Accounts.Find(BaseKey(1, 11))->MasterAccountId), std::string(16, ' '));
    EXPECT_EQ(Text(session.Positions.Find(BaseKey(1, 20261210))->MasterAccountId), std::string(16, ' '));

    // Reporting flags: account number at 24, AccountId at 40, one letter per flag from 61.
    Feed(Wire("KX", 93).At(24, Left("ACC-2", 16)).At(40, Left("12", 16)).At(61, "YY").bytes);
    EXPECT_TRUE(
        session.Accounts.Find(BaseKey(1, 12))->Flags.Contains(EnumBraeKTSAccountFlags::ActiveForReporting));
    EXPECT_TRUE(
        session.Accounts.Find(BaseKey(1, 12))->Flags.Contains(EnumBraeKTSAccountFlags::OnceReportable));
    Feed(Wire("KX", 93).At(24, Left("ACC-2", 16)).At(40, Left("12", 16)).At(61, "NY").bytes);
    EXPECT_FALSE(
        session.Accounts.Find(BaseKey(1, 12))->Flags.Contains(EnumBraeKTSAccountFlags::ActiveForReporting));
    EXPECT_EQ(session.Accounts.ChangedKeys.size(), 4u);

    // Deletions while loading push nothing.
    Feed(Wire("KA", 56).At(24, Left("ACC-2", 16)).At(40, Left("12", 16)).bytes);
    EXPECT_EQ(session.Accounts.Find(BaseKey(1, 12)), nullptr);
    EXPECT_TRUE(session.Accounts.RemovedKeys.empty());
}

TEST_F(DataStore, ReportableDatesAreReplacedAndTheirAbsenceIsReported) {
    Feed(testserver::MakeBulk("NF", {"20261209", "20261210"}));
    ASSERT_EQ(session.ReportableDates.size(), 2u);
    EXPECT_EQ(Text(session.ReportableDates[1]), "20261210");
    EXPECT_TRUE(session.CheckReportableDates());
    Feed(testserver::MakeBulk("NF", {}));
    EXPECT_TRUE(session.ReportableDates.empty());
    ScriptedUi ui;
    ui.ExpectBox("Configuration Error",
                 "  No reportable dates were configured\nContact QZK to get this issue resolved.",
                 BoxIcon::Error, BoxButtons::Ok, mrOk);
    EXPECT_FALSE(session.CheckReportableDates());
}

TEST_F(DataStore, CountsAreClampedToTheElementsTheMessageHolds) {
    // Three instruments counted, two held whole and a piece of a third.
    std::string bi = testserver::MakeBulk(
        "BI", {Instrument("G1", "A", 'C', "0000001.00", "A"), Instrument("G1", "B", 'C', "0000001.00", "B"),
               Instrument("G1", "C", 'C', "0000001.00", "C")});
    bi.resize(bi.size() - 10);
    Feed(bi);
    EXPECT_EQ(session.Instruments.size(), 4u);
    std::string nf = testserver::MakeBulk("NF", {"20261209", "20261210"});
    nf.resize(nf.size() - 1);
    Feed(nf);
    EXPECT_EQ(session.ReportableDates.size(), 1u);
    Feed(Account("KR", "ACC-1", "11"));
    Feed(Position("20261209", "ACC-1", "O1", "AB", "11"));
    Feed(Wire("KL", 61).At(24, Left("900", 16)).At(40, "A0009").At(45, Left("11", 16)).bytes);
    EXPECT_EQ(Text(session.Accounts.Find(BaseKey(1, 11))->MasterAccountId), Left("900", 16));
    const auto log = Log();
    EXPECT_EQ(CountHolding(log, "[ERROR]Received BI message counting 3 elements holds 2 whole"), 1u);
    EXPECT_EQ(CountHolding(log, "[ERROR]Received NF message counting 2 elements holds 1 whole"), 1u);
    EXPECT_EQ(CountHolding(log, "[ERROR]Received KL message counting 9 elements holds 1 whole"), 1u);

    // A position cut before its participant id: the firm unit member stays blank.
    const std::string kb = Position("20261211", "ACC-1", "O1", "AB", "11").substr(0, 104);
    Feed(kb);
    EXPECT_EQ(Text(session.Positions.Find(BaseKey(1, 20261211))->FirmUnitMember), std::string(8, ' '));
    // Logged once, by the dispatch, not again by the record's reader.
    EXPECT_EQ(CountHolding(Log(), "Received KB message of 104 bytes, 122 expected"), 1u);
    EXPECT_EQ(CountHolding(Log(), "Received message of"), 0u);
}

TEST_F(DataStore, HistoricalRowsAreNumberedFromTheStartOfTheirQuery) {
    const std::string jz = Wire("JZ", 433).At(24, "20261209").bytes;
    Feed(jz);  // before any start: the slot's counter goes from -1 to 0
    EXPECT_NE(session.HistoricalAccounts.Find(BaseKey(0, 0)), nullptr);
    session.HistoricalAccounts.DeleteAll();
    session.QuerySlots[0].RowCounter = 0;
    for (int i = 0; i < 3; ++i) Feed(jz);
    session.QuerySlots[3].RowCounter = 0;
    Feed(Wire("RA", 360).bytes);
    EXPECT_EQ(session.QuerySlots[0].RowCounter, 3);
    std::vector<BaseKey> keys;
    for (const auto& entry : session.HistoricalAccounts.Records) keys.push_back(entry.first);
    EXPECT_EQ(keys, (std::vector<BaseKey>{BaseKey(1, 1), BaseKey(2, 2), BaseKey(3, 3)}));
    EXPECT_EQ(session.HistoricalAccounts.Find(BaseKey(2, 2))->RecordId.GetValue(), 2);
    EXPECT_NE(session.HistoricalCommands.Find(BaseKey(1, 1)), nullptr);
    EXPECT_EQ(session.QuerySlots[1].RowCounter, -1);
}

TEST_F(DataStore, LookupsOfMasterAccountsAndPositionsOfAnAccount) {
    Feed(Account("KR", "ACC-1", "11"));
    EXPECT_FALSE(session.HasMasterAccount());
    Feed(Account("KR", "MST-1", "90", "AP02", 'M'));
    EXPECT_TRUE(session.HasMasterAccount());
    Feed(Position("20261209", "ACC-1", "O1", "AB", "11"));
    EXPECT_TRUE(session.HasPositionForAccount(K::AccountText("ACC-1"), K::FirmUnitMemberText("FUM00001")));
    EXPECT_FALSE(session.HasPositionForAccount(K::AccountText("ACC-1"), K::FirmUnitMemberText("FUM00002")));
    EXPECT_FALSE(session.HasPositionForAccount(K::AccountText("MST-1"), K::FirmUnitMemberText("FUM00002")));
}

TEST_F(DataStore, ClearAllEmptiesTheStoreAndKeepsDatesFirmsSlotsAndSequence) {
    Feed(testserver::MakeBulk("NF", {"20261209"}));
    Feed(Account("KR", "ACC-1", ""));
    Feed(Position("20261209", "ACC-1", "O1", "AB", ""));
    Feed(Wire("JZ", 433).bytes);
    session.CommandHistories.Store(CommandHistory(), false);
    session.PendingCommands.insert(7);
    session.ErrorLines.push_back("7;x;y;");
    session.SequenceCounter = 1007;
    session.QuerySlots[2].PendingSequence = 1005;
    session.Accounts.RemovedKeys.push_back(BaseKey(1, 5));

    session.ClearAll();
    EXPECT_TRUE(session.Accounts.Records.empty() && session.Positions.Records.empty() &&
                session.CommandHistories.Records.empty() && session.HistoricalAccounts.Records.empty());
    EXPECT_TRUE(session.Accounts.ChangedKeys.empty() && session.Accounts.RemovedKeys.empty() &&
                session.Positions.ChangedKeys.empty() && session.CommandHistories.ChangedKeys.empty() &&
                session.HistoricalAccounts.ChangedKeys.empty());
    EXPECT_TRUE(session.Instruments.empty() && session.Participants.empty() &&
                session.InstrumentKeys.empty() && session.AccountNumbers.empty() &&
                session.InstrumentIndex.empty() && session.PositionIds.empty());
    EXPECT_TRUE(session.PendingCommands.empty() && session.ErrorLines.empty());
    EXPECT_EQ(session.PositionIdCounter, 0);
    EXPECT_EQ(session.ReportableDates.size(), 1u);
    EXPECT_EQ(session.FirmNames.size(), 2u);
    EXPECT_EQ(session.SequenceCounter, 1007u);
    EXPECT_EQ(session.QuerySlots[2].PendingSequence, 1005u);
    EXPECT_EQ(session.QuerySlots[0].RowCounter, 0);

    // Places and ids start afresh; nothing found through the old indexes.
    EXPECT_EQ(session.FindAccountNumber(K::AccountText("ACC-1")), 0);
    K::FirmUnitMemberText member;
    session.SetFirmUnitMember(K::ParticipantIdText("AP01"), member);
    EXPECT_EQ(Text(member), std::string(8, ' '));
    Feed(Account("KR", "ACC-2", ""));
    Feed(Position("20261209", "ACC-2", "O1", "AB", ""));
    EXPECT_NE(session.Accounts.Find(BaseKey(1, 1)), nullptr);
    EXPECT_EQ(PositionKeys(), (std::vector<BaseKey>{BaseKey(1, 20261209)}));
    EXPECT_EQ(Text(session.Positions.Find(BaseKey(1, 20261209))->StrikePrice), std::string(10, ' '));
}

// Grid windows: test windows on the router, each holding a real view of its kind.
struct Refresh : DataStore {
    struct Window {
        Window(Refresh& test, InterfaceView* rows, ChildType kind)
            : recorder("window", test.received), view(rows) {
            test.session.AddGridWindow(Handle());
            test.session.SetGridClient(Handle(), view.get(), kind);
        }
        uint32_t Handle() const { return recorder.Handle(); }
        std::vector<BaseKey> Keys() const {
            std::vector<BaseKey> keys;
            for (int i = 0; i + 1 < view->GetDisplayedRowCount(); ++i)
                keys.push_back(view->GetDisplayedKey(i));
            return keys;
        }
        RecordingWindow recorder;
        std::unique_ptr<InterfaceView> view;
    };
    Refresh() {
        Feed(Account("KR", "ACC-2", "12"));
        Feed(Account("KR", "MST-1", "90", "AP01", 'M'));
        Feed(Account("KR", "ACC-1", "11"));
        Feed(Position("20261209", "ACC-1", "O1", "AB", "11"));
        session.ClearChangeLists();
    }
    // The windows that received 0x8001 since the last call.
    std::vector<uint32_t> Notified() {
        std::vector<uint32_t> windows;
        for (const ReceivedWindowMessage& message : received) {
            if (message.message == K::kDataChanged) windows.push_back(message.window);
        }
        received.clear();
        return windows;
    }
    std::vector<ReceivedWindowMessage> received;
};

TEST_F(Refresh, NewWindowsAreFilledWithTheirKindInKeyOrderAndNotified) {
    Window accounts(*this, new TInterfaceView<KR_Account>(), ChildType::Accounts);
    Window masters(*this, new TInterfaceView<KR_Account>(), ChildType::MasterAccounts);
    Window positions(*this, new TInterfaceView<KB_Position>(), ChildType::Positions);
    Window history(*this, new TInterfaceView<CommandHistory>(), ChildType::CommandHistory);
    session.RefreshGrids();
    EXPECT_EQ(accounts.Keys(), (std::vector<BaseKey>{BaseKey(1, 11), BaseKey(1, 12), BaseKey(1, 90)}));
    EXPECT_EQ(masters.Keys(), (std::vector<BaseKey>{BaseKey(1, 90)}));
    EXPECT_EQ(positions.Keys(), (std::vector<BaseKey>{BaseKey(1, 20261209)}));
    EXPECT_TRUE(history.Keys().empty());
    EXPECT_EQ(Notified(), (std::vector<uint32_t>{accounts.Handle(), masters.Handle(), positions.Handle(),
                                                 history.Handle()}));

    // Nothing changed: nothing sent.
    session.RefreshGrids();
    EXPECT_TRUE(Notified().empty());
    // A position notifies the position windows only; a bulk link both kinds.
    Feed(Position("20261210", "ACC-1", "O1", "AB", "11"));
    session.RefreshGrids();
    EXPECT_EQ(Notified(), (std::vector<uint32_t>{positions.Handle()}));
    EXPECT_EQ(positions.Keys().size(), 1u);  // the window pulls its changes itself
    Feed(Wire("KL", 61).At(24, Left("90", 16)).At(40, "A0001").At(45, Left("11", 16)).bytes);
    session.RefreshGrids();
    EXPECT_EQ(Notified(), (std::vector<uint32_t>{accounts.Handle(), masters.Handle(), positions.Handle()}));
    EXPECT_TRUE(session.Accounts.ChangedKeys.empty() && session.Positions.ChangedKeys.empty());
    // A removal counts as a change too.
    session.CommandHistories.RemovedKeys.push_back(BaseKey(0, 5));
    session.RefreshGrids();
    EXPECT_EQ(Notified(), (std::vector<uint32_t>{history.Handle()}));

    // Flagged new again: refilled at the next refresh.
    accounts.view->ClearRows();
    session.SetGridClient(accounts.Handle(), accounts.view.get(), ChildType::Accounts);
    session.RefreshGrids();
    EXPECT_EQ(accounts.Keys().size(), 3u);
    EXPECT_EQ(Notified(), (std::vector<uint32_t>{accounts.Handle()}));
}

TEST_F(Refresh, NothingHappensWhileLoadingOrClosingAndListsEmptyWithoutWindows) {
    Feed(Account("KR", "ACC-3", "13"));
    session.RefreshGrids();
    EXPECT_TRUE(session.Accounts.ChangedKeys.empty());

    Window accounts(*this, new TInterfaceView<KR_Account>(), ChildType::Accounts);
    Feed(Account("KR", "ACC-4", "14"));
    session.Loading = true;
    session.RefreshGrids();
    EXPECT_TRUE(accounts.Keys().empty());
    EXPECT_TRUE(Notified().empty());
    session.Loading = false;
    session.ShutDown();
    session.RefreshGrids();
    EXPECT_TRUE(accounts.Keys().empty());
    EXPECT_FALSE(session.Accounts.ChangedKeys.empty());
}

TEST_F(Refresh, RegisteringTwiceKeepsOneEntryAndUnknownWindowsEraseNothing) {
    session.RegisterGridClient(5000);
    session.RegisterGridClient(5000);
    ASSERT_EQ(session.GridClients.size(), 1u);
    EXPECT_FALSE(session.GridClients.at(5000).IsNew);
    EXPECT_EQ(session.GridClients.at(5000).View, nullptr);
    session.UnregisterGridClient(5001);
    EXPECT_EQ(session.GridClients.size(), 1u);
    session.UnregisterGridClient(5000);
    EXPECT_TRUE(session.GridClients.empty());

    // No kind beyond the eight.
    session.Accounts.ChangedKeys.push_back(BaseKey(1, 11));
    EXPECT_TRUE(session.HasKindChanges(ChildType::MasterAccounts));
    EXPECT_FALSE(session.HasKindChanges(static_cast<ChildType>(8)));

    // A window whose view is not yet given is notified without rows.
    Window positions(*this, new TInterfaceView<KB_Position>(), ChildType::Positions);
    RecordingWindow bare("bare", received);
    session.SetGridClient(bare.Handle(), nullptr, ChildType::Accounts);
    session.RefreshGrids();
    EXPECT_EQ(Notified(), (std::vector<uint32_t>{positions.Handle(), bare.Handle()}));
}

}  // namespace
