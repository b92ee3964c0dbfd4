#include "toolkit/Action.h"

#include <QAbstractButton>
#include <QMenu>
#include <QPointer>
#include <QToolBar>
#include <QWidget>

#include "toolkit/ActionList.h"
#include "toolkit/QtText.h"

Action::Action(QObject* parent, const std::string& caption) : QAction(parent), caption_(caption) {
    guard_ = new QAction(this);
    guard_->setEnabled(false);
    RefreshText();
    // A window parent holds the shortcut; menus and tool bars would show the stand-in as an item.
    auto* w = qobject_cast<QWidget*>(parent);
    if (w && !qobject_cast<QMenu*>(w) && !qobject_cast<QToolBar*>(w)) {
        w->addAction(this);
        w->addAction(guard_);
    }
    connect(this, &QAction::triggered, this, [this] {
        if (isCheckable()) setChecked(checked_);  // the checked state belongs to the program
        Execute();
    });
}

Action::~Action() {
    if (list_) list_->Remove(this);
}

void Action::RefreshText() {
    QString text = ToQt(caption_);
    if (!shortcutText_.empty()) text += '\t' + ToQt(shortcutText_);
    setText(text);
}

void Action::SetCaption(const std::string& caption) {
    caption_ = caption;
    RefreshText();
}

std::string Action::Caption() const {
    return caption_;
}

void Action::SetShortcut(const std::string& keys) {
    QKeySequence sequence(ToQt(keys), QKeySequence::PortableText);
    setShortcut(sequence);
    guard_->setShortcut(sequence);
}

void Action::SetShortcutText(const std::string& keys) {
    shortcutText_ = keys;
    RefreshText();
}

void Action::SetHint(const std::string& hint) {
    size_t bar = hint.find('|');
    setToolTip(ToQt(hint.substr(0, bar)));
    setStatusTip(ToQt(bar == std::string::npos ? hint : hint.substr(bar + 1)));
}

void Action::SetScope(QWidget* scope) {
    for (QAction* a : {static_cast<QAction*>(this), guard_}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        scope->addAction(a);
    }
}

void Action::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    setEnabled(enabled);
    guard_->setEnabled(!enabled);
}

void Action::SetChecked(bool checked) {
    if (checked == checked_ && isCheckable()) return;
    checked_ = checked;
    setCheckable(true);
    setChecked(checked);
}

void Action::SetVisible(bool visible) {
    setVisible(visible);
}

void Action::Update() {
    if (onUpdate) onUpdate(*this);
}

bool Action::Execute() {
    Update();
    if (!enabled_ || !onExecute) return false;
    onExecute(*this);
    return true;
}

void Action::BindButton(QAbstractButton* button, bool executeOnClick) {
    QPointer<QAbstractButton> b(button);
    auto follow = [this, b] {
        if (!b) return;
        b->setText(ToQt(caption_));
        b->setEnabled(isEnabled());
        b->setVisible(isVisible());
    };
    follow();
    connect(this, &QAction::changed, button, follow);
    if (executeOnClick) connect(button, &QAbstractButton::clicked, this, [this] { Execute(); });
}
