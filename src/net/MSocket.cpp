#include "net/MSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ostream>

#include "core/MError.h"
#include "core/MTrace.h"
#include "fields/MTTimePoint.h"
#include "net/LookupFrameworkSetting.h"
#include "net/MonitorChannel.h"
#include "net/MonitorMsgConnectionClose.h"
#include "net/MonitorMsgConnectionNew.h"
#include "net/MonitorMsgConnectionStateUpdate.h"
#include "net/SocketLibrary.h"

namespace {
constexpr int kConnectWaitMilliseconds = 500;

// Built from service "0" and no host: empty, so the local bind is skipped.
const MSocketAddress& DefaultLocalAddress() {
    static const MSocketAddress address = [] {
        MSocketAddress a;
        a.InitFromHostService(MIpService("0"), MSocketAddress::kTcp, nullptr);
        return a;
    }();
    return address;
}

const sockaddr* AsSockaddr(const sockaddr_in& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}

template <class Record>
void SendRecord(Record& record) {
    MMsgWriter& writer = GetMonitorWriter();
    writer.Rewind();
    record.Describe(writer);
    SendToMonitor(writer.GetData(), writer.GetOffset());
}

// Copies text into a field of width characters: cut, or padded with blanks.
void CopyPadded(char* field, int width, const std::string& text) {
    const std::size_t count = std::min<std::size_t>(text.size(), static_cast<std::size_t>(width));
    std::memcpy(field, text.data(), count);
    std::memset(field + count, ' ', static_cast<std::size_t>(width) - count);
}
}  // namespace

MSocket::MSocket() : statsControl_(&stats_, GetReferenceId()) {
    StartSocketLibrary();
}

MSocket::~MSocket() {
    Close();
    ReportClose();
}

bool MSocket::IsDatagramBroadcast(const MSocketAddress* address) const {
    return address && address->GetSocketType() == SOCK_DGRAM && address->IsBroadcast();
}

bool MSocket::IsDatagramMulticast(const MSocketAddress* address) const {
    return address && address->GetSocketType() == SOCK_DGRAM && address->IsMulticast();
}

bool MSocket::IsConnectionTraced() const {
    return IsTraceEnabled(5, 6144);
}

void MSocket::TraceConnectionStep(const char* step) const {
    if (!IsConnectionTraced()) return;
    MDateTimeTimePoint now;
    now.SetNow(true);
    GetTraceStream() << step << now.ToString('/', ':') << '\n';
}

void MSocket::TraceData(const char* direction, const char* data, int length) const {
    std::ostream& out = GetTraceStream();
    out << "Socket[" << (local_ ? local_->GetService().ToString() : std::string()) << ':'
        << (remote_ ? remote_->GetService().ToString() : std::string()) << "] " << direction << " Len["
        << length << "]: ";
    for (int i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (std::isprint(byte)) {
            out << static_cast<char>(byte);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "[%X]", byte);
            out << hex;
        }
    }
    out << '\n';
}

bool MSocket::Create(int family, int type) {
    socketType_ = static_cast<uint32_t>(type);
    const int handle = ::socket(family, type, 0);
    if (handle < 0) {
        open_ = false;
        const int error = GetLastSocketError();
        MLOG(LOG_CRITICAL, "Cannot create socket: %d - %s", error, GetSocketErrorText(error));
        return false;
    }
    handle_ = handle;
    open_ = true;
    ++stateCounter_;
    return true;
}

