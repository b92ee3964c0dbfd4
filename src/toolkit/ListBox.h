#pragma once
// List box of texts; a sorted one keeps its items in the order of CompareSortText. Item index -1
// means no item. The click event fires when the user changes the current item. The items live in
// a ListBoxModel of plain vectors, so a list of a million entries fills in one go.
#include <QListView>
#include <functional>
#include <string>
#include <vector>

class ListBoxModel;

class ListBox : public QListView {
public:
    explicit ListBox(QWidget* parent = nullptr, const char* name = nullptr, bool sorted = false);

    int AddItem(const std::string& item);
    // Adds many items at once: into an empty sorted list they are sorted once and inserted in one
    // go (one by one into their places otherwise).
    void AddItems(const std::vector<std::string>& items);
    std::string Item(int index) const;
    // Replaces an item's text where it stands (a sorted list is not reordered).
    void SetItemText(int index, const std::string& text);
    int Count() const;
    void Clear();
    int ItemIndex() const { return currentIndex().row(); }
    void SetItemIndex(int index);
    bool IsSelected(int index) const;

    std::function<void()> onClick;

protected:
    ListBoxModel& Items() const { return *items_; }
    bool programmatic_ = false;

private:
    ListBoxModel* items_;
    bool sorted_;
};
