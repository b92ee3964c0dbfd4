#include "brae/Brae_TF_ComponentNotice.h"

#include "core/VersionInfo.h"

void Brae_TF_ComponentNotice::Prepare(int32_t sequenceNumber, VersionInfo& version) {
    SetUserSequenceID(UserSequenceID, sequenceNumber);
    ProductName.SetText(version.GetProductName().c_str());
    FileVersion.SetText(version.GetFileVersion().c_str());
}
