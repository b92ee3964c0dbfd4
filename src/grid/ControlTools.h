#pragma once
// Window tools over the form toolkit's controls: reading, checking and focusing controls, naming
// fields by their labels, combo-box and check-list helpers, and the date-picker set-ups that keep
// within the earliest and latest supported dates.
#include <string>

#include "fields/FormDateTime.h"
#include "fields/MTTimePoint.h"

class Action;
class ActionList;
class QAction;
class QDate;
class QPushButton;
class QLabel;
class QWidget;
class ComboBox;
class DateTimePicker;
class Edit;
class ListBox;

// An action of the list named actionName, and a button of parent named buttonName that follows it
// and runs it; the button is returned, the action set in *action.
QPushButton* MakeActionButton(ActionList& actions, QWidget* parent, const std::string& caption,
                              const char* actionName, const char* buttonName, Action** action);

// The label's caption without its first '&' or ':' ("N&umber" names the field Number).
std::string StripLabelMarks(const std::string& text);
// "No value specified for field " and the label text without its marks.
std::string MakeNoValueMessage(const std::string& labelText);
// The caption of a label, "" for none.
std::string LabelText(const QLabel* label);

// Whether the control can be reached for the focus: walks up through its parents; a hidden tab
// page on the way is made the current page of its tab widget; a disabled control, or running out
// of parents, answers false.
bool RevealControl(QWidget* control);
// Gives the control the focus when RevealControl answers true.
void FocusIfReachable(QWidget* control);

// Reads the text of an edit (or of a combo box's edit) into `text`, trimmed of blanks and control
// characters, after emptying `message`: 0 when there is text, 1 when empty and optional, 2 when
// empty and mandatory (the control is revealed and focused and `message` gets the missing-value
// message of the label).
int ReadControlText(std::string& text, QWidget* control, const QLabel* label, std::string& message,
                    bool mandatory);

// Selects the first item equal to the text (case counts) and returns its index; -1 and no change
// when none is.
int SelectComboBoxItem(ComboBox* box, const std::string& text);
// Whether the chosen item means nothing chosen: "<none>", "" or "<n/a>" (or no item at all).
bool IsNothingSelected(const ComboBox* box);

// Swaps the current item with the one delta places away (clamped), the check states with the texts
// in a check list, and makes that one current. False and no change without a current item or with
// fewer than two items.
bool MoveCheckListItem(ListBox* box, int delta);

// Makes the edit hide what is typed, showing '*' for each character.
void MakePasswordEdit(Edit* edit);

// Disables the control (and its label) and shows or hides it as `visible` says.
void ShowControlWithLabel(QWidget* control, QLabel* label, bool visible);
// Disables the menu item and shows or hides it as `visible` says.
void DisableMenuItem(QAction* item, bool visible);
// A null or empty message answers false and changes nothing; otherwise the control gets the focus
// when it can be reached, the stripped label text, " - " and the message are appended to `error`,
// and the answer is true.
bool AppendFieldError(QWidget* control, const QLabel* label, std::string& error, const char* message);

QDate ToQDate(const FormDateTime& date);
FormDateTime FromQDate(const QDate& date);

// Date-picker set-ups; the picker's own range refusals are absorbed. The minimum is raised to the
// earliest supported date, the maximum lowered to the latest.
// A time picker takes the point's time of day; a date picker takes its minimum (when the point's
// date is not before it), the point's date (at least the earliest) and its maximum.
void SetDatePickerFromPoint(DateTimePicker* picker, MDate minimum, MDate maximum, MDateTimeTimePoint point);
// Minimum, time 00:00:00.000, date (raised to the earliest, not lowered) and maximum, in this order.
void SetDatePickerRange(DateTimePicker* picker, MDate minimum, MDate maximum, FormDateTime date);
// As SetDatePickerRange with the minimum given as a date value.
void SetDatePickerMaximum(DateTimePicker* picker, MDate maximum, FormDateTime minimum, FormDateTime date);
