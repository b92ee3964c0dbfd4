#pragma once
// The client's session manager: the one object through which the client talks to the reporting
// server. It owns the connection events, the outgoing message queue, the data store and the login
// state; the main window pumps it and refreshes the grids from its process timer. GUI thread only.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "brae/BraeGroupInstrumentDefinition.h"
#include "brae/BraeParticipantDefinition.h"
#include "brae/Brae_TI_HeartbeatResponse.h"
#include "brae/EnumBraeMsgType.h"
#include "fields/CommandEnumerations.h"
#include "fields/MDateText.h"
#include "fields/MRPString.h"
#include "net/MComVectorMessageMaster.h"
#include "net/MEventProcessWinMsg.h"
#include "session/ClientEvent.h"
#include "session/CommandDescription.h"
#include "session/EventManager.h"
#include "session/FixedKeyTable.h"
#include "session/FixedTextHash.h"
#include "session/GridClientData.h"
#include "session/PositionIdIndex.h"
#include "store/BaseKey.h"
#include "store/CommandHistory.h"
#include "store/DataHandler.h"
#include "store/HistoricalAccountData.h"
#include "store/HistoricalCommandData.h"
#include "store/HistoricalPositionData.h"
#include "store/HistoricalSubmissionData.h"
#include "store/KB_Position.h"
#include "store/KR_Account.h"

class InterfaceView;
class Timer;
class TStartupScreen;

class KVNEventManager : public EventManager {
public:
    // A handler of received messages: the message in place and its received length.
    using Handler = void (KVNEventManager::*)(const char* message, int32_t length);

    // One entry of the dispatch: a received type, its handler, whether it is dropped unread while
    // the initial load runs, and the bytes its handler reads (a shorter message is logged, and
    // its missing fields keep their defaults).
    // A counted message also gives where its element count stands (CountWidth digits at
    // CountOffset; 0: not counted) and its elements (ElementSize bytes each from ElementsOffset).
    struct DispatchEntry {
        const char* Code;
        EnumBraeMsgType Type;
        Handler Handle;
        bool SkippedWhileLoading;
        int32_t Length;
        int32_t CountOffset = 0;
        int32_t CountWidth = 0;
        int32_t ElementsOffset = 0;
        int32_t ElementSize = 0;
    };
    static constexpr std::size_t kDispatchCount = 23;
    static const std::array<DispatchEntry, kDispatchCount>& GetDispatchTable();
    // The entry of a type, or null for a type the session ignores.
    static const DispatchEntry* FindDispatchEntry(EnumBraeMsgType type);
    // A counted message whose count claims more elements than its length bytes hold whole: true,
    // with clamped a copy of it counting only those (logged). False for any other message.
    static bool ClampCount(const DispatchEntry& entry, const char* message, int32_t length,
                           std::string& clamped);

    struct QuerySlot {
        int32_t RowCounter = -1;  // -1: no query data running; 0: started; n: n rows received
        uint32_t PendingSequence = 0;
        std::string ErrorText;
        std::string Firm = std::string(4, ' ');
        std::string StartDate;  // YYYYMMDD
        std::string EndDate;    // YYYYMMDD
    };

    // Event ids on the event loop.
    static constexpr int32_t kClientEventId = 2;
    static constexpr int32_t kWindowMessageEventId = 3;
    // The window message that tells a grid window its kind of data changed.
    static constexpr uint32_t kDataChanged = 0x8001;

    using AccountText = MRPString<16, 32, MValAccept>;
    using FirmUnitMemberText = MRPString<8, 32, MValAccept>;
    using ParticipantIdText = MRPString<4, 32, MValAccept>;

    KVNEventManager();
    ~KVNEventManager() override;

    bool Connect() override;
    void RegisterGridClient(uint32_t window) override;
    void Disconnect() override;
    void UnregisterGridClient(uint32_t window) override;
    void ProcessEvents() override;
    void CollectErrors() override;
    virtual void RefreshGrids();

    bool IsConnected() const;
    // Whether the connection the initial load came on is still up (not lost, nor replaced by a
    // reconnection).
    bool IsLoadConnectionUp() const;
    // The initial load ran out of time: the load is left, the connection closed (the client
    // socket stays inactive until the next login), the "Server Connection" box shown and the
    // session reset, so that the user can log in again.
    void EndUnfinishedLoad();
    bool IsReady() const { return IsConnected() && LoggedIn && !Loading; }
    bool CanLogin() const { return !LoggedIn && !PasswordChangeRequired; }
    bool IsSupervisor() const { return UserTypeM || UserTypeS; }

