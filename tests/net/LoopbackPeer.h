#pragma once
// The far end of the socket tests, on loopback with plain POSIX calls: a listener on a port the
// system chooses, the connections it accepts, and bounded waits. Everything is closed on
// destruction.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

#include "net/MSocketAddress.h"

// Waits up to timeoutMs for events on fd; the events that came.
inline short WaitFor(int fd, short events, int timeoutMs = 2000) {
    pollfd p{fd, events, 0};
    return ::poll(&p, 1, timeoutMs) > 0 ? p.revents : 0;
}

class LoopbackListener {
public:
    explicit LoopbackListener(const char* ip = "127.0.0.1", int backlog = 8) : ip_(ip) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = inet_addr(ip);
        address.sin_port = 0;
        ok_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
              ::listen(fd_, backlog) == 0;
        socklen_t size = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackListener() {
        CloseAccepted();
        if (fd_ >= 0) ::close(fd_);
    }
    LoopbackListener(const LoopbackListener&) = delete;
    LoopbackListener& operator=(const LoopbackListener&) = delete;

    bool IsOk() const { return ok_; }
    uint16_t GetPort() const { return port_; }
    std::string GetPortText() const { return std::to_string(port_); }
    // The address a socket under test connects to.
    MSocketAddress MakeAddress() const {
        MSocketAddress address;
        const MIpHost host(ip_);
        address.InitFromHostService(MIpService(GetPortText().c_str()), MSocketAddress::kTcp, &host);
        return address;
    }
    // Accepts one waiting connection (bounded wait); the accepted handle, or -1.
    int Accept() {
        if (!(WaitFor(fd_, POLLIN) & POLLIN)) return -1;
        accepted_ = ::accept(fd_, nullptr, nullptr);
        return accepted_;
    }
    int GetAccepted() const { return accepted_; }
    // Closes the accepted connection; with reset, abortively (a reset instead of the end of data).
    void CloseAccepted(bool reset = false) {
        if (accepted_ < 0) return;
        if (reset) {
            const linger abort{1, 0};
            ::setsockopt(accepted_, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
        }
        ::close(accepted_);
        accepted_ = -1;
    }
    void Close() {
        ::close(fd_);
        fd_ = -1;
    }

private:
    std::string ip_;
    int fd_ = -1;
    int accepted_ = -1;
    uint16_t port_ = 0;
    bool ok_ = false;
};
