#include "session/KVNEventManager.h"

#include <QPointer>
#include <algorithm>
#include <bit>
#include <cstring>
#include <type_traits>

#include "brae/Brae_AD_AccountDelete.h"
#include "brae/Brae_AL_BulkLinkAccount.h"
#include "brae/Brae_AM_NonReportableAccountEntry.h"
#include "brae/Brae_AN_AccountEntry.h"
#include "brae/Brae_AR_HistoricalCommandHistoryAuditRequest.h"
#include "brae/Brae_HV_HistoricalAccountRequest.h"
#include "brae/Brae_IU_BroadcastDelimiterL2.h"
#include "brae/Brae_MC_MonitoringAccount.h"
#include "brae/Brae_OR_HistoricalPositionSubmissionOutcomeRequest.h"
#include "brae/Brae_PD_PositionDelete.h"
#include "brae/Brae_PN_PositionEntry.h"
#include "brae/Brae_PQ_HistoricalPositionRequest.h"
#include "brae/Brae_PU_PositionDelimiter.h"
#include "brae/Brae_TC_UserConnection.h"
#include "brae/Brae_TD_UserDisconnection.h"
#include "brae/Brae_TF_ComponentNotice.h"
#include "brae/Brae_TR_PasswordReset.h"
#include "brae/ReadBulkElements.h"
#include "brae/ReceivedMessage.h"
#include "core/CalendarConversion.h"
#include "core/DateTimeText.h"
#include "core/IniFileLocation.h"
#include "core/MError.h"
#include "core/ProcessClock.h"
#include "core/TimeUnits.h"
#include "core/VersionInfo.h"
#include "fields/MRPString.h"
#include "fields/NumericTextParsing.h"
#include "grid/TModifyPasswordForm.h"
#include "net/MSocketAddressList.h"
#include "net/MSocketBufferIn.h"
#include "net/MSocketBufferOut.h"
#include "session/TStartupScreen.h"
#include "store/InterfaceView.h"
#include "store/TInterfaceViewBase.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/Timer.h"
#include "toolkit/UiHost.h"

namespace {

using K = KVNEventManager;
using T = EnumBraeMsgType;

// The received types the session handles. Length: the bytes up to the end of the last field its
// handler reads (a bulk message: up to its count; its elements are clamped to those present).
const std::array<K::DispatchEntry, K::kDispatchCount> kDispatchTable{{
    {"TH", T::TH, &K::OnHeartbeatQuestion, false, 22},
    {"TE", T::TE, &K::OnTechnicalErrorNotice, false, 120},
    {"TK", T::TK, &K::OnConnectionAcknowledgmentStep, false, 20},
    {"TL", T::TL, &K::OnDisconnectionAcknowledgment, false, 2},
    {"ER", T::ER, &K::OnErrorNotice, false, 128},
    {"KO", T::KO, &K::OnStandardAcknowledgment, false, 16},
    {"IU", T::IU, &K::OnBroadcastDelimiter, true, 29},
    {"KA", T::KA, &K::OnAccountDeleteAcknowledgment, false, 56},
    {"KF", T::KF, &K::OnPositionDeleteAcknowledgment, false, 90},
    {"KR", T::KR, &K::OnAccountAcknowledgment, false, 387},
    {"KB", T::KB, &K::OnPositionAcknowledgment, false, 122},
    {"JY", T::JY, &K::OnAccountSummary, false, 388},
    {"KL", T::KL, &K::OnBulkLinkAccountAcknowledgment, false, 45, 41, 4, 45, 16},
    {"BI", T::BI, &K::OnBulkInstrument, false, 28, 24, 4, 28, 75},
    {"BP", T::BP, &K::OnBulkParticipant, false, 28, 24, 4, 28, 46},
    {"JZ", T::JZ, &K::OnHistoricalAccountAcknowledgment, true, HistoricalAccountData::kBytesRead},
    {"TY", T::TY, &K::OnPasswordResetAcknowledgment, true, 2},
    {"QR", T::QR, &K::OnNonReportableAccountAcknowledgment, false, 386},
    {"KX", T::KX, &K::OnMonitoringAccountAcknowledgment, false, 63},
    {"NF", T::NF, &K::OnBulkDate, false, 28, 25, 3, 28, 8},
    {"PH", T::PH, &K::OnHistoricalPositionAcknowledgment, true, HistoricalPositionData::kBytesRead},
    {"OH", T::OH, &K::OnHistoricalSubmissionOutcomeAcknowledgment, true,
     HistoricalSubmissionData::kBytesRead},
    {"RA", T::RA, &K::OnHistoricalCommandAcknowledgment, true, HistoricalCommandData::kBytesRead},
}};

// The entry of every catalogue index, null for the types the session ignores.
const std::array<const K::DispatchEntry*, kBraeMsgTypeCount> kDispatchByType = [] {
    std::array<const K::DispatchEntry*, kBraeMsgTypeCount> byType{};
    for (const K::DispatchEntry& entry : kDispatchTable)
        byType[static_cast<std::size_t>(entry.Type)] = &entry;
    return byType;
}();

// The longest user name and password the password dialog takes.
constexpr int32_t kPasswordDialogLength = 8;
// The heartbeat time-out goes out as two digits.
constexpr uint32_t kMaxSentHeartbeatTimeout = 99;

// The text of a notice: up to width bytes from offset, as far as the message holds them, without
// its trailing blanks (a text of blanks is empty).
std::string NoticeText(const char* message, int32_t length, int32_t offset, int32_t width) {
    const int32_t held = std::clamp(length - offset, 0, width);
    std::string text(held > 0 ? message + offset : "", std::size_t(held));
    const auto last = text.find_last_not_of(' ');
    text.resize(last == std::string::npos ? 0 : last + 1);
    return text;
}

// A fixed-width text field of a received message, or its default when the message does not hold
// it whole.
std::string ReceivedText(const char* message, int32_t length, int32_t offset, int32_t width,
                         const std::string& fallback) {
    if (length < offset + width) return fallback;
    return std::string(message + offset, std::size_t(width));
}

// The owner of the session's boxes and dialogs: the main window, when there is one.
QWidget* MainWindow() {
    return MessageRouter::Window(MessageRouter::MainWindow());
}

template <class M>
void Queue(MComVectorMessageMaster& queue, const M& message) {
    queue.AddMessage(reinterpret_cast<const char*>(&message), message.GetMsgLength());
}

// The historical query kinds, in the order of the query slots: the request, the delimiters around
// its rows and the caption of the box at its end.
struct QueryKind {
    EnumBraeMsgType Request;
    EnumBraeDelimiterType Start;
    EnumBraeDelimiterType End;
    const char* Caption;
};
using D = EnumBraeDelimiterType;
constexpr std::array<QueryKind, 4> kQueryKinds{{
    {T::HV, D::StartOfHistoricalAccountData, D::EndOfHistoricalAccountData, "Historical Account Data"},
    {T::PQ, D::StartOfHistoricalPositionData, D::EndOfHistoricalPositionData, "Historical Position Data"},
    {T::OR, D::StartOfHistoricalPositionOutcomeData, D::EndOfHistoricalPositionOutcomeData,
     "Historical Submission Outcome Data"},
    {T::AR, D::StartOfHistoricalCommandHistoryData, D::EndOfHistoricalCommandHistoryData,
     "Historical Command Data"},
}};

// Yesterday by the framework's calendar, as YYYYMMDD.
std::string YesterdayText() {
    char text[8];
    WriteTmCompactDate(text, BreakDownLocalTime(GetLocalMidnight() - 1));
    return std::string(text, sizeof text);
}

}  // namespace

