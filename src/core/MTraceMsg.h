#pragma once
// Collects message dumps for the trace: each message becomes one printable line "<M[name]data"
// (">M[" for direction other than 0) in a 131,072-byte buffer (allocated at the first message)
// that is written to the trace stream in one block; a line longer than the buffer is replaced by
// "TraceMsg-Buffer overflow". One global instance (GetTraceMsg); flushed and freed when it dies.
// GUI thread only.
#include <cstdint>
#include <memory>
#include <string>

#include "core/MTraceMsgToAscii.h"

class MTraceMsg {
public:
    static constexpr int32_t kBufferSize = 0x20000;

    MTraceMsg() = default;
    virtual ~MTraceMsg();
    MTraceMsg(const MTraceMsg&) = delete;
    MTraceMsg& operator=(const MTraceMsg&) = delete;

    // Traces one message (direction 0) named by the printable form of name.
    void TraceText(const std::string& name, const char* data, int32_t dataLength, const char* extra,
                   int32_t extraLength);
    // Traces one message: name, then the printable forms of data and extra (each may be absent).
    void TraceMessage(char direction, const char* name, int32_t nameLength, const char* data,
                      int32_t dataLength, const char* extra, int32_t extraLength);
    // Writes the collected lines to the trace stream.
    void Flush();

private:
    int32_t used_ = 0;
    bool flushEachLine_ = true;
    std::unique_ptr<char[]> buffer_;
    MTraceMsgToAscii dataConverter_;
    MTraceMsgToAscii extraConverter_;
    MTraceMsgToAscii nameConverter_;
};

MTraceMsg& GetTraceMsg();
