#include "toolkit/Application.h"

#include <QWidget>
#include <clocale>

void Application::Init() { std::setlocale(LC_NUMERIC, "C"); }

bool Application::IsShowing(const QWidget* control) {
    return control && (control->isWindow() || control->isVisibleTo(control->window())) &&
           !control->isHidden();
}

bool Application::CanFocus(const QWidget* control) {
    return IsShowing(control) && control->isEnabled() && control->focusPolicy() != Qt::NoFocus;
}