const std::array<K::DispatchEntry, K::kDispatchCount>& KVNEventManager::GetDispatchTable() {
    return kDispatchTable;
}

const KVNEventManager::DispatchEntry* KVNEventManager::FindDispatchEntry(EnumBraeMsgType type) {
    const auto index = static_cast<std::size_t>(type);
    return index < kDispatchByType.size() ? kDispatchByType[index] : nullptr;
}

bool KVNEventManager::ClampCount(const DispatchEntry& entry, const char* message, int32_t length,
                                 std::string& clamped) {
    if (entry.CountWidth == 0 || length < entry.CountOffset + entry.CountWidth) return false;
    int32_t count = 0;
    for (int32_t i = 0; i < entry.CountWidth; ++i) {
        const char c = message[entry.CountOffset + i];
        if (c >= '0' && c <= '9') count = count * 10 + (c - '0');
    }
    const int32_t held = std::max(length - entry.ElementsOffset, 0) / entry.ElementSize;
    if (count <= held) return false;
    MLOG(LOG_ERROR, "Received %s message counting %d elements holds %d whole: the others are dropped",
         entry.Code, count, held);
    clamped.assign(message, std::size_t(length));
    for (int32_t i = entry.CountWidth, rest = held; i-- > 0; rest /= 10)
        clamped[std::size_t(entry.CountOffset + i)] = char('0' + rest % 10);
    return true;
}

KVNEventManager::KVNEventManager() {
    const std::string yesterday = YesterdayText();
    for (QuerySlot& slot : QuerySlots) slot.StartDate = slot.EndDate = yesterday;
    Connect();
}

// The events read and write through the message queue and the loop: they go first.
KVNEventManager::~KVNEventManager() {
    KVNEventManager::Disconnect();
    CloseStartupScreen();
}

bool KVNEventManager::Connect() {
    MIpServiceList services;
    MIpHostList hosts;
    if (!ReadServerAddresses(services, hosts, true, "PortList", "HostNameList", "Config", "Korvane.ini",
                             "Korvane")) {
        CollectErrors();
        return false;
    }
    WindowMessageEvent = std::make_unique<MEventProcessWinMsg>(kWindowMessageEventId, &GetMediator());
    GetMediator().AddInputEvent(WindowMessageEvent.get());
    const MSocketAddressList addresses(hosts, services, nullptr);
    ClientSocketEvent =
        std::make_unique<ClientEvent>(kClientEventId, GetMediator(), new MSocketBufferIn(nullptr, 0x10000),
                                      new MSocketBufferOut(&MessageQueue, nullptr, 0, 0x10000), addresses);
    ClientSocketEvent->SetActive(false);
    CollectErrors();
    SetSetUp(true);
    return true;
}

void KVNEventManager::Disconnect() {
    ClientSocketEvent.reset();
    if (WindowMessageEvent) {
        GetMediator().RemoveInputEvent(WindowMessageEvent.get());
        WindowMessageEvent.reset();
    }
}

bool KVNEventManager::IsConnected() const {
    return ClientSocketEvent && ClientSocketEvent->IsConnected();
}

void KVNEventManager::CollectErrors() {
    GetPublisher().TakeErrors(GetErrorDetails());
}

void KVNEventManager::ProcessEvents() {
    if (IsClosing() || !IsSetUp() || !WindowMessageEvent) return;
    // A load cut short by a reconnection is logged in again as a running session is.
    if (ClientSocketEvent && ClientSocketEvent->HasConnected() && (LoggedIn || Loading)) {
        ResetSession();
        SendUserConnection();
    }
    bool loadTimedOut = false;
    for (;;) {
        int32_t length = 0, eventId = 0, type = 0;
        const char* data = GetMediator().GetNextMessage(length, eventId, type);
        if (!data || IsClosing() || !WindowMessageEvent) break;
        if (eventId == kClientEventId) {
            // Connection records of the event are not server messages.
            if (type == 'I') Dispatch(data, length);
        } else if (eventId == kWindowMessageEventId) {
            // While loading, window messages wait, unless the load's connection is gone (even
            // when the socket has connected again) or the load ran out of time.
            if (!Loading || !IsLoadConnectionUp()) break;
            if (LoadDeadline != 0 && GetEventClockTime() >= LoadDeadline) {
                loadTimedOut = true;
                break;
            }
        }
    }
    if (loadTimedOut) EndUnfinishedLoad();
    GetMediator().EndPass();
    CollectErrors();
}

bool KVNEventManager::IsLoadConnectionUp() const {
    return IsConnected() && ClientSocketEvent->GetConnectionCount() == LoadConnection;
}

void KVNEventManager::EndUnfinishedLoad() {
    MLOG(LOG_ERROR,
         "The initial load did not end within %u seconds: the connection is closed and the session reset",
         LoadTimeout);
    // Out of the load first: the box's modal loop may pump.
    LeaveLoading();
    // Ended as a lost connection ends: the server sees the connection go and stops sending the
    // load, none of which reaches the store once it is emptied; the next login connects anew and
    // its load starts from the first heartbeat.
    if (ClientSocketEvent) ClientSocketEvent->SetActive(false);
    LastLoadCounter = 0;
    LastHeartbeatTime = 0;
    Ui().MessageBox(MainWindow(), "The initial load did not end. You will be logged out.",
                    "Server Connection", BoxIcon::Error, BoxButtons::Ok);
    if (IsClosing()) return;
    ResetSession();
}

