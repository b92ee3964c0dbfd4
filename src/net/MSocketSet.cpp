#include "net/MSocketSet.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>

#include "core/MError.h"
#include "core/ProcessClock.h"
#include "net/MSocket.h"
#include "net/SocketLibrary.h"

namespace {
constexpr int kWsaInterrupted = 10004;
}  // namespace

void MSocketSet::Add(int h) {
    if (std::find(handles_, handles_ + count_, h) != handles_ + count_) return;
    if (count_ >= kMaxHandles) return;
    handles_[count_] = h;
    ready_[count_] = false;
    ++count_;
    if (h > highest_) highest_ = h;
}

void MSocketSet::Remove(int h) {
    int* const end = handles_ + count_;
    int* const found = std::find(handles_, end, h);
    if (found == end) return;
    const std::ptrdiff_t index = found - handles_;
    std::move(found + 1, end, found);
    std::move(ready_ + index + 1, ready_ + count_, ready_ + index);
    --count_;
    if (h == highest_) {
        while (highest_ > 0 && std::find(handles_, handles_ + count_, highest_) == handles_ + count_)
            --highest_;
    }
}

bool MSocketSet::IsReady(int h) const {
    for (int i = 0; i < count_; ++i) {
        if (handles_[i] == h) return ready_[i];
    }
    return false;
}

void MSocketSet::PrepareReady() {
    std::fill(ready_, ready_ + count_, true);
}

int32_t MSocketSet::Select(MSocketSet* inputSet, MSocketSet* outputSet, const MSelectWait* wait) {
    const int64_t waitMicroseconds =
        wait ? static_cast<int64_t>(wait->Seconds) * 1000000 + wait->Microseconds : -1;
    if (!inputSet || inputSet->count_ == 0) {
        if (waitMicroseconds > 0) SleepFor(waitMicroseconds * 1000);
        return 0;
    }
    inputSet->PrepareReady();
    ++inputSet->passCounter_;
    pollfd fds[kMaxHandles];
    for (int i = 0; i < inputSet->count_; ++i) fds[i] = pollfd{inputSet->handles_[i], POLLIN, 0};
    // poll counts in milliseconds: a wait of part of a millisecond waits a whole one.
    const int timeout = waitMicroseconds < 0 ? -1 : static_cast<int>((waitMicroseconds + 999) / 1000);
    int result = poll(fds, inputSet->count_, timeout);
    int error = errno;
    if (result >= 0) {
        // A handle that is no socket fails the whole wait, as select does.
        for (int i = 0; i < inputSet->count_; ++i) {
            if (fds[i].revents & POLLNVAL) {
                result = -1;
                error = EBADF;
                break;
            }
        }
    }
    if (result >= 0) {
        result = 0;
        for (int i = 0; i < inputSet->count_; ++i) {
            inputSet->ready_[i] = (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
            if (inputSet->ready_[i]) ++result;
        }
        return result;
    }
    const int number = SocketErrorFromErrno(error);
    MLOG(2, "Cannot select with sockets %d - %s", number, GetSocketErrorText(number));
    if (number == kWsaInterrupted) std::fill(inputSet->ready_, inputSet->ready_ + inputSet->count_, false);
    return -1;
}

bool MSocketSet::AddSocket(const MSocket* socket) {
    if (!socket || socket->GetHandle() == kInvalidHandle || !socket->IsOpen()) return false;
    Add(socket->GetHandle());
    return true;
}

void MSocketSet::RemoveSocket(const MSocket* socket) {
    if (socket && socket->GetHandle() != kInvalidHandle) Remove(socket->GetHandle());
}

bool MSocketSet::IsSocketReady(const MSocket* socket) const {
    return socket && socket->GetHandle() != kInvalidHandle && socket->IsOpen() &&
           IsReady(socket->GetHandle());
}

void MSocketSet::SocketDrained(const MSocket* socket, bool flag) {
    if (socket && socket->GetHandle() != kInvalidHandle) MarkDrained(socket->GetHandle(), flag);
}

bool MSocketSet::TakeReady(const MSocket* socket, uint32_t& generation) {
    if (generation == passCounter_) return false;
    generation = passCounter_;
    return IsSocketReady(socket);
}
