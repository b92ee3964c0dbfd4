#include "store/AccountImport.h"

#include "fields/DescribeFields.h"

void AccountImport::DescribeClass(MStaticFormat& format) {
    DescribeFieldTypes<AccountImport>(format);
}

void AccountImport::FormatObject(MObjectFormat& format) {
    DescribeFields(*this, format);
}
