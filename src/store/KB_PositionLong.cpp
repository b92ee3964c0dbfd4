#include "store/KB_PositionLong.h"

#include "fields/DescribeFields.h"

void KB_PositionLong::DescribeClass(MStaticFormat& format) {
    DescribeFieldTypes<KB_PositionLong>(format);
}

void KB_PositionLong::FormatObject(MObjectFormat& format) {
    DescribeFields(*this, format);
}
