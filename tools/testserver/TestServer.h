#pragma once
// A reporting server for loopback use: listens on 127.0.0.1, serves each connection as one
// session in Brae frames, and answers the client's exchanges byte for byte. It runs on a thread
// of its own; the scenario controls below may be called from any thread.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testserver {

struct ServerUser {
    std::string password;
    std::string encryptionKey;  // 16 characters
    char userType = 'P';
    int daysToExpiry = 30;
    bool changeRequired = false;
};

// One message as it arrived, with its arrival time and the session it came on.
struct Arrival {
    std::string bytes;
    std::chrono::steady_clock::time_point at;
    int session = 0;
};

class TestServer {
public:
    struct Options {
        uint16_t port = 0;  // 0: a free port chosen by the system
        std::chrono::milliseconds heartbeatInterval{1000};
        std::string token = "TOK1";
        uint32_t sequenceSeed = 1000;
        // 0: the demo data set; otherwise a generated one of that many client accounts with one
        // position each (for benchmarks).
        std::size_t generatedAccounts = 0;
        // Not 0: the initial load is that many position acknowledgments of one demo position
        // instead of the data set, with a heartbeat question of a new load counter before every
        // loadHeartbeatEvery of them (for benchmarks).
        std::size_t loadRecords = 0;
        std::size_t loadHeartbeatEvery = 10000;
    };

    TestServer();
    explicit TestServer(Options options);

    // The demo's reportable dates on the local day of now, as YYYYMMDD, oldest first as a client
    // reads them (the first is the start of its range): the day before, then that day.
    static std::vector<std::string> ReportableDates(std::time_t now);
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    // Binds and listens, then serves on the server's thread; false when the port cannot be bound.
    bool Start();
    void Stop();
    uint16_t GetPort() const { return port_; }

    // The demo users: one per user type ("part" P, "psup" A, "jek" M, "jsup" S), password
    // "secret", encryption key "0123456789abcdef".
    void AddDemoUsers();
    void AddUser(const std::string& name, const ServerUser& user);

    // Scenario controls.
    void SendRaw(const std::string& message);  // to every open session
    // count copies of one message, framed once ahead (for benchmarks).
    void SendRawRepeated(const std::string& message, std::size_t count);
    void SendTechnicalError(const std::string& text);
    void SendDisconnection();
    void DropConnections(bool withDisconnection);
    void HoldEndOfLoad(bool hold);  // releasing sends the held end-of-load heartbeat
    void StopHeartbeats(bool stop);
    // The next initial load stops after that many of its messages and its connection closes (once;
    // 0: off). Held (HoldEndOfLoad), a load falls silent with the connection open; kept going, it
    // never ends: position acknowledgments of kEndlessLoadAccount, an account outside the data set,
    // about 10,000 a second, and a heartbeat question of a new load counter every heartbeat interval.
    void DropDuringLoad(std::size_t messages);
    void KeepLoading(bool keep);
    static constexpr const char* kEndlessLoadAccount = "LOAD-0";
    // A password reset acknowledgment that answers no reset.
    void SendUnaskedPasswordAcknowledgment();
    // Answers every command of that two-letter type, or the one with that 8-digit sequence
    // number, with an error notice of that text.
    void AnswerWithError(const std::string& type, const std::string& text);
    void AnswerSequenceWithError(const std::string& sequence, const std::string& text);
    // Leaves every command of that type, or the one with that sequence number, unanswered.
    void LeaveUnanswered(const std::string& type);
    void LeaveSequenceUnanswered(const std::string& sequence);
    // Answers every command of that type only after the delay.
    void AnswerLate(const std::string& type, std::chrono::milliseconds delay);
    void AnswerSequenceLate(const std::string& sequence, std::chrono::milliseconds delay);

    // The bytes of the initial load that a login receives, framed, as the server sends them: for
    // a benchmark's replay. Before Start only (the data belongs to the server's thread after).
    std::string CaptureLoad();