void KVNEventManager::Dispatch(const char* message, int32_t length) {
    const DispatchEntry* entry = FindDispatchEntry(GetIncomingMsgType(message, length));
    if (!entry || (entry->SkippedWhileLoading && Loading)) return;
    if (length < entry->Length)
        MLOG(LOG_ERROR,
             "Received %s message of %d bytes, %d expected: fields beyond its end keep their defaults",
             entry->Code, length, entry->Length);
    std::string clamped;
    if (ClampCount(*entry, message, length, clamped)) message = clamped.data();
    // Logged above, by type: the handler's readers do not log the shortfall again.
    const ShortMessageLogMute mute;
    (this->*entry->Handle)(message, length);
}

void KVNEventManager::OnConnectionAcknowledgmentStep(const char* message, int32_t length) {
    if (ClientSocketEvent) ClientSocketEvent->ClearHasConnected();
    OnConnectionAcknowledgment(message, length);
}

void KVNEventManager::OnDisconnectionAcknowledgment(const char*, int32_t) {
    if (ClientSocketEvent) {
        ClientSocketEvent->Disconnect();
        ClientSocketEvent->SetActive(false);
    }
    LoggedIn = false;
    UserTypeS = false;
    UserTypeA = false;
    // A load or a password change that the server ended must not hold the pump or Login.
    LeaveLoading();
}

// The data store.

namespace {

// The AccountId read as a decimal number, clamped to the key's range (the account part of a key).
int32_t AccountIdNumber(const K::AccountText& id) {
    return BaseKey::FromWide(0, static_cast<int64_t>(ParseDecimalDigits64(id.GetData(), id.Length())))
        .Second.GetValue();
}

template <std::size_t N, class F>
FixedTextKey<N> KeyOf(const F& field) {
    static_assert(sizeof(F) == N);
    FixedTextKey<N> key;
    std::memcpy(key.data(), &field, N);
    return key;
}

// The 8 digits of a report date as the number YYYYMMDD (a character that is no digit counts 0).
int32_t DateNumber(const MDateYYYYMMDD& date) {
    return static_cast<int32_t>(ParseEightDigits(date.GetChars()));
}

// The count of digits at offset, 0 when the message does not hold them, cut to the elements of
// size bytes from elements that it holds whole.
int32_t HeldCount(const char* message, int32_t length, int32_t offset, int32_t digits, int32_t elements,
                  int32_t size) {
    if (length < offset + digits) return 0;
    const auto count = static_cast<int32_t>(ParseDecimalDigits(message + offset, digits));
    return std::min(count, std::max(length - elements, 0) / size);
}

}  // namespace

int32_t KVNEventManager::FindAccountNumber(const AccountText& accountNumber) const {
    if (accountNumber.IsBlank())
        return EmptyAccountNumberPlaces.empty() ? 0 : *EmptyAccountNumberPlaces.begin();
    return std::max(AccountNumberPlaces.Find(KeyOf<16>(accountNumber)), 0);
}

void KVNEventManager::ForgetAccountNumber(int32_t place) {
    if (place <= 0 || static_cast<std::size_t>(place) > AccountNumbers.size()) return;
    std::string& number = AccountNumbers[static_cast<std::size_t>(place - 1)];
    if (!number.empty()) AccountNumberPlaces.Set(KeyOf<16>(AccountText(number)), -1);
    number.clear();
    EmptyAccountNumberPlaces.insert(place);
}

// Every instrument, known or not, is told apart by its group and instrument as received (the
// bytes of both side by side, as a bulk instrument's key). Inline, and where the low byte of a
// word comes first in memory put together in a register, so that the pair lands in memory in the
// pieces its readers take (4 bytes, then 2) rather than byte by byte.
inline PositionIdIndex::Instrument KVNEventManager::PositionInstrument(
    const MRPString<2, 32, MValAccept>& group, const MRPString<4, 32, MValAccept>& instrument) {
    PositionIdIndex::Instrument pair;
    if constexpr (std::endian::native == std::endian::little) {
        uint16_t groupBytes;
        uint32_t instrumentBytes;
        std::memcpy(&groupBytes, group.GetData(), 2);
        std::memcpy(&instrumentBytes, instrument.GetData(), 4);
        const uint64_t bytes = groupBytes | uint64_t(instrumentBytes) << 16;
        std::memcpy(pair.data(), &bytes, pair.size());
    } else {
        std::memcpy(pair.data(), group.GetData(), 2);
        std::memcpy(pair.data() + 2, instrument.GetData(), 4);
    }
    return pair;
}

int32_t KVNEventManager::GetPositionId(const MRPString<2, 32, MValAccept>& group,
                                       const MRPString<4, 32, MValAccept>& instrument,
                                       const AccountText& accountNumber, const AccountText& accountId) {
    const auto [id, added] = PositionIds.Insert(PositionAccountPart(accountNumber, accountId),
                                                PositionInstrument(group, instrument));
    if (added) PositionIdCounter = id;
    return id;
}

int32_t KVNEventManager::FindPositionId(const MRPString<2, 32, MValAccept>& group,
                                        const MRPString<4, 32, MValAccept>& instrument,
                                        const AccountText& accountNumber,
                                        const AccountText& accountId) const {
    return PositionIds.Find(PositionAccountPart(accountNumber, accountId),
                            PositionInstrument(group, instrument));
}

int32_t KVNEventManager::PositionAccountPart(const AccountText& accountNumber,
                                             const AccountText& accountId) const {
    if (!accountId.IsBlank()) return AccountIdNumber(accountId);
    const int32_t place = FindAccountNumber(accountNumber);
    return place != 0 ? place : 1;
}

void KVNEventManager::SetFirmUnitMember(const ParticipantIdText& participantId,
                                        FirmUnitMemberText& firmUnitMember) const {
    firmUnitMember.Clear();
    if (const int32_t place = ParticipantIdIndex.Find(KeyOf<4>(participantId)))
        firmUnitMember = Participants[static_cast<std::size_t>(place - 1)].FirmUnitMember;
}

bool KVNEventManager::HasMasterAccount() const {
    return std::any_of(Accounts.Records.begin(), Accounts.Records.end(), [](const auto& entry) {
        return entry.second.InternalAccountType.Is(EnumBraeKTSInternalAccountType::MasterAccount);
    });
}

