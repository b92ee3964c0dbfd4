#include "brae/BraeProtocolSets.h"

void CheckProtocolSetTables() {
    BraeAccountTypeSet::CheckSetup("BraeAccountTypeSet", __FILE_NAME__, __LINE__);
    BraeInstrumentTypeSet::CheckSetup("BraeInstrumentTypeSet", __FILE_NAME__, __LINE__);
    BraeExceededLimitTypeSet::CheckSetup("BraeExceededLimitTypeSet", __FILE_NAME__, __LINE__);
}

namespace {
const bool protocolSetsChecked = [] {
    CheckProtocolSetTables();
    return true;
}();
}  // namespace
