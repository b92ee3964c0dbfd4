#pragma once
// The small window that asks the user to wait while the server streams the initial load. The
// session creates it when the server accepts the login and frees it when the load ends; the pump
// keeps the GUI waiting meanwhile, so it is painted once and then left as it is. A captionless tool
// window without a close button that stays on top, owned by the session (no parent) and centred on
// the main window.
#include "toolkit/Form.h"

class QLabel;

class TStartupScreen : public Form {
public:
    static constexpr const char* kMessage = "Please wait! Application is processing all messages ...";

    TStartupScreen();

    // Shows the screen without waiting, centred on window (on the screen without one).
    void ShowCentredOn(QWidget* window);
    // The show event's handler: the message into MsgStaticText.
    void FormShow();

private:
    QLabel* msgStaticText_ = nullptr;
};
