#pragma once
// The framework's socket over one POSIX socket: creates it, sets its options, binds, listens,
// connects without blocking for more than half a second, joins multicast groups (datagram
// addresses only), receives and sends without blocking (would-block answers 0) and closes. Every
// failure logs one line with the socket's addresses, the Windows socket error number and its text,
// and, except a failed creation or a failed first option step, closes the socket; the owner sees
// a false result or -1 and tries again later. It counts the bytes it moves and is a monitored
// object: it reports its creation ('E'), its state changes ('F') and, from its destructor, its end
// ('G'); a second monitored object watches its statistics ('U'). The addresses it is given are
// not owned. GUI thread only.
#include <cstdint>
#include <string>

#include "net/ConnectionStat.h"
#include "net/MSocketAddress.h"
#include "net/MonitorControl.h"
#include "net/MonitorMsgConnectionStat.h"
#include "net/MonitorTControl.h"

class MSocket : public MonitorControl {
public:
    // The handle of a socket that was never created.
    static constexpr int32_t kNoHandle = 0x7FFFFFFF;

    MSocket();
    ~MSocket() override;

    // 'E' once, then 'F' when the state counter moved since the last 'F' or when forced; nothing
    // while the remote address has its report flag off.
    void ReportToMonitor(bool force) override;
    // The bytes read (1 or more), 0 when nothing is waiting, -1 when the socket failed or the peer
    // closed it (the socket is then closed) or it is not open. With from, the sender's address is
    // stored there.
    virtual int32_t Receive(char* buffer, int size, MSocketAddress* from);
    // The bytes written, 0 when the socket cannot take data now, -1 on failure (socket closed;
    // statistics untouched) or when it is not open.
    virtual int32_t Send(const char* data, int length, MSocketAddress* to);

    // The whole connection step. A stream socket answers true only when it is connected; a
    // datagram socket when it is set up (and, for a multicast address, has joined the group).
    bool Connect(MSocketAddress* remote, MSocketAddress* local);
    // The whole listening step; false when creating, binding or listening failed.
    bool Listen(MSocketAddress* local, int backlog, MSocketAddress* remote);
    // Logs the close (under the report flags), shuts both directions down and closes; nothing when
    // not open.
    void Close();
    void Shutdown(int how);
    // The 'G' record; sent by the destructor.
    void ReportClose();

    bool Create(int family, int type);
    bool ConnectTo(MSocketAddress* remote);
    bool ConnectNonBlocking();
    bool SetConnectOptions();
    bool SetBufferOptions(bool nonBlocking);
    bool SetBroadcast();
    bool Bind(MSocketAddress* local);
    bool LocalBind();
    bool JoinMulticast(MSocketAddress* group);
    bool SetMulticastOptions(MSocketAddress* group);
    void ResetStatistics();

    // From the remote address, else the local one: the host cut or blank-padded to 32
    // characters, the port as 5 zero-filled digits, the protocol name cut or padded to 3; null
    // (nothing written) without an address, else host.
    const char* GetConnectionInfo(char* host, char* port, char* protocol) const;
    // "address: local - remote", "address: local", "address: remote" or empty.
    std::string DescribeAddresses() const;

    MSocketAddress* GetRemoteAddress() const { return remote_; }
    MSocketAddress* GetLocalAddress() const { return local_; }
    int GetSocketType() const { return static_cast<int>(socketType_); }
    int32_t GetHandle() const { return handle_; }
    bool IsOpen() const { return open_; }
    bool IsBound() const { return bound_; }
    bool GetReport() const { return report_; }
    void SetReport(bool report) { report_ = report; }
    int32_t GetStateCounter() const { return stateCounter_; }
    int32_t GetBacklog() const { return backlog_; }
    ConnectionStat& GetStatistics() { return stats_; }
    MonitorTControl<MonitorMsgConnectionStat, ConnectionStat>& GetStatisticsControl() {
        return statsControl_;
    }

private:
    bool IsDatagramBroadcast(const MSocketAddress* address) const;
    bool IsDatagramMulticast(const MSocketAddress* address) const;
    bool SetOption(int level, int option, const void* value, unsigned size, const char* name);
    // The "Cannot set option" line and the close.
    void FailOption(const char* name, int error);
    bool IsConnectionTraced() const;
    void TraceConnectionStep(const char* step) const;
    void TraceData(const char* direction, const char* data, int length) const;

    int32_t handle_ = kNoHandle;
    bool open_ = false;
    MSocketAddress* local_ = nullptr;
    MSocketAddress* remote_ = nullptr;
    MSocketAddress own_;
    int32_t backlog_ = 0;
    bool report_ = true;
    uint32_t socketType_ = 0;
    bool newPending_ = true;
    int32_t stateCounter_ = 0;
    int32_t reportedCounter_ = 0;
    ConnectionStat stats_;
    MonitorTControl<MonitorMsgConnectionStat, ConnectionStat> statsControl_;
    bool bound_ = false;
};
