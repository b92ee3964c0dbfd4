#include "grid/ControlTools.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTime>
#include <algorithm>

#include "fields/WindowTools.h"
#include "toolkit/Action.h"
#include "toolkit/ActionList.h"
#include "toolkit/CheckListBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/Edit.h"
#include "toolkit/ListBox.h"
#include "toolkit/QtText.h"

namespace {

std::string Trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}

std::string ControlText(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return FromQt(edit->text());
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return FromQt(combo->currentText());
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(control)) return FromQt(memo->toPlainText());
    if (auto* label = qobject_cast<const QLabel*>(control)) return FromQt(label->text());
    return std::string();
}

bool IsTimePicker(const DateTimePicker* picker) {
    return !(picker->displayedSections() & QDateTimeEdit::DateSections_Mask);
}

MDate Clamped(MDate date, bool lowerToLatest) {
    const MDate earliest = GetEarliestDate();
    if (date < earliest) return earliest;
    if (lowerToLatest && GetLatestDate() < date) return GetLatestDate();
    return date;
}

FormDateTime RaisedToEarliest(const FormDateTime& date) {
    const FormDateTime earliest = DateToDateTime(GetEarliestDate());
    return IsDateTimeLess(date, earliest) ? earliest : date;
}

void ApplyRange(DateTimePicker* picker, const FormDateTime& minimum, const FormDateTime& maximum,
                const FormDateTime& date) {
    picker->SetMinDate(ToQDate(minimum));
    picker->SetTime(QTime(0, 0));
    picker->SetDate(ToQDate(date));
    picker->SetMaxDate(ToQDate(maximum));
}

}  // namespace

QPushButton* MakeActionButton(ActionList& actions, QWidget* parent, const std::string& caption,
                              const char* actionName, const char* buttonName, Action** action) {
    *action = actions.Make(parent, caption);
    (*action)->setObjectName(actionName);
    auto* button = new QPushButton(parent);
    button->setObjectName(buttonName);
    (*action)->BindButton(button);
    return button;
}

std::string StripLabelMarks(const std::string& text) {
    std::string stripped = text;
    const std::size_t at = stripped.find_first_of("&:");
    if (at != std::string::npos) stripped.erase(at, 1);
    return stripped;
}

std::string MakeNoValueMessage(const std::string& labelText) {
    return "No value specified for field " + StripLabelMarks(labelText);
}

std::string LabelText(const QLabel* label) {
    return label ? FromQt(label->text()) : std::string();
}

bool RevealControl(QWidget* control) {
    for (QWidget* w = control; w; w = w->parentWidget()) {
        if (!w->isEnabled()) return false;
        const bool shown =
            w->isWindow() ? w->isVisible() : w->isVisibleTo(w->window()) && w->window()->isVisible();
        if (shown) return true;
        if (w->isWindow()) return false;
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(w) >= 0) tabs->setCurrentWidget(w);
    }
    return false;
}

void FocusIfReachable(QWidget* control) {
    if (control && RevealControl(control)) control->setFocus();
}

int ReadControlText(std::string& text, QWidget* control, const QLabel* label, std::string& message,
                    bool mandatory) {
    message.clear();
    text = Trimmed(ControlText(control));
    if (!text.empty()) return 0;
    if (!mandatory) return 1;
    FocusIfReachable(control);
    message = MakeNoValueMessage(LabelText(label));
    return 2;
}

int SelectComboBoxItem(ComboBox* box, const std::string& text) {
    for (int i = 0; i < box->Count(); ++i) {
        if (box->Item(i) == text) {
            box->SetItemIndex(i);
            return i;
        }
    }
    return -1;
}

bool IsNothingSelected(const ComboBox* box) {
    const std::string item = box->ItemIndex() < 0 ? std::string() : box->Item(box->ItemIndex());
    return item.empty() || item == "<none>" || item == "<n/a>";
}

bool MoveCheckListItem(ListBox* box, int delta) {
    const int s = box->ItemIndex();
    const int count = box->Count();
    if (s < 0 || count < 2) return false;
    const int t = std::clamp(s + delta, 0, count - 1);
    auto* checks = dynamic_cast<CheckListBox*>(box);
    const std::string keptText = box->Item(t);
    box->SetItemText(t, box->Item(s));
    box->SetItemText(s, keptText);
    if (checks) {
        const CheckListBox::State keptState = checks->ItemState(t);
        checks->SetItemState(t, checks->ItemState(s));
        checks->SetItemState(s, keptState);
    }
    box->SetItemIndex(t);
    return true;
}

void MakePasswordEdit(Edit* edit) {
    edit->SetPassword(true);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}

void ShowControlWithLabel(QWidget* control, QLabel* label, bool visible) {
    for (QWidget* w : {control, static_cast<QWidget*>(label)}) {
        if (!w) continue;
        w->setEnabled(false);
        w->setVisible(visible);
    }
}

void DisableMenuItem(QAction* item, bool visible) {
    if (auto* action = dynamic_cast<Action*>(item)) {
        action->SetEnabled(false);
        action->SetVisible(visible);
        return;
    }
    item->setEnabled(false);
    item->setVisible(visible);
}

bool AppendFieldError(QWidget* control, const QLabel* label, std::string& error, const char* message) {
    if (!message || !*message) return false;
    FocusIfReachable(control);
    error += StripLabelMarks(LabelText(label)) + " - " + message;
    return true;
}

QDate ToQDate(const FormDateTime& date) {
    return QDate(date.year, date.month, date.day);
}

FormDateTime FromQDate(const QDate& date) {
    return FormDateTime::Date(date.year(), date.month(), date.day());
}

void SetDatePickerFromPoint(DateTimePicker* picker, MDate minimum, MDate maximum, MDateTimeTimePoint point) {
    if (IsTimePicker(picker)) {
        const FormDateTime t = DateTimePointToTime(point);
        picker->SetTime(QTime(t.hour, t.minute, t.second, t.millisecond));
        return;
    }
    minimum = Clamped(minimum, false);
    if (GetLatestDate() < maximum) maximum = GetLatestDate();
    MDate date(point);
    if (!(date < minimum)) picker->SetMinDate(ToQDate(DateToDateTime(minimum)));
    date = Clamped(date, false);
    picker->SetTime(QTime(0, 0));
    picker->SetDate(ToQDate(DateToDateTime(date)));
    picker->SetMaxDate(ToQDate(DateToDateTime(maximum)));
}

void SetDatePickerRange(DateTimePicker* picker, MDate minimum, MDate maximum, FormDateTime date) {
    minimum = Clamped(minimum, false);
    if (GetLatestDate() < maximum) maximum = GetLatestDate();
    ApplyRange(picker, DateToDateTime(minimum), DateToDateTime(maximum), RaisedToEarliest(date));
}

void SetDatePickerMaximum(DateTimePicker* picker, MDate maximum, FormDateTime minimum, FormDateTime date) {
    if (GetLatestDate() < maximum) maximum = GetLatestDate();
    ApplyRange(picker, RaisedToEarliest(minimum), DateToDateTime(maximum), RaisedToEarliest(date));
}
