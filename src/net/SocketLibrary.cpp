#include "net/SocketLibrary.h"

#include <netdb.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
struct ErrorText {
    int number;
    const char* text;
};

constexpr ErrorText kErrorTexts[] = {
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

struct ErrnoMapping {
    int errnoValue;
    int number;
};

constexpr ErrnoMapping kErrnoMappings[] = {
    {EINTR, 10004},         {EBADF, 10009},        {EACCES, 10013},          {EFAULT, 10014},
    {EINVAL, 10022},        {EMFILE, 10024},       {EAGAIN, 10035},          {EINPROGRESS, 10035},
    {EALREADY, 10037},      {ENOTSOCK, 10038},     {EDESTADDRREQ, 10039},    {EMSGSIZE, 10040},
    {EPROTOTYPE, 10041},    {ENOPROTOOPT, 10042},  {EPROTONOSUPPORT, 10043}, {ESOCKTNOSUPPORT, 10044},
    {EOPNOTSUPP, 10045},    {EPFNOSUPPORT, 10046}, {EAFNOSUPPORT, 10047},    {EADDRINUSE, 10048},
    {EADDRNOTAVAIL, 10049}, {ENETDOWN, 10050},     {ENETUNREACH, 10051},     {ENETRESET, 10052},
    {ECONNABORTED, 10053},  {ECONNRESET, 10054},   {EPIPE, 10054},           {ENOBUFS, 10055},
    {EISCONN, 10056},       {ENOTCONN, 10057},     {ESHUTDOWN, 10058},       {ETOOMANYREFS, 10059},
    {ETIMEDOUT, 10060},     {ECONNREFUSED, 10061}, {ELOOP, 10062},           {ENAMETOOLONG, 10063},
    {EHOSTDOWN, 10064},     {EHOSTUNREACH, 10065}, {ENOTEMPTY, 10066},       {EUSERS, 10068},
    {EDQUOT, 10069},        {ESTALE, 10070},       {EREMOTE, 10071},
};

bool libraryStarted = false;

// The host name as gethostname gives it at start-up (256 bytes), empty on failure.
std::string ReadHostName() {
    char buffer[256] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0) return std::string();
    return buffer;
}

const std::string& LocalHostName() {
    static const std::string name = ReadHostName();
    return name;
}

// Taken before main, as the address unit's start-up did.
[[maybe_unused]] const bool startedAtLoad = (StartSocketLibrary(), LocalHostName(), true);
}  // namespace

bool StartSocketLibrary() {
    libraryStarted = true;
    return libraryStarted;
}

std::string GetLocalHostName(bool fullyQualified) {
    StartSocketLibrary();
    const std::string& name = LocalHostName();
    if (!fullyQualified || name.empty()) return name;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_flags = AI_CANONNAME;
    addrinfo* result = nullptr;
    std::string canonical = name;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &result) == 0) {
        if (result && result->ai_canonname && *result->ai_canonname) canonical = result->ai_canonname;
        freeaddrinfo(result);
    }
    return canonical;
}

const char* GetSocketErrorText(int error) {
    for (const ErrorText& entry : kErrorTexts) {
        if (entry.number == error) return entry.text;
    }
    static char unknown[64];
    std::snprintf(unknown, sizeof unknown, "Unknown socket error: %d", error);
    return unknown;
}

int SocketErrorFromErrno(int errnoValue) {
    for (const ErrnoMapping& entry : kErrnoMappings) {
        if (entry.errnoValue == errnoValue) return entry.number;
    }
    return errnoValue;
}

int GetLastSocketError() {
    return SocketErrorFromErrno(errno);
}

int SocketErrorFromResolver(int code) {
    switch (code) {
        case EAI_NONAME:
            return 11001;
        case EAI_AGAIN:
            return 11002;
        case EAI_FAIL:
            return 11003;
        default:
            return 11004;
    }
}
