#pragma once
// Process-wide settings of the GUI application and the visibility rules of the windows.
class QWidget;

class Application {
public:
    // After the QApplication is made: '.' as the decimal separator of the C library's number
    // formatting (Qt sets the user's locale), whatever the user's locale.
    static void Init();

    // Visibility and focus judged within the control's own window, so that they hold for a window
    // that is offscreen or not shown yet: showing means visible up to its window; able to take
    // the focus means showing, enabled and accepting focus.
    static bool IsShowing(const QWidget* control);
    static bool CanFocus(const QWidget* control);
};
