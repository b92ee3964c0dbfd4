#include "grid/FilteredListModel.h"

#include <algorithm>

#include "toolkit/QtText.h"

FilteredListModel::FilteredListModel(QObject* parent, std::function<std::size_t()> count,
                                     std::function<const std::string&(std::size_t)> row)
    : QAbstractTableModel(parent), count_(std::move(count)), row_(std::move(row)) {}

int FilteredListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::max<std::size_t>(1, count_()));
}

int FilteredListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant FilteredListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return QVariant();
    const auto row = static_cast<std::size_t>(index.row());
    return row < count_() ? ToQt(row_(row)) : QString();
}

void FilteredListModel::Reset() {
    beginResetModel();
    endResetModel();
}
