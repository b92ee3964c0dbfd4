#pragma once
// A packing loop of the output side: takes messages from a vector into the output buffer while
// they fit, and answers how many it packed.
#include <cstdint>

class MComVectorMessageBase;
class MEventRecorder;
class MSocketBufferingOut;

class MSocketBufferingOutBulkerBase {
public:
    virtual ~MSocketBufferingOutBulkerBase() = default;
    virtual MSocketBufferingOutBulkerBase* Clone() const = 0;
    virtual int32_t Bulk(MComVectorMessageBase* vector, MSocketBufferingOut* buffering,
                         MEventRecorder* recorder, int tag) = 0;
};
