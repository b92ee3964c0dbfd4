#pragma once
// The client's output buffer: the output side with the Brae frame as the packing of one message
// (see BraeFrame.h), without markers, block check byte or batch limit; the framing is not counted,
// so at least 16,384 bytes must be free, and the whole frame must fit, before each message.
#include <cstdint>

#include "net/MSocketBufferingOut.h"

class MSocketBufferOut : public MSocketBufferingOut {
public:
    MSocketBufferOut(MComVectorMessageMaster* vector, MSocket* socket, uint32_t maxPerBatch,
                     uint32_t bufferSize);

    void AppendMessage(const char* data, unsigned length) override;
    uint32_t GetPackedSize(unsigned length) const override;
};
