#include "brae/Brae_PU_PositionDelimiter.h"

void Brae_PU_PositionDelimiter::AppendDescription(std::string& description) const {
    description += " - ";
    description += ReportDate.ToString();
}
