#include "testserver/TestServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <deque>

#include "core/MError.h"
#include "testserver/ServerMessages.h"

namespace testserver {

using Clock = std::chrono::steady_clock;

struct TestServer::Session {
    int fd = -1;
    int id = 0;
    std::string in;
    std::string out;
    std::size_t outSent = 0;  // bytes of out already sent; they are dropped once all or a megabyte went
    // Bytes that go before out: pieces of texts the session owns or of blocks the server shares
    // (a record load), sent in order.
    std::deque<std::string> pieceTexts;
    std::vector<std::pair<const char*, std::size_t>> pieces;
    std::size_t nextPiece = 0;
    std::size_t pieceSent = 0;
    bool HasOutput() const { return !out.empty() || nextPiece < pieces.size() || streaming; }
    void AddPiece(std::string text) {
        pieceTexts.push_back(std::move(text));
        pieces.emplace_back(pieceTexts.back().data(), pieceTexts.back().size());
    }
    bool loggedIn = false;
    std::string user;
    bool loading = false;
    bool loaded = false;  // heartbeats run once the initial load ended
    bool endHeld = false;
    bool closeAfterFlush = false;
    Clock::time_point nextHeartbeat;
    // A kept-going load: when its last records went.
    Clock::time_point lastEndlessRecords;
    // A generated load streams its accounts, then its positions, as the socket takes them.
    bool streaming = false;
    std::map<std::string, std::string>::const_iterator nextAccount;
    std::map<std::string, std::string>::const_iterator nextPosition;
};

namespace {

// The commands that the server answers, each with the sequence number of bytes 16 to 23.
constexpr const char* kCommands[] = {"AN", "AM", "AL", "AD", "MC", "PN", "PD", "PU"};

// The historical queries with the codes of their start and end delimiters.
struct HistoricalQuery {
    const char* type;
    const char* start;
    const char* end;
};
constexpr HistoricalQuery kQueries[] = {
    {"HV", "SH", "EH"}, {"PQ", "SO", "EO"}, {"OR", "SU", "EU"}, {"AR", "SC", "EC"}};

std::string TimeOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%02d", local.tm_hour % 100, local.tm_min % 100,
                  local.tm_sec % 100);
    return text;
}

std::string DateText(const std::tm& local) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", (local.tm_year + 1900) % 10000, (local.tm_mon + 1) % 100,
                  local.tm_mday % 100);
    return text;
}

// The demo's reportable dates now: yesterday, then today.
std::string Yesterday() {
    return TestServer::ReportableDates(std::time(nullptr))[0];
}
std::string Today() {
    return TestServer::ReportableDates(std::time(nullptr))[1];
}

// The demo reference data: two instruments (a call and a put) and one participant of type 'P'
// per demo firm.
const std::vector<std::string> kDemoInstruments = {
    MakeInstrument("OP", "ABC1", 'C', "2000012500", "20301220", "ABC", "ABC 20301220 C 125.00"),
    MakeInstrument("OP", "ABP1", 'P', "2000011000", "20301220", "ABC", "ABC 20301220 P 110.00"),
};
const std::vector<std::string> kDemoParticipants = {
    MakeParticipant("Northwind Trading", "NWT1", "NWT00001", 'P', "NORTHWND"),
    MakeParticipant("Harbour Securities", "HBS1", "HBS00001", 'P', "HARBOUR"),
};

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<std::string> TestServer::ReportableDates(std::time_t now) {
    std::tm today{};
    localtime_r(&now, &today);
    // The day before through the calendar, at noon: a day of 23 or 25 hours is still one day.
    std::tm before = today;
    before.tm_mday -= 1;
    before.tm_hour = 12;
    before.tm_min = before.tm_sec = 0;
    before.tm_isdst = -1;
    const std::time_t noon = std::mktime(&before);
    localtime_r(&noon, &before);
    return {DateText(before), DateText(today)};
}

TestServer::TestServer() : TestServer(Options{}) {}

TestServer::TestServer(Options options) : options_(std::move(options)) {
    AddDemoData();
}

