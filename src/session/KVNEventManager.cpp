#include "session/KVNEventManager.h"

#include <algorithm>

#include "core/CalendarConversion.h"
#include "core/DateTimeText.h"
#include "core/MError.h"
#include "core/ProcessClock.h"
#include "net/MSocketAddressList.h"
#include "net/MSocketBufferIn.h"
#include "net/MSocketBufferOut.h"

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
    if (ClientSocketEvent && ClientSocketEvent->HasConnected() && LoggedIn) {
        ResetSession();
        SendUserConnection();
    }
    for (;;) {
        int32_t length = 0, eventId = 0, type = 0;
        const char* data = GetMediator().GetNextMessage(length, eventId, type);
        if (!data || IsClosing() || !WindowMessageEvent) break;
        if (eventId == kClientEventId) {
            // Connection records of the event are not server messages.
            if (type == 'I') Dispatch(data, length);
        } else if (eventId == kWindowMessageEventId) {
            // While loading, window messages wait, unless the connection is gone.
            if (!Loading || !IsConnected()) break;
        }
    }
    CollectErrors();
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
}

// Grid clients, the refresh, the session protocol and the record and command handlers come with
// their own operations; until then these do nothing.
void KVNEventManager::RegisterGridClient(uint32_t) {}
void KVNEventManager::UnregisterGridClient(uint32_t) {}
void KVNEventManager::RefreshGrids() {}
void KVNEventManager::ResetSession() {}
void KVNEventManager::SendUserConnection() {}
void KVNEventManager::OnHeartbeatQuestion(const char*, int32_t) {}
void KVNEventManager::OnTechnicalErrorNotice(const char*, int32_t) {}
void KVNEventManager::OnConnectionAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnErrorNotice(const char*, int32_t) {}
void KVNEventManager::OnStandardAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnBroadcastDelimiter(const char*, int32_t) {}
void KVNEventManager::OnAccountDeleteAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnPositionDeleteAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnAccountAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnPositionAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnAccountSummary(const char*, int32_t) {}
void KVNEventManager::OnBulkLinkAccountAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnBulkInstrument(const char*, int32_t) {}
void KVNEventManager::OnBulkParticipant(const char*, int32_t) {}
void KVNEventManager::OnHistoricalAccountAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnPasswordResetAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnNonReportableAccountAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnMonitoringAccountAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnBulkDate(const char*, int32_t) {}
void KVNEventManager::OnHistoricalPositionAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnHistoricalSubmissionOutcomeAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnHistoricalCommandAcknowledgment(const char*, int32_t) {}
