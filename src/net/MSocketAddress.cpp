#include "net/MSocketAddress.h"

#include <arpa/inet.h>
#include <netdb.h>

#include <cctype>
#include <cstring>

#include "core/MError.h"
#include "net/SocketLibrary.h"

namespace {
// The value of the digit run that starts text after white space; -1 without digits, saturated
// above 65,535.
int32_t LeadingNumber(const char* text) {
    while (std::isspace(static_cast<unsigned char>(*text))) ++text;
    if (*text < '0' || *text > '9') return -1;
    int32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > 65535) return 65536;
    }
    return value;
}

// The host text of the any address.
const MIpHost& AnyHost() {
    static const MIpHost host("0.0.0.0");
    return host;
}

void ClearSocketAddress(sockaddr_in& address, uint32_t ip) {
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = ip;
}
}  // namespace

MSocketAddress::MSocketAddress() {
    StartSocketLibrary();
    ClearSocketAddress(address_, kNoAddress);
}

uint32_t MSocketAddress::Resolve(const char* host, bool* resolved) {
    *resolved = true;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* result = nullptr;
    if (getaddrinfo(host, nullptr, &hints, &result) == 0) {
        for (addrinfo* entry = result; entry; entry = entry->ai_next) {
            if (entry->ai_family == AF_INET) {
                const uint32_t ip = reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr.s_addr;
                freeaddrinfo(result);
                return ip;  // the limited broadcast address 255.255.255.255 included
            }
        }
        freeaddrinfo(result);
    }
    const uint32_t ip = inet_addr(host);
    if (ip == kNoAddress) {
        *resolved = false;
        MLOG(LOG_CRITICAL, "Cannot get \"%s\" host entry\n", host);
    }
    return ip;
}

void MSocketAddress::InitFromHost(const MIpHost& host) {
    StartSocketLibrary();
    hostService_ = MIpHostService(host, MIpService("0"));
    protocol_ = kTcp;
    ClearSocketAddress(address_, 0);
    bool resolved = false;
    address_.sin_addr.s_addr = host.GetLength() == 0 ? kNoAddress : Resolve(host.CStr(), &resolved);
}

void MSocketAddress::InitFromHostService(const MIpService& service, uint8_t protocol, const MIpHost* host) {
    StartSocketLibrary();
    broadcast_ = 0;
    multicast_ = 0;
    report_ = 1;
    ClearSocketAddress(address_, kNoAddress);
    hostService_.SetHost(host ? *host : AnyHost());
    hostService_.SetService(service);
    protocol_ = protocol;

    const int32_t number = LeadingNumber(service.CStr());
    if (number >= 1 && number <= 65535) {
        address_.sin_port = htons(static_cast<uint16_t>(number));
    } else if (const servent* entry = getservbyname(service.CStr(), GetProtocolName())) {
        address_.sin_port = static_cast<uint16_t>(entry->s_port);
    }
    if (address_.sin_port == 0) return;

    if (host) {
        bool resolved = false;
        address_.sin_addr.s_addr = Resolve(host->CStr(), &resolved);
        if (!resolved) return;
    } else {
        address_.sin_addr.s_addr = 0;
    }
    const uint32_t ip = ntohl(address_.sin_addr.s_addr);
    broadcast_ = (ip & 0x3FFu) == 0x3FFu ? 1 : 0;
    const uint32_t first = ip >> 24;
    multicast_ = !broadcast_ && first >= 224 && first <= 239 ? 1 : 0;
}

std::string MSocketAddress::ToText() const {
    MIpService digits;
    digits.FromLeadingDigits(GetService().CStr());
    return GetHost().ToString() + "/" + digits.ToString() + "/" + GetProtocolName();
}

bool MSocketAddress::IsEmpty() const {
    return address_.sin_port == 0 &&
           (address_.sin_addr.s_addr == kNoAddress || address_.sin_addr.s_addr == 0);
}

int MSocketAddress::GetSocketType() const {
    return protocol_ == kUdp ? SOCK_DGRAM : SOCK_STREAM;
}

const char* MSocketAddress::GetProtocolName() const {
    switch (protocol_) {
        case kTcp:
            return "tcp";
        case kUdp:
            return "udp";
        case kLocal:
            return "unx";
        default:
            return "";
    }
}