namespace {

std::string Header(const std::string& type, const std::string& sequence) {
    return type + std::string(6, ' ') + Left(sequence, 8) + std::string(8, ' ');
}

// Bytes of a message from offset, blank-filled when the message is shorter.
std::string BytesAt(const std::string& message, std::size_t offset, std::size_t width) {
    return Left(offset < message.size() ? message.substr(offset, width) : std::string(), width);
}

std::string AccountKey(const std::string& number) {
    return Trim(Left(number, 16));
}

}  // namespace

void TestServer::AddAccount(const std::string& number, const std::string& name,
                            const std::string& participant, char kind) {
    // An AN message, then the fields the server adds.
    const std::string entry = std::string(24, ' ') + " " + Left("Demo", 24) + Left(number, 16) + "1A" +
                              Left("OWNER", 24) + std::string(24, ' ') + " " + Left(name, 25) +
                              Left("1 Demo Street", 48) + Left("Springfield", 24) + std::string(24, ' ') +
                              Left("12345", 12) + std::string(48, ' ') + Left("demo@example.com", 48) + "US" +
                              Left(participant, 4);
    const std::string body = ApplyCommand("AN", entry, Digits(0, 8)).substr(24);
    accounts_[AccountKey(number)] = body.substr(0, 344) + kind + body.substr(345);
}

void TestServer::AddPosition(const std::string& number) {
    const std::string entry =
        std::string(24, ' ') + Yesterday() + " " + Left(number, 16) + "OPABC1" + "00000010" + "00000000";
    ApplyCommand("PN", entry, Digits(0, 8));
}

void TestServer::AddDemoData() {
    if (options_.generatedAccounts > 0) {
        for (std::size_t i = 0; i < options_.generatedAccounts; ++i) {
            const std::string number = "GN-" + std::to_string(i);
            AddAccount(number, "Generated " + std::to_string(i), "NWT1", 'C');
            AddPosition(number);
        }
        return;
    }
    // Client accounts and one master account per demo firm; positions on two client accounts.
    const struct {
        const char* number;
        const char* name;
        const char* participant;
        char kind;
    } accounts[] = {{"NW-100", "Northwind Client A", "NWT1", 'C'},
                    {"NW-101", "Northwind Client B", "NWT1", 'C'},
                    {"NW-M1", "Northwind Master", "NWT1", 'M'},
                    {"HB-200", "Harbour Client A", "HBS1", 'C'},
                    {"HB-M1", "Harbour Master", "HBS1", 'M'}};
    for (const auto& a : accounts) AddAccount(a.number, a.name, a.participant, a.kind);
    for (const char* number : {"NW-100", "HB-200"}) AddPosition(number);
}

