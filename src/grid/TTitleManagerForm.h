#pragma once
// The title dialog ("Titles Edit Form"): retitles the columns of a window kind and chooses their
// colours, on a copy of the title manager's map, one grid column per entry in the map's key
// order. OK (enabled after a change) validates the titles and hands the copy back; Cancel and the
// close box drop it. Typed text counts only once Set stores it; columns widen to fit and never
// narrow.
#include <string>

#include "grid/CheckedDialogButtons.h"
#include "grid/TitleMap.h"
#include "toolkit/ActionList.h"
#include "toolkit/Form.h"

class Action;
class DrawGrid;
class Edit;
class QLabel;
class TitleManager;

class TTitleManagerForm : public Form {
public:
    static constexpr int kTextMargin = 10;

    TTitleManagerForm(QWidget* owner, TitleManager& titles);

    void AdjustColumnWidths();
    // Shows entry c (grid column c, from 1) in the label and the edit.
    void ShowColumn(int c);
    // Shows the box of the first failure and selects its column.
    bool ValidateTitles();

    const TitleMap& WorkingMap() const { return titles_; }
    DrawGrid* Grid() const { return grid_; }
    Edit* TitleEdit() const { return titleEdit_; }
    QLabel* CurrentColumnLabel() const { return currentColumn_; }
    // Selects grid column c as the user would.
    void SelectColumn(int c);
    Action* SetUserTitle() const { return setTitle_; }
    Action* BackgroundColor() const { return background_; }
    Action* ForegroundColor() const { return foreground_; }
    Action* ResetColumnColors() const { return resetColumnColors_; }
    Action* ResetUserTitles() const { return resetTitles_; }
    Action* ResetUserColors() const { return resetColors_; }

private:
    // The entry of grid column c, or null.
    TitleMap::value_type* Entry(int c);
    void Widen(int c);
    void SetModified();

    TitleManager& manager_;
    TitleMap titles_;
    bool ready_ = false;
    bool titleEdited_ = false;
    DrawGrid* grid_;
    QLabel* currentColumn_;
    Edit* titleEdit_;
    ActionList actions_;
    Action* setTitle_;
    Action* background_;
    Action* foreground_;
    Action* resetColumnColors_;
    Action* resetTitles_;
    Action* resetColors_;
    CheckedDialogButtons buttons_;
};
