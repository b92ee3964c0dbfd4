#include "brae/Brae_AN_AccountEntry.h"

void Brae_AN_AccountEntry::AppendDescription(std::string& description) const {
    description += " - ";
    description += AccountNumber.ToString();
}
