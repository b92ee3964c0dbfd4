#include "fields/MInterfaceFormatBase.h"

#include "fields/MObjectFunction.h"

void MInterfaceFormatBase::ProcessField(MObjectFunction& field) {
    columns_.push_back(field.CreateInterface());
}

void MInterfaceFormatBase::MakeRelative(const void* prototype) {
    for (const std::unique_ptr<MInterface>& column : columns_) column->MakeRelative(prototype);
}
