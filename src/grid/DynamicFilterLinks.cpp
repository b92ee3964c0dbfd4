#include "grid/DynamicFilterLinks.h"

#include <algorithm>

#include "grid/DynamicLinkRegistry.h"
#include "store/FilterData.h"
#include "store/InterfaceView.h"

DynamicFilterLinks::DynamicFilterLinks(InterfaceView& view, DynamicLinkRegistry* registry, uint32_t window)
    : view_(view), registry_(registry), window_(window) {}

DynamicFilterLinks::Added DynamicFilterLinks::Add(const std::string& column, const std::string& supplierTitle,
                                                  const std::string& supplierColumn, uint32_t& supplier) {
    supplier = 0;
    ColumnFilter filter;
    filter.Condition = 2;
    filter.OwnerWindow = static_cast<int32_t>(window_);
    filter.LinkWindowTitle = supplierTitle;
    filter.LinkColumnName = supplierColumn;
    filter.ColumnName = column;
    filter.Column = view_.FindField(column);
    filter.Values.emplace_back();
    FilterData& dynamic = view_.GetDynamicFilter();
    const auto known = std::find_if(dynamic.begin(), dynamic.end(),
                                    [&](const ColumnFilter& f) { return f.ColumnName == column; });
    if (known != dynamic.end()) {
        *known = std::move(filter);
        return Added::Overwritten;
    }
    if (!registry_) return Added::Nothing;
    registry_->AddDynamicFilterLink(window_, column, supplier, supplierColumn, supplierTitle);
    dynamic.push_back(std::move(filter));
    return Added::Linked;
}

std::vector<uint32_t> DynamicFilterLinks::RegisterAgain() {
    std::vector<uint32_t> suppliers;
    for (ColumnFilter& filter : view_.GetDynamicFilter()) {
        if (filter.OwnerWindow == 0) filter.OwnerWindow = static_cast<int32_t>(window_);
        if (!registry_) continue;
        uint32_t supplier = 0;
        registry_->AddDynamicFilterLink(static_cast<uint32_t>(filter.OwnerWindow), filter.ColumnName,
                                        supplier, filter.LinkColumnName, filter.LinkWindowTitle);
        if (supplier != 0 && std::find(suppliers.begin(), suppliers.end(), supplier) == suppliers.end())
            suppliers.push_back(supplier);
    }
    return suppliers;
}

void DynamicFilterLinks::TakeValues() {
    if (!registry_) return;
    for (ColumnFilter& filter : view_.GetDynamicFilter()) {
        filter.Values.clear();
        std::string value;
        if (registry_->GetDynamicFilterValue(static_cast<uint32_t>(filter.OwnerWindow), filter.LinkColumnName,
                                             value))
            filter.Values.push_back(std::move(value));
    }
}

bool DynamicFilterLinks::Publish(unsigned row) {
    if (!registry_) return false;
    std::vector<std::string> columns;
    registry_->GetLinkedColumns(window_, columns);
    bool changed = false;
    for (const std::string& column : columns) {
        // Hidden fields too: the value is the field's, whatever the grid shows.
        unsigned length = 0;
        const int field = view_.FindField(column);
        const char* text = field < 0 ? "" : view_.GetDisplayedCellText(field, row, &length);
        if (registry_->UpdateDynamicFilterValue(window_, column, std::string(text, length))) changed = true;
    }
    if (changed) registry_->NotifyDynamicFilterOwners();
    return changed;
}

void DynamicFilterLinks::EmptyPublished() {
    if (registry_ && registry_->ClearDynamicFilterValues(window_)) registry_->NotifyDynamicFilterOwners();
}

bool DynamicFilterLinks::Clear() {
    if (!registry_) return false;
    FilterData& dynamic = view_.GetDynamicFilter();
    const auto kept = std::remove_if(dynamic.begin(), dynamic.end(), [this](const ColumnFilter& f) {
        return static_cast<uint32_t>(f.OwnerWindow) == window_;
    });
    const bool removed = kept != dynamic.end();
    dynamic.erase(kept, dynamic.end());
    registry_->RemoveDynamicFilterLinks(window_, true);
    return removed;
}

bool DynamicFilterLinks::IsSupplier() const {
    return registry_ && registry_->IsDynamicFilterSupplier(window_);
}

bool DynamicFilterLinks::Supplies(const std::string& column) const {
    if (!registry_) return false;
    std::vector<std::string> columns;
    registry_->GetLinkedColumns(window_, columns);
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

std::vector<FilterEntry> DynamicFilterLinks::Entries(
    const std::function<std::string(const std::string& field)>& ownerTitle,
    const std::function<std::string(const std::string& supplier, const std::string& field)>& sourceTitle)
    const {
    std::vector<FilterEntry> entries;
    if (!registry_) return entries;
    Key2ValueDataVector links;
    registry_->ListDynamicFilterLinks(window_, links);
    for (const Key2ValueData& link : links) {
        // link: owner column, supplier title, supplier column.
        entries.push_back(FilterEntry{ownerTitle(link.Key), link.Value,
                                      sourceTitle(link.Value, link.SecondValue), link.Key, link.SecondValue});
    }
    return entries;
}
