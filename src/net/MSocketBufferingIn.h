#pragma once
// The input side of one connection: reads what the socket offers into one buffer of capacity + 1
// bytes and cuts whole messages out of it, one per ReadMessage, handed out in place. The generic
// cutter frames a message by a number of header bytes, an end marker and a number of trailer
// bytes; a subclass may replace GetNextMessage with a framing of its own (and answer
// kFormatError for bytes it refuses). The socket is read only when no whole message is left and
// the select pass reported it ready, once per report. GUI thread only.
#include <cstdint>
#include <string>

#include "fields/MString.h"
#include "fields/MValAccept.h"

class MControlView;
class MSocket;
class MSocketAddress;
class MSocketSet;

class MSocketBufferingIn {
public:
    enum FormatError : int32_t { kNoError = 0, kBufferTooSmall = 2, kReceiveFailure = 3 };
    // What GetNextMessage answers for malformed bytes.
    static inline const char* const kFormatError = reinterpret_cast<const char*>(~uintptr_t{0});

    MSocketBufferingIn(MSocket* socket, uint32_t capacity, uint8_t endMarker, int32_t trailerLength,
                       uint32_t headerLength);
    virtual ~MSocketBufferingIn();
    MSocketBufferingIn(const MSocketBufferingIn&) = delete;
    MSocketBufferingIn& operator=(const MSocketBufferingIn&) = delete;

    // The first end marker among the unconsumed bytes, or null.
    virtual const char* FindMessageEnd();
    // The next whole message at the read position with its length and frame size; null while
    // none is whole.
    virtual const char* GetNextMessage(int32_t* length, uint32_t* frameSize);
    // The socket's receive: the bytes read, 0 when it would block, negative on failure or close.
    virtual int ReadSocket(char* buffer, int size);
    // Forgets every buffered byte and rebuilds the description.
    virtual void Reset();
    virtual void Close();
    virtual bool Listen(MSocketAddress* local, int backlog, MSocketAddress* remote);
    // Reset, then the socket's connect.
    virtual bool Connect(MSocketAddress* remote, MSocketAddress* local);
    // The next message of the connection, reading the socket when needed: null with length 0
    // when there is none now, null with length -1 when the connection must be dropped.
    virtual const char* ReadMessage(int32_t* length, MSocketSet* set);
    virtual bool WriteSocket(const char* data, int length);

    void SetSocket(MSocket* socket);
    MSocket* GetSocket() const { return socket_; }
    // Adds the control "Desc" showing the description to the view.
    void AddDescriptionControl(MControlView& view);

    const MString<10, 10, MValAccept>& GetDescription() const { return description_; }
    int32_t GetLastFormatError() const { return lastFormatError_; }
    int32_t GetCapacity() const { return capacity_; }
    uint32_t GetReadPosition() const { return read_; }
    uint32_t GetLength() const { return length_; }
    bool IsPending() const { return pending_ != 0; }

protected:
    const char* GetBuffer() const { return buffer_; }

private:
    const char* ExtractMessage(int32_t* length);
    void BuildDescription();

    MSocket* socket_;
    uint32_t headerLength_;
    uint8_t pending_ = 0;
    uint8_t endMarker_;
    int32_t trailerLength_;
    char* buffer_;
    int32_t capacity_;
    uint32_t read_ = 0;
    uint32_t length_ = 0;
    int32_t lastFormatError_ = kNoError;
    uint32_t readyGeneration_ = ~0u;
    MString<10, 10, MValAccept> description_;
};
