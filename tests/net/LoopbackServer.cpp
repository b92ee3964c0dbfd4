#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace {

void SetNonBlocking(int fd) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL, 0) | O_NONBLOCK);
}

bool WaitFor(int fd, short events, LoopbackServer::Wait wait) {
    pollfd p{fd, events, 0};
    return poll(&p, 1, static_cast<int>(wait.count())) > 0;
}

}  // namespace

LoopbackServer::LoopbackServer() {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    listen(listener_, 8);
    socklen_t length = sizeof(address);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    SetNonBlocking(listener_);
}

LoopbackServer::~LoopbackServer() {
    CloseConnection();
    CloseListener();
}

bool LoopbackServer::Accept(Wait wait) {
    if (listener_ < 0 || !WaitFor(listener_, POLLIN, wait)) return false;
    const int accepted = accept(listener_, nullptr, nullptr);
    if (accepted < 0) return false;
    CloseConnection();
    connection_ = accepted;
    SetNonBlocking(connection_);
    return true;
}

std::string LoopbackServer::Read(std::size_t count, Wait wait) {
    std::string bytes;
    const auto end = std::chrono::steady_clock::now() + wait;
    while (connection_ >= 0 && bytes.size() < count) {
        const auto left = std::chrono::duration_cast<Wait>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !WaitFor(connection_, POLLIN, left)) break;
        char chunk[65536];
        const ssize_t n = recv(connection_, chunk, sizeof(chunk), 0);
        if (n <= 0) break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return bytes;
}

std::string LoopbackServer::ReadAvailable() {
    std::string bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t n = connection_ >= 0 ? recv(connection_, chunk, sizeof(chunk), 0) : -1;
        if (n <= 0) return bytes;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
}

bool LoopbackServer::WaitForClose(Wait wait) {
    const auto end = std::chrono::steady_clock::now() + wait;
    while (connection_ >= 0) {
        const auto left = std::chrono::duration_cast<Wait>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !WaitFor(connection_, POLLIN, left)) return false;
        char chunk[4096];
        const ssize_t n = recv(connection_, chunk, sizeof(chunk), 0);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)) return true;
    }
    return false;
}

bool LoopbackServer::Write(const std::string& bytes, Wait wait) {
    const auto end = std::chrono::steady_clock::now() + wait;
    std::size_t sent = 0;
    while (connection_ >= 0 && sent < bytes.size()) {
        const ssize_t n = send(connection_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
        const auto left = std::chrono::duration_cast<Wait>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !WaitFor(connection_, POLLOUT, left)) return false;
    }
    return sent == bytes.size();
}

void LoopbackServer::CloseConnection() {
    if (connection_ >= 0) close(connection_);
    connection_ = -1;
}

void LoopbackServer::ResetConnection() {
    if (connection_ < 0) return;
    const linger hard{1, 0};
    setsockopt(connection_, SOL_SOCKET, SO_LINGER, &hard, sizeof(hard));
    CloseConnection();
}

void LoopbackServer::CloseListener() {
    if (listener_ >= 0) close(listener_);
    listener_ = -1;
}

int LoopbackServer::ConnectClient() const {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port_);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        close(fd);
        return -1;
    }
    SetNonBlocking(fd);
    return fd;
}

LoopbackPair::LoopbackPair() {
    client = peer.ConnectClient();
    peer.Accept();
}

LoopbackPair::~LoopbackPair() {
    if (client >= 0) close(client);
}
