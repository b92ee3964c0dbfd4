#pragma once
// A window's actions, for the idle update. Every live list is updated when the GUI event loop is
// about to wait (the application is idle) and before a menu attached to it shows; tests call
// UpdateActions. An update pass only calls the actions' update handlers, which are cheap rules
// of current state. Owns no action: actions belong to their Qt parent and leave the list when
// destroyed.
#include <string>
#include <vector>

class Action;
class QMenu;
class QObject;

class ActionList {
public:
    ActionList();
    ~ActionList();
    ActionList(const ActionList&) = delete;
    ActionList& operator=(const ActionList&) = delete;

    Action* Add(Action* action);
    // Makes an action owned by `parent` (a widget takes its shortcut) and adds it.
    Action* Make(QObject* parent, const std::string& caption, const std::string& shortcut = {},
                 const std::string& hint = {});
    void Remove(Action* action);
    const std::vector<Action*>& Actions() const { return actions_; }

    void UpdateActions();
    static void UpdateAll();
    // Runs every list's update before the menu shows.
    static void AttachMenu(QMenu* menu);

private:
    std::vector<Action*> actions_;
};
