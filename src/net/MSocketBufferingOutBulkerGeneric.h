#pragma once
// The packing loop over any message vector, through its virtual operations: nothing unless the
// vector has messages to send and allows sending; then messages in order from its next-to-send
// index while they fit (see MSocketBufferingOut::PackOne).
#include "net/MSocketBufferingOutBulkerBase.h"

class MSocketBufferingOutBulkerGeneric : public MSocketBufferingOutBulkerBase {
public:
    MSocketBufferingOutBulkerBase* Clone() const override { return new MSocketBufferingOutBulkerGeneric; }
    int32_t Bulk(MComVectorMessageBase* vector, MSocketBufferingOut* buffering, MEventRecorder* recorder,
                 int tag) override;
};
