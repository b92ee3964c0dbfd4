#include "store/InterfaceView.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <unordered_set>

#include "fields/MInterface.h"

int InterfaceView::GetColumnIndex(int screenColumn) const {
    if (screenColumn < 0 || screenColumn >= ColumnCount) return 0;
    return ColumnOrder[static_cast<std::size_t>(screenColumn)];
}

int InterfaceView::SetColumnOrder(const int32_t* entries, int count) {
    if (!entries || count != ColumnCount) return ColumnCount;
    std::vector<int32_t> order(entries, entries + count);
    std::vector<int32_t> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < count; ++i) {
        if (sorted[static_cast<std::size_t>(i)] != i) return ColumnCount;
    }
    ColumnOrder = std::move(order);
    return ColumnCount;
}

int InterfaceView::FindField(std::string name) const {
    const std::vector<std::string>& titles = TitleFormat.GetTitles();
    const auto at = std::find(titles.begin(), titles.end(), name);
    return at == titles.end() ? -1 : static_cast<int>(at - titles.begin());
}

const char* InterfaceView::GetCellText(int screenColumn, unsigned row, unsigned* length) {
    unsigned ignored = 0;
    if (!length) length = &ignored;
    *length = 0;
    // Automation passes columns from outside: a column beyond the order shows nothing.
    if (screenColumn < 0 || screenColumn >= static_cast<int>(ColumnOrder.size())) return "";
    const int entry = ColumnOrder[static_cast<std::size_t>(screenColumn)];
    if (entry > 0) {
        if (row > 0) return GetDisplayedCellText(entry - 1, row, length);
        if (entry > static_cast<int>(GetTitleList().size())) return "";
        return TitleFormat.GetTitle(entry - 1, length);
    }
    if (row == 0) return "";
    const auto end = std::to_chars(rowNumberText_, rowNumberText_ + sizeof rowNumberText_ - 1, row).ptr;
    *end = '\0';
    *length = static_cast<unsigned>(end - rowNumberText_);
    return rowNumberText_;
}

int InterfaceView::FindCellText(int screenColumn, unsigned first, unsigned last,
                                const std::function<bool(std::string_view)>& match) {
    const bool down = first <= last;
    const bool field = screenColumn >= 0 && screenColumn < static_cast<int>(ColumnOrder.size()) &&
                       ColumnOrder[static_cast<std::size_t>(screenColumn)] > 0;
    const auto shown = static_cast<unsigned>(std::max(GetDisplayedRowCount() - 1, 0));
    for (unsigned row = first;; down ? ++row : --row) {
        if (field && row >= 1 && row <= shown) {
            // The run of displayed rows from here towards last, walked in one go.
            const unsigned end = down ? std::min(last, shown) : std::max(last, 1U);
            const int entry = ColumnOrder[static_cast<std::size_t>(screenColumn)];
            const unsigned found = FindDisplayedCellText(entry - 1, row, end, match);
            if (found != 0) return static_cast<int>(found);
            row = end;
        } else {
            unsigned length = 0;
            const char* text = GetCellText(screenColumn, row, &length);
            if (match(std::string_view(text, length))) return static_cast<int>(row);
        }
        if (row == last) return -1;
    }
}

void InterfaceView::MoveColumn(int from, int to) {
    const int count = static_cast<int>(ColumnOrder.size());
    if (from == to || from < 0 || to < 0 || from >= count || to >= count) return;
    const auto at = [this](int column) { return ColumnOrder.begin() + column; };
    if (from < to) {
        std::rotate(at(from), at(from) + 1, at(to) + 1);
    } else {
        std::rotate(at(to), at(from), at(from) + 1);
    }
}

int InterfaceView::FindColumn(const std::string& name) const {
    const int field = FindField(name);
    if (field < 0) return -1;
    const auto at = std::find(ColumnOrder.begin(), ColumnOrder.end(), field + 1);
    return at == ColumnOrder.end() ? -1 : static_cast<int>(at - ColumnOrder.begin());
}

std::string InterfaceView::GetColumnName(int screenColumn) const {
    const int entry = GetColumnIndex(screenColumn);
    const std::vector<std::string>& titles = GetTitleList();
    if (entry < 1 || entry > static_cast<int>(titles.size())) return "";
    return titles[static_cast<std::size_t>(entry - 1)];
}

int InterfaceView::CountHiddenColumns() const {
    const TitleVisibilityMap& visibility = TitleFormat.GetTitleVisibility();
    return static_cast<int>(
        std::count_if(visibility.begin(), visibility.end(), [](const auto& entry) { return !entry.second; }));
}

int InterfaceView::CountVisibleColumns() const {
    return GetColumnCount() - CountHiddenColumns() - 1;
}

void InterfaceView::SetSortCriteria(std::vector<SortSelectionData>& criteria) {
    ClearSortCriteria();
    std::erase_if(criteria,
                  [this](const SortSelectionData& criterion) { return FindField(criterion.Column) < 0; });
    for (const SortSelectionData& criterion : criteria)
        AddSortCriterion(FindField(criterion.Column), criterion.Ascending);
}

void InterfaceView::CacheColumnValues(const std::string& name) {
    const int field = FindField(name);
    if (field < 0) return;
    ColumnFilter entry;
    entry.ColumnName = name;
    StringVector& values = entry.Values;
    switch (GetColumnKind(field)) {
        case MInterface::kEnumeration:
            values = GetColumnValues(field);
            break;
        case MInterface::kSet:
            values = GetColumnValues(field);
            values.emplace_back(GetColumnAllText(field));
            values.emplace_back(GetColumnNoneText(field));
            break;
        default: {
            const unsigned rows = static_cast<unsigned>(std::max(GetAllRowCount(), 1));
            const auto textAt = [&](unsigned row) {
                unsigned length = 0;
                const char* text = GetAllCellText(field, row, &length);
                return std::string_view(text, length);
            };
            // A column usually holds far fewer texts than rows: then the distinct texts are found
            // first and only they are sorted. When the first rows are mostly distinct, every text is
            // taken and sorted instead (a set of them all would cost more than the sort).
            constexpr unsigned kProbe = 65536;
            std::unordered_set<std::string> distinct;
            bool mostlyDistinct = false;
            for (unsigned row = 1; row < rows && !mostlyDistinct; ++row) {
                distinct.emplace(textAt(row));
                mostlyDistinct = row == kProbe && distinct.size() * 2 > kProbe;
            }
            if (!mostlyDistinct) {
                for (const ColumnFilter& filter : Filter) {
                    if (filter.Condition == 2 && filter.ColumnName == name)
                        distinct.insert(filter.Values.begin(), filter.Values.end());
                }
                std::vector<std::string_view> order(distinct.begin(), distinct.end());
                std::sort(order.begin(), order.end());
                values.assign(order.begin(), order.end());
                WorkFilter.push_back(std::move(entry));
                return;
            }
            values.reserve(rows - 1);
            for (unsigned row = 1; row < rows; ++row) values.emplace_back(textAt(row));
            for (const ColumnFilter& filter : Filter) {
                if (filter.Condition == 2 && filter.ColumnName == name)
                    values.insert(values.end(), filter.Values.begin(), filter.Values.end());
            }
            break;
        }
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    WorkFilter.push_back(std::move(entry));
}

void InterfaceView::InitColumnOrder(int count) {
    ColumnCount = count;
    ColumnOrder.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) ColumnOrder[static_cast<std::size_t>(i)] = i;
}
