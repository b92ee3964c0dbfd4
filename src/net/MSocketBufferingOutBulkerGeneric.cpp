#include "net/MSocketBufferingOutBulkerGeneric.h"

#include "net/MComVectorMessageBase.h"
#include "net/MSocketBufferingOut.h"

int32_t MSocketBufferingOutBulkerGeneric::Bulk(MComVectorMessageBase* vector, MSocketBufferingOut* buffering,
                                               MEventRecorder* recorder, int tag) {
    if (!vector->HasMessagesToSend() || !vector->IsSendAllowed(tag)) return 0;
    int32_t count = 0;
    do {
        int length = 0;
        const char* data = vector->GetMessage(&length, vector->GetNextToSend());
        if (!data) break;
        const MSocketBufferingOut::Packing packing = buffering->PackOne(data, length, recorder, tag);
        if (packing == MSocketBufferingOut::Packing::NoRoom) break;
        vector->AdvanceNextToSend();
        if (packing == MSocketBufferingOut::Packing::Packed && buffering->ReachedBatchLimit(++count)) break;
    } while (vector->HasMessagesToSend());
    buffering->CountSent(count);
    return count;
}
