#include "fields/BraeKTSAccountFlags.h"

namespace {
// Start-up check of the account flag set's tables; silent while they are consistent.
const bool accountFlagsChecked = [] {
    BraeKTSAccountFlagsSet::CheckSetup("BraeKTSAccountFlagsSet", __FILE_NAME__, __LINE__);
    return true;
}();
}  // namespace
