#pragma once
// An IPv4 endpoint named by a host text and a service text, resolved once, when it is built, to
// the first IPv4 address of the host and the service's port. It keeps the protocol (0 TCP, 1 UDP,
// 2 local), the broadcast flag (the low ten bits of the address all ones), the multicast flag
// (224 to 239, only when not broadcast) and the report flag, which quiets the connection-failure
// logging of the sockets that use it while it is off. A plain value, copied freely.
#include <netinet/in.h>

#include <cstdint>
#include <string>

#include "net/MIpHostService.h"
#include "net/MVector.h"

class MSocketAddress {
public:
    static constexpr uint8_t kTcp = 0;
    static constexpr uint8_t kUdp = 1;
    static constexpr uint8_t kLocal = 2;
    static constexpr uint32_t kNoAddress = 0xFFFFFFFFu;

    // Empty host, service "0", not resolved (reads as empty).
    MSocketAddress();

    // Host and service (host, "0") with the protocol TCP; the address of the host (none for an
    // empty host), or the level-2 line when it does not resolve. Flags stay 0.
    void InitFromHost(const MIpHost& host);
    // Host and service (host, or "0.0.0.0" when null, and service); the port from the service's
    // leading digits (1 to 65,535) or its name under the protocol; when there is a port, the
    // host's address (the any address for a null host) and the broadcast and multicast flags.
    void InitFromHostService(const MIpService& service, uint8_t protocol, const MIpHost* host);

    // host/service digits/protocol name, for example server1/7001/tcp.
    std::string ToText() const;
    // Port 0 and the address none or any.
    bool IsEmpty() const;

    int GetFamily() const { return AF_INET; }
    // 2 (datagram) for UDP, 1 (stream) for every other protocol.
    int GetSocketType() const;
    uint8_t GetProtocol() const { return protocol_; }
    // "tcp", "udp", "unx", or empty for any other protocol value.
    const char* GetProtocolName() const;
    bool IsBroadcast() const { return broadcast_ != 0; }
    bool IsMulticast() const { return multicast_ != 0; }
    bool GetReport() const { return report_ != 0; }
    void SetReport(bool report) { report_ = report ? 1 : 0; }
    const MIpHost& GetHost() const { return hostService_.GetHost(); }
    const MIpService& GetService() const { return hostService_.GetService(); }
    const MIpHostService& GetHostService() const { return hostService_; }

    // The port in host byte order and the address in network byte order.
    uint16_t GetPort() const { return ntohs(address_.sin_port); }
    uint32_t GetAddress() const { return address_.sin_addr.s_addr; }
    const sockaddr_in& GetSocketAddress() const { return address_; }
    // Stores a peer's address as received (host and service texts unchanged).
    void SetSocketAddress(const sockaddr_in& address) { address_ = address; }

private:
    // The first IPv4 address of host (network byte order), or kNoAddress with the level-2 line
    // and resolved false.
    static uint32_t Resolve(const char* host, bool* resolved);

    sockaddr_in address_;
    MIpHostService hostService_;
    uint8_t protocol_ = kTcp;
    uint8_t broadcast_ = 0;
    uint8_t multicast_ = 0;
    uint8_t report_ = 1;
};

using MIpHostList = MVector<MIpHost>;
using MIpServiceList = MVector<MIpService>;
using HostAddressList = MVector<MSocketAddress>;