    // Session protocol.
    // Keeps the credentials and sends the user connection.
    void Login(const std::string& userName, const std::string& password);
    // Activates the client socket and queues the user connection (TC) with the kept credentials;
    // nothing without a client socket event (no address lists).
    void SendUserConnection();
    // Queues the user disconnection (TD), forgets the heartbeats and resets the session; the
    // client socket stays active.
    void Logout();
    // Fails the unanswered commands, empties the store, then every registered grid window's view
    // (each is marked new and told of the change, in ascending handle order), sets the query
    // slots idle and leaves the logged-in state. The sequence counter and the heartbeat state stay.
    void ResetSession();
    // Asks for a new password in the modify-password dialog and, on OK, queues the password
    // reset; false when the user cancelled.
    bool ChangePassword();
    void SetNewPassword(const std::string& password);
    // The proof the password dialogs compare: as the user connection's, without a login time.
    static std::string ComputePasswordProof(const std::string& password);
    // Queues the password reset (TR) of Password to NewPassword under the next sequence number,
    // kept in PasswordResetSequence. False, with nothing queued, when it cannot be encrypted.
    bool SendPasswordReset();
    // The value of a heartbeat question's 6-character load counter: the base-62 number of the
    // characters after the first, as many as follow its leading blanks, less one.
    static int32_t DecodeLoadCounter(const char* counter);

    // Commands and their outcomes. SendCommand numbers the command with the next sequence number,
    // records it as pending (all but the broadcast delimiter; a historical request also in its
    // query slot) and in the command history as Sent, and queues it with its length. Instantiated
    // for the 13 command and request classes the client sends.
    template <class M>
    void SendCommand(M& message, CommandDescription description);
    // The sequence number a server message answers: the 8 digits at offset 8 (0 when the message
    // does not hold them).
    static uint32_t GetAnsweredSequence(const char* message, int32_t length);
    // Settles the command a server message answers (the message holds at least the 16 bytes up to
    // the end of the answered number), or the command of that sequence number: its history entry
    // takes the status and, when a text is given, the first length characters of the text as its
    // error message; a failure adds a failure line and sets CommandFailed. The number leaves the
    // pending set. Nothing while loading.
    void CompleteCommand(const char* message, EnumActionStatusType status, const char* text = nullptr,
                         int32_t length = 0);
    void CompleteCommand(uint32_t sequence, EnumActionStatusType status, const char* text = nullptr,
                         int32_t length = 0);
    // Appends a connection-failure line for every pending command that has a history entry, in
    // ascending order, and empties the pending set; the statuses stay as they are.
    void FailPendingCommands(std::vector<std::string>& lines);
    // Acts on a delimiter of historical data (an EnumBraeDelimiterType index): a start opens its
    // query slot, an end reports the query and settles its command; any other changes nothing.
    void EndHistoricalQuery(int32_t delimiter);
    void StartHistoricalQuery(std::size_t slot);
    // The box at the end of a query, by its slot's row counter and error text.
    void ReportHistoricalQueryEnd(std::size_t slot, const std::string& caption);

    // Data store lookups and upkeep.
    // The 1-based place of the number, cut at its last non-blank, in AccountNumbers; 0: absent.
    int32_t FindAccountNumber(const AccountText& accountNumber) const;
    // Empties the entry at that 1-based place; 0 or a place beyond the list does nothing.
    void ForgetAccountNumber(int32_t place);
    // The session's position id of an account and instrument, handed out from 1 on first use.
    int32_t GetPositionId(const MRPString<2, 32, MValAccept>& group,
                          const MRPString<4, 32, MValAccept>& instrument, const AccountText& accountNumber,
                          const AccountText& accountId);
    // The id GetPositionId would give the same arguments, without handing out a new one: 0 when
    // the pair has none yet.
    int32_t FindPositionId(const MRPString<2, 32, MValAccept>& group,
                           const MRPString<4, 32, MValAccept>& instrument, const AccountText& accountNumber,
                           const AccountText& accountId) const;
    // Blanks firmUnitMember, then copies that of the first participant with this id.
    void SetFirmUnitMember(const ParticipantIdText& participantId, FirmUnitMemberText& firmUnitMember) const;
    bool HasMasterAccount() const;
    bool HasPositionForAccount(AccountText accountNumber, FirmUnitMemberText firmUnitMember) const;
    // True with reportable dates; otherwise shows the configuration error box and answers false.
    bool CheckReportableDates() const;
    // Empties the data store, its lists and indexes, the pending commands and the error lines.
    void ClearAll();