bool KVNEventManager::HasPositionForAccount(AccountText accountNumber,
                                            FirmUnitMemberText firmUnitMember) const {
    return std::any_of(Positions.Records.begin(), Positions.Records.end(), [&](const auto& entry) {
        const KB_Position& position = entry.second;
        return std::memcmp(position.AccountNumber.GetData(), accountNumber.GetData(), 16) == 0 &&
               std::memcmp(position.FirmUnitMember.GetData(), firmUnitMember.GetData(), 8) == 0;
    });
}

bool KVNEventManager::CheckReportableDates() const {
    if (!ReportableDates.empty()) return true;
    Ui().MessageBox(nullptr, "  No reportable dates were configured\nContact QZK to get this issue resolved.",
                    "Configuration Error", BoxIcon::Error, BoxButtons::Ok);
    return false;
}

void KVNEventManager::ClearAll() {
    ForEachStore([](auto& store) {
        store.Records.clear();
        store.ChangedKeys.clear();
        store.RemovedKeys.clear();
    });
    Instruments.clear();
    ++InstrumentsVersion;
    Participants.clear();
    InstrumentKeys.clear();
    AccountNumbers.clear();
    InstrumentIndex.Clear();
    PositionIds.Clear();
    PositionIdCounter = 0;
    PendingCommands.clear();
    ErrorLines.clear();
    AccountNumberPlaces.Clear();
    EmptyAccountNumberPlaces.clear();
    ParticipantIdIndex.Clear();
    ParticipantNameIndex.clear();
}

void KVNEventManager::CompleteAcknowledgment(const char* message, int32_t length) {
    if (Loading) return;  // as CompleteCommand, without reading the number
    // The answered sequence number lies in the header; a header cut short reads as blanks.
    if (length >= 16) {
        CompleteCommand(message, EnumActionStatusType::Done, nullptr, 0);
        return;
    }
    char header[16];
    std::memset(header, ' ', sizeof header);
    if (length > 0) std::memcpy(header, message, static_cast<std::size_t>(length));
    CompleteCommand(header, EnumActionStatusType::Done, nullptr, 0);
}

void KVNEventManager::StoreAccount(EnumBraeMsgType type, const char* message, int32_t length) {
    KR_Account account(type, message, length);
    SetFirmUnitMember(account.ApprovedParticipantId, account.FirmUnitMember);
    int32_t place = FindAccountNumber(account.AccountNumber);
    if (place == 0) {
        AccountNumbers.push_back(account.AccountNumber.ToString());
        place = static_cast<int32_t>(AccountNumbers.size());
        if (account.AccountNumber.IsBlank()) {
            EmptyAccountNumberPlaces.insert(place);
        } else {
            AccountNumberPlaces.Set(KeyOf<16>(account.AccountNumber), place);
        }
    }
    account.SetAccountNumberList(&AccountNumbers);
    // The record's key, with its number's place as found or given above rather than by a scan.
    const BaseKey key(1, account.AccountId.IsBlank() ? place : AccountIdNumber(account.AccountId));
    Accounts.Store(account, key, Loading);
    CompleteAcknowledgment(message, length);
}

void KVNEventManager::OnAccountAcknowledgment(const char* message, int32_t length) {
    StoreAccount(EnumBraeMsgType::KR, message, length);
}

void KVNEventManager::OnAccountSummary(const char* message, int32_t length) {
    StoreAccount(EnumBraeMsgType::JY, message, length);
}

void KVNEventManager::OnNonReportableAccountAcknowledgment(const char* message, int32_t length) {
    StoreAccount(EnumBraeMsgType::QR, message, length);
}

void KVNEventManager::OnPositionAcknowledgment(const char* message, int32_t length) {
    KB_Position position(message, length);
    position.Key = BaseKey(
        GetPositionId(position.Group, position.Instrument, position.AccountNumber, position.AccountId),
        DateNumber(position.ReportDate));
    if (const int32_t place = InstrumentIndex.Find(PositionInstrument(position.Group, position.Instrument))) {
        const BraeGroupInstrumentDefinition& definition = Instruments[static_cast<std::size_t>(place - 1)];
        if (!definition.StrikePrice.IsNull()) position.CallPutCode = definition.CallPutCode;
        position.StrikePrice = definition.StrikePrice;
        position.ExpirationDate = definition.ExpirationDate;
        position.ClassSymbol = definition.ClassSymbol;
        position.ExternalSymbol = definition.ExternalSymbol;
    }
    SetFirmUnitMember(position.ApprovedParticipantId, position.FirmUnitMember);
    Positions.Store(position, Loading);
    CompleteAcknowledgment(message, length);
}

void KVNEventManager::OnAccountDeleteAcknowledgment(const char* message, int32_t length) {
    AccountText number, id;
    ReadReceivedField(number, message, length, 24);
    ReadReceivedField(id, message, length, 40);
    const int32_t place = FindAccountNumber(number);
    ForgetAccountNumber(place);
    Accounts.Remove(BaseKey(1, id.IsBlank() ? place : AccountIdNumber(id)), Loading);
    CompleteAcknowledgment(message, length);
}

void KVNEventManager::OnPositionDeleteAcknowledgment(const char* message, int32_t length) {
    AccountText number, id;
    MRPString<2, 32, MValAccept> group;
    MRPString<4, 32, MValAccept> instrument;
    MDateYYYYMMDD date;
    date.Clear();
    ReadReceivedField(number, message, length, 24);
    ReadReceivedField(group, message, length, 40);
    ReadReceivedField(instrument, message, length, 42);
    ReadReceivedField(id, message, length, 62);
    ReadReceivedField(date, message, length, 82);
    Positions.Remove(BaseKey(GetPositionId(group, instrument, number, id), DateNumber(date)), Loading);
    CompleteAcknowledgment(message, length);
}

void KVNEventManager::OnBulkLinkAccountAcknowledgment(const char* message, int32_t length) {
    AccountText master;
    ReadReceivedField(master, message, length, 24);
    if (length > 40 && message[40] == 'D') master.Clear();
    const int32_t count = HeldCount(message, length, 41, 4, 45, 16);
    for (int32_t i = 0; i < count; ++i) {
        AccountText id;
        id.SetChars(message + 45 + 16 * i, 16);
        const BaseKey key(1, AccountIdNumber(id));
        if (KR_Account* account = Accounts.Find(key)) {
            account->MasterAccountId = master;
            Accounts.ChangedKeys.push_back(key);
        }
        SetPositionsMaster(id, master);
    }
    CompleteAcknowledgment(message, length);
}

