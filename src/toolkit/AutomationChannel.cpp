#include "toolkit/AutomationChannel.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLocalSocket>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

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
// After a failed accept the connection waits in the listener's queue: it is tried again after
// this pause rather than at once, in a loop.
constexpr int kAcceptRetryMilliseconds = 100;

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
        // A client that asks and never reads would have the answers pile up here without end.
        const qint64 waiting = socket->bytesToWrite();
        if (waiting + static_cast<qint64>(frame.size()) > static_cast<qint64>(kMaxUnreadBytes)) {
            MLOG(LOG_ERROR,
                 "Automation channel: %lld bytes of answers are waiting unread; the connection is closed",
                 static_cast<long long>(waiting));
            Abort();
            return;
        }
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
    // The temporary directory is shared by every user: a directory of the user's own inside it.
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    return (error ? std::string("/tmp") : temp.string()) + "/korvane-" + std::to_string(::geteuid());
}

bool AutomationChannel::UsePrivateDirectory(const std::string& directory) {
    struct stat info {};
    if (::lstat(directory.c_str(), &info) != 0) {
        const int cause = errno;
        if (cause != ENOENT || (::mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST) ||
            ::lstat(directory.c_str(), &info) != 0) {
            MLOG(LOG_ERROR,
                 "Automation channel: cannot create the directory %s: %s; running without the channel",
                 directory.c_str(), std::strerror(cause == ENOENT ? errno : cause));
            return false;
        }
    }
    // Another user's directory (or a link to one) could hand the name to another program.
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() || (info.st_mode & 077) != 0) {
        MLOG(LOG_ERROR,
             "Automation channel: %s is not a directory of the user's own with mode 0700 "
             "(owner %u, mode %04o); running without the channel",
             directory.c_str(), static_cast<unsigned>(info.st_uid),
             static_cast<unsigned>(info.st_mode & 07777));
        return false;
    }
    return true;
}

bool AutomationChannel::Open(const std::string& directory) {
    Close();
    if (!UsePrivateDirectory(directory)) return false;
    const std::string path = directory + "/" + kName;
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path)) {
        MLOG(LOG_ERROR, "Automation channel: cannot listen on %s: the path is too long", path.c_str());
        return false;
    }
    std::error_code error;
    if (std::filesystem::is_socket(std::filesystem::symlink_status(path, error))) {
        // A running client answers on its socket; a crashed run's socket refuses.
        QLocalSocket probe;
        probe.connectToServer(QString::fromStdString(path));
        if (probe.waitForConnected(kProbeMilliseconds)) {
            probe.abort();
            MLOG(LOG_ERROR, "Automation channel: %s is in use by another client; running without the channel",
                 path.c_str());
            return false;
        }
        ::unlink(path.c_str());
    }
    // The listener is our own rather than a QLocalServer, which stops listening for good (and
    // removes its socket file) when one accept fails.
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof(address.sun_path) - 1);
    // The file is the user's alone from its creation (Linux takes a socket's mode from it before
    // the bind) and after it.
    const bool listening =
        listener >= 0 && ::fchmod(listener, 0600) == 0 &&
        ::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
        ::chmod(path.c_str(), 0600) == 0 && ::listen(listener, SOMAXCONN) == 0;
    if (!listening) {
        const int cause = errno;
        MLOG(LOG_ERROR, "Automation channel: cannot listen on %s: %s", path.c_str(), std::strerror(cause));
        if (listener >= 0) ::close(listener);
        return false;
    }
    listener_ = listener;
    path_ = path;
    notifier_ = new QSocketNotifier(static_cast<qintptr>(listener_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { Accept(); });
    return true;
}

void AutomationChannel::Close() {
    if (listener_ < 0) return;
    delete notifier_;
    notifier_ = nullptr;
    ::close(listener_);
    listener_ = -1;
    ::unlink(path_.c_str());
    path_.clear();
    for (const auto& connection : std::exchange(connections_, {})) {
        connection->closed = true;
        if (QLocalSocket* socket = connection->socket) {
            socket->disconnect(this);
            socket->abort();
            socket->deleteLater();
        }
    }
}

bool AutomationChannel::IsOpen() const {
    return listener_ >= 0;
}

std::string AutomationChannel::Path() const {
    return path_;
}

std::size_t AutomationChannel::ConnectionCount() const {
    return connections_.size();
}

bool AutomationChannel::IsAccepted(uint32_t message) {
    for (uint32_t accepted : kAccepted)
        if (accepted == message) return true;
    return false;
}

void AutomationChannel::Accept() {
    while (listener_ >= 0) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            const int cause = errno;
            if (cause == EINTR || cause == ECONNABORTED) continue;
            if (cause == EAGAIN || cause == EWOULDBLOCK) break;
            // Out of descriptors or memory: the channel keeps listening and tries again shortly.
            if (!acceptFailing_)
                MLOG(LOG_ERROR, "Automation channel: accept failed on %s: %s; still listening", path_.c_str(),
                     std::strerror(cause));
            acceptFailing_ = true;
            notifier_->setEnabled(false);
            QTimer::singleShot(kAcceptRetryMilliseconds, notifier_,
                               [notifier = notifier_] { notifier->setEnabled(true); });
            break;
        }
        acceptFailing_ = false;
        if (connections_.size() >= kMaxConnections) {
            ::close(fd);
            MLOG(LOG_ERROR, "Automation channel: %zu connections open; a new one is refused",
                 kMaxConnections);
            continue;
        }
        auto* socket = new QLocalSocket(this);
        if (!socket->setSocketDescriptor(fd, QLocalSocket::ConnectedState, QIODevice::ReadWrite)) {
            MLOG(LOG_ERROR, "Automation channel: cannot serve a new connection: %s",
                 socket->errorString().toStdString().c_str());
            ::close(fd);
            delete socket;
            continue;
        }
        auto connection = std::make_shared<Connection>();
        connection->socket = socket;
        connections_.push_back(connection);
        connect(socket, &QLocalSocket::readyRead, this, [this, connection] { Serve(connection); });
        connect(socket, &QLocalSocket::disconnected, this, [this, connection] { Drop(connection); });
    }
}

void AutomationChannel::Serve(const std::shared_ptr<Connection>& held) {
    const std::shared_ptr<Connection> connection = held;  // kept while the socket may go
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
    if (c.closed)
        Forget(connection);
    else if (c.peerGone)
        Drop(connection);
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
    Forget(connection);
}

void AutomationChannel::Forget(const std::shared_ptr<Connection>& connection) {
    const std::shared_ptr<Connection> kept = connection;  // connection may live in the list alone
    connections_.erase(std::remove(connections_.begin(), connections_.end(), kept), connections_.end());
    if (QLocalSocket* socket = kept->socket) {
        socket->disconnect(this);
        socket->deleteLater();
    }
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
