#include "grid/SortSelectionLists.h"

#include <algorithm>
#include <utility>

#include "toolkit/SortCollation.h"

void SortSelectionLists::Fill(const std::vector<SortSelectionData>& criteria,
                              const std::vector<std::string>& titles) {
    fields_.clear();
    sortBy_ = criteria;
    for (const std::string& title : titles) {
        const bool sorted = std::any_of(criteria.begin(), criteria.end(),
                                        [&](const SortSelectionData& c) { return c.Column == title; });
        if (!sorted) AddField(title);
    }
}

void SortSelectionLists::AddField(const std::string& title) {
    const auto at = std::upper_bound(
        fields_.begin(), fields_.end(), title,
        [](const std::string& a, const std::string& b) { return CompareSortText(a, b) < 0; });
    fields_.insert(at, title);
}

void SortSelectionLists::Include(const std::vector<bool>& selected) {
    for (std::size_t i = fields_.size(); i-- > 0;) {
        if (i >= selected.size() || !selected[i]) continue;
        sortBy_.emplace_back(fields_[i], false);
        fields_.erase(fields_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void SortSelectionLists::Exclude(const std::vector<bool>& selected) {
    std::vector<std::string> moved;
    for (std::size_t i = sortBy_.size(); i-- > 0;) {
        if (i >= selected.size() || !selected[i]) continue;
        moved.push_back(std::move(sortBy_[i].Column));
        sortBy_.erase(sortBy_.begin() + static_cast<std::ptrdiff_t>(i));
    }
    for (const std::string& title : moved) AddField(title);
}

void SortSelectionLists::IncludeAll() {
    for (std::string& title : fields_) sortBy_.emplace_back(std::move(title), false);
    fields_.clear();
}

void SortSelectionLists::ExcludeAll() {
    for (const SortSelectionData& c : sortBy_) AddField(c.Column);
    sortBy_.clear();
}

int SortSelectionLists::Move(int current, int delta) {
    const int count = static_cast<int>(sortBy_.size());
    if (current < 0 || current >= count || count < 2) return current;
    const int to = std::clamp(current + delta, 0, count - 1);
    std::swap(sortBy_[static_cast<std::size_t>(current)], sortBy_[static_cast<std::size_t>(to)]);
    return to;
}
