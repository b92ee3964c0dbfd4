#pragma once
// The communication log's first entries as a list model: one row per entry, its text converted
// only when a view asks for it, so the log is never copied. The rows are fixed by Show (the log
// may grow behind them; later entries wait for the next Show). Also names the longest lines, by
// bytes, for a view that sizes every row alike to find the width its scroll bar must reach.
#include <QAbstractListModel>
#include <cstddef>
#include <vector>

#include "fields/GUIErrorDetailsVector.h"

class CommLogModel : public QAbstractListModel {
public:
    CommLogModel(const GUIErrorDetailsVector& log, QObject* parent);

    // Shows the log's first count entries (at most its size); 0 empties the list.
    void Show(std::size_t count);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Rows of the longest texts (up to kLongest of them), longest first.
    const std::vector<int>& LongestRows() const { return longest_; }
    static constexpr std::size_t kLongest = 32;

private:
    const GUIErrorDetailsVector& log_;
    int count_ = 0;
    std::vector<int> longest_;
};
