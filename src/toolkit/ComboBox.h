#pragma once
// Combo box in drop-down style (the user may type any text) or drop-down-list style (only the
// items). Item index -1 means no item; adding items never chooses one. A sorted combo box keeps
// its items in the order of CompareSortText. The change event fires when the user picks an item
// or types.
#include <QComboBox>
#include <functional>
#include <string>
#include <vector>

class ComboBox : public QComboBox {
public:
    enum class Style { DropDown, DropDownList };
    explicit ComboBox(QWidget* parent = nullptr, const char* name = nullptr,
                      Style style = Style::DropDownList, bool sorted = false);

    // Returns the index the item took.
    int AddItem(const std::string& item);
    // Adds the items in one batch, in the order that adding them one by one would give (a sorted
    // combo box sorts once); the chosen item, or the typed text when none is chosen, stays.
    void AddItems(const std::vector<std::string>& items);
    std::string Item(int index) const;
    int Count() const { return count(); }
    void Clear() { clear(); }
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    // The typed text in drop-down style, the chosen item's text otherwise.
    std::string Text() const;
    // Drop-down style: the typed text; drop-down-list style: selects the item of that text (-1
    // when none has it).
    void SetText(const std::string& text);

    std::function<void()> onChange;

private:
    bool sorted_;
};