std::string TestServer::ApplyCommand(const std::string& type, const std::string& message,
                                     const std::string& sequence) {
    if (type == "AN" || type == "AM") {
        // AM lacks the entry action letter and ends with its flags.
        const bool am = type == "AM";
        const std::string fields = am ? " " + BytesAt(message, 24, 326) : BytesAt(message, 24, 327);
        const std::string key = AccountKey(fields.substr(25, 16));
        std::string& body = accounts_[key];
        const std::string accountId =
            body.empty() ? Left(std::to_string(nextAccountId_++), 16) : body.substr(328, 16);
        const std::string kind = body.empty() ? "C" : body.substr(344, 1);
        const std::string master = body.empty() ? std::string(16, ' ') : body.substr(345, 16);
        const std::string flags = am             ? BytesAt(message, 350, 32)
                                  : body.empty() ? std::string(32, 'N')
                                                 : body.substr(361, 32);
        body = fields + " " + accountId + kind + master + flags;
        return am ? Header("QR", sequence) + body.substr(1) : Header("KR", sequence) + body;
    }
    if (type == "AD") {
        accounts_.erase(AccountKey(BytesAt(message, 24, 16)));
        return Header("KA", sequence) + BytesAt(message, 24, 32);
    }
    if (type == "MC") {
        const auto account = accounts_.find(AccountKey(BytesAt(message, 24, 16)));
        if (account != accounts_.end()) account->second.replace(361, 32, BytesAt(message, 61, 32));
        return Header("KX", sequence) + BytesAt(message, 24, 69);
    }
    if (type == "AL") {
        const std::string master = BytesAt(message, 24, 16);
        const bool remove = BytesAt(message, 40, 1) == "D";
        const std::size_t count =
            std::min<std::size_t>(std::strtoul(BytesAt(message, 41, 4).c_str(), nullptr, 10), 100);
        for (std::size_t i = 0; i < count; ++i) {
            const std::string id = BytesAt(message, 45 + 16 * i, 16);
            for (auto& [number, body] : accounts_)
                if (body.substr(328, 16) == id) body.replace(345, 16, remove ? std::string(16, ' ') : master);
        }
        return Header("KL", sequence) + BytesAt(message, 24, 21 + 16 * count);
    }
    if (type == "PN") {
        const std::string account = BytesAt(message, 33, 16);
        const auto found = accounts_.find(AccountKey(account));
        const std::string& a = found == accounts_.end() ? std::string() : found->second;
        std::string body = BytesAt(message, 24, 47) + " " +
                           (a.empty() ? std::string(16, ' ') : a.substr(345, 16)) +
                           (a.empty() ? std::string(16, ' ') : a.substr(328, 16)) +
                           (a.empty() ? std::string(4, ' ') : a.substr(323, 4)) + Today() + TimeOfDay();
        positions_[AccountKey(account) + "|" + body.substr(25, 6) + "|" + body.substr(0, 8)] = body;
        return Header("KB", sequence) + body;
    }
    if (type == "PD") {
        const std::string account = BytesAt(message, 24, 16);
        const std::string date = BytesAt(message, 46, 8);
        const auto found = accounts_.find(AccountKey(account));
        positions_.erase(AccountKey(account) + "|" + BytesAt(message, 40, 6) + "|" + date);
        return Header("KF", sequence) + BytesAt(message, 24, 22) + std::string(16, ' ') +
               (found == accounts_.end() ? std::string(16, ' ') : found->second.substr(328, 16)) + "    " +
               date;
    }
    return Header("KO", sequence);
}

TestServer::~TestServer() {
    Stop();
}

bool TestServer::Start() {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    if (listener_ < 0) return false;
    const int on = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(options_.port);
    socklen_t size = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 8) != 0 || ::pipe(wake_) != 0) {
        MLOG(LOG_ERROR, "Test server cannot listen on port %u", unsigned(options_.port));
        ::close(listener_);
        listener_ = -1;
        return false;
    }
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    ::fcntl(listener_, F_SETFL, O_NONBLOCK);
    thread_ = std::thread([this] { Run(); });
    return true;
}

void TestServer::Stop() {
    if (!thread_.joinable()) return;
    stopping_ = true;
    const char byte = 0;
    (void)!::write(wake_[1], &byte, 1);
    thread_.join();
    ::close(listener_);
    ::close(wake_[0]);
    ::close(wake_[1]);
    listener_ = wake_[0] = wake_[1] = -1;
}

void TestServer::Post(std::function<void()> action) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        actions_.push_back(std::move(action));
    }
    if (wake_[1] >= 0) {
        const char byte = 0;
        (void)!::write(wake_[1], &byte, 1);
    }
}

void TestServer::AddDemoUsers() {
    const std::pair<const char*, char> users[] = {{"part", 'P'}, {"psup", 'A'}, {"jek", 'M'}, {"jsup", 'S'}};
    for (const auto& [name, type] : users)
        AddUser(name, ServerUser{"secret", "0123456789abcdef", type, 30, false});
}

void TestServer::AddUser(const std::string& name, const ServerUser& user) {
    Post([this, name, user] { users_[name] = user; });
}

void TestServer::SendRaw(const std::string& message) {
    Post([this, message] {
        for (Session* session : sessions_) Send(*session, message);
    });
}

void TestServer::SendRawRepeated(const std::string& message, std::size_t count) {
    Post([this, frame = FrameMessage(message), count] {
        for (Session* session : sessions_) {
            session->out.reserve(session->out.size() + frame.size() * count);
            for (std::size_t i = 0; i < count; ++i) session->out += frame;
        }
    });
}

