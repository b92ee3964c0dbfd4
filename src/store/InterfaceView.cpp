#include "store/InterfaceView.h"

#include <algorithm>

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

void InterfaceView::InitColumnOrder(int count) {
    ColumnCount = count;
    ColumnOrder.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) ColumnOrder[static_cast<std::size_t>(i)] = i;
}