    // Grid clients and their refresh.
    void SetGridClient(uint32_t window, InterfaceView* view, ChildType kind);
    // Whether the changed or removed list of the kind's store holds a key; false for no kind.
    bool HasKindChanges(ChildType kind) const;
    void ClearChangeLists();

    // Handlers of the dispatch.
    void OnHeartbeatQuestion(const char* message, int32_t length);
    void OnTechnicalErrorNotice(const char* message, int32_t length);
    void OnConnectionAcknowledgmentStep(const char* message, int32_t length);  // clears has-connected first
    void OnConnectionAcknowledgment(const char* message, int32_t length);
    void OnDisconnectionAcknowledgment(const char* message, int32_t length);
    void OnErrorNotice(const char* message, int32_t length);
    void OnStandardAcknowledgment(const char* message, int32_t length);
    void OnBroadcastDelimiter(const char* message, int32_t length);
    void OnAccountDeleteAcknowledgment(const char* message, int32_t length);
    void OnPositionDeleteAcknowledgment(const char* message, int32_t length);
    void OnAccountAcknowledgment(const char* message, int32_t length);
    void OnPositionAcknowledgment(const char* message, int32_t length);
    void OnAccountSummary(const char* message, int32_t length);
    void OnBulkLinkAccountAcknowledgment(const char* message, int32_t length);
    void OnBulkInstrument(const char* message, int32_t length);
    void OnBulkParticipant(const char* message, int32_t length);
    void OnHistoricalAccountAcknowledgment(const char* message, int32_t length);
    void OnPasswordResetAcknowledgment(const char* message, int32_t length);
    void OnNonReportableAccountAcknowledgment(const char* message, int32_t length);
    void OnMonitoringAccountAcknowledgment(const char* message, int32_t length);
    void OnBulkDate(const char* message, int32_t length);
    void OnHistoricalPositionAcknowledgment(const char* message, int32_t length);
    void OnHistoricalSubmissionOutcomeAcknowledgment(const char* message, int32_t length);
    void OnHistoricalCommandAcknowledgment(const char* message, int32_t length);

    // Members, in the order the session lays them out.
    bool LoggedIn = false;
    bool Loading = false;
    std::string UserName;
    std::string Password;
    std::string NewPassword;
    bool PasswordChangeRequired = false;
    std::string DaysToPasswordExpiry = "0000";
    uint32_t PasswordResetSequence = 0;
    std::string EncryptionKey = std::string(16, ' ');
    uint32_t HeartbeatTimeout = 0;  // seconds
    // The initial load ends, as a lost connection does, when it has not ended this many seconds
    // after the connection acknowledgment; 0: no limit. Filled by the main window.
    uint32_t LoadTimeout = 300;
    int64_t LoadDeadline = 0;     // event clock count; 0: none
    uint32_t LoadConnection = 0;  // the client socket's connection the load comes on
    std::array<int32_t, 4> OpenHistoricalWindows{};
    std::array<QuerySlot, 4> QuerySlots;  // HV, PQ, OR, AR
    int16_t HourglassCount = 0;           // the toolkit's busy cursor keeps the cursor to restore
    int64_t LastHeartbeatTime = 0;        // framework clock count; 0: none
    std::unique_ptr<MEventProcessWinMsg> WindowMessageEvent;
    std::unique_ptr<ClientEvent> ClientSocketEvent;
    MComVectorMessageMaster MessageQueue{1024, 1024, 10000};
    std::string DisconnectToken = std::string(4, ' ');
    Brae_TI_HeartbeatResponse HeartbeatResponse;
    uint32_t SequenceCounter = 0;
    TStartupScreen* StartupScreen = nullptr;
    int32_t LastLoadCounter = 0;
    bool UserTypeM = false;
    bool UserTypeS = false;
    bool UserTypeP = false;
    bool UserTypeA = false;
    std::set<std::string> FirmNames;
    DataHandler<KR_Account> Accounts;
    DataHandler<KB_Position> Positions;
    DataHandler<CommandHistory> CommandHistories;
    DataHandler<HistoricalAccountData> HistoricalAccounts;
    DataHandler<HistoricalPositionData> HistoricalPositions;
    DataHandler<HistoricalSubmissionData> HistoricalSubmissions;
    DataHandler<HistoricalCommandData> HistoricalCommands;
    std::map<uint32_t, GridClientData> GridClients;
    std::vector<BraeGroupInstrumentDefinition> Instruments;
    // Moves on at every change of Instruments (a bulk instrument, the store emptied): a lookup
    // built over the list is built again once it moved.
    uint32_t InstrumentsVersion = 0;
    std::vector<BraeParticipantDefinition> Participants;
    std::vector<std::string> InstrumentKeys;  // Group and Instrument, 6 characters as received
    std::vector<std::string> AccountNumbers;
    // Group and Instrument as received -> 1 + the instrument's place in Instruments.
    FixedKeyTable<6> InstrumentIndex;
    // (account part, Group and Instrument as received) -> position id; the ids of each account part.
    PositionIdIndex PositionIds;
    int32_t PositionIdCounter = 0;
    std::vector<MDateYYYYMMDD> ReportableDates;
    Timer* ProcessTimer = nullptr;
    bool CommandFailed = false;
    std::set<uint32_t> PendingCommands;
    std::vector<std::string> ErrorLines;

