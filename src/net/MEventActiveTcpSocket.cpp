#include "net/MEventActiveTcpSocket.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "fields/MControlFunction.h"
#include "fields/MTControlFunction.h"
#include "net/MComVectorMessageBase.h"
#include "net/MEventMediator.h"
#include "net/MEventSocketSelect.h"
#include "net/MSocket.h"
#include "net/MSocketBufferingIn.h"
#include "net/MSocketBufferingOut.h"

namespace {

// After leading white space, a number from 1 to 65,535, or digits followed by '#'.
bool IsUsableService(const std::string& service) {
    std::size_t i = 0;
    while (i < service.size() && std::isspace(static_cast<unsigned char>(service[i]))) ++i;
    std::size_t digits = i;
    long value = 0;
    while (digits < service.size() && std::isdigit(static_cast<unsigned char>(service[digits]))) {
        if (value <= 65535) value = value * 10 + (service[digits] - '0');
        ++digits;
    }
    if (digits < service.size() && service[digits] == '#') return true;
    return digits > i && value >= 1 && value <= 65535;
}

void CopyPadded(char* target, std::size_t width, const char* text) {
    const std::size_t length = std::min(width, std::strlen(text));
    std::memcpy(target, text, length);
    std::memset(target + length, ' ', width - length);
}

}  // namespace

std::string MEventActiveTcpSocket::ControlTriggerDisconnect::Execute() {
    event_.Disconnect();
    return event_.GetSocketText() + " Disconnected";
}

MEventActiveTcpSocket::MEventActiveTcpSocket(int32_t id, MEventMediator* mediator, MSocketBufferingIn* input,
                                             MSocketBufferingOut* output, MEventSocketSelect* listener,
                                             const MSocketAddressList* addresses, bool registerOutput,
                                             bool registerInput)
    : MEvent(id, mediator), trigger_(*this), input_(input), output_(output) {
    SetKeepsData(true);
    if (addresses && !addresses->empty() && IsUsableService((*addresses)[0].GetService().ToString()) &&
        mediator) {
        if (registerOutput) mediator->AddOutputEvent(this);
        if (registerInput) {
            mediator->AddInputEvent(this);
            registeredForInput_ = 1;
        }
    }
    AddControl(new MControlFunction("Disconnect", &trigger_));
    if (addresses) addresses_ = std::make_unique<MSocketAddressList>(*addresses);
    if (listener) {
        inputSet_ = listener->GetInputSet();
        outputSet_ = listener->GetOutputSet();
    }
    MSocket* existing = input_ ? input_->GetSocket() : (output_ ? output_->GetSocket() : nullptr);
    if (existing) {
        socket_.reset(existing);
        SetConnected(1);
    } else {
        socket_ = std::make_unique<MSocket>();
        if (input_) input_->SetSocket(socket_.get());
        if (output_) output_->SetSocket(socket_.get());
        SetConnected(0);
    }
    SetName("Client#" + std::to_string(id));
    if (input_) input_->AddDescriptionControl(*this);
    if (output_ && output_->GetVector()) {
        AddControl(new MTControlFunction<MComVectorMessageBase>(output_->GetVector(), "com", nullptr));
    }
}

MEventActiveTcpSocket::~MEventActiveTcpSocket() {
    Disconnect();
    MEventMediator* mediator = GetMediator();
    if (mediator) {
        mediator->RemoveInputEvent(this);
        mediator->RemoveOutputEvent(this);
    }
    input_.reset();
    output_.reset();
    socket_.reset();
}

int32_t MEventActiveTcpSocket::ProcessInput(bool block) {
    if (pending_) return 7;
    if (IsConnected()) return input_ ? ReadMessage() : 0;
    if (!addresses_) return 1;
    Connect(block);
    return IsConnected() ? NotifyConnected(0) : 0;
}

int32_t MEventActiveTcpSocket::ReadMessage() {
    message_ = input_->ReadMessage(&messageLength_, inputSet_);
    if (messageLength_ == -1) {
        Disconnect();
        return NotifyDisconnected(0);
    }
    return message_ ? 3 : 0;
}

int32_t MEventActiveTcpSocket::ProcessOutput(MEventRecorder* recorder) {
    if (pending_) {
        if (registeredForInput_) return 0;
        pending_ = 0;
    }
    if (!IsConnected()) {
        if (registeredForInput_) return 0;
        if (!output_ || !output_->IsConnectOnOutput()) return 0;
        if (!addresses_) return 1;
        Connect(true);
        if (IsConnected()) NotifyConnected(1);
        return 0;
    }
    if (!output_) return 0;
    const int result = output_->Flush(recorder, GetId());
    if (result < 0) {
        Disconnect();
        NotifyDisconnected(1);
        return 0;
    }
    return result > 0 ? 2 : 0;
}

