#include "toolkit/Application.h"

#include <QWidget>
#include <clocale>

void Application::Init() {
    std::setlocale(LC_NUMERIC, "C");
}

bool Application::IsShowing(const QWidget* control) {
    if (!control) return false;
    // A window that was never shown is hidden only implicitly; one hidden on purpose (or closed)
    // is not showing.
    const QWidget* window = control->window();
    if (window->isHidden() && window->testAttribute(Qt::WA_WState_ExplicitShowHide)) return false;
    return control == window || control->isVisibleTo(window);
}

bool Application::CanFocus(const QWidget* control) {
    return IsShowing(control) && control->isEnabled() && control->focusPolicy() != Qt::NoFocus;
}