bool MSocket::Connect(MSocketAddress* remote, MSocketAddress* local) {
    if (!remote && !local) {
        if (!open_ && !Create(AF_INET, SOCK_DGRAM)) return false;
        if (!SetBufferOptions(true)) return false;
        ++stateCounter_;
        return true;
    }
    MSocketAddress* from = local ? local : remote;
    if (!open_ && !Create(from->GetFamily(), from->GetSocketType())) return false;
    if (!local && IsDatagramBroadcast(remote) && !SetBroadcast()) return false;
    if (socketType_ == SOCK_DGRAM && (!SetBroadcast() || !SetBufferOptions(true))) return false;

    const bool broadcast = IsDatagramBroadcast(remote);
    const bool multicast = IsDatagramMulticast(remote);
    if (local) {
        if (!Bind(local)) return false;
    } else if (!broadcast && !multicast) {
        if (!LocalBind()) return false;
    }
    if (multicast && !JoinMulticast(remote)) return false;
    if (remote && !broadcast && !multicast) {
        if (!ConnectTo(remote)) return false;
    } else if (socketType_ == SOCK_STREAM) {
        return false;  // nothing to connect a stream socket to
    }
    if (socketType_ == SOCK_STREAM) SetBufferOptions(true);
    ++stateCounter_;
    return true;
}

bool MSocket::ConnectTo(MSocketAddress* remote) {
    remote_ = remote;
    if (!open_ && !Create(remote->GetFamily(), remote->GetSocketType())) return false;
    ResetStatistics();
    return ConnectNonBlocking();
}

bool MSocket::ConnectNonBlocking() {
    if (!SetConnectOptions()) return false;
    const bool verbose = report_ || IsConnectionTraced();
    const std::string text = DescribeAddresses();
    if (::connect(handle_, AsSockaddr(remote_->GetSocketAddress()), sizeof(sockaddr_in)) == 0) {
        MLOG(LOG_INFO, "Connected to %s", text.c_str());
        ++stateCounter_;
        return true;
    }
    const int error = GetLastSocketError();
    if (error != kSocketWouldBlock) {
        if (verbose)
            MLOG(LOG_ERROR, "Cannot connect to %s: %d - %s", text.c_str(), error, GetSocketErrorText(error));
        Close();
        return false;
    }
    TraceConnectionStep("ConnectionWait ");
    pollfd wait{handle_, POLLIN | POLLOUT, 0};
    const int ready = ::poll(&wait, 1, kConnectWaitMilliseconds);
    if (ready <= 0) {
        const int waitError = GetLastSocketError();
        TraceConnectionStep("ConnectionStop ");
        Close();
        if (ready < 0) {
            MLOG(LOG_CRITICAL, "Cannot select with sockets %d - %s", waitError,
                 GetSocketErrorText(waitError));
        } else if (verbose) {
            MLOG(LOG_ERROR, "Cannot connect to %s: %d - %s", text.c_str(), 0, "Connection Timeout");
        }
        return false;
    }
    int pending = 0;
    socklen_t size = sizeof pending;
    if (::getsockopt(handle_, SOL_SOCKET, SO_ERROR, &pending, &size) != 0) {
        const int readError = GetLastSocketError();
        MLOG(LOG_ERROR, "Cannot read the connection state of %s: %d - %s", text.c_str(), readError,
             GetSocketErrorText(readError));
        Close();
        return false;
    }
    if (pending == 0) {
        TraceConnectionStep("ConnectionOK ");
        MLOG(LOG_INFO, "Connected with delay to %s", text.c_str());
        ++stateCounter_;
        return true;
    }
    TraceConnectionStep("ConnectionAbort ");
    const int pendingError = SocketErrorFromErrno(pending);
    if (verbose) {
        MLOG(LOG_ERROR, "Cannot connect to %s: %d - %s", text.c_str(), pendingError,
             GetSocketErrorText(pendingError));
    }
    Close();
    return false;
}

void MSocket::FailOption(const char* name, int error) {
    MLOG(LOG_CRITICAL, "Cannot set option %s to socket %s : %d - %s [%d]", name, DescribeAddresses().c_str(),
         error, GetSocketErrorText(error), handle_);
    Close();
}

bool MSocket::SetOption(int level, int option, const void* value, unsigned size, const char* name) {
    if (::setsockopt(handle_, level, option, value, size) == 0) return true;
    FailOption(name, GetLastSocketError());
    return false;
}

