#pragma once
// Group of radio buttons with an item index (-1: none). The click event fires on every change of
// the index, by the user or by the program; items can be enabled one by one.
#include <QGroupBox>
#include <functional>
#include <string>
#include <vector>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

class RadioGroup : public QGroupBox {
public:
    explicit RadioGroup(QWidget* parent = nullptr, const char* name = nullptr,
                        const std::string& caption = {});

    void SetItems(const std::vector<std::string>& items);
    int Count() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    void SetItemEnabled(int index, bool enabled);
    QRadioButton* Button(int index) const;

    std::function<void()> onClick;

private:
    QButtonGroup* group_;
    QVBoxLayout* layout_;
    bool setting_ = false;
};
