#pragma once
// The items of a list box: its texts and, in a check list, one check state per text, in plain
// vectors, so that a list of a million values costs a string and a byte each and no item object.
// Texts stay the system's byte texts; only the rows the view asks for are turned into Qt's. The
// program's own changes are quiet; a check state set through setData (the view's answer to the
// user's click or key) is reported by onUserCheck after the change.
#include <QAbstractListModel>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class ListBoxModel : public QAbstractListModel {
public:
    explicit ListBoxModel(QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int Count() const { return static_cast<int>(texts_.size()); }
    const std::vector<std::string>& Texts() const { return texts_; }
    // The text of a row in range.
    const std::string& Text(int row) const { return texts_[static_cast<std::size_t>(row)]; }
    void SetText(int row, const std::string& text);
    void Insert(int row, const std::string& text);
    // Appends the texts in their order, unchecked, in one insertion.
    void Append(std::vector<std::string> texts);
    void Clear();

    // Gives every row a check box (unchecked at first); with grayed allowed the user's toggle
    // also passes through the third state.
    void SetCheckable(bool checkable);
    void SetAllowGrayed(bool allow);
    // Qt::CheckState of a row in range; Qt::Unchecked in a list without check boxes.
    int State(int row) const;
    // True when the row took the state: a row in range of a check list, in another state before.
    bool SetState(int row, int state);

    std::function<void(int row)> onUserCheck;

private:
    void RowsChanged(int first, int last, int role);

    std::vector<std::string> texts_;
    std::vector<std::uint8_t> states_;  // one per text in a check list, empty otherwise
    bool checkable_ = false;
    bool allowGrayed_ = false;
};