void TestServer::SendTechnicalError(const std::string& text) {
    SendRaw(MakeTechnicalError(text));
}

void TestServer::SendDisconnection() {
    SendRaw(MakeDisconnection());
}

void TestServer::DropConnections(bool withDisconnection) {
    Post([this, withDisconnection] {
        for (Session* session : sessions_) {
            if (withDisconnection) Send(*session, MakeDisconnection());
            session->closeAfterFlush = true;
        }
    });
}

void TestServer::HoldEndOfLoad(bool hold) {
    Post([this, hold] {
        holdEndOfLoad_ = hold;
        if (hold) return;
        for (Session* session : sessions_) {
            if (!session->endHeld) continue;
            session->endHeld = false;
            session->loading = false;
            session->loaded = true;
            Send(*session, HeartbeatQuestion());
        }
    });
}

void TestServer::DropDuringLoad(std::size_t messages) {
    Post([this, messages] { dropLoadAfter_ = messages; });
}

void TestServer::KeepLoading(bool keep) {
    Post([this, keep] { keepLoading_ = keep; });
}

void TestServer::SendUnaskedPasswordAcknowledgment() {
    Post([this] {
        for (Session* session : sessions_) Send(*session, Header("TY", Digits(0, 8)));
    });
}

void TestServer::DropLoad(Session& session, std::size_t loadStart) {
    std::size_t end = loadStart;
    std::string message;
    for (std::size_t i = 0; i < dropLoadAfter_; ++i) {
        std::size_t consumed = 0;
        if (CutFrame(session.out.substr(end), message, consumed) != FrameCut::Message) break;
        end += consumed;
    }
    session.out.resize(end);
    session.loading = false;
    session.closeAfterFlush = true;
    dropLoadAfter_ = 0;
}

void TestServer::StopHeartbeats(bool stop) {
    Post([this, stop] { stopHeartbeats_ = stop; });
}

void TestServer::AddRule(Rule rule) {
    Post([this, rule] { rules_.push_back(rule); });
}

void TestServer::AnswerWithError(const std::string& type, const std::string& text) {
    AddRule({Rule::Error, type, "", text});
}

void TestServer::AnswerSequenceWithError(const std::string& sequence, const std::string& text) {
    AddRule({Rule::Error, "", sequence, text});
}

void TestServer::LeaveUnanswered(const std::string& type) {
    AddRule({Rule::Silent, type, "", ""});
}

void TestServer::LeaveSequenceUnanswered(const std::string& sequence) {
    AddRule({Rule::Silent, "", sequence, ""});
}

void TestServer::AnswerLate(const std::string& type, std::chrono::milliseconds delay) {
    AddRule({Rule::Late, type, "", "", delay});
}

void TestServer::AnswerSequenceLate(const std::string& sequence, std::chrono::milliseconds delay) {
    AddRule({Rule::Late, "", sequence, "", delay});
}

std::vector<Arrival> TestServer::GetReceived() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
}

bool TestServer::WaitForReceived(std::size_t count, std::chrono::milliseconds wait) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return arrived_.wait_for(lock, wait, [&] { return received_.size() >= count; });
}

std::string TestServer::HeartbeatQuestion() {
    return MakeHeartbeatQuestion(++heartbeatNumber_, LoadCounterText(loadCounter_), TimeOfDay());
}

void TestServer::Send(Session& session, const std::string& message) {
    session.out += FrameMessage(message);
}