const char* MEventActiveTcpSocket::GetInputMessage(int32_t& length) {
    length = messageLength_;
    return message_;
}

const char* MEventActiveTcpSocket::GetNotification(int32_t& length) {
    pending_ = 0;
    if (GetActivity() == 2) SetActivity(0);
    return MEvent::GetNotification(length);
}

bool MEventActiveTcpSocket::Disconnect() {
    if (!IsConnected()) return true;
    NotifyDisconnected(1);
    // Out of both sets while the handle is still valid.
    if (inputSet_) inputSet_->RemoveSocket(socket_.get());
    if (outputSet_ && output_) outputSet_->RemoveSocket(socket_.get());
    inSets_ = 0;
    if (input_) input_->Close();
    if (output_) {
        output_->Close();
        if (output_->GetVector()) output_->GetVector()->SetConnected(false, GetId());
    }
    SetConnected(0);
    return true;
}

void MEventActiveTcpSocket::SetActive(bool active) {
    if (active) {
        if (addresses_) addresses_->Reset();
        SetActivity(1);
        return;
    }
    Disconnect();
    SetActivity(registeredForInput_ && pending_ ? 2 : 0);
}

bool MEventActiveTcpSocket::Connect(bool block) {
    if (output_) {
        output_->ClearControlMessages();
        output_->ResetBuffer();
    }
    if (!addresses_) return false;
    MSocketAddress& address = addresses_->GetCurrent();
    socket_->SetReport(address.GetReport());
    const bool connected =
        input_ ? input_->Connect(&address, nullptr) : (output_ ? output_->Connect(&address, nullptr) : false);
    if (!connected) {
        address.SetReport(false);
        return false;
    }
    addresses_->OnConnected();
    socket_->SetReport(true);
    SetConnected(1);
    if (input_) EnterSets();
    if (output_ && output_->GetVector()) output_->GetVector()->SetConnected(true, GetId());
    MEventSocketSelect::SetPollAgain(true);
    return true;
}

void MEventActiveTcpSocket::EnterSets() {
    if (inputSet_) inputSet_->AddSocket(socket_.get());
    if (output_ && outputSet_) outputSet_->AddSocket(socket_.get());
    inSets_ = 1;
}

uint32_t MEventActiveTcpSocket::EnableReports() {
    return addresses_ ? addresses_->EnableReports() : 0;
}

int32_t MEventActiveTcpSocket::NotifyConnected(uint8_t reason) {
    if (!inSets_ && input_) EnterSets();
    return WriteRecord('C', reason);
}

int32_t MEventActiveTcpSocket::NotifyDisconnected(uint8_t reason) {
    return WriteRecord('D', reason);
}

int32_t MEventActiveTcpSocket::WriteRecord(char kind, uint8_t reason) {
    const MSocketAddress* remote = socket_->GetRemoteAddress();
    if (remote && !remote->GetReport()) return 0;
    char* record = GetNotificationBuffer();
    record[0] = kind;
    CopyPadded(record + 1, 24, kind == 'C' ? "Connect to address : " : "Disconnect from address : ");
    socket_->GetConnectionInfo(record + 25, record + 57, record + 62);
    if (kind == 'C') std::memset(connectionNumber_, '0', sizeof(connectionNumber_));
    std::memcpy(record + 65, connectionNumber_, sizeof(connectionNumber_));
    pending_ = reason;
    SetNotification(record, kRecordLength);
    return 7;
}

void MEventActiveTcpSocket::AddControlMessage(const char* data, int length) {
    if (output_) output_->AddControlMessage(data, length);
}

const char* MEventActiveTcpSocket::GetConnectionInfo(char* port, char* protocol, char* host) const {
    const MSocket* socket =
        socket_ ? socket_.get()
                : (input_ && input_->GetSocket() ? input_->GetSocket()
                                                 : (output_ ? output_->GetSocket() : nullptr));
    return socket ? socket->GetConnectionInfo(host, port, protocol) : nullptr;
}

std::string MEventActiveTcpSocket::GetSocketText() const {
    const MSocket* socket =
        socket_ ? socket_.get()
                : (input_ && input_->GetSocket() ? input_->GetSocket()
                                                 : (output_ ? output_->GetSocket() : nullptr));
    return socket ? socket->DescribeAddresses() : "No Client";
}
