#pragma once
// The event that keeps one outgoing TCP connection for the event loop: it connects to the address
// that its address list chooses when asked for input (or, while not registered for input, when
// output waits), reads messages through its input side and hands each one out in place, flushes
// the outgoing messages through its output side, and reports each connection and disconnection
// as a 69-byte connection record (a notification):
//   0   1  'C' connection, 'D' disconnection
//   1  24  "Connect to address : " blank-padded, or "Disconnect from address : " cut at 24
//  25  32  host of the remote (else local) address, blank-padded or cut
//  57   5  port digits, right-aligned, '0'-filled
//  62   3  protocol name, blank-padded
//  65   4  connection number, four digits
// Owns its input and output sides, its socket and its copy of the address list. GUI thread only.
#include <cstdint>
#include <memory>
#include <string>

#include "fields/MControlTrigger.h"
#include "net/MEvent.h"
#include "net/MSocketAddressList.h"

class MEventSocketSelect;
class MSocket;
class MSocketBufferingIn;
class MSocketBufferingOut;
class MSocketSet;

class MEventActiveTcpSocket : public MEvent {
public:
    static constexpr int32_t kRecordLength = 69;

    class ControlTriggerDisconnect : public MControlTrigger {
    public:
        explicit ControlTriggerDisconnect(MEventActiveTcpSocket& event) : event_(event) {}
        // Disconnects; the socket's text followed by " Disconnected".
        std::string Execute() override;

    private:
        MEventActiveTcpSocket& event_;
    };

    MEventActiveTcpSocket(int32_t id, MEventMediator* mediator, MSocketBufferingIn* input,
                          MSocketBufferingOut* output, MEventSocketSelect* listener,
                          const MSocketAddressList* addresses, bool registerOutput, bool registerInput);
    ~MEventActiveTcpSocket() override;

    int32_t ProcessInput(bool block) override;
    int32_t ProcessOutput(MEventRecorder* recorder) override;
    const char* GetInputMessage(int32_t& length) override;
    const char* GetNotification(int32_t& length) override;
    bool Disconnect() override;
    void SetActive(bool active) override;

    virtual void Enable() { SetActive(true); }
    virtual void Disable() { SetActive(false); }
    // 3 when a message was read, 0 when none, 7 when the connection broke.
    virtual int32_t ReadMessage();
    virtual int32_t NotifyConnected(uint8_t reason);
    virtual int32_t NotifyDisconnected(uint8_t reason);
    virtual uint8_t HasNotification() { return pending_; }
    virtual uint8_t* GetNotificationFlag() { return &pending_; }
    virtual bool CanConnect() { return true; }
    // One connection attempt.
    virtual bool Connect(bool block);
    virtual uint32_t EnableReports();

    void AddControlMessage(const char* data, int length);
    const char* GetConnectionInfo(char* port, char* protocol, char* host) const;
    // The socket's addresses, or "No Client".
    std::string GetSocketText() const;

    MSocket* GetSocket() const { return socket_.get(); }
    MSocketAddressList* GetAddressList() const { return addresses_.get(); }
    MSocketBufferingIn* GetInputBuffering() const { return input_.get(); }
    MSocketBufferingOut* GetOutputBuffering() const { return output_.get(); }
    bool IsRegisteredForInput() const { return registeredForInput_ != 0; }

private:
    int32_t WriteRecord(char kind, uint8_t reason);
    void EnterSets();

    uint8_t pending_ = 0;
    std::unique_ptr<MSocketAddressList> addresses_;
    ControlTriggerDisconnect trigger_;
    int32_t messageLength_ = 0;
    const char* message_ = nullptr;
    MSocketSet* inputSet_ = nullptr;
    MSocketSet* outputSet_ = nullptr;
    std::unique_ptr<MSocketBufferingIn> input_;
    std::unique_ptr<MSocketBufferingOut> output_;
    std::unique_ptr<MSocket> socket_;
    uint8_t inSets_ = 0;
    char connectionNumber_[4] = {'0', '0', '0', '0'};
    uint8_t registeredForInput_ = 0;
};
