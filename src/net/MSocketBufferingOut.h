#pragma once
// The output side of one connection: packs whole messages from its own control vector (first)
// and from the application's vector into one contiguous buffer, each framed by an optional start
// marker, end marker and block check byte (the XOR of the data, and of the end marker when there
// is one), and sends the buffer without blocking. New messages are packed only once everything
// packed before has been accepted by the socket. A message is packed only when its whole packed
// form fits, and, unless framing is counted, at least 16,384 bytes are free; a message larger
// than the whole buffer is logged and skipped. GUI thread only.
#include <cstdint>
#include <memory>
#include <string>

#include "net/MComVectorMessageMaster.h"

class MEventRecorder;
class MSocket;
class MSocketAddress;
class MSocketBufferingOutBulkerBase;

class MSocketBufferingOut {
public:
    static constexpr uint32_t kFixedRoom = 16384;
    enum class Packing { Packed, NoRoom, Skipped };

    MSocketBufferingOut(MComVectorMessageMaster* vector, MSocket* socket, uint8_t startMarker,
                        uint8_t endMarker, uint8_t bcc, uint32_t maxPerBatch, uint32_t bufferSize,
                        uint8_t countFraming);
    virtual ~MSocketBufferingOut();
    MSocketBufferingOut(const MSocketBufferingOut&) = delete;
    MSocketBufferingOut& operator=(const MSocketBufferingOut&) = delete;

    // Packs one message at the write position; the caller checked the room.
    virtual void AppendMessage(const char* data, unsigned length);
    // The socket's send: the bytes accepted, 0 when it would block, negative on failure.
    virtual int WriteSocket(const char* data, int length);
    virtual bool Listen(MSocketAddress* local, int backlog, MSocketAddress* remote);
    virtual bool Connect(MSocketAddress* remote, MSocketAddress* local);
    // Sends what is pending, packs and sends new messages: positive when bytes went out or are
    // still pending, 0 when nothing was sent, negative when the socket failed.
    virtual int Flush(MEventRecorder* recorder, int tag);
    virtual bool TrySend(const char* data, int length);
    virtual void OnPeriodicTimer(MComVectorMessageMaster* control) {}
    virtual void AddControlMessage(const char* data, int length);
    virtual void AddControlMessageParts(const char* first, int firstLength, const char* second,
                                        int secondLength);
    virtual void ClearControlMessages();
    // The bytes that AppendMessage lays for a message of that length.
    virtual uint32_t GetPackedSize(unsigned length) const;

    void SetSocket(MSocket* socket);
    MSocket* GetSocket() const { return socket_; }
    MComVectorMessageMaster* GetVector() const { return vector_; }
    MComVectorMessageMaster& GetControlVector() { return control_; }
    void Close();
    void ResetBuffer() { write_ = send_ = buffer_.get(); }
    bool IsConnectOnOutput() const { return connectOnOutput_ != 0; }
    const char* GetDescription() const { return description_; }
    uint32_t GetPendingBytes() const { return static_cast<uint32_t>(write_ - send_); }
    uint32_t GetFreeBytes() const { return static_cast<uint32_t>(end_ - write_); }

    // One step of a packing loop: packs the message when it fits (and hands it to the recorder),
    // skips one that can never fit, or finds no room (poll-again flag set).
    Packing PackOne(const char* data, int length, MEventRecorder* recorder, int tag);
    // Whether count reached the batch limit (poll-again flag set then).
    bool ReachedBatchLimit(int32_t count) const;
    // Adds the count to the socket's sent-message statistic.
    void CountSent(int32_t count);

protected:
    char* GetWritePosition() const { return write_; }
    void AdvanceWritePosition(uint32_t n) { write_ += n; }

private:
    enum class Sending { Idle, Error, Blocked, AllSent, Partial };
    Sending SendPending();

    uint8_t startMarker_;
    uint8_t endMarker_;
    uint8_t bcc_;
    uint8_t sendApplication_ = 1;
    std::unique_ptr<char[]> buffer_;
    char* end_;
    char* write_;
    char* send_;
    uint32_t bufferSize_;
    uint32_t fixedRoom_ = kFixedRoom;
    MComVectorMessageMaster* vector_;
    std::unique_ptr<MSocketBufferingOutBulkerBase> genericBulker_;
    std::unique_ptr<MSocketBufferingOutBulkerBase> controlBulker_;
    uint32_t maxPerBatch_;
    char description_[101] = {};
    MComVectorMessageMaster control_;
    uint8_t recordControl_ = 0;
    uint8_t periodicEnabled_ = 0;
    uint8_t connectOnOutput_ = 1;
    uint8_t countFraming_;
    int32_t framingBytes_;
    MSocket* socket_;
};