    std::vector<Arrival> GetReceived() const;
    // Waits until at least count messages arrived, or the wait ended; whether they did.
    bool WaitForReceived(std::size_t count,
                         std::chrono::milliseconds wait = std::chrono::milliseconds(2000)) const;
    int GetConnectionCount() const { return connections_.load(); }
    int GetOpenSessionCount() const { return openSessions_.load(); }

private:
    struct Session;
    void Run();
    void Post(std::function<void()> action);
    void Serve(Session& session);
    void Handle(Session& session, const std::string& message);
    void OnUserConnection(Session& session, const std::string& message);
    void OnPasswordReset(Session& session, const std::string& message);
    void SendLoad(Session& session);
    void SendRecordLoad(Session& session);
    // Keeps the first dropLoadAfter_ frames of the load queued from loadStart and closes once they went.
    void DropLoad(Session& session, std::size_t loadStart);
    // A generated data set's load: the reference data at once, then the accounts and positions
    // streamed by StreamLoad as the socket takes them, then the end of the load.
    void StartGeneratedLoad(Session& session);
    void StreamLoad(Session& session);
    // The records of a kept-going load due since the last ones, as long as the client reads.
    void SendEndlessRecords(Session& session, std::chrono::steady_clock::time_point now);
    void Send(Session& session, const std::string& message);
    std::string HeartbeatQuestion();

    Options options_;
    int listener_ = -1;
    int wake_[2] = {-1, -1};
    uint16_t port_ = 0;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::atomic<int> connections_{0};
    std::atomic<int> openSessions_{0};

    mutable std::mutex mutex_;
    mutable std::condition_variable arrived_;
    std::vector<std::function<void()>> actions_;
    std::vector<Arrival> received_;

    // Server thread only.
    std::vector<Session*> sessions_;
    std::map<std::string, ServerUser> users_;
    struct Rule {
        enum Kind { Error, Silent, Late } kind;
        std::string type;      // empty: any
        std::string sequence;  // empty: any
        std::string text;
        std::chrono::milliseconds delay{0};
    };
    struct Delayed {
        int session;
        std::chrono::steady_clock::time_point due;
        std::string message;
    };
    void AddRule(Rule rule);
    void Answer(Session& session, const std::vector<std::string>& messages, std::chrono::milliseconds delay);
    // The server's data: account bodies (bytes 24 to 417 of a KR) by account number, position
    // bodies (bytes 24 to 122 of a KB) by account number, group, instrument and report date.
    void AddDemoData();
    void AddAccount(const std::string& number, const std::string& name, const std::string& participant,
                    char kind);
    void AddPosition(const std::string& number);
    std::string ApplyCommand(const std::string& type, const std::string& message,
                             const std::string& sequence);
    // The rows answering a historical query (JZ, PH, OH or RA), for the firm of bytes 65 to 68
    // (blanks: every firm) and, for positions, the report dates of bytes 49 to 64.
    std::vector<std::string> HistoricalRows(const std::string& type, const std::string& message,
                                            const std::string& sequence) const;
    // One audit row per command applied for a session: bytes 24 to 359 of an RA.
    void Audit(const Session& session, const std::string& type, const std::string& sequence);
    std::vector<std::string> audit_;
    std::map<std::string, std::string> accounts_;
    std::map<std::string, std::string> positions_;
    uint32_t nextAccountId_ = 1001;
    std::vector<Rule> rules_;
    std::vector<Delayed> delayed_;
    bool holdEndOfLoad_ = false;
    bool stopHeartbeats_ = false;
    std::size_t dropLoadAfter_ = 0;
    bool keepLoading_ = false;
    uint64_t loadCounter_ = 0;
    uint32_t heartbeatNumber_ = 0;
    std::string loadBlock_;  // the framed records between two heartbeats of a record load
};

}  // namespace testserver
