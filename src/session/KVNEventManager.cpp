#include "session/KVNEventManager.h"

#include <QPointer>
#include <algorithm>

#include "brae/Brae_TC_UserConnection.h"
#include "brae/Brae_TD_UserDisconnection.h"
#include "brae/Brae_TF_ComponentNotice.h"
#include "brae/Brae_TR_PasswordReset.h"
#include "brae/ReceivedMessage.h"
#include "core/CalendarConversion.h"
#include "core/DateTimeText.h"
#include "core/IniFileLocation.h"
#include "core/MError.h"
#include "core/ProcessClock.h"
#include "core/VersionInfo.h"
#include "fields/NumericTextParsing.h"
#include "grid/TModifyPasswordForm.h"
#include "net/MSocketAddressList.h"
#include "net/MSocketBufferIn.h"
#include "net/MSocketBufferOut.h"
#include "session/TStartupScreen.h"
#include "store/InterfaceView.h"
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

// The window message that tells a grid window its data changed.
constexpr uint32_t kDataChanged = 0x8001;
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
    // A load or a password change that the server ended must not hold the pump or Login.
    LeaveLoading();
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
    // The store first: a window that pulls its changes on the message finds nothing left over.
    ClearAll();
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
    SendPasswordReset();
    return true;
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

void KVNEventManager::OnErrorNotice(const char* message, int32_t length) {
    BraeNb8 answered;
    ReadReceivedField(answered, message, length, 8);
    const auto sequence = uint32_t(BraeHeaderIncoming::GetUserSequenceID(answered));
    const std::string text = NoticeText(message, length, 28, 100);
    // No password reset is pending while its number is 0, whatever a notice names.
    if (PasswordResetSequence != 0 && sequence == PasswordResetSequence) OnPasswordResetRefused(text);
}

void KVNEventManager::OnPasswordResetRefused(const std::string& text) {
    EnableProcessTimer();
    Ui().MessageBox(MainWindow(), text, "Password Reset", BoxIcon::Error, BoxButtons::Ok);
    ChangePassword();
}

void KVNEventManager::OnPasswordResetAcknowledgment(const char*, int32_t) {
    PasswordChangeRequired = false;
    Password = NewPassword;
    LoggedIn = true;
    EnableProcessTimer();
    Ui().MessageBox(MainWindow(), "Password was successfully changed.", "Password Change",
                    BoxIcon::Information, BoxButtons::Ok);
}

// The store and its change lists are emptied with the store's own operations.
void KVNEventManager::ClearAll() {}

// Grid clients, the refresh and the record and command handlers come with their own operations;
// until then these do nothing.
void KVNEventManager::RegisterGridClient(uint32_t) {}
void KVNEventManager::UnregisterGridClient(uint32_t) {}
void KVNEventManager::RefreshGrids() {}
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
void KVNEventManager::OnNonReportableAccountAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnMonitoringAccountAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnBulkDate(const char*, int32_t) {}
void KVNEventManager::OnHistoricalPositionAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnHistoricalSubmissionOutcomeAcknowledgment(const char*, int32_t) {}
void KVNEventManager::OnHistoricalCommandAcknowledgment(const char*, int32_t) {}