void TestServer::Run() {
    int nextId = 0;
    const auto runActions = [this] {
        std::vector<std::function<void()>> actions;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            actions.swap(actions_);
        }
        for (auto& action : actions) action();
    };
    while (!stopping_) {
        runActions();

        const auto now = Clock::now();
        for (auto it = delayed_.begin(); it != delayed_.end();) {
            if (it->due > now) {
                ++it;
                continue;
            }
            for (Session* session : sessions_)
                if (session->id == it->session) Send(*session, it->message);
            it = delayed_.erase(it);
        }
        for (Session* session : sessions_) {
            if (keepLoading_ && session->endHeld) {
                SendEndlessRecords(*session, now);
                if (now < session->nextHeartbeat) continue;
                ++loadCounter_;
                Send(*session, HeartbeatQuestion());
                session->nextHeartbeat = now + options_.heartbeatInterval;
                continue;
            }
            if (!session->loaded || stopHeartbeats_ || now < session->nextHeartbeat) continue;
            Send(*session, HeartbeatQuestion());
            session->nextHeartbeat = now + options_.heartbeatInterval;
        }

        std::vector<pollfd> polls{{listener_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        bool output = false;
        for (Session* session : sessions_) {
            output |= session->HasOutput();
            polls.push_back({session->fd, short(POLLIN | (session->HasOutput() ? POLLOUT : 0)), 0});
        }
        // A large send queue reports room late: output pending is tried again each millisecond.
        ::poll(polls.data(), polls.size(), output ? 1 : 10);
        if (polls[1].revents & POLLIN) {
            char bytes[64];
            (void)!::read(wake_[0], bytes, sizeof bytes);
        }
        if (polls[0].revents & POLLIN) {
            const int fd = ::accept(listener_, nullptr, nullptr);
            if (fd >= 0) {
                ::fcntl(fd, F_SETFL, O_NONBLOCK);
                auto* session = new Session;
                session->fd = fd;
                session->id = ++nextId;
                sessions_.push_back(session);
                ++connections_;
                ++openSessions_;
            }
        }
        // A rule set before the client sent its command is in place when the command is read.
        runActions();
        for (Session* session : sessions_) Serve(*session);
        for (auto it = sessions_.begin(); it != sessions_.end();) {
            Session* session = *it;
            if (session->fd >= 0 && !(session->closeAfterFlush && !session->HasOutput())) {
                ++it;
                continue;
            }
            if (session->fd >= 0) ::close(session->fd);
            --openSessions_;
            delete session;
            it = sessions_.erase(it);
        }
    }
    for (Session* session : sessions_) {
        ::close(session->fd);
        delete session;
    }
    sessions_.clear();
    openSessions_ = 0;
}

void TestServer::Serve(Session& session) {
    char buffer[65536];
    // A client that sends its last messages and closes at once: they arrive together with the
    // end of the stream, and are taken before the session closes.
    bool ended = false;
    for (;;) {
        const ssize_t count = ::recv(session.fd, buffer, sizeof buffer, 0);
        if (count > 0) {
            session.in.append(buffer, std::size_t(count));
            continue;
        }
        ended = count == 0;
        break;
    }
    std::string message;
    std::size_t consumed = 0;
    for (;;) {
        const FrameCut cut = CutFrame(session.in, message, consumed);
        if (cut == FrameCut::Incomplete) break;
        if (cut == FrameCut::Bad) {
            MLOG(LOG_ERROR, "Test server closes session %d: unreadable frame", session.id);
            ::close(session.fd);
            session.fd = -1;
            return;
        }
        session.in.erase(0, consumed);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            received_.push_back({message, Clock::now(), session.id});
        }
        arrived_.notify_all();
        Handle(session, message);
    }
    if (ended) {
        ::close(session.fd);
        session.fd = -1;
        return;
    }
    while (session.nextPiece < session.pieces.size()) {
        const auto& [data, size] = session.pieces[session.nextPiece];
        const ssize_t count =
            ::send(session.fd, data + session.pieceSent, size - session.pieceSent, MSG_NOSIGNAL);
        if (count <= 0) return;
        session.pieceSent += std::size_t(count);
        if (session.pieceSent < size) continue;
        session.pieceSent = 0;
        if (++session.nextPiece < session.pieces.size()) continue;
        session.pieces.clear();
        session.pieceTexts.clear();
        session.nextPiece = 0;
    }
    if (session.streaming) StreamLoad(session);
    while (!session.out.empty()) {
        const ssize_t count = ::send(session.fd, session.out.data() + session.outSent,
                                     session.out.size() - session.outSent, MSG_NOSIGNAL);
        if (count <= 0) break;
        session.outSent += std::size_t(count);
        if (session.outSent < session.out.size()) continue;
        session.out.clear();
        session.outSent = 0;
    }
    // While a load streams, out rarely empties: drop what went, so that it stays near a megabyte.
    if (session.outSent >= (std::size_t(1) << 20)) {
        session.out.erase(0, session.outSent);
        session.outSent = 0;
    }
}

