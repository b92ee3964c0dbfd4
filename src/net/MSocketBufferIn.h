#pragma once
// The client's input buffer: the input side with the Brae frame as its framing (see BraeFrame.h),
// at least 65,536 bytes. A bad length or a missing end byte answers kFormatError, so that the
// connection is dropped.
#include <cstdint>

#include "net/MSocketBufferingIn.h"

class MSocketBufferIn : public MSocketBufferingIn {
public:
    MSocketBufferIn(MSocket* socket, uint32_t capacity);

    const char* GetNextMessage(int32_t* length, uint32_t* frameSize) override;
};
