#pragma once
// The standard message vector: owns its MMsgVector (blocks of firstKiB, then furtherKiB, and
// room reserved for reserve entries); no block is allocated before the first message. The
// session's outgoing vector is built with (1024, 1024, 10000, 0) and keeps every message.
#include "net/MComVectorMessageMasterBase.h"
#include "net/MMsgVector.h"

class MComVectorMessageMaster : public MComVectorMessageMasterBase<MMsgVector> {
public:
    MComVectorMessageMaster(uint32_t firstKiB, uint32_t furtherKiB, uint32_t reserve, int unused = 0);
    ~MComVectorMessageMaster() override;

    const MMsgVector& GetStorage() const { return vector_; }

private:
    MMsgVector vector_;
};