    // Indexes over the lists above; each gives the first match that a scan of its list would.
    // Account number (16 characters as received) -> its 1-based place in AccountNumbers (-1: a
    // number forgotten since), and the places that hold the empty text (an account number of
    // blanks, or a forgotten one).
    FixedKeyTable<16> AccountNumberPlaces;
    std::set<int32_t> EmptyAccountNumberPlaces;
    // Participant id -> 1 + the place of the first participant with it; the first 25 characters
    // -> the participant's place.
    FixedKeyTable<4> ParticipantIdIndex;
    std::unordered_map<FixedTextKey<25>, int32_t, FixedTextHash> ParticipantNameIndex;

    // Hands one received message to its handler, as the pump does.
    void Dispatch(const char* message, int32_t length);

private:
    void StoreAccount(EnumBraeMsgType type, const char* message, int32_t length);
    // Sets the master account id of every stored position that carries the account id, in key
    // order, and pushes its key.
    void SetPositionsMaster(const AccountText& accountId, const AccountText& master);
    void RebuildParticipantIdIndex();
    // CompleteCommand with Done for the command a record acknowledgment answers.
    void CompleteAcknowledgment(const char* message, int32_t length);
    template <class T>
    void StoreHistoricalRow(DataHandler<T>& store, QuerySlot& slot, const char* message, int32_t length);
    template <class T>
    void RefillView(InterfaceView* view, const DataHandler<T>& store, bool masterAccountsOnly);
    // Calls visit with the store of the kind (the accounts for master accounts); false for no kind.
    template <class Self, class F>
    static bool VisitKindStore(Self& self, ChildType kind, F&& visit);
    // Calls visit with each of the seven stores.
    template <class F>
    void ForEachStore(F&& visit);
    // Re-enables the process timer before a box shown from inside the pump, so that heartbeats
    // keep being answered inside the box's modal loop.
    void EnableProcessTimer();
    void ShowStartupScreen();
    void CloseStartupScreen();
    // Ends a running initial load and a pending password change: the server or the client left
    // the session.
    void LeaveLoading();
    // The box of a refused password reset, then the dialog again.
    void OnPasswordResetRefused(const std::string& text);
    // The account part of a position id: the account's id number, else its place among the
    // account numbers, else 1.
    int32_t PositionAccountPart(const AccountText& accountNumber, const AccountText& accountId) const;
    // The group and the instrument as received.
    static PositionIdIndex::Instrument PositionInstrument(const MRPString<2, 32, MValAccept>& group,
                                                          const MRPString<4, 32, MValAccept>& instrument);
    // SendCommand's bookkeeping once the message is numbered and its description made.
    void RecordCommand(uint32_t sequence, EnumBraeMsgType type, CommandDescription description);
    // Commands left unanswered by a reset fail; the query slots and the hourglass start afresh.
    void KeepFailureLines(std::vector<std::string> lines);
    void ResetQuerySlots();
    void ShowHourglass();
    void RestoreCursor();

    bool hourglassShown_ = false;
};
