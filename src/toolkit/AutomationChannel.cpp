#include "toolkit/AutomationChannel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <cstdlib>
#include <filesystem>

#include "core/MError.h"
#include "toolkit/AutomationFrame.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/QtText.h"
#include "toolkit/ReplySink.h"

namespace {

constexpr uint32_t kColumnNames = 0x804B;
constexpr uint32_t kCellText = 0x804C;
constexpr uint32_t kAccepted[] = {0x8012, 0x8028, 0x802C, kColumnNames, kCellText};
constexpr int kProbeMilliseconds = 200;

}  // namespace

// One client connection: the bytes received and not yet read, and the sink of its answers.
struct AutomationChannel::Connection : ReplySink {
    QPointer<QLocalSocket> socket;
    std::string received;
    bool serving = false;   // a request of this connection is being delivered
    bool peerGone = false;  // the client went meanwhile
    bool closed = false;

    void SendText(std::string_view text) override {
        if (closed || !socket) return;
        const QString wide = ToQt(text);
        const std::string frame = AutomationFrame::Reply(std::u16string_view(
            reinterpret_cast<const char16_t*>(wide.utf16()), static_cast<std::size_t>(wide.size())));
        socket->write(frame.data(), static_cast<qint64>(frame.size()));
        socket->flush();
    }
    void Abort() {
        closed = true;
        if (socket) socket->abort();
    }
};

AutomationChannel::AutomationChannel(TitleLookup lookup, QObject* parent)
    : QObject(parent), lookup_(std::move(lookup)) {}

AutomationChannel::~AutomationChannel() {
    Close();
}

std::string AutomationChannel::DefaultDirectory() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return runtime;
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    return error ? std::string("/tmp") : temp.string();
}

bool AutomationChannel::Open(const std::string& directory) {
    Close();
    const std::string path = directory + "/" + kName;
    const QString name = QString::fromStdString(path);
    std::error_code error;
    if (std::filesystem::is_socket(std::filesystem::symlink_status(path, error))) {
        // A running client answers on its socket; a crashed run's socket refuses.
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(kProbeMilliseconds)) {
            probe.abort();
            MLOG(LOG_ERROR, "Automation channel: %s is in use by another client; running without the channel",
                 path.c_str());
            return false;
        }
        QLocalServer::removeServer(name);
    }
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        MLOG(LOG_ERROR, "Automation channel: cannot listen on %s: %s", path.c_str(),
             server->errorString().toStdString().c_str());
        delete server;
        return false;
    }
    server_ = server;
    path_ = path;
    connect(server_, &QLocalServer::newConnection, this, [this] { Accept(); });
    return true;
}

void AutomationChannel::Close() {
    if (!server_) return;
    server_->close();  // removes the socket file
    delete server_;    // and with it the connections it made
    server_ = nullptr;
    path_.clear();
}

bool AutomationChannel::IsOpen() const {
    return server_ != nullptr;
}

std::string AutomationChannel::Path() const {
    return path_;
}

bool AutomationChannel::IsAccepted(uint32_t message) {
    for (uint32_t accepted : kAccepted)
        if (accepted == message) return true;
    return false;
}

void AutomationChannel::Accept() {
    while (QLocalSocket* socket = server_ ? server_->nextPendingConnection() : nullptr) {
        auto connection = std::make_shared<Connection>();
        connection->socket = socket;
        connect(socket, &QLocalSocket::readyRead, this, [this, connection] { Serve(connection); });
        connect(socket, &QLocalSocket::disconnected, this, [this, connection] { Drop(connection); });
    }
}

void AutomationChannel::Serve(const std::shared_ptr<Connection>& connection) {
    Connection& c = *connection;
    // A request delivered from here may run a modal loop, in which the socket signals no further
    // arrival (and a nested call only stops here): what came meanwhile is read after each delivery.
    if (c.serving || c.closed || !c.socket) return;
    c.serving = true;
    std::size_t offset = 0;
    while (!c.closed && c.socket) {
        if (c.socket->bytesAvailable() > 0) {
            const QByteArray bytes = c.socket->readAll();
            c.received.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        }
        AutomationRequest request;
        std::size_t used = 0;
        const auto status =
            AutomationFrame::ReadRequest(std::string_view(c.received).substr(offset), request, used);
        if (status == AutomationFrame::Status::Incomplete) break;
        if (status == AutomationFrame::Status::Malformed) {
            MLOG(LOG_ERROR, "Automation channel: malformed request: title longer than %zu bytes",
                 AutomationFrame::kMaxTitleLength);
            c.received.clear();
            offset = 0;
            c.Abort();
            break;
        }
        offset += used;
        Deliver(c, request.message, request.wParam, request.lParam, request.title);
    }
    c.received.erase(0, offset);
    c.serving = false;
    if (c.peerGone) Drop(connection);
}

void AutomationChannel::Drop(const std::shared_ptr<Connection>& connection) {
    Connection& c = *connection;
    if (c.closed) return;
    if (c.serving) {  // the delivering call drops it when done
        c.peerGone = true;
        return;
    }
    c.peerGone = false;
    Serve(connection);  // what the client sent before it went
    if (!c.closed && !c.received.empty())
        MLOG(LOG_ERROR, "Automation channel: malformed request: frame cut short (%zu bytes)",
             c.received.size());
    c.closed = true;
    if (c.socket) c.socket->deleteLater();
}

void AutomationChannel::Deliver(Connection& connection, uint32_t message, uint32_t wParam, uint32_t lParam,
                                const std::string& title) {
    if (!IsAccepted(message)) {
        MLOG(LOG_ERROR, "Automation channel: message 0x%04X refused", message);
        return;
    }
    const uint32_t handle = lookup_ ? lookup_(title) : 0;
    if (handle == 0) {
        MLOG(LOG_ERROR, "Automation channel: no grid window titled \"%s\"", title.c_str());
        // A question gets the answer of a question about nothing, as a cell outside the grid
        // does: the asker never waits for a window that is not there. (A cell request with
        // lParam 0 asks nothing.)
        if (message == kColumnNames || (message == kCellText && lParam != 0)) connection.SendText({});
        return;
    }
    ReplySink* previous = ReplySink::Install(&connection);
    MessageRouter::SendMessage(handle, message, static_cast<int32_t>(wParam), static_cast<int32_t>(lParam));
    ReplySink::Install(previous);
}
