#pragma once
// Check box whose click event fires whenever its state changes: by the user's click and by the
// program setting it.
#include <QCheckBox>
#include <functional>
#include <string>

class CheckBox : public QCheckBox {
public:
    explicit CheckBox(QWidget* parent = nullptr, const char* name = nullptr, const std::string& caption = {});
    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked) { setChecked(checked); }

    std::function<void()> onClick;
};
