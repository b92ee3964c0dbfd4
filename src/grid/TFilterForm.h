#pragma once
// "Filter Definition Form": the column filter of one grid window's view, edited on a working copy
// (FilterEditor) and written back into the view only when OK passes the check. The column list
// shows user titles; checking a column adds an "=" condition on it; the selected column's
// condition is edited with the condition group, the Negation, comparison and delta boxes and the
// editor panel that the tools form places in the value area and that reports its edits by
// window message. Without alert support (every window of this client) the alert controls and
// the delta box are hidden and the form is shortened. OK is enabled after a change.
#include <cstdint>
#include <string>

#include "grid/CheckedDialogButtons.h"
#include "grid/FilterEditor.h"
#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class CheckBox;
class CheckListBox;
class Edit;
class InterfaceView;
class QGroupBox;
class QLabel;
class QPushButton;
class RadioGroup;
class TFilterToolsForm;
class TitleManager;

class TFilterForm : public Form {
public:
    TFilterForm(QWidget* owner, bool alertsSupported, const TitleManager& titles, InterfaceView& view);
    ~TFilterForm() override;

    // Gives the dialog its editors; before it is shown.
    void SetToolsForm(TFilterToolsForm* tools) { tools_ = tools; }
    TFilterToolsForm* ToolsForm() const { return tools_; }

    void ShowColumnFilter(const std::string& name);
    void ResetConditionControls();
    void DropMissingValues(const std::string& name, const StringVector& offered) {
        editor_.DropMissingValues(name, offered);
    }
    bool ValidateFilters();
    void HideAlertControls();
    void ClearAlertControls();

    const FilterData& WorkingCopy() const { return editor_.Copy(); }
    bool Modified() const { return buttons_.Changed(); }
    const CheckedDialogButtons& buttons() const { return buttons_; }

    CheckListBox* ColumnCheckListBox;
    RadioGroup* BoolOperatorsRadioGroup;
    CheckBox* NegationCheckBox;
    CheckBox* CompareWithColumnValueCheckBox;
    CheckBox* DeltaNowMinusTimeValueCheckBox;
    QWidget* FilterValuesPanel;
    CheckBox* FilterNegationCheckBox;
    QGroupBox* AlertsGroupBox;
    CheckBox* EnableSoundAlertCheckBox;
    QLabel* SoundFilenameLabel;
    Edit* SoundAlertFilenameEdit;
    QPushButton* ChooseSoundAlertFilenameButton;
    CheckBox* EnablePopupAlertCheckbox;
    QLabel* WarningMessageLabel;
    Edit* PopupAlertMessageEdit;
    QPushButton* ClearAllFiltersButton;

private:
    void FormShow();
    int32_t HandleMessage(uint32_t message, int32_t wParam);
    // The field name of the selected column entry ("" when none).
    std::string SelectedName() const;
    int FindEntry(const std::string& name) const;
    void SetModified() { buttons_.SetChanged(true); }
    void FillValueList(const std::string& name);
    void ColumnCheckListBoxClick();
    void ColumnCheckListBoxClickCheck(int index);
    void BoolOperatorsRadioGroupClick();
    void NegationCheckBoxClick();
    void CompareWithColumnValueCheckBoxClick();
    void DeltaNowMinusTimeValueCheckBoxClick();
    void SetDeltaItems(bool delta);
    void EnableSoundAlertCheckBoxClick();
    void EnablePopupAlertCheckboxClick();
    void ChooseSoundAlertFilenameButtonClick();
    void ClearAllFiltersActionExecute();
    bool OKActionExecute();
    void CancelButtonClick();
    void Focus(FilterEditor::Focus focus);

    InterfaceView& view_;
    const TitleManager& titles_;
    TFilterToolsForm* tools_ = nullptr;
    bool alertsSupported_;
    FilterEditor editor_;
    bool eventsEnabled_ = false;
    ActionList actions_;
    Action* filterNegationAction_ = nullptr;
    Action* clearAllAction_ = nullptr;
    CheckedDialogButtons buttons_;
};