void TestServer::Handle(Session& session, const std::string& message) {
    const std::string type = message.substr(0, 2);
    if (type == "TC") return OnUserConnection(session, message);
    if (type == "TF") return SendLoad(session);
    if (type == "TR") return OnPasswordReset(session, message);
    if (type == "TD") {
        Send(session, MakeDisconnection());
        session.closeAfterFlush = true;
        return;
    }
    const auto query = std::find_if(std::begin(kQueries), std::end(kQueries),
                                    [&](const HistoricalQuery& q) { return type == q.type; });
    const bool isCommand = std::find(std::begin(kCommands), std::end(kCommands), type) != std::end(kCommands);
    if (!isCommand && query == std::end(kQueries)) return;
    const std::string sequence = message.size() >= 24 ? message.substr(16, 8) : Digits(0, 8);
    std::chrono::milliseconds delay{0};
    for (const Rule& rule : rules_) {
        if ((!rule.type.empty() && rule.type != type) ||
            (!rule.sequence.empty() && rule.sequence != sequence))
            continue;
        if (rule.kind == Rule::Silent) return;
        if (rule.kind == Rule::Error) return Answer(session, {MakeErrorNotice(sequence, rule.text)}, delay);
        delay = rule.delay;
    }
    if (query == std::end(kQueries)) {
        Audit(session, type, sequence);
        return Answer(session, {ApplyCommand(type, message, sequence)}, delay);
    }
    std::vector<std::string> answer{MakeBroadcastDelimiter(sequence, query->start)};
    for (std::string& row : HistoricalRows(type, message, sequence)) answer.push_back(std::move(row));
    answer.push_back(MakeBroadcastDelimiter(sequence, query->end));
    Answer(session, answer, delay);
}

void TestServer::Audit(const Session& session, const std::string& type, const std::string& sequence) {
    const bool deletion = type == "AD" || type == "PD";
    const bool position = type == "PN" || type == "PD" || type == "PU";
    audit_.push_back(Today() + TimeOfDay() + (deletion ? 'D' : 'E') + (position ? 'P' : 'A') + 'C' +
                     Left(type + " " + sequence, 300) + Left(session.user, 11) + std::string(8, ' '));
}

std::vector<std::string> TestServer::HistoricalRows(const std::string& type, const std::string& message,
                                                    const std::string& sequence) const {
    const std::string start = BytesAt(message, 49, 8);
    const std::string end = BytesAt(message, 57, 8);
    const std::string firm = BytesAt(message, 65, 4);
    const std::string day = end == std::string(8, ' ') ? Today() : end;
    // The client names a firm by the first four characters of its firm name.
    const auto wanted = [&](const std::string& participant) {
        if (firm == "    ") return true;
        for (const std::string& p : kDemoParticipants)
            if (p.compare(25, 4, participant) == 0) return p.compare(38, 4, firm) == 0;
        return false;
    };
    // The firm unit member of a participant id, from the demo participants.
    const auto member = [](const std::string& participant) {
        for (const std::string& p : kDemoParticipants)
            if (p.compare(25, 4, participant) == 0) return p.substr(29, 8);
        return std::string(8, ' ');
    };
    std::vector<std::string> rows;
    if (type == "HV") {
        for (const auto& [number, body] : accounts_)
            if (wanted(body.substr(323, 4)))
                rows.push_back(Header("JZ", sequence) + body + day + member(body.substr(323, 4)));
    } else if (type == "PQ") {
        for (const auto& [key, body] : positions_) {
            const std::string date = body.substr(0, 8);
            if (!wanted(body.substr(80, 4)) || (start != std::string(8, ' ') && date < start) ||
                (end != std::string(8, ' ') && date > end))
                continue;
            std::string instrument(69, ' ');
            for (const std::string& i : kDemoInstruments)
                if (i.compare(0, 6, body, 25, 6) == 0) instrument = i.substr(6);
            rows.push_back(Header("PH", sequence) + body + member(body.substr(80, 4)) + instrument);
        }
    } else if (type == "OR") {
        for (const std::string& p : kDemoParticipants) {
            if (!wanted(p.substr(25, 4))) continue;
            std::size_t count = 0;
            for (const auto& [key, body] : positions_) count += body.compare(80, 4, p, 25, 4) == 0;
            rows.push_back(Header("OH", sequence) + day + Left(p.substr(0, 25), 24) + p.substr(29, 8) +
                           p.substr(38, 8) + (count > 0 ? 'S' : 'N') + Digits(count, 8));
        }
    } else {
        for (const std::string& row : audit_) rows.push_back(Header("RA", sequence) + row);
    }
    return rows;
}

