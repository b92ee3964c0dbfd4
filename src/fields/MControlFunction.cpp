#include "fields/MControlFunction.h"

#include "fields/MDescFormat.h"

void MControlFunction::Describe(MDescFormat& describer, const std::string& prefix) {
    describer.WriteText(GetDottedName(prefix), "-");
}
