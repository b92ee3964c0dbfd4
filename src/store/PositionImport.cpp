#include "store/PositionImport.h"

#include "fields/DescribeFields.h"

void PositionImport::DescribeClass(MStaticFormat& format) {
    DescribeFieldTypes<PositionImport>(format);
}

void PositionImport::FormatObject(MObjectFormat& format) {
    DescribeFields(*this, format);
}
