#pragma once
// The packing loop over the output side's own control vector, read directly: every message from
// the next-to-send index to the count, while they fit.
#include "net/MSocketBufferingOut.h"
#include "net/MSocketBufferingOutBulkerBase.h"

template <class V>
class MTSocketBufferingOutControlBulker : public MSocketBufferingOutBulkerBase {
public:
    MSocketBufferingOutBulkerBase* Clone() const override { return new MTSocketBufferingOutControlBulker; }
    int32_t Bulk(MComVectorMessageBase* vector, MSocketBufferingOut* buffering, MEventRecorder* recorder,
                 int tag) override {
        V* control = static_cast<V*>(vector);
        int32_t count = 0;
        while (control->GetNextToSend() < control->GetCount()) {
            int length = 0;
            const char* data = control->GetMessage(&length, control->GetNextToSend());
            if (!data) break;
            const MSocketBufferingOut::Packing packing = buffering->PackOne(data, length, recorder, tag);
            if (packing == MSocketBufferingOut::Packing::NoRoom) break;
            control->SetNextToSend(control->GetNextToSend() + 1);
            if (packing == MSocketBufferingOut::Packing::Skipped) continue;
            if (buffering->ReachedBatchLimit(++count)) break;
        }
        buffering->CountSent(count);
        return count;
    }
};