bool MSocket::SetConnectOptions() {
    int on = 1;
    if (::ioctl(handle_, FIONBIO, &on) != 0) {
        const int error = GetLastSocketError();
        MLOG(LOG_CRITICAL, "Cannot get option %s to socket %s : %d - %s", "O_NONBLOCK",
             DescribeAddresses().c_str(), error, GetSocketErrorText(error));
        return false;
    }
    if (!SetOption(SOL_SOCKET, SO_REUSEADDR, &on, sizeof on, "SO_REUSEADDR")) return false;
    if (socketType_ == SOCK_STREAM) {
        const linger resetOnClose{1, 0};
        if (!SetOption(SOL_SOCKET, SO_LINGER, &resetOnClose, sizeof resetOnClose, "SO_LINGER")) return false;
        if (!SetOption(SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on, "SO_KEEPALIVE")) return false;
        if (!SetOption(IPPROTO_TCP, TCP_NODELAY, &on, sizeof on, "TCP_NODELAY")) return false;
    }
    return true;
}

bool MSocket::SetBufferOptions(bool nonBlocking) {
    if (nonBlocking) {
        int on = 1;
        if (::ioctl(handle_, FIONBIO, &on) != 0) {
            FailOption("O_NONBLOCK", GetLastSocketError());
            return false;
        }
    }
    ++stateCounter_;
    return true;
}

bool MSocket::SetBroadcast() {
    const int on = 1;
    if (socketType_ != SOCK_STREAM && !SetOption(SOL_SOCKET, SO_BROADCAST, &on, sizeof on, "SO_BROADCAST")) {
        return false;
    }
    ++stateCounter_;
    return SetOption(SOL_SOCKET, SO_REUSEADDR, &on, sizeof on, "SO_REUSEADDR");
}

bool MSocket::Bind(MSocketAddress* local) {
    local_ = local;
    const int on = 1;
    if (!SetOption(SOL_SOCKET, SO_REUSEADDR, &on, sizeof on, "SO_REUSEADDR")) return false;
    if (::bind(handle_, AsSockaddr(local->GetSocketAddress()), sizeof(sockaddr_in)) != 0) {
        const int error = GetLastSocketError();
        MLOG(LOG_CRITICAL, "Cannot bind socket to %s : %d - %s", local->ToText().c_str(), error,
             GetSocketErrorText(error));
        Close();
        bound_ = false;
        return false;
    }
    bound_ = true;
    if (report_ || GetTraceLevel() > 0) MLOG(LOG_INFO, "Bind to %s", DescribeAddresses().c_str());
    ++stateCounter_;
    return true;
}

bool MSocket::LocalBind() {
    const MSocketAddress& local = DefaultLocalAddress();
    if (local.IsEmpty()) return true;
    if (::bind(handle_, AsSockaddr(local.GetSocketAddress()), sizeof(sockaddr_in)) != 0) {
        const int error = GetLastSocketError();
        MLOG(LOG_CRITICAL, "Cannot bind socket to %s : %d - %s", local.ToText().c_str(), error,
             GetSocketErrorText(error));
        Close();
        return false;
    }
    if (report_ || GetTraceLevel() > 0) MLOG(LOG_INFO, "Local Bind to %s", DescribeAddresses().c_str());
    return true;
}

bool MSocket::Listen(MSocketAddress* local, int backlog, MSocketAddress* remote) {
    if (!open_) {
        MSocketAddress* from = local ? local : remote;
        if (!from || !Create(from->GetFamily(), from->GetSocketType())) return false;
    }
    if (!SetBufferOptions(false)) return false;
    if (IsDatagramMulticast(remote)) SetMulticastOptions(remote);
    if (local) {
        if (!Bind(local)) return false;
        if (!SetConnectOptions()) return false;
        if (socketType_ == SOCK_DGRAM) return true;
        backlog_ = backlog;
        if (::listen(handle_, backlog) != 0) {
            const int error = GetLastSocketError();
            MLOG(LOG_CRITICAL, "Cannot listen on %s : %d - %s", DescribeAddresses().c_str(), error,
                 GetSocketErrorText(error));
            Close();
            return false;
        }
        ++stateCounter_;
        return true;
    }
    if (remote) ConnectTo(remote);
    ++stateCounter_;
    return true;
}

