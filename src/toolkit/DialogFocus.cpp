#include "toolkit/DialogFocus.h"

#include <QWidget>
#include <algorithm>

bool DialogFocus::TakesTabFocus(const QWidget* control) {
    if (!control) return false;
    const QWidget* window = control->window();
    return control != window && (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
           !control->focusProxy() && control->isEnabled() && control->isVisibleTo(window);
}

QWidget* DialogFocus::FirstControl(QWidget* window, const std::vector<QWidget*>& last) {
    QWidget* fallback = nullptr;
    // The focus chain holds every widget of the window once and returns to the window.
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (w->window() != window || !TakesTabFocus(w)) continue;
        if (std::find(last.begin(), last.end(), w) == last.end()) return w;
        if (!fallback) fallback = w;
    }
    return fallback;
}

bool DialogFocus::Open(QWidget* window, QWidget* active, const std::vector<QWidget*>& last) {
    QWidget* target =
        active && active->window() == window && TakesTabFocus(active) ? active : FirstControl(window, last);
    if (!target) return false;
    target->setFocus(Qt::ActiveWindowFocusReason);
    window->activateWindow();
    return true;
}

void DialogFocus::Confirm(QWidget* window, const std::vector<QWidget*>& last) {
    const QWidget* focused = window->focusWidget();
    if (focused && focused->window() == window && focused->isEnabled() && focused->isVisibleTo(window))
        return;
    Open(window, nullptr, last);
}
