#pragma once
// Process-wide socket routines shared by the addresses and the sockets: the one-time start of the
// socket library (nothing to start over POSIX sockets), the local host name taken at start-up,
// the Windows socket error numbers that every log line prints (mapped from errno and from the
// resolver's codes) and their texts. Unguarded: the GUI thread only.
#include <string>

// Would-block: a non-blocking call that could not complete now (EAGAIN, EWOULDBLOCK, EINPROGRESS).
inline constexpr int kSocketWouldBlock = 10035;

// Marks the library started; always succeeds here.
bool StartSocketLibrary();
// The local host name taken at start-up (empty when it could not be read); with fullyQualified,
// the resolver's canonical name for it, or the plain name when the resolver has none.
std::string GetLocalHostName(bool fullyQualified = false);
// The text of a Windows socket error number; "Unknown socket error: %d" for a number outside the
// table, printed into one process-wide buffer that the next such number overwrites.
const char* GetSocketErrorText(int error);
// The Windows socket error number of an errno value (the value itself when it has none).
int SocketErrorFromErrno(int errnoValue);
// The Windows socket error number of the calling thread's errno.
int GetLastSocketError();
// The Windows name-resolution error number (11001 to 11004) of a getaddrinfo result code.
int SocketErrorFromResolver(int code);
