#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netdb.h>
#include <unistd.h>

#include <cerrno>

#include "net/MSocketAddress.h"
#include "net/SocketLibrary.h"
#include "support/LogRecorder.h"

namespace {
MSocketAddress Build(const char* service, uint8_t protocol, const char* host) {
    MSocketAddress address;
    const MIpHost hostText(host ? host : "");
    address.InitFromHostService(MIpService(service), protocol, host ? &hostText : nullptr);
    return address;
}
}  // namespace

TEST(MSocketAddressTest, BuildsPortAddressAndFlagsFromHostAndService) {
    struct Case {
        const char* service;
        uint8_t protocol;
        const char* host;
        uint16_t port;
        const char* ip;  // dotted, or null for none
        bool broadcast;
        bool multicast;
        bool empty;
        const char* text;
    };
    const Case cases[] = {
        {"7001", MSocketAddress::kTcp, "127.0.0.1", 7001, "127.0.0.1", false, false, false,
         "127.0.0.1/7001/tcp"},
        {"0", MSocketAddress::kTcp, "127.0.0.1", 0, nullptr, false, false, true, "127.0.0.1/0/tcp"},
        {"  80", MSocketAddress::kTcp, "127.0.0.1", 80, "127.0.0.1", false, false, false, "127.0.0.1/80/tcp"},
        {"http", MSocketAddress::kTcp, "127.0.0.1", 80, "127.0.0.1", false, false, false, "127.0.0.1//tcp"},
        {"nosuchservice", MSocketAddress::kUdp, "127.0.0.1", 0, nullptr, false, false, true,
         "127.0.0.1//udp"},
        {"65536", MSocketAddress::kTcp, "127.0.0.1", 0, nullptr, false, false, true, "127.0.0.1/65536/tcp"},
        {"7001", MSocketAddress::kTcp, nullptr, 7001, "0.0.0.0", false, false, false, "0.0.0.0/7001/tcp"},
        {"7001", MSocketAddress::kUdp, "239.1.2.3", 7001, "239.1.2.3", false, true, false,
         "239.1.2.3/7001/udp"},
        {"7001", MSocketAddress::kUdp, "192.168.3.255", 7001, "192.168.3.255", true, false, false,
         "192.168.3.255/7001/udp"},
        {"7001", MSocketAddress::kTcp, "10.1.2.255", 7001, "10.1.2.255", false, false, false,
         "10.1.2.255/7001/tcp"},
        {"7001", MSocketAddress::kTcp, "255.255.255.255", 7001, "255.255.255.255", true, false, false,
         "255.255.255.255/7001/tcp"},
        {"7001", MSocketAddress::kTcp, "localhost", 7001, "127.0.0.1", false, false, false,
         "localhost/7001/tcp"},
        {"12abc", 2, "127.0.0.1", 12, "127.0.0.1", false, false, false, "127.0.0.1/12/unx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.service) + " " + (c.host ? c.host : "(null)"));
        const MSocketAddress address = Build(c.service, c.protocol, c.host);
        EXPECT_EQ(address.GetPort(), c.port);
        EXPECT_EQ(address.GetAddress(), c.ip ? inet_addr(c.ip) : MSocketAddress::kNoAddress);
        EXPECT_EQ(address.IsBroadcast(), c.broadcast);
        EXPECT_EQ(address.IsMulticast(), c.multicast);
        EXPECT_EQ(address.IsEmpty(), c.empty);
        EXPECT_EQ(address.ToText(), c.text);
        EXPECT_TRUE(address.GetReport());
        EXPECT_EQ(address.GetFamily(), 2);
        EXPECT_EQ(address.GetSocketType(), c.protocol == MSocketAddress::kUdp ? 2 : 1);
    }
}

TEST(MSocketAddressTest, ANewAddressIsEmptyAndAnyOtherProtocolHasNoName) {
    MSocketAddress address;
    EXPECT_TRUE(address.IsEmpty());
    EXPECT_EQ(address.GetService().ToString(), "0");
    EXPECT_EQ(address.GetHost().ToString(), "");
    EXPECT_EQ(address.ToText(), "/0/tcp");
    EXPECT_EQ(Build("1", 7, "127.0.0.1").ToText(), "127.0.0.1/1/");
}

TEST(MSocketAddressTest, AHostThatDoesNotResolveIsLoggedAndLeftWithoutAddress) {
    LogRecorder log;
    const MSocketAddress address = Build("7001", MSocketAddress::kTcp, "nosuchhost.invalid");
    EXPECT_EQ(address.GetAddress(), MSocketAddress::kNoAddress);
    EXPECT_FALSE(address.IsBroadcast());
    EXPECT_TRUE(log.Has(2, "Cannot get \"nosuchhost.invalid\" host entry"));

    MSocketAddress fromHost;
    fromHost.InitFromHost(MIpHost("nosuchhost.invalid"));
    EXPECT_EQ(fromHost.GetAddress(), MSocketAddress::kNoAddress);
    EXPECT_EQ(log.messages.size(), 2u);
}

TEST(MSocketAddressTest, InitFromHostTakesTheHostWithServiceZero) {
    MSocketAddress address;
    address.InitFromHost(MIpHost("127.0.0.2"));
    EXPECT_EQ(address.GetAddress(), inet_addr("127.0.0.2"));
    EXPECT_EQ(address.GetPort(), 0);
    EXPECT_EQ(address.ToText(), "127.0.0.2/0/tcp");
    address.InitFromHost(MIpHost(""));
    EXPECT_EQ(address.GetAddress(), MSocketAddress::kNoAddress);
    EXPECT_TRUE(address.IsEmpty());
}

TEST(MSocketAddressTest, ServicesTakeTheirLeadingDigits) {
    MIpService service;
    EXPECT_EQ(service.ToString(), "0");
    service.FromLeadingDigits(" \t 7001/x");
    EXPECT_EQ(service.ToString(), "7001");
    service.FromLeadingDigits("name");
    EXPECT_EQ(service.ToString(), "");
    service.InitFromBytes("12345", 3);
    EXPECT_EQ(service.ToString(), "123");
}

TEST(SocketErrorTextTest, EveryNumberOfTheTableHasItsText) {
    const std::pair<int, const char*> table[] = {
        {10004, "Interrupted system call"},
        {10009, "Bad file descriptor"},
        {10013, "Permission denied"},
        {10014, "Bad address"},
        {10022, "Invalid argument"},
        {10024, "Too many open files"},
        {10035, "Resource temporarily unavailable"},
        {10036, "Operation now in progress"},
        {10037, "Operation already in progress"},
        {10038, "Socket operation on non-socket"},
        {10039, "Destination address required"},
        {10040, "Message too long"},
        {10041, "Protocol wrong type for socket"},
        {10042, "Protocol not available"},
        {10043, "Protocol not supported"},
        {10044, "Socket type not supported"},
        {10045, "Operation not supported on socket"},
        {10046, "Protocol family not supported"},
        {10047, "Address family not supported by protocol"},
        {10048, "Address already in use"},
        {10049, "Can't assign requested address"},
        {10050, "Network is down"},
        {10051, "Network is unreachable"},
        {10052, "Network connection dropped on reset"},
        {10053, "Software caused connection abort"},
        {10054, "Connection reset by peer"},
        {10055, "No buffer space available"},
        {10056, "Socket is already connected"},
        {10057, "Socket is not connected"},
        {10058, "Can't send after socket shutdown"},
        {10059, "Too many references: can't splice"},
        {10060, "Connection timed out"},
        {10061, "Connection refused"},
        {10062, "Too many levels of symbolic links"},
        {10063, "File name too long"},
        {10064, "Host is down"},
        {10065, "No route to host"},
        {10066, "Directory not empty"},
        {10067, "Too many processes"},
        {10068, "Too many users"},
        {10069, "Disc quota exceeded"},
        {10070, "Stale NFS file handle"},
        {10071, "Object is remote"},
        {10091, "Network subsystem unavailable"},
        {10092, "Requested WinSock version not supported"},
        {10093, "WinSock was not initialized"},
        {10101, "Graceful shutdown in progress"},
        {11001, "Unknown host"},
        {11002, "Host name lookup failure"},
        {11003, "Unknown server error"},
        {11004, "No address associated with name"},
    };
    for (const auto& [number, text] : table) EXPECT_STREQ(GetSocketErrorText(number), text) << number;
    for (int number : {0, 10000, 10005, 10072, 10090, 10094, 10100, 11000, 11005, -1}) {
        EXPECT_EQ(std::string(GetSocketErrorText(number)), "Unknown socket error: " + std::to_string(number));
    }
}

TEST(SocketErrorTextTest, ErrnoValuesMapToTheWindowsNumbers) {
    const std::pair<int, int> cases[] = {{EAGAIN, 10035},       {EINPROGRESS, 10035}, {ECONNREFUSED, 10061},
                                         {ECONNRESET, 10054},   {ETIMEDOUT, 10060},   {EADDRINUSE, 10048},
                                         {EHOSTUNREACH, 10065}, {ENOTCONN, 10057},    {EBADF, 10009}};
    for (const auto& [value, number] : cases) EXPECT_EQ(SocketErrorFromErrno(value), number) << value;
    EXPECT_EQ(SocketErrorFromResolver(EAI_NONAME), 11001);
    EXPECT_EQ(SocketErrorFromResolver(EAI_AGAIN), 11002);
    EXPECT_EQ(SocketErrorFromResolver(EAI_FAIL), 11003);
    EXPECT_EQ(SocketErrorFromResolver(EAI_NODATA), 11004);
}

TEST(SocketErrorTextTest, TheLocalHostNameIsTheMachinesName) {
    char name[256] = {};
    ASSERT_EQ(gethostname(name, sizeof name - 1), 0);
    EXPECT_EQ(GetLocalHostName(), name);
    EXPECT_TRUE(StartSocketLibrary());
    EXPECT_FALSE(GetLocalHostName(true).empty());
}
