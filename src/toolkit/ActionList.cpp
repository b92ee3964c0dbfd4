#include "toolkit/ActionList.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QMenu>
#include <algorithm>

#include "toolkit/Action.h"

namespace {

std::vector<ActionList*>& Lists() {
    static std::vector<ActionList*> lists;
    return lists;
}

// Hooks the idle update into the event loop once per event dispatcher.
void HookIdle() {
    static QAbstractEventDispatcher* hooked = nullptr;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher || dispatcher == hooked) return;
    hooked = dispatcher;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, &ActionList::UpdateAll);
}

}  // namespace

ActionList::ActionList() {
    Lists().push_back(this);
    HookIdle();
}

ActionList::~ActionList() {
    for (Action* a : actions_) a->list_ = nullptr;
    auto& lists = Lists();
    lists.erase(std::remove(lists.begin(), lists.end(), this), lists.end());
}

Action* ActionList::Add(Action* action) {
    if (action->list_) action->list_->Remove(action);
    action->list_ = this;
    actions_.push_back(action);
    return action;
}

Action* ActionList::Make(QObject* parent, const std::string& caption, const std::string& shortcut,
                         const std::string& hint) {
    auto* action = new Action(parent, caption);
    if (!shortcut.empty()) action->SetShortcut(shortcut);
    if (!hint.empty()) action->SetHint(hint);
    return Add(action);
}

void ActionList::Remove(Action* action) {
    actions_.erase(std::remove(actions_.begin(), actions_.end(), action), actions_.end());
    action->list_ = nullptr;
}

void ActionList::UpdateActions() {
    // Indexed: an update handler may add actions.
    for (size_t i = 0; i < actions_.size(); ++i) actions_[i]->Update();
}

void ActionList::UpdateAll() {
    auto& lists = Lists();
    for (size_t i = 0; i < lists.size(); ++i) lists[i]->UpdateActions();
}

void ActionList::AttachMenu(QMenu* menu) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, &ActionList::UpdateAll);
}
