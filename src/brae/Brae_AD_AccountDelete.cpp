#include "brae/Brae_AD_AccountDelete.h"

void Brae_AD_AccountDelete::AppendDescription(std::string& description) const {
    description += " - ";
    description += AccountNumber.ToString();
}
