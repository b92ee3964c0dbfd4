#include "brae/Brae_PD_PositionDelete.h"

void Brae_PD_PositionDelete::AppendDescription(std::string& description) const {
    description += " - ";
    description += AccountNumber.ToString();
}
