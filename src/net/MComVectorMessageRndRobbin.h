#pragma once
// A message vector of bounded memory over the round-robin storage (its first block allocated at
// once). A read that finds its message gone, the first after a successful one, reports the loss
// through OnMessagesDropped. RemoveLast aborts the process.
#include "net/MComVectorMessageMasterBase.h"
#include "net/MMsgVectorRndRobin.h"

class MComVectorMessageRndRobbin : public MComVectorMessageMasterBase<MMsgVectorRndRobin> {
public:
    MComVectorMessageRndRobbin(uint32_t kib, uint32_t capacity, uint32_t shift);
    ~MComVectorMessageRndRobbin() override;

    const char* GetMessage(int* length, uint32_t index) override;
    virtual void OnMessagesDropped(uint32_t index) = 0;

    const MMsgVectorRndRobin& GetStorage() const { return vector_; }

protected:
    void SetOk() { ok_ = true; }

private:
    MMsgVectorRndRobin vector_;
    bool ok_ = true;
};
