#include "net/MSocketBufferIn.h"

#include <algorithm>

#include "net/BraeFrame.h"

MSocketBufferIn::MSocketBufferIn(MSocket* socket, uint32_t capacity)
    : MSocketBufferingIn(socket, std::max<uint32_t>(capacity, 65536), kBraeEndByte, 1, 1) {}

const char* MSocketBufferIn::GetNextMessage(int32_t* length, uint32_t* frameSize) {
    const char* unread = GetBuffer() + GetReadPosition();
    switch (CutBraeFrame(unread, GetLength() - GetReadPosition(), *length, *frameSize)) {
        case BraeCut::Message:
            return unread + 4;
        case BraeCut::Bad:
            return kFormatError;
        case BraeCut::Incomplete:
            break;
    }
    return nullptr;
}
