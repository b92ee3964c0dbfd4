#pragma once
// A scripted user interface that also runs hooks: one while a box is up (given the box's text,
// before the scripted answer is taken), one whenever the program lets the GUI process its
// pending messages. Timers keep running inside real modal loops; the hooks stand in for what
// they would do meanwhile.
#include <functional>
#include <string>

#include "guisupport/ScriptedUi.h"

class HookedUi : public ScriptedUi {
public:
    int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, BoxIcon icon,
                   BoxButtons buttons) override {
        if (inBox) inBox(text);
        return ScriptedUi::MessageBox(owner, text, caption, icon, buttons);
    }
    void ProcessMessages() override {
        if (onProcessMessages) onProcessMessages();
        ScriptedUi::ProcessMessages();
    }

    std::function<void(const std::string&)> inBox;
    std::function<void()> onProcessMessages;
};