bool MSocket::JoinMulticast(MSocketAddress* group) {
    if (GetTraceLevel() > 5) std::printf("Join Multicast [%s]\n", group->ToText().c_str());
    own_.InitFromHost(MIpHost(LookupFrameworkSetting("MULTICAST_BIND_ADDRESS", "", true)));
    ip_mreq request{};
    request.imr_multiaddr.s_addr = group->GetAddress();
    if (own_.GetAddress() == MSocketAddress::kNoAddress || own_.GetAddress() == 0) {
        request.imr_interface.s_addr = htonl(INADDR_ANY);
    } else {
        request.imr_interface.s_addr = own_.GetAddress();
        MLOG(LOG_INFO, "Multicast address %s", own_.ToText().c_str());
    }
    if (!SetOption(IPPROTO_IP, IP_ADD_MEMBERSHIP, &request, sizeof request, "IP_ADD_MEMBERSHIP"))
        return false;
    return SetMulticastOptions(group);
}

bool MSocket::SetMulticastOptions(MSocketAddress* group) {
    const unsigned char ttl = 5;
    const unsigned char loop = 0;
    if (!SetOption(IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl, "IP_MULTICAST_TTL")) return false;
    if (!SetOption(IPPROTO_IP, IP_MULTICAST_LOOP, &loop, sizeof loop, "IP_MULTICAST_LOOP")) return false;
    if (own_.GetAddress() != MSocketAddress::kNoAddress && own_.GetAddress() != 0) {
        in_addr interface { own_.GetAddress() };
        if (!SetOption(IPPROTO_IP, IP_MULTICAST_IF, &interface, sizeof interface, "IP_MULTICAST_IF"))
            return false;
        MLOG(LOG_INFO, "Multicast Bind to %s for %s", own_.GetHost().CStr(), group->ToText().c_str());
    }
    ++stateCounter_;
    return true;
}

int32_t MSocket::Receive(char* buffer, int size, MSocketAddress* from) {
    if (!open_) return -1;  // the old handle may name another file by now
    ssize_t n;
    if (from) {
        sockaddr_in sender{};
        socklen_t length = sizeof sender;
        n = ::recvfrom(handle_, buffer, static_cast<std::size_t>(std::max(size, 0)), 0,
                       reinterpret_cast<sockaddr*>(&sender), &length);
        if (n > 0) from->SetSocketAddress(sender);
    } else {
        n = ::recv(handle_, buffer, static_cast<std::size_t>(std::max(size, 0)), 0);
    }
    if (n < 1) {
        if (n < 0) {
            const int error = GetLastSocketError();
            if (error == kSocketWouldBlock) return 0;
            if (remote_ && remote_->GetReport()) {
                MLOG(LOG_ERROR, "Cannot receive with socket %s : %d - %s", DescribeAddresses().c_str(), error,
                     GetSocketErrorText(error));
            }
        }
        Close();
        return -1;
    }
    if (GetTraceLevel() > 5) TraceData("RECV", buffer, static_cast<int>(n));
    stats_.AddReceived(static_cast<uint32_t>(n));
    return static_cast<int32_t>(n);
}

int32_t MSocket::Send(const char* data, int length, MSocketAddress* to) {
    if (!open_) return -1;
    if (GetTraceLevel() > 5) TraceData("SEND", data, length);
    const std::size_t size = static_cast<std::size_t>(std::max(length, 0));
    const ssize_t n = to ? ::sendto(handle_, data, size, MSG_NOSIGNAL, AsSockaddr(to->GetSocketAddress()),
                                    sizeof(sockaddr_in))
                         : ::send(handle_, data, size, MSG_NOSIGNAL);
    if (n < 0) {
        const int error = GetLastSocketError();
        if (error == kSocketWouldBlock) return 0;
        MLOG(LOG_ERROR, "Cannot send with socket %s : %d - %s", DescribeAddresses().c_str(), error,
             GetSocketErrorText(error));
        Close();
        return -1;
    }
    stats_.AddSent(static_cast<uint32_t>(n));
    return static_cast<int32_t>(n);
}

