#pragma once
// Test support: the peer side of a loopback TCP connection. A listening socket on 127.0.0.1 with
// a port chosen by the system; it accepts one connection at a time and reads and writes bytes on
// it, every wait bounded. Non-blocking throughout, so it can run on the test thread between calls
// of the code under test, or on one thread that the test joins.
#include <chrono>
#include <cstdint>
#include <string>

class LoopbackServer {
public:
    using Wait = std::chrono::milliseconds;

    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    uint16_t GetPort() const { return port_; }
    // The port as a service text.
    std::string GetService() const { return std::to_string(port_); }
    bool IsListening() const { return listener_ >= 0; }

    // Accepts one pending connection within the wait; the previous one is closed.
    bool Accept(Wait wait = Wait(2000));
    bool IsConnected() const { return connection_ >= 0; }
    int GetConnectionHandle() const { return connection_; }
    // Appends what arrives until at least count bytes were read in all, the peer closed or the
    // wait ended; the bytes read.
    std::string Read(std::size_t count, Wait wait = Wait(2000));
    // Whatever is there now, without waiting.
    std::string ReadAvailable();
    // True when the connection was closed by the other side within the wait.
    bool WaitForClose(Wait wait = Wait(2000));
    // Writes all bytes within the wait.
    bool Write(const std::string& bytes, Wait wait = Wait(2000));
    void CloseConnection();
    // Closes with a reset (SO_LINGER 0).
    void ResetConnection();
    // Stops listening: later connection attempts are refused.
    void CloseListener();

    // A client socket connected to the listener (blocking connect, then non-blocking), or -1.
    int ConnectClient() const;

private:
    int listener_ = -1;
    int connection_ = -1;
    uint16_t port_ = 0;
};

// A connected pair of loopback sockets: client end and accepted end. Closed on destruction.
struct LoopbackPair {
    LoopbackPair();
    ~LoopbackPair();
    LoopbackServer peer;
    int client = -1;
};
