#pragma once
// List box of texts; a sorted one keeps its items in the order of CompareSortText. Item index -1
// means no item. The click event fires when the user changes the current item.
#include <QListWidget>
#include <functional>
#include <string>

class ListBox : public QListWidget {
public:
    explicit ListBox(QWidget* parent = nullptr, const char* name = nullptr, bool sorted = false);

    int AddItem(const std::string& item);
    std::string Item(int index) const;
    int Count() const { return count(); }
    void Clear();
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);

    std::function<void()> onClick;

protected:
    bool programmatic_ = false;

private:
    bool sorted_;
};