void KVNEventManager::SetPositionsMaster(const AccountText& accountId, const AccountText& master) {
    const auto carries = [&](const KB_Position& position) {
        return std::memcmp(position.AccountId.GetData(), accountId.GetData(), 16) == 0;
    };
    const auto set = [&](const BaseKey& key, KB_Position& position) {
        position.MasterAccountId = master;
        Positions.ChangedKeys.push_back(key);
    };
    if (accountId.IsBlank()) {
        for (auto& [key, position] : Positions.Records) {
            if (carries(position)) set(key, position);
        }
        return;
    }
    // A position that carries the id has a position id of the id's account part: walk those ids,
    // in ascending order, and each one's report dates.
    for (const int32_t id : PositionIds.IdsOf(AccountIdNumber(accountId))) {
        for (auto at = Positions.Records.lower_bound(BaseKey(id, 0));
             at != Positions.Records.end() && at->first.First.GetValue() == id; ++at) {
            if (carries(at->second)) set(at->first, at->second);
        }
    }
}

void KVNEventManager::OnMonitoringAccountAcknowledgment(const char* message, int32_t length) {
    AccountText number, id;
    ReadReceivedField(number, message, length, 24);
    ReadReceivedField(id, message, length, 40);
    const BaseKey key(1, id.IsBlank() ? FindAccountNumber(number) : AccountIdNumber(id));
    if (KR_Account* account = Accounts.Find(key)) {
        // A flag text that the message does not hold reads as no flag.
        std::array<char, 2> letters{'N', 'N'};
        ReadReceivedField(letters, message, length, 61);
        account->Flags.Clear();
        for (unsigned i = 0; i < letters.size(); ++i) {
            if (letters[i] == 'Y') account->Flags.Add(BraeKTSAccountFlagsSet::GetEnumAt(i));
        }
        Accounts.ChangedKeys.push_back(key);
    }
    CompleteAcknowledgment(message, length);
}

void KVNEventManager::OnBulkInstrument(const char* message, int32_t length) {
    ++InstrumentsVersion;
    for (const BraeGroupInstrumentDefinition& definition :
         ReadBulkElements<BraeGroupInstrumentDefinition>(message, length)) {
        FixedTextKey<6> key;
        std::memcpy(key.data(), &definition, 6);
        const auto [place, added] = InstrumentIndex.Insert(key, static_cast<int32_t>(Instruments.size()) + 1);
        if (added) {
            InstrumentKeys.emplace_back(key.data(), key.size());
            Instruments.push_back(definition);
        } else {
            Instruments[static_cast<std::size_t>(place - 1)] = definition;
        }
    }
}

void KVNEventManager::RebuildParticipantIdIndex() {
    ParticipantIdIndex.Clear();
    for (std::size_t i = 0; i < Participants.size(); ++i)
        ParticipantIdIndex.Insert(KeyOf<4>(Participants[i].ApprovedParticipantId),
                                  static_cast<int32_t>(i) + 1);
}

void KVNEventManager::OnBulkParticipant(const char* message, int32_t length) {
    for (const BraeParticipantDefinition& definition :
         ReadBulkElements<BraeParticipantDefinition>(message, length)) {
        const auto [at, added] = ParticipantNameIndex.try_emplace(KeyOf<25>(definition.ParticipantName),
                                                                  static_cast<int32_t>(Participants.size()));
        if (added) {
            Participants.push_back(definition);
            ParticipantIdIndex.Insert(KeyOf<4>(definition.ApprovedParticipantId), at->second + 1);
        } else {
            BraeParticipantDefinition& stored = Participants[static_cast<std::size_t>(at->second)];
            const bool idChanged =
                KeyOf<4>(stored.ApprovedParticipantId) != KeyOf<4>(definition.ApprovedParticipantId);
            stored = definition;
            if (idChanged) RebuildParticipantIdIndex();
        }
        FirmNames.insert(definition.FirmName.ToString());
    }
}

