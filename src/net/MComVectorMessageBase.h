#pragma once
// The interface of a message vector: a list of whole messages waiting to be sent on one
// connection with a next-to-send index, appended by the owner and taken in order by the sender
// (HasMessagesToSend, GetMessage(GetNextToSend()), AdvanceNextToSend). It also carries the
// connected flag of the owning connection, a trace id and, fixed at construction, whether
// appended messages are traced. GUI thread only.
#include <cstdint>
#include <string>

class MDescFormat;

class MComVectorMessageBase {
public:
    explicit MComVectorMessageBase(uint32_t id);
    virtual ~MComVectorMessageBase() = default;
    MComVectorMessageBase(const MComVectorMessageBase&) = delete;
    MComVectorMessageBase& operator=(const MComVectorMessageBase&) = delete;

    virtual uint32_t GetCount() const = 0;
    virtual void AddString(const std::string& message) = 0;
    virtual void AddMessage(const char* data, int length) = 0;
    // Writable room of length bytes at the end of the storage; CommitMessage registers them.
    virtual char* ReserveMessage(int length) = 0;
    virtual void CommitMessage(const char* data, unsigned length) = 0;
    virtual void AddMessageParts(const char* first, int firstLength, const char* second,
                                 int secondLength) = 0;
    virtual void RemoveLastMessage() { RemoveLast(1); }
    virtual void RemoveLast(int count) = 0;
    virtual void Clear() = 0;
    virtual bool HasMessagesToSend() = 0;
    virtual void EnableAutoClear() {}
    virtual void OnIdle() {}
    // The message at index and its length; null and 0 out of range.
    virtual const char* GetMessage(int* length, uint32_t index) = 0;
    virtual uint32_t GetNextToSend() const = 0;
    virtual void SetNextToSend(uint32_t index) = 0;
    virtual bool AdvanceNextToSend() = 0;
    virtual bool StepBackNextToSend() = 0;
    virtual bool IsSendAllowed(int& tag) { return true; }
    virtual bool IsConnected() const { return connected_; }
    virtual void SetConnected(bool connected, int eventId) { connected_ = connected; }
    // "Base ID[%2lX] Connect [%c]".
    virtual std::string GetDescription() const;
    // Writes the description under the key prefix + ".MComVector".
    virtual void Describe(MDescFormat& describer, const std::string& prefix);
    // The index of the oldest message that can still be read.
    virtual uint32_t GetFirstIndex() const { return 0; }
    virtual int32_t GetTraceId() const { return traceId_; }
    virtual void SetTraceId(int32_t id) { traceId_ = id; }
    virtual void OnAfterSend() {}

    uint32_t GetId() const { return id_; }
    bool IsTraced() const { return traced_; }
    // One trace line of the message, named by the trace id (the vector id when it is 0) as "%03X".
    void TraceMessage(const char* data, int length) const;
    void TraceMessageParts(const char* first, int firstLength, const char* second, int secondLength) const;

private:
    uint32_t id_;
    bool connected_ = false;
    int32_t traceId_ = 0;
    bool traced_;
};
