#pragma once
// The rows of the filtered list: one column, at least one row (empty when nothing is shown).
#include <QAbstractTableModel>
#include <functional>
#include <string>

class FilteredListModel : public QAbstractTableModel {
public:
    FilteredListModel(QObject* parent, std::function<std::size_t()> count,
                      std::function<const std::string&(std::size_t)> row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The rows changed as a whole.
    void Reset();

private:
    std::function<std::size_t()> count_;
    std::function<const std::string&(std::size_t)> row_;
};
