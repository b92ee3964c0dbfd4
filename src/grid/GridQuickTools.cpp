#include "grid/GridQuickTools.h"

#include <algorithm>

#include "store/FilterData.h"

namespace {
FilterData::iterator FindColumnFilter(FilterData& filters, const std::string& name) {
    return std::find_if(filters.begin(), filters.end(),
                        [&](const ColumnFilter& f) { return f.ColumnName == name; });
}
}  // namespace

void GridQuickTools::SetQuickFilter(FilterData& filters, const std::string& name, int column,
                                    const std::string& cellText, int condition) {
    ColumnFilter filter;
    filter.ColumnName = name;
    filter.Column = column;
    filter.Value = cellText;
    filter.Condition = condition;
    const auto existing = FindColumnFilter(filters, name);
    if (existing != filters.end()) {
        const int old = existing->Condition;
        if ((condition == kLowerOrEqual || condition == kGreaterOrEqual) && old == condition) {
            filters.erase(existing);
            return;
        }
        if (old == kLowerOrEqual || old == kGreaterOrEqual) {
            filter.Condition = kRange;
            filter.MinIncluded = true;
            filter.MaxIncluded = true;
            filter.MinValue = old == kLowerOrEqual ? cellText : existing->Value;
            filter.MaxValue = old == kLowerOrEqual ? existing->Value : cellText;
        }
    }
    filter.Values.push_back(cellText);
    if (existing != filters.end())
        *existing = std::move(filter);
    else
        filters.push_back(std::move(filter));
}

bool GridQuickTools::RemoveColumnFilter(FilterData& filters, const std::string& name) {
    const auto existing = FindColumnFilter(filters, name);
    if (existing == filters.end()) return false;
    filters.erase(existing);
    return true;
}

bool GridQuickTools::NegateColumnFilter(FilterData& filters, const std::string& name) {
    const auto existing = FindColumnFilter(filters, name);
    if (existing == filters.end()) return false;
    existing->Negation = !existing->Negation;
    return true;
}

void GridQuickTools::SetQuickSort(std::vector<SortSelectionData>& criteria, const std::string& name,
                                  bool ascending) {
    const auto existing = std::find_if(criteria.begin(), criteria.end(),
                                       [&](const SortSelectionData& c) { return c.Column == name; });
    if (existing != criteria.end())
        existing->Ascending = ascending;
    else
        criteria.emplace_back(name, ascending);
}

bool GridQuickTools::RemoveColumnSort(std::vector<SortSelectionData>& criteria, const std::string& name) {
    const auto existing = std::find_if(criteria.begin(), criteria.end(),
                                       [&](const SortSelectionData& c) { return c.Column == name; });
    if (existing == criteria.end()) return false;
    criteria.erase(existing);
    return true;
}
