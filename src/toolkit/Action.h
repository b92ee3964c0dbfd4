#pragma once
// A named action: caption (with '&' for the mnemonic), shortcut, hint, execute and update
// handlers, and the enabled, checked and visible states that the menu items, tool buttons and
// buttons bound to it follow. The update handler runs when the application goes idle (see
// ActionList) and before a menu shows; Execute runs it first and acts only when the action is
// then enabled. The checked state changes only through SetChecked.
//
// A disabled action's shortcut is swallowed: a silent stand-in takes the key, so it never falls
// through to the focused control's own binding. Owned by its Qt parent.
#include <QAction>
#include <functional>
#include <string>

class ActionList;
class QAbstractButton;

class Action : public QAction {
public:
    explicit Action(QObject* parent, const std::string& caption = {});
    ~Action() override;

    void SetCaption(const std::string& caption);
    std::string Caption() const;
    // Key text in Qt's portable form ("Ctrl+F", "Ctrl+Shift+F3"); "" removes it.
    void SetShortcut(const std::string& keys);
    // Shows the key in menus as text only, without taking it (its owner is another action).
    void SetShortcutText(const std::string& keys);
    // "short|long": the tooltip shows the short part, the status bar the long one; a hint
    // without '|' gives both.
    void SetHint(const std::string& hint);
    // Takes the shortcut only while the focus is inside `scope` (a grid window), so that of two
    // windows holding the same key only the active one fires. Without a scope the shortcut is the
    // whole window's that holds the action.
    void SetScope(QWidget* scope);

    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    void SetChecked(bool checked);
    bool Checked() const { return checked_; }
    void SetVisible(bool visible);

    void Update();
    bool Execute();

    // A button follows the action's caption, enabled and visible states; a click executes it
    // (Form::BindButton binds it together with a modal result instead).
    void BindButton(QAbstractButton* button, bool executeOnClick = true);

    std::function<void(Action&)> onExecute;
    std::function<void(Action&)> onUpdate;

private:
    friend class ActionList;
    void RefreshText();

    QAction* guard_ = nullptr;  // stand-in that swallows the key while disabled
    ActionList* list_ = nullptr;
    std::string caption_;
    std::string shortcutText_;
    bool enabled_ = true;
    bool checked_ = false;
};