void MSocket::Close() {
    if (!open_) return;
    if ((report_ && (!remote_ || remote_->GetReport())) || IsConnectionTraced()) {
        MLOG(LOG_INFO, "Close connection from %s", DescribeAddresses().c_str());
    }
    Shutdown(SHUT_RDWR);
    ::close(handle_);
    open_ = false;
    bound_ = false;
    ++stateCounter_;
}

void MSocket::Shutdown(int how) {
    ++stateCounter_;
    if (open_) ::shutdown(handle_, how);
}

void MSocket::ResetStatistics() {
    stats_.Reset();
}

const char* MSocket::GetConnectionInfo(char* host, char* port, char* protocol) const {
    const MSocketAddress* address = remote_ ? remote_ : local_;
    if (!address) return nullptr;
    CopyPadded(host, 32, address->GetHost().ToString());
    const std::string service = address->GetService().ToString();
    std::size_t start = 0;
    while (start < service.size() && (service[start] == ' ' || service[start] == '0')) ++start;
    std::string digits = service.substr(start, service.find('.', start) - start);
    if (digits.size() > 5) digits.resize(5);
    std::memset(port, '0', 5);
    std::memcpy(port + 5 - digits.size(), digits.data(), digits.size());
    CopyPadded(protocol, 3, address->GetProtocolName());
    return host;
}

std::string MSocket::DescribeAddresses() const {
    if (local_) return "address: " + local_->ToText() + (remote_ ? " - " + remote_->ToText() : std::string());
    if (remote_) return "address: " + remote_->ToText();
    return std::string();
}

void MSocket::ReportToMonitor(bool force) {
    if (remote_ && (!remote_->GetReport() || GetReferenceId() <= 0)) return;
    if (newPending_) {
        MonitorMsgConnectionNew record;
        record.ConnectionId.SetValue(GetReferenceId());
        record.Application.SetText(GetApplicationName());
        record.ApplicationVersion.SetText(GetApplicationVersion());
        record.ApplicationHost.SetText(GetHostName());
        record.Status.Set(EnumMonitorConnectionState::New);
        record.StatusTimeChange.SetNow(false);
        SendRecord(record);
        newPending_ = false;
    }
    if (stateCounter_ == reportedCounter_ && !force) return;
    MonitorMsgConnectionStateUpdate record;
    record.ConnectionId.SetValue(GetReferenceId());
    record.StatusTimeChange.SetNow(false);
    if (local_) {
        record.ConnectionType.Set(local_->GetProtocol() == MSocketAddress::kUdp
                                      ? EnumMonitorConnectionType::Udp
                                      : EnumMonitorConnectionType::Server);
        record.Status.Set(open_ ? EnumMonitorConnectionState::Listen : EnumMonitorConnectionState::Close);
        record.ServerHost.SetString(local_->GetHost().ToString());
        record.ServerService.SetString(local_->GetService().ToString());
        if (remote_) {
            record.ClientHost.SetString(remote_->GetHost().ToString());
            record.ClientService.SetString(remote_->GetService().ToString());
        }
    } else if (remote_) {
        record.ConnectionType.Set(remote_->GetProtocol() == MSocketAddress::kUdp
                                      ? EnumMonitorConnectionType::Udp
                                      : EnumMonitorConnectionType::Client);
        record.Status.Set(open_ ? EnumMonitorConnectionState::Open : EnumMonitorConnectionState::Close);
        record.ClientHost.SetString(GetLocalHostName());
        sockaddr_in own{};
        socklen_t size = sizeof own;
        if (open_ && ::getsockname(handle_, reinterpret_cast<sockaddr*>(&own), &size) == 0) {
            record.ClientService.SetString(std::to_string(ntohs(own.sin_port)));
        }
        record.ServerHost.SetString(remote_->GetHost().ToString());
        record.ServerService.SetString(remote_->GetService().ToString());
    }
    SendRecord(record);
    reportedCounter_ = stateCounter_;
}

void MSocket::ReportClose() {
    MonitorMsgConnectionClose record;
    record.ConnectionId.SetValue(GetReferenceId());
    record.StatusTimeChange.SetNow(false);
    SendRecord(record);
}
