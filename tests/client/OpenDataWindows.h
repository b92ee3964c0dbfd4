#pragma once
// The data windows of a main window as the user sees them: in child order, those that agreed to
// close left out.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <string>
#include <vector>

#include "client/TKVNGrid.h"
#include "client/TMainForm.h"

inline std::vector<TKVNGrid*> OpenDataWindows(TMainForm& form) {
    QApplication::processEvents();
    std::vector<TKVNGrid*> windows;
    for (QMdiSubWindow* child : form.MdiArea()->subWindowList())
        if (auto* window = dynamic_cast<TKVNGrid*>(child->widget()); window && !window->IsChildClosed())
            windows.push_back(window);
    return windows;
}

// Their titles, in the same order.
inline std::vector<std::string> OpenDataWindowTitles(TMainForm& form) {
    std::vector<std::string> titles;
    for (TKVNGrid* window : OpenDataWindows(form)) titles.push_back(window->WindowTitle());
    return titles;
}