void KVNEventManager::OnBulkDate(const char* message, int32_t length) {
    ReportableDates.clear();
    const int32_t count = HeldCount(message, length, 25, 3, 28, 8);
    ReportableDates.resize(static_cast<std::size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        std::memcpy(static_cast<void*>(&ReportableDates[static_cast<std::size_t>(i)]), message + 28 + 8 * i,
                    8);
}

template <class T>
void KVNEventManager::StoreHistoricalRow(DataHandler<T>& store, QuerySlot& slot, const char* message,
                                         int32_t length) {
    T row(message, length);
    row.RecordId.SetValue(++slot.RowCounter);
    store.Store(row, Loading);
}

void KVNEventManager::OnHistoricalAccountAcknowledgment(const char* message, int32_t length) {
    StoreHistoricalRow(HistoricalAccounts, QuerySlots[0], message, length);
}

void KVNEventManager::OnHistoricalPositionAcknowledgment(const char* message, int32_t length) {
    StoreHistoricalRow(HistoricalPositions, QuerySlots[1], message, length);
}

void KVNEventManager::OnHistoricalSubmissionOutcomeAcknowledgment(const char* message, int32_t length) {
    StoreHistoricalRow(HistoricalSubmissions, QuerySlots[2], message, length);
}

void KVNEventManager::OnHistoricalCommandAcknowledgment(const char* message, int32_t length) {
    StoreHistoricalRow(HistoricalCommands, QuerySlots[3], message, length);
}

// Grid clients and their refresh.

void KVNEventManager::RegisterGridClient(uint32_t window) {
    GridClients.try_emplace(window, GridClientData{ChildType::Accounts, nullptr, false});
}

void KVNEventManager::SetGridClient(uint32_t window, InterfaceView* view, ChildType kind) {
    GridClientData& client = GridClients[window];
    client.IsNew = true;
    client.View = view;
    client.Kind = kind;
}

void KVNEventManager::UnregisterGridClient(uint32_t window) {
    GridClients.erase(window);
}

template <class Self, class F>
bool KVNEventManager::VisitKindStore(Self& self, ChildType kind, F&& visit) {
    switch (kind) {
        case ChildType::Accounts:
        case ChildType::MasterAccounts:
            visit(self.Accounts);
            return true;
        case ChildType::Positions:
            visit(self.Positions);
            return true;
        case ChildType::CommandHistory:
            visit(self.CommandHistories);
            return true;
        case ChildType::HistoricalAccounts:
            visit(self.HistoricalAccounts);
            return true;
        case ChildType::HistoricalPositions:
            visit(self.HistoricalPositions);
            return true;
        case ChildType::HistoricalSubmissions:
            visit(self.HistoricalSubmissions);
            return true;
        case ChildType::HistoricalCommands:
            visit(self.HistoricalCommands);
            return true;
    }
    return false;
}

template <class F>
void KVNEventManager::ForEachStore(F&& visit) {
    visit(Accounts);
    visit(Positions);
    visit(CommandHistories);
    visit(HistoricalAccounts);
    visit(HistoricalPositions);
    visit(HistoricalSubmissions);
    visit(HistoricalCommands);
}

template <class T>
void KVNEventManager::RefillView(InterfaceView* view, const DataHandler<T>& store, bool masterAccountsOnly) {
    auto* rows = dynamic_cast<TInterfaceViewBase<T>*>(view);
    if (!rows) return;
    for (const auto& [key, record] : store.Records) {
        if constexpr (std::is_same_v<T, KR_Account>) {
            if (masterAccountsOnly &&
                !record.InternalAccountType.Is(EnumBraeKTSInternalAccountType::MasterAccount))
                continue;
        }
        rows->UpdateRow(&record);
    }
}

bool KVNEventManager::HasKindChanges(ChildType kind) const {
    bool changed = false;
    VisitKindStore(*this, kind, [&](const auto& store) {
        changed = !store.ChangedKeys.empty() || !store.RemovedKeys.empty();
    });
    return changed;
}

void KVNEventManager::ClearChangeLists() {
    ForEachStore([](auto& store) {
        store.ChangedKeys.clear();
        store.RemovedKeys.clear();
    });
}

void KVNEventManager::RefreshGrids() {
    if (Loading || IsClosing()) return;
    // A window may leave, or another register, while it handles the message: walk a copy.
    std::vector<uint32_t> windows;
    windows.reserve(GridClients.size());
    for (const auto& entry : GridClients) windows.push_back(entry.first);
    for (const uint32_t window : windows) {
        const auto at = GridClients.find(window);
        if (at == GridClients.end()) continue;
        GridClientData& client = at->second;
        bool notify = client.IsNew;
        if (client.IsNew) {
            const bool mastersOnly = client.Kind == ChildType::MasterAccounts;
            VisitKindStore(*this, client.Kind,
                           [&](const auto& store) { RefillView(client.View, store, mastersOnly); });
            client.IsNew = false;
        } else {
            notify = HasKindChanges(client.Kind);
        }
        if (notify) MessageRouter::SendMessage(window, kDataChanged, 0, 0);
    }
    ClearChangeLists();
}

void KVNEventManager::Login(const std::string& userName, const std::string& password) {
    UserName = userName;
    Password = password;
    SendUserConnection();
}

void KVNEventManager::SendUserConnection() {
    if (!ClientSocketEvent) return;
    ClientSocketEvent->SetActive(true);
    Brae_TC_UserConnection message;
    message.Prepare(UserName, Password, int(std::min(HeartbeatTimeout, kMaxSentHeartbeatTimeout)));
    Queue(MessageQueue, message);
}

void KVNEventManager::Logout() {
    Brae_TD_UserDisconnection message;
    message.Prepare(UserName, DisconnectToken);
    Queue(MessageQueue, message);
    LastLoadCounter = 0;
    LastHeartbeatTime = 0;
    ResetSession();
}

void KVNEventManager::ResetSession() {
    LeaveLoading();
    // The socket may stay connected through a reset: the commands still unanswered are reported
    // failed rather than left to look successful. Their lines are taken before the store is
    // cleared and kept after it.
    std::vector<std::string> unanswered;
    FailPendingCommands(unanswered);
    // The store first: a window that pulls its changes on the message finds nothing left over.
    ClearAll();
    KeepFailureLines(std::move(unanswered));
    // A query cut short never ends: no stale number may take a later error notice, and the
    // hourglass goes.
    ResetQuerySlots();
    std::vector<uint32_t> windows;
    windows.reserve(GridClients.size());
    for (const auto& [window, client] : GridClients) windows.push_back(window);
    // A window may leave while it handles the message: each is looked up again.
    for (uint32_t window : windows) {
        const auto client = GridClients.find(window);
        if (client == GridClients.end()) continue;
        if (client->second.View) client->second.View->ClearRows();
        client->second.IsNew = true;
        MessageRouter::SendMessage(window, kDataChanged, 0, 0);
    }
    FirmNames.clear();
    Loading = false;
    LoggedIn = false;
    PasswordResetSequence = 0;
    UserTypeM = false;
    UserTypeS = false;
    UserTypeP = false;
    UserTypeA = false;
}

void KVNEventManager::LeaveLoading() {
    Loading = false;
    PasswordChangeRequired = false;
    CloseStartupScreen();
}

bool KVNEventManager::ChangePassword() {
    const std::string proof = ComputePasswordProof(Password);
    std::string newPassword;
    std::string newProof;
    // The dialog's modal loop pumps: the main window may go, and the dialog with it.
    const QPointer<TModifyPasswordForm> form =
        new TModifyPasswordForm(MainWindow(), kPasswordDialogLength, newPassword, newProof, proof, UserName);
    const bool accepted = form->ShowModal() == mrOk;
    delete form.data();
    if (!accepted) return false;
    SetNewPassword(newPassword);
    // Nothing queued (logged): no reset is under way.
    return SendPasswordReset();
}

void KVNEventManager::SetNewPassword(const std::string& password) {
    NewPassword = password;
}

std::string KVNEventManager::ComputePasswordProof(const std::string& password) {
    return Brae_TC_UserConnection::ComputePasswordDigest("", password);
}

bool KVNEventManager::SendPasswordReset() {
    const uint32_t sequence = SequenceCounter + 1;
    Brae_TR_PasswordReset message;
    if (!message.Prepare(int32_t(sequence), UserName, Password, NewPassword, EncryptionKey)) {
        MLOG(LOG_ERROR, "Password reset not sent: the passwords cannot be encrypted with the encryption key");
        return false;
    }
    SequenceCounter = sequence;
    PasswordResetSequence = sequence;
    Queue(MessageQueue, message);
    return true;
}

int32_t KVNEventManager::DecodeLoadCounter(const char* counter) {
    constexpr int kWidth = 6;
    int blanks = 0;
    while (blanks < kWidth && counter[blanks] == ' ') ++blanks;
    const int digits = kWidth - blanks - 1;
    return digits < 1 ? 0 : int32_t(ParseBase62Digits(counter + 1, digits));
}

template <class M>
void KVNEventManager::SendCommand(M& message, CommandDescription description) {
    const uint32_t sequence = ++SequenceCounter;
    BraeHeaderIncoming::SetUserSequenceID(message.UserSequenceID, static_cast<int32_t>(sequence));
    if (!description.TextComplete) message.AppendDescription(description.Text);
    RecordCommand(sequence, M::GetMsgType(), std::move(description));
    MessageQueue.AddMessage(reinterpret_cast<const char*>(&message), message.GetMsgLength());
}

template void KVNEventManager::SendCommand(Brae_AN_AccountEntry&, CommandDescription);
template void KVNEventManager::SendCommand(Brae_AM_NonReportableAccountEntry&, CommandDescription);
template void KVNEventManager::SendCommand(Brae_AL_BulkLinkAccount&, CommandDescription);
template void KVNEventManager::SendCommand(Brae_AD_AccountDelete&, CommandDescription);
template void KVNEventManager::SendCommand(Brae_MC_MonitoringAccount&, CommandDescription);
template void KVNEventManager::SendCommand(Brae_IU_BroadcastDelimiterL2&, CommandDescription);
template void KVNEventManager::SendCommand(Brae_PN_PositionEntry&, CommandDescription);
template void KVNEventManager::SendCommand(Brae_PD_PositionDelete&, CommandDescription);
template void KVNEventManager::SendCommand(Brae_PU_PositionDelimiter&, CommandDescription);
template void KVNEventManager::SendCommand(Brae_HV_HistoricalAccountRequest&, CommandDescription);
template void KVNEventManager::SendCommand(Brae_PQ_HistoricalPositionRequest&, CommandDescription);
template void KVNEventManager::SendCommand(Brae_OR_HistoricalPositionSubmissionOutcomeRequest&,
                                           CommandDescription);
template void KVNEventManager::SendCommand(Brae_AR_HistoricalCommandHistoryAuditRequest&, CommandDescription);

void KVNEventManager::RecordCommand(uint32_t sequence, EnumBraeMsgType type, CommandDescription description) {
    // The broadcast delimiter expects no answer.
    if (type != EnumBraeMsgType::IU) PendingCommands.insert(PendingCommands.end(), sequence);
    for (std::size_t slot = 0; slot < kQueryKinds.size(); ++slot)
        if (kQueryKinds[slot].Request == type) QuerySlots[slot].PendingSequence = sequence;
    if (description.Action == EnumActionType::Query) ShowHourglass();
    CommandHistory entry;
    entry.Init(static_cast<int32_t>(sequence), description.Action, description.BusinessItem);
    entry.CommandStatus.Set(EnumActionStatusType::Sent);
    entry.Description.Assign(description.Text);
    CommandHistories.Store(entry, Loading);
}

uint32_t KVNEventManager::GetAnsweredSequence(const char* message, int32_t length) {
    BraeNb8 answered;
    ReadReceivedField(answered, message, length, 8);
    return static_cast<uint32_t>(std::max(BraeHeaderIncoming::ReadUserSequenceID(answered), 0));
}

void KVNEventManager::CompleteCommand(const char* message, EnumActionStatusType status, const char* text,
                                      int32_t length) {
    CompleteCommand(GetAnsweredSequence(message, 16), status, text, length);
}

void KVNEventManager::CompleteCommand(uint32_t sequence, EnumActionStatusType status, const char* text,
                                      int32_t length) {
    if (Loading) return;
    const BaseKey key = BaseKey::FromWide(0, sequence);
    if (CommandHistory* entry = CommandHistories.Find(key)) {
        entry->CommandStatus.Set(status);
        if (text) entry->ErrorMessage.Assign(text, std::max(length, 0));
        CommandHistories.ChangedKeys.push_back(key);
        if (status == EnumActionStatusType::Failed) {
            ErrorLines.push_back(std::to_string(entry->SequenceNumber.GetValue()) + ";" +
                                 entry->ErrorMessage.ToString() + ";" + entry->Description.ToString() + ";");
            CommandFailed = true;
        }
    }
    PendingCommands.erase(sequence);
}

void KVNEventManager::FailPendingCommands(std::vector<std::string>& lines) {
    for (const uint32_t sequence : PendingCommands) {
        if (const CommandHistory* entry = CommandHistories.Find(BaseKey::FromWide(0, sequence)))
            lines.push_back(std::to_string(entry->SequenceNumber.GetValue()) +
                            ";Failure with the connection to the server;" + entry->Description.ToString() +
                            ";");
    }
    PendingCommands.clear();
}

void KVNEventManager::OnStandardAcknowledgment(const char* message, int32_t length) {
    CompleteCommand(GetAnsweredSequence(message, length), EnumActionStatusType::Done);
}

void KVNEventManager::OnErrorNotice(const char* message, int32_t length) {
    if (Loading) return;
    const uint32_t sequence = GetAnsweredSequence(message, length);
    MRPString<100, 32, MValAccept> notice;
    ReadReceivedField(notice, message, length, 28);
    const std::string text = notice.ToString();
    CompleteCommand(sequence, EnumActionStatusType::Failed, text.data(), static_cast<int32_t>(text.size()));
    // No password reset is pending while its number is 0, whatever a notice names.
    if (PasswordResetSequence != 0 && sequence == PasswordResetSequence) return OnPasswordResetRefused(text);
    // An idle slot holds 0, which no query answered.
    for (std::size_t slot = 0; slot < QuerySlots.size(); ++slot) {
        QuerySlot& query = QuerySlots[slot];
        if (query.PendingSequence == 0 || query.PendingSequence != sequence) continue;
        query.ErrorText = text;
        // Rejected before its data started: its end comes now. Otherwise the text waits for it.
        if (query.RowCounter == -1) {
            ++HourglassCount;
            EndHistoricalQuery(static_cast<int32_t>(kQueryKinds[slot].End));
        }
        return;
    }
}

void KVNEventManager::OnBroadcastDelimiter(const char* message, int32_t length) {
    BraeDelimiterType delimiter;
    ReadReceivedField(delimiter, message, length, 27);
    EndHistoricalQuery(delimiter.IndexOfCode());
}

void KVNEventManager::EndHistoricalQuery(int32_t delimiter) {
    for (std::size_t slot = 0; slot < kQueryKinds.size(); ++slot) {
        const QueryKind& kind = kQueryKinds[slot];
        if (delimiter == static_cast<int32_t>(kind.Start)) return StartHistoricalQuery(slot);
        if (delimiter != static_cast<int32_t>(kind.End)) continue;
        ReportHistoricalQueryEnd(slot, kind.Caption);
        QuerySlot& query = QuerySlots[slot];
        const uint32_t sequence = query.PendingSequence;
        const std::string text = std::move(query.ErrorText);
        query.RowCounter = -1;
        query.PendingSequence = 0;
        query.ErrorText.clear();
        if (text.empty()) {
            CompleteCommand(sequence, EnumActionStatusType::Done);
        } else {
            CompleteCommand(sequence, EnumActionStatusType::Failed, text.data(),
                            static_cast<int32_t>(text.size()));
        }
        return;
    }
}

void KVNEventManager::StartHistoricalQuery(std::size_t slot) {
    ++HourglassCount;
    QuerySlots[slot].RowCounter = 0;
}

void KVNEventManager::ReportHistoricalQueryEnd(std::size_t slot, const std::string& caption) {
    // An end without its start does not take the count below 0, where the cursor would stay the
    // hourglass for good.
    if (HourglassCount > 0) --HourglassCount;
    if (HourglassCount == 0) RestoreCursor();
    const QuerySlot& query = QuerySlots[slot];
    const std::string text = query.ErrorText;
    if (query.RowCounter == 0) {
        EnableProcessTimer();
        if (text.empty()) {
            Ui().MessageBox(nullptr, "No records found", caption, BoxIcon::Warning, BoxButtons::Ok);
        } else {
            Ui().MessageBox(nullptr, text, caption, BoxIcon::Error, BoxButtons::Ok);
        }
    } else if (!text.empty()) {
        EnableProcessTimer();
        Ui().MessageBox(nullptr, text, caption, BoxIcon::Error, BoxButtons::Ok);
    }
}

void KVNEventManager::KeepFailureLines(std::vector<std::string> lines) {
    if (lines.empty()) return;
    ErrorLines.insert(ErrorLines.end(), std::make_move_iterator(lines.begin()),
                      std::make_move_iterator(lines.end()));
    CommandFailed = true;
}

void KVNEventManager::ResetQuerySlots() {
    for (QuerySlot& slot : QuerySlots) {
        slot.RowCounter = -1;
        slot.PendingSequence = 0;
        slot.ErrorText.clear();
    }
    HourglassCount = 0;
    RestoreCursor();
}

void KVNEventManager::ShowHourglass() {
    if (hourglassShown_) return;
    Ui().BeginBusy();
    hourglassShown_ = true;
}

void KVNEventManager::RestoreCursor() {
    if (!hourglassShown_) return;
    Ui().EndBusy();
    hourglassShown_ = false;
}

void KVNEventManager::EnableProcessTimer() {
    if (ProcessTimer) ProcessTimer->SetEnabled(true);
}

void KVNEventManager::ShowStartupScreen() {
    CloseStartupScreen();
    StartupScreen = new TStartupScreen();
    StartupScreen->ShowCentredOn(MainWindow());
    // Painted now: the pump keeps the GUI waiting until the load ends.
    Ui().ProcessMessages();
}

void KVNEventManager::CloseStartupScreen() {
    if (!StartupScreen) return;
    TStartupScreen* screen = StartupScreen;
    StartupScreen = nullptr;
    screen->hide();
    delete screen;
}

void KVNEventManager::OnConnectionAcknowledgment(const char* message, int32_t length) {
    DisconnectToken = ReceivedText(message, length, 2, 4, "    ");
    SequenceCounter = length >= 14 ? ParseDigitText(message + 6, 8) : 0;
    const char userType = length >= 20 ? message[19] : ' ';
    UserTypeM = userType == 'M';
    UserTypeS = userType == 'S';
    UserTypeA = userType == 'A';
    UserTypeP = userType == 'P';

    Brae_TF_ComponentNotice notice;
    VersionInfo version(GetExecutableDirectory() + "korvane");
    notice.Prepare(int32_t(++SequenceCounter), version);
    Queue(MessageQueue, notice);

    PasswordChangeRequired = length >= 19 && message[18] == 'Y';
    DaysToPasswordExpiry = ReceivedText(message, length, 14, 4, "0000");
    LoggedIn = !PasswordChangeRequired;
    Loading = true;
    LoadConnection = ClientSocketEvent ? ClientSocketEvent->GetConnectionCount() : 0;
    LoadDeadline = LoadTimeout == 0 ? 0 : GetEventClockTime() + int64_t(LoadTimeout) * kNanosecondsPerSecond;
    ShowStartupScreen();
}

void KVNEventManager::OnHeartbeatQuestion(const char* message, int32_t length) {
    // The one response record, refilled: only what the question holds is echoed.
    HeartbeatResponse = Brae_TI_HeartbeatResponse();
    ReadReceivedField(HeartbeatResponse.HeartbeatId, message, length, 2);
    ReadReceivedField(HeartbeatResponse.LoadCounter, message, length, 10);
    ReadReceivedField(HeartbeatResponse.HeartbeatTime, message, length, 16);
    Queue(MessageQueue, HeartbeatResponse);
    LastHeartbeatTime = MGlobalDateTimeClock::Now(true);
    if (!Loading) return;

    const int32_t counter = DecodeLoadCounter(reinterpret_cast<const char*>(&HeartbeatResponse.LoadCounter));
    if (counter != LastLoadCounter) {
        LastLoadCounter = counter;
        return;
    }
    Loading = false;
    CloseStartupScreen();
    if (!PasswordChangeRequired) return;
    EnableProcessTimer();
    if (!ChangePassword()) {
        LoggedIn = false;
        UserTypeS = false;
        UserTypeA = false;
    }
}

void KVNEventManager::OnTechnicalErrorNotice(const char* message, int32_t length) {
    // Copied before the box: its modal loop pumps, and the pump reuses the message's buffer.
    const std::string text = NoticeText(message, length, 20, 100);
    EnableProcessTimer();
    Ui().MessageBox(MainWindow(), text, "Connection Status", BoxIcon::Error, BoxButtons::Ok);
}

void KVNEventManager::OnPasswordResetRefused(const std::string& text) {
    PasswordResetSequence = 0;
    EnableProcessTimer();
    Ui().MessageBox(MainWindow(), text, "Password Reset", BoxIcon::Error, BoxButtons::Ok);
    ChangePassword();
}

void KVNEventManager::OnPasswordResetAcknowledgment(const char*, int32_t) {
    if (PasswordResetSequence == 0) {
        MLOG(LOG_ERROR, "Password reset acknowledgment received with no password reset pending: ignored");
        return;
    }
    PasswordResetSequence = 0;
    PasswordChangeRequired = false;
    Password = NewPassword;
    LoggedIn = true;
    EnableProcessTimer();
    Ui().MessageBox(MainWindow(), "Password was successfully changed.", "Password Change",
                    BoxIcon::Information, BoxButtons::Ok);
}
