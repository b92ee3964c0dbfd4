#include "grid/CommLogModel.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "toolkit/QtText.h"

CommLogModel::CommLogModel(const GUIErrorDetailsVector& log, QObject* parent)
    : QAbstractListModel(parent), log_(log) {}

void CommLogModel::Show(std::size_t count) {
    beginResetModel();
    count = std::min(count, log_.size());
    count_ = static_cast<int>(count);
    std::vector<std::pair<std::size_t, int>> lengths;
    lengths.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        lengths.emplace_back(std::strlen(log_[i].GetText()), static_cast<int>(i));
    const std::size_t kept = std::min(count, kLongest);
    std::partial_sort(lengths.begin(), lengths.begin() + static_cast<std::ptrdiff_t>(kept), lengths.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    longest_.clear();
    for (std::size_t i = 0; i < kept; ++i) longest_.push_back(lengths[i].second);
    endResetModel();
}

int CommLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_;
}

QVariant CommLogModel::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count_ || row >= log_.size()) return {};
    return ToQt(log_[row].GetText());
}
