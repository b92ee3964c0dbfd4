#pragma once
// The filter dialog's condition editors: a form that is never shown and carries five panels (a
// single value, a range, a check list of values, a wildcard pattern and a list of columns to
// compare with). The dialog moves the panel its current condition needs into its own value area;
// every edit is reported to the dialog's window by a message (0x8001 to 0x800A) unless
// notifications are suspended, which the dialog does while it fills the editors itself.
#include <cstdint>
#include <string>

#include "toolkit/Form.h"

class CheckBox;
class CheckListBox;
class Edit;
class ListBox;
class QLabel;
class RadioGroup;

class TFilterToolsForm : public Form {
public:
    TFilterToolsForm(QWidget* owner, uint32_t notifyWindow);

    // Shows the editor of the condition in `host`, after taking every panel back: the column list
    // when comparing, else the panel of the condition code. False (nothing shown) for a code above 7.
    bool ShowConditionPanel(int condition, QWidget* host, bool delta, bool comparison);
    // Takes every panel back, so that none shows in the dialog.
    void ReclaimPanels();
    void SuspendNotifications() { notify_ = false; }
    void ResumeNotifications() { notify_ = true; }
    bool NotificationsEnabled() const { return notify_; }
    static std::string CheckMaskText(const std::string& pattern);

    QWidget* ValuePanel;
    QLabel* ValueLabel;
    Edit* ValueEdit;
    CheckBox* AcceptNullValueCheckBox;
    RadioGroup* mpSearchOperatorRadioGroup;
    QLabel* NoteStaticText1;
    QLabel* NoteStaticText2;
    QLabel* NoteStaticText3;
    QWidget* RangePanel;
    Edit* MinValueEdit;
    Edit* MaxValueEdit;
    CheckBox* MinValueIncludedCheckBox;
    CheckBox* MaxValueIncludedCheckBox;
    CheckListBox* ValueCheckListBox;
    QWidget* IsLikeValuePanel;
    Edit* IsLikeValueEdit;
    ListBox* ColumnListBox;

private:
    void Notify(uint32_t message, int32_t wParam);
    void Place(QWidget* panel, QWidget* host);

    uint32_t notifyWindow_;
    bool notify_ = true;
};
