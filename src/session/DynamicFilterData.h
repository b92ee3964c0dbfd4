#pragma once
// One dynamic-filter link: the owner window's column takes its filter value from a column of the
// supplier window. A plain value.
#include <cstdint>
#include <string>

struct DynamicFilterData {
    uint32_t OwnerWindow = 0;
    std::string OwnerColumn;
    uint32_t SupplierWindow = 0;  // 0 when no window with SupplierTitle was registered
    std::string SupplierTitle;
    std::string SupplierColumn;
    std::string CurrentValue;
};
