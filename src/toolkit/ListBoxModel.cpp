#include "toolkit/ListBoxModel.h"

#include <iterator>

#include "toolkit/QtText.h"

ListBoxModel::ListBoxModel(QObject* parent) : QAbstractListModel(parent) {}

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) return QVariant();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return ToQt(Text(index.row()));
        case Qt::CheckStateRole:
            return checkable_ ? QVariant(State(index.row())) : QVariant();
        default:
            return QVariant();
    }
}

bool ListBoxModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !checkable_ || !index.isValid() || index.row() >= Count()) return false;
    const int state = value.toInt();
    if (state < Qt::Unchecked || state > Qt::Checked) return false;
    if (SetState(index.row(), state) && onUserCheck) onUserCheck(index.row());
    return true;
}

Qt::ItemFlags ListBoxModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (checkable_) flags |= Qt::ItemIsUserCheckable;
    if (checkable_ && allowGrayed_) flags |= Qt::ItemIsUserTristate;
    return flags;
}

void ListBoxModel::SetText(int row, const std::string& text) {
    if (row < 0 || row >= Count()) return;
    texts_[static_cast<std::size_t>(row)] = text;
    RowsChanged(row, row, Qt::DisplayRole);
}

void ListBoxModel::Insert(int row, const std::string& text) {
    beginInsertRows(QModelIndex(), row, row);
    texts_.insert(texts_.begin() + row, text);
    if (checkable_) states_.insert(states_.begin() + row, std::uint8_t(Qt::Unchecked));
    endInsertRows();
}

void ListBoxModel::Append(std::vector<std::string> texts) {
    if (texts.empty()) return;
    const int first = Count();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(texts.size()) - 1);
    if (texts_.empty())
        texts_ = std::move(texts);
    else
        texts_.insert(texts_.end(), std::make_move_iterator(texts.begin()),
                      std::make_move_iterator(texts.end()));
    if (checkable_) states_.resize(texts_.size(), std::uint8_t(Qt::Unchecked));
    endInsertRows();
}

void ListBoxModel::Clear() {
    beginResetModel();
    // Swapped out rather than cleared, so that a long list gives its memory back.
    std::vector<std::string>().swap(texts_);
    std::vector<std::uint8_t>().swap(states_);
    endResetModel();
}

void ListBoxModel::SetCheckable(bool checkable) {
    checkable_ = checkable;
    states_.assign(checkable ? texts_.size() : 0, std::uint8_t(Qt::Unchecked));
    RowsChanged(0, Count() - 1, Qt::CheckStateRole);
}

void ListBoxModel::SetAllowGrayed(bool allow) {
    allowGrayed_ = allow;
    RowsChanged(0, Count() - 1, Qt::CheckStateRole);
}

int ListBoxModel::State(int row) const {
    return checkable_ ? states_[static_cast<std::size_t>(row)] : int(Qt::Unchecked);
}

bool ListBoxModel::SetState(int row, int state) {
    if (!checkable_ || row < 0 || row >= Count() || State(row) == state) return false;
    states_[static_cast<std::size_t>(row)] = static_cast<std::uint8_t>(state);
    RowsChanged(row, row, Qt::CheckStateRole);
    return true;
}

void ListBoxModel::RowsChanged(int first, int last, int role) {
    if (first <= last) emit dataChanged(index(first), index(last), {role});
}
