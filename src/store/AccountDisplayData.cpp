#include "store/AccountDisplayData.h"

#include "fields/DescribeFields.h"

void AccountDisplayData::DescribeClass(MStaticFormat& format) {
    DescribeFieldTypes<AccountDisplayData>(format);
}

void AccountDisplayData::FormatObject(MObjectFormat& format) {
    DescribeFields(*this, format);
}
