#pragma once
// Where the keyboard focus goes when a dialog opens: to the control the dialog names as its
// active one, else to the first control of its tab order that takes the focus by Tab (enabled,
// shown, in the dialog's own window); the dialog's window is then made the active one, so that
// what the user types reaches that control at once. A dialog without such a control takes no
// focus. The tab order is a cycle (Tab from the last control returns to the first); where it
// starts is the caller's to say: the controls it names as the last ones (a form's OK and Cancel,
// made before the fields by a helper) are passed over while another control can take the focus.
// Plain functions over the dialog's widgets; nothing is kept.
#include <vector>

class QWidget;

class DialogFocus {
public:
    // Whether the control can take the focus by Tab inside its window.
    static bool TakesTabFocus(const QWidget* control);
    // The first control of the window's tab order that takes the focus by Tab, the `last` ones
    // only when no other can; null without any.
    static QWidget* FirstControl(QWidget* window, const std::vector<QWidget*>& last = {});
    // Gives the focus to active (when it takes it) or to the first control and activates the
    // window; false, changing nothing, when the window has no control to take the focus.
    static bool Open(QWidget* window, QWidget* active, const std::vector<QWidget*>& last = {});
    // After the window's own show handling: keeps the focus where it went when that control can
    // still take it, else gives it to the first control.
    static void Confirm(QWidget* window, const std::vector<QWidget*>& last = {});
};
