#include "brae/Brae_PN_PositionEntry.h"

void Brae_PN_PositionEntry::AppendDescription(std::string& description) const {
    description += " - ";
    description += ReportDate.ToString();
    description += " - ";
    description += Instrument.ToString();
    description += " - ";
    description += AccountNumber.ToString();
}
