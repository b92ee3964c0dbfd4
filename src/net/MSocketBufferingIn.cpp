#include "net/MSocketBufferingIn.h"

#include <sys/socket.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "core/MError.h"
#include "fields/MTControl.h"
#include "net/MControlView.h"
#include "net/MSocket.h"
#include "net/MSocketSet.h"

namespace {

void CountReceived(MSocket* socket) {
    if (!socket) return;
    MULong& count = socket->GetStatistics().NbReceivedMsg;
    if (count.GetValue() != 0xFFFFFFFFu) count.SetValue(count.GetValue() + 1);
}

}  // namespace

MSocketBufferingIn::MSocketBufferingIn(MSocket* socket, uint32_t capacity, uint8_t endMarker,
                                       int32_t trailerLength, uint32_t headerLength)
    : socket_(socket),
      headerLength_(headerLength),
      endMarker_(endMarker),
      trailerLength_(trailerLength),
      buffer_(new (std::nothrow) char[static_cast<std::size_t>(capacity) + 1]),
      capacity_(static_cast<int32_t>(capacity)) {
    if (!buffer_) LogMessage("MSocketBufferingIn", 32, 2, "Cannot allocate memory");
    BuildDescription();
}

MSocketBufferingIn::~MSocketBufferingIn() {
    Close();
    delete[] buffer_;
}

const char* MSocketBufferingIn::FindMessageEnd() {
    if (!buffer_ || read_ >= length_) return nullptr;
    return static_cast<const char*>(std::memchr(buffer_ + read_, endMarker_, length_ - read_));
}

const char* MSocketBufferingIn::GetNextMessage(int32_t* length, uint32_t* frameSize) {
    const char* end = FindMessageEnd();
    if (!end || end == kFormatError) return end;
    const char* begin = buffer_ + read_ + headerLength_;
    if (end < begin) {
        *length = 0;
        *frameSize = 1;
        return begin;
    }
    *length = static_cast<int32_t>(end - begin);
    *frameSize = static_cast<uint32_t>(*length) + (endMarker_ ? 1 : 0) + headerLength_ +
                 static_cast<uint32_t>(trailerLength_);
    if (read_ + *frameSize > length_) return nullptr;
    return begin;
}

int MSocketBufferingIn::ReadSocket(char* buffer, int size) {
    return socket_ ? socket_->Receive(buffer, size, nullptr) : -1;
}

void MSocketBufferingIn::Reset() {
    pending_ = 0;
    read_ = 0;
    length_ = 0;
    BuildDescription();
}

void MSocketBufferingIn::Close() {
    if (socket_) socket_->Close();
}

bool MSocketBufferingIn::Listen(MSocketAddress* local, int backlog, MSocketAddress* remote) {
    return socket_ ? socket_->Listen(local, backlog, remote) : false;
}

bool MSocketBufferingIn::Connect(MSocketAddress* remote, MSocketAddress* local) {
    Reset();
    return socket_ ? socket_->Connect(remote, local) : false;
}

bool MSocketBufferingIn::WriteSocket(const char* data, int length) {
    return socket_ && socket_->Send(data, length, nullptr) > 0;
}

void MSocketBufferingIn::SetSocket(MSocket* socket) {
    socket_ = socket;
    Reset();
}

void MSocketBufferingIn::AddDescriptionControl(MControlView& view) {
    view.AddControl(new MTControl<MString<10, 10, MValAccept>>(&description_, "Desc"));
}

const char* MSocketBufferingIn::ExtractMessage(int32_t* length) {
    *length = 0;
    if (read_ < length_) {
        uint32_t frameSize = 0;
        const char* message = GetNextMessage(length, &frameSize);
        if (message == kFormatError) {
            *length = -1;
            return nullptr;
        }
        if (message) {
            read_ += frameSize;
            CountReceived(socket_);
            return message;
        }
        *length = 0;
    }
    pending_ = 0;
    return nullptr;
}

const char* MSocketBufferingIn::ReadMessage(int32_t* length, MSocketSet* set) {
    if (pending_) return ExtractMessage(length);
    if (set && !set->TakeReady(socket_, readyGeneration_)) {
        *length = 0;
        return nullptr;
    }
    if (!buffer_) {
        *length = -1;
        return nullptr;
    }
    if (read_ != 0 && length_ != 0) {
        std::memmove(buffer_, buffer_ + read_, length_ - read_);
        length_ -= read_;
        read_ = 0;
    }
    const int room = capacity_ - static_cast<int32_t>(length_);
    const int n = ReadSocket(buffer_ + length_, room);
    if (n < 0) {
        lastFormatError_ = kReceiveFailure;
        *length = -1;
        return nullptr;
    }
    if (n == 0) {
        if (set) set->SocketDrained(socket_, true);
        *length = 0;
        return nullptr;
    }
    if (set && n < room && socket_ && socket_->GetSocketType() == SOCK_STREAM)
        set->SocketDrained(socket_, true);
    length_ += static_cast<uint32_t>(n);
    pending_ = 1;
    const char* message = ExtractMessage(length);
    if (message || *length == -1 || length_ < static_cast<uint32_t>(capacity_)) return message;
    LogMessage("MSocketBufferingIn", 166, 2, "Buffer read too small (size %d), check params", capacity_);
    lastFormatError_ = kBufferTooSmall;
    *length = -1;
    return nullptr;
}

void MSocketBufferingIn::BuildDescription() {
    char text[160];
    std::snprintf(text, sizeof(text), "SOM %u HasEOM %d EOM %d NbAfterEOM %u BufSize %u", headerLength_,
                  pending_, endMarker_, static_cast<uint32_t>(trailerLength_),
                  static_cast<uint32_t>(capacity_));
    std::string description = text;
    if (socket_) {
        description += socket_->DescribeAddresses();
        description += " Handle:" + std::to_string(socket_->GetHandle());
    }
    description_.Assign(description);
}