void TestServer::Answer(Session& session, const std::vector<std::string>& messages,
                        std::chrono::milliseconds delay) {
    for (const std::string& message : messages) {
        if (delay.count() == 0) {
            Send(session, message);
        } else {
            delayed_.push_back({session.id, Clock::now() + delay, message});
        }
    }
}

void TestServer::OnUserConnection(Session& session, const std::string& message) {
    const std::string name = message.size() >= 30 ? Trim(message.substr(4, 8)) : std::string();
    const auto user = users_.find(name);
    if (user == users_.end() ||
        PasswordProof(message.substr(24, 6), user->second.password) != message.substr(12, 8)) {
        Send(session, MakeTechnicalError("Login refused: unknown user or wrong password"));
        Send(session, MakeDisconnection());
        return;
    }
    const ServerUser& account = user->second;
    Send(session, MakeConnectionAcknowledgment(options_.token, options_.sequenceSeed, account.daysToExpiry,
                                               account.changeRequired, account.userType));
    session.loggedIn = true;
    session.user = name;
}

void TestServer::OnPasswordReset(Session& session, const std::string& message) {
    const std::string sequence = BytesAt(message, 16, 8);
    const auto user = users_.find(Trim(BytesAt(message, 24, 8)));
    std::string oldPassword;
    std::string newPassword;
    if (user == users_.end() ||
        !DecryptPassword(user->second.encryptionKey, BytesAt(message, 32, 24), oldPassword) ||
        !DecryptPassword(user->second.encryptionKey, BytesAt(message, 56, 24), newPassword) ||
        oldPassword != user->second.password.substr(0, 8)) {
        Send(session, MakeErrorNotice(sequence, "Password reset refused: the current password is wrong"));
        return;
    }
    user->second.password = newPassword;
    user->second.changeRequired = false;
    Send(session, Header("TY", sequence));
}

void TestServer::SendLoad(Session& session) {
    if (!session.loggedIn) return;
    session.loading = true;
    if (options_.loadRecords > 0) return SendRecordLoad(session);
    if (options_.generatedAccounts > 0) return StartGeneratedLoad(session);
    const std::size_t loadStart = session.out.size();
    ++loadCounter_;
    Send(session, HeartbeatQuestion());
    Send(session, MakeBulk("BI", kDemoInstruments));
    Send(session, MakeBulk("BP", kDemoParticipants));
    ++loadCounter_;
    Send(session, HeartbeatQuestion());
    Send(session, MakeBulk("NF", ReportableDates(std::time(nullptr))));
    for (const auto& [number, body] : accounts_) Send(session, Header("KR", Digits(0, 8)) + body);
    for (const auto& [key, body] : positions_) Send(session, Header("KB", Digits(0, 8)) + body);
    session.nextHeartbeat = Clock::now() + options_.heartbeatInterval;
    if (dropLoadAfter_ > 0) return DropLoad(session, loadStart);
    if (holdEndOfLoad_ || keepLoading_) {
        session.endHeld = true;
        return;
    }
    session.loading = false;
    session.loaded = true;
    Send(session, HeartbeatQuestion());
}

