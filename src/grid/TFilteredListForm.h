#pragma once
// A text box above a one-column list of the caller's texts that begin with what stands in the box
// (case-sensitive); a double click on a line hands it back and closes with 1, Esc or the frame's
// close box close with 2. The texts are copied; the rows are shown through a model over the range
// of the byte-ordered texts that begin with the filter.
#include <set>
#include <string>
#include <vector>

#include "toolkit/Form.h"

class Edit;
class QTableView;
class FilteredListModel;

class TFilteredListForm : public Form {
public:
    explicit TFilteredListForm(QWidget* owner);

    void Prepare(const std::string& caption, std::string* result, const std::set<std::string>& items);
    void Rebuild();

    // The texts shown, in order.
    std::size_t ShownCount() const { return shownEnd_ - shownBegin_; }
    const std::string& Shown(std::size_t row) const { return items_[shownBegin_ + row]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Pick();

    std::vector<std::string> items_;
    std::size_t shownBegin_ = 0;
    std::size_t shownEnd_ = 0;
    std::string filter_;
    std::string* result_ = nullptr;
    int resultCode_ = mrCancel;
    Edit* filterEdit_;
    QTableView* grid_;
    FilteredListModel* model_;
};
