#include "brae/Brae_AL_BulkLinkAccount.h"

void Brae_AL_BulkLinkAccount::AppendDescription(std::string& description) const {
    description += " - ";
    description += MasterAccountId.ToString();
}
