#pragma once
// List box of texts; a sorted one keeps its items in the order of CompareSortText. Item index -1
// means no item. The click event fires when the user changes the current item.
#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

class ListBox : public QListWidget {
public:
    explicit ListBox(QWidget* parent = nullptr, const char* name = nullptr, bool sorted = false);

    int AddItem(const std::string& item);
    // Adds many items at once: into an empty sorted list they are sorted once and inserted in one
    // go (one by one into their places otherwise).
    void AddItems(const std::vector<std::string>& items);
    std::string Item(int index) const;
    int Count() const { return count(); }
    void Clear();
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index);

    std::function<void()> onClick;

protected:
    // The items in the order they are to be appended to an empty list.
    std::vector<std::string> OrderForAppend(const std::vector<std::string>& items) const;
    bool Sorted() const { return sorted_; }
    bool programmatic_ = false;

private:
    bool sorted_;
};
