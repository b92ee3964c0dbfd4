#include "brae/Brae_MC_MonitoringAccount.h"

void Brae_MC_MonitoringAccount::AppendDescription(std::string& description) const {
    description += " - ";
    description += AccountNumber.ToString();
}
