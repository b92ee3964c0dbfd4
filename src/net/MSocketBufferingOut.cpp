#include "net/MSocketBufferingOut.h"

#include <cstdio>
#include <cstring>

#include "core/MError.h"
#include "core/ProcessClock.h"
#include "net/MEventRecorder.h"
#include "net/MEventSocketSelect.h"
#include "net/MSocket.h"
#include "net/MSocketBufferingOutBulkerGeneric.h"
#include "net/MTSocketBufferingOutControlBulker.h"

MSocketBufferingOut::MSocketBufferingOut(MComVectorMessageMaster* vector, MSocket* socket,
                                         uint8_t startMarker, uint8_t endMarker, uint8_t bcc,
                                         uint32_t maxPerBatch, uint32_t bufferSize, uint8_t countFraming)
    : startMarker_(startMarker),
      endMarker_(endMarker),
      bcc_(bcc),
      buffer_(new char[bufferSize]),
      end_(buffer_.get() + bufferSize),
      write_(buffer_.get()),
      send_(buffer_.get()),
      bufferSize_(bufferSize),
      vector_(vector),
      genericBulker_(new MSocketBufferingOutBulkerGeneric),
      controlBulker_(new MTSocketBufferingOutControlBulker<MComVectorMessageMaster>),
      maxPerBatch_(maxPerBatch),
      control_(100, 100, 1000, 1000),
      countFraming_(countFraming),
      framingBytes_((startMarker ? 1 : 0) + (endMarker ? 1 : 0) + (bcc ? 1 : 0)),
      socket_(socket) {
    control_.EnableAutoClear();
    std::snprintf(description_, sizeof(description_),
                  "StartMarker=%2x EndMarker=%2x BCC=%c mMaxMessageToSendPerBatch=%lu", startMarker_,
                  endMarker_, bcc_ == 1 ? 'Y' : 'N', static_cast<unsigned long>(maxPerBatch_));
}

MSocketBufferingOut::~MSocketBufferingOut() {
    Close();
}

void MSocketBufferingOut::AppendMessage(const char* data, unsigned length) {
    if (startMarker_) *write_++ = static_cast<char>(startMarker_);
    std::memcpy(write_, data, length);
    write_ += length;
    if (endMarker_) *write_++ = static_cast<char>(endMarker_);
    if (bcc_) {
        unsigned char check = endMarker_;
        for (unsigned i = 0; i < length; ++i) check ^= static_cast<unsigned char>(data[i]);
        *write_++ = static_cast<char>(check);
    }
}

uint32_t MSocketBufferingOut::GetPackedSize(unsigned length) const {
    return length + static_cast<uint32_t>(framingBytes_);
}

int MSocketBufferingOut::WriteSocket(const char* data, int length) {
    return socket_ ? socket_->Send(data, length, nullptr) : -1;
}

bool MSocketBufferingOut::Listen(MSocketAddress* local, int backlog, MSocketAddress* remote) {
    return socket_ ? socket_->Listen(local, backlog, remote) : false;
}

bool MSocketBufferingOut::Connect(MSocketAddress* remote, MSocketAddress* local) {
    return socket_ ? socket_->Connect(remote, local) : false;
}

bool MSocketBufferingOut::TrySend(const char* data, int length) {
    return socket_ && socket_->Send(data, length, nullptr) > 0;
}

void MSocketBufferingOut::AddControlMessage(const char* data, int length) {
    control_.AddMessage(data, length);
}

void MSocketBufferingOut::AddControlMessageParts(const char* first, int firstLength, const char* second,
                                                 int secondLength) {
    control_.AddMessageParts(first, firstLength, second, secondLength);
}

void MSocketBufferingOut::ClearControlMessages() {
    control_.Clear();
}

void MSocketBufferingOut::SetSocket(MSocket* socket) {
    socket_ = socket;
    ResetBuffer();
}

void MSocketBufferingOut::Close() {
    if (socket_) socket_->Close();
}

MSocketBufferingOut::Packing MSocketBufferingOut::PackOne(const char* data, int length,
                                                          MEventRecorder* recorder, int tag) {
    const unsigned size = length > 0 ? static_cast<unsigned>(length) : 0;
    const uint32_t packed = GetPackedSize(size);
    if (packed > bufferSize_) {
        MLOG(2, "Message of %u bytes does not fit in the output buffer of %u bytes, skipped", size,
             bufferSize_);
        return Packing::Skipped;
    }
    const uint32_t free = GetFreeBytes();
    if (free < packed || (!countFraming_ && free < fixedRoom_)) {
        MEventSocketSelect::SetPollAgain(true);
        return Packing::NoRoom;
    }
    AppendMessage(data, size);
    if (recorder) recorder->RecordOutput(tag, ReadCurrentTime(), 'O', static_cast<int32_t>(size), data);
    return Packing::Packed;
}

bool MSocketBufferingOut::ReachedBatchLimit(int32_t count) const {
    if (maxPerBatch_ == 0 || static_cast<uint32_t>(count) < maxPerBatch_) return false;
    MEventSocketSelect::SetPollAgain(true);
    return true;
}

void MSocketBufferingOut::CountSent(int32_t count) {
    if (!socket_ || count <= 0) return;
    MULong& sent = socket_->GetStatistics().NbSentMsg;
    const uint32_t value = sent.GetValue();
    const uint32_t n = static_cast<uint32_t>(count);
    sent.SetValue(value > 0xFFFFFFFFu - n ? 0xFFFFFFFFu : value + n);
}

MSocketBufferingOut::Sending MSocketBufferingOut::SendPending() {
    if (send_ == write_) return Sending::Idle;
    const int n = WriteSocket(send_, static_cast<int>(write_ - send_));
    if (n < 0) return Sending::Error;
    if (n == 0) return Sending::Blocked;
    if (n == write_ - send_) {
        ResetBuffer();
        return Sending::AllSent;
    }
    send_ += n;
    return Sending::Partial;
}

int MSocketBufferingOut::Flush(MEventRecorder* recorder, int tag) {
    switch (SendPending()) {
        case Sending::Partial:
            return 1;
        case Sending::Error:
            return -1;
        case Sending::Blocked:
            return 0;
        case Sending::Idle:
        case Sending::AllSent:
            break;
    }
    if (periodicEnabled_) OnPeriodicTimer(&control_);
    if (control_.HasMessagesToSend()) {
        const int n = controlBulker_->Bulk(&control_, this, recordControl_ ? recorder : nullptr, tag);
        if (n < 0 || control_.HasMessagesToSend()) return n;
    }
    if (sendApplication_ && vector_) {
        const int n = genericBulker_->Bulk(vector_, this, recorder, tag);
        if (n < 0) return n;
    }
    switch (SendPending()) {
        case Sending::Partial:
        case Sending::AllSent:
            MEventSocketSelect::SetPollAgain(true);
            return 1;
        case Sending::Error:
            return -1;
        case Sending::Blocked:
            MEventSocketSelect::SetPollAgain(true);
            return 0;
        case Sending::Idle:
            break;
    }
    return 0;
}
