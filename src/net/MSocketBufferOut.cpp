#include "net/MSocketBufferOut.h"

#include "net/BraeFrame.h"

MSocketBufferOut::MSocketBufferOut(MComVectorMessageMaster* vector, MSocket* socket, uint32_t maxPerBatch,
                                   uint32_t bufferSize)
    : MSocketBufferingOut(vector, socket, 0, 0, 0, maxPerBatch, bufferSize, 0) {}

void MSocketBufferOut::AppendMessage(const char* data, unsigned length) {
    AdvanceWritePosition(LayBraeFrame(GetWritePosition(), data, length));
}

uint32_t MSocketBufferOut::GetPackedSize(unsigned length) const {
    return BraeFrameSize(length > kBraeMaxLength ? length & 0xFFFFu : length);
}
