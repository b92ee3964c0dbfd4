#include "net/MComVectorMessageMaster.h"

MComVectorMessageMaster::MComVectorMessageMaster(uint32_t firstKiB, uint32_t furtherKiB, uint32_t reserve,
                                                 int)
    : MComVectorMessageMasterBase(0, &vector_), vector_(firstKiB, furtherKiB, reserve) {}

MComVectorMessageMaster::~MComVectorMessageMaster() {
    Clear();
}