void TestServer::SendEndlessRecords(Session& session, Clock::time_point now) {
    constexpr auto kEvery = std::chrono::microseconds(100);
    constexpr std::size_t kMostAtOnce = 1000;
    constexpr std::size_t kAhead = std::size_t(1) << 20;
    if (session.lastEndlessRecords == Clock::time_point()) session.lastEndlessRecords = now;
    const auto due = std::size_t((now - session.lastEndlessRecords) / kEvery);
    if (due == 0) return;
    session.lastEndlessRecords = now;
    // A client that does not read gets no more than a megabyte ahead.
    if (session.out.size() - session.outSent >= kAhead || positions_.empty()) return;
    std::string body = positions_.begin()->second;
    // An account the server does not know: no master, no account id, no participant.
    body.replace(9, 16, Left(kEndlessLoadAccount, 16));
    body.replace(48, 36, std::string(36, ' '));
    const std::string frame = FrameMessage(Header("KB", Digits(0, 8)) + body);
    for (std::size_t i = 0; i < std::min(due, kMostAtOnce); ++i) session.out += frame;
}

void TestServer::StartGeneratedLoad(Session& session) {
    ++loadCounter_;
    Send(session, HeartbeatQuestion());
    Send(session, MakeBulk("BI", kDemoInstruments));
    Send(session, MakeBulk("BP", kDemoParticipants));
    ++loadCounter_;
    Send(session, HeartbeatQuestion());
    Send(session, MakeBulk("NF", ReportableDates(std::time(nullptr))));
    session.nextAccount = accounts_.begin();
    session.nextPosition = positions_.begin();
    session.streaming = true;
}

void TestServer::StreamLoad(Session& session) {
    // About a megabyte ahead of the socket: the load is never built whole.
    constexpr std::size_t kAhead = std::size_t(1) << 20;
    const std::string header = Header("KR", Digits(0, 8));
    const std::string positionHeader = Header("KB", Digits(0, 8));
    while (session.out.size() - session.outSent < kAhead) {
        if (session.nextAccount != accounts_.end()) {
            Send(session, header + (session.nextAccount++)->second);
        } else if (session.nextPosition != positions_.end()) {
            Send(session, positionHeader + (session.nextPosition++)->second);
        } else {
            session.streaming = false;
            session.nextHeartbeat = Clock::now() + options_.heartbeatInterval;
            if (holdEndOfLoad_) {
                session.endHeld = true;
                return;
            }
            session.loading = false;
            session.loaded = true;
            Send(session, HeartbeatQuestion());
            return;
        }
    }
}

std::string TestServer::CaptureLoad() {
    Session session;
    session.loggedIn = true;
    SendLoad(session);
    std::string bytes;
    for (;;) {
        // Nothing is sent here: the generated part is taken away so that the next one follows.
        bytes += session.out;
        session.out.clear();
        if (!session.streaming) return bytes;
        StreamLoad(session);
    }
}

void TestServer::SendRecordLoad(Session& session) {
    const std::size_t every = std::max<std::size_t>(options_.loadHeartbeatEvery, 1);
    if (loadBlock_.empty()) {
        const std::string frame = FrameMessage(Header("KB", Digits(0, 8)) + positions_.begin()->second);
        loadBlock_.reserve(frame.size() * every);
        for (std::size_t i = 0; i < every; ++i) loadBlock_ += frame;
    }
    const std::size_t frameSize = loadBlock_.size() / every;
    // What waits in out goes first; the records are sent from the shared block.
    if (!session.out.empty()) session.AddPiece(session.out.substr(session.outSent));
    session.out.clear();
    session.outSent = 0;
    for (std::size_t sent = 0; sent < options_.loadRecords;) {
        ++loadCounter_;
        session.AddPiece(FrameMessage(HeartbeatQuestion()));
        const std::size_t count = std::min(every, options_.loadRecords - sent);
        session.pieces.emplace_back(loadBlock_.data(), count * frameSize);
        sent += count;
    }
    session.nextHeartbeat = Clock::now() + options_.heartbeatInterval;
    session.loading = false;
    session.loaded = true;
    Send(session, HeartbeatQuestion());  // repeats the last counter: the load ends
}

}  // namespace testserver
