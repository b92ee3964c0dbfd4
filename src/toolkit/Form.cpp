#include "toolkit/Form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "toolkit/Action.h"
#include "toolkit/DialogFocus.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/UiHost.h"

Form::Form(QWidget* owner) : QDialog(owner) {
    handle_ = MessageRouter::Register(this, [this](uint32_t message, int32_t wParam, int32_t lParam) {
        return onMessage ? onMessage(message, wParam, lParam) : 0;
    });
}

Form::~Form() {
    MessageRouter::Unregister(handle_);
}

int Form::ShowModal() {
    return Ui().RunModal(*this);
}

int Form::ExecModal() {
    modalResult_ = mrNone;
    if (centre_) CentreOnOwner();
    NoAutoDefaults();
    exec();
    return modalResult_;
}

void Form::ShowModeless() {
    modalResult_ = mrNone;
    if (centre_) CentreOnOwner();
    NoAutoDefaults();
    show();
}

void Form::CentreOnOwner() {
    QRect area;
    if (QWidget* owner = parentWidget())
        area = QRect(owner->window()->mapToGlobal(QPoint()), owner->window()->size());
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid()) move(area.center() - rect().center());
}

bool Form::CloseQuery() {
    return !onCloseQuery || onCloseQuery();
}

void Form::SetModalResult(int result) {
    modalResult_ = result;
    if (result == mrNone || deferClose_) return;
    if (!CloseQuery()) {
        modalResult_ = mrNone;
        return;
    }
    closing_ = true;
    if (onClose) onClose();
    QDialog::done(result);
    closing_ = false;
}

void Form::done(int result) {
    SetModalResult(result == QDialog::Rejected ? mrCancel : result);
}

void Form::accept() {
    SetModalResult(mrOk);
}

void Form::reject() {
    SetModalResult(mrCancel);
}

void Form::BindButton(QAbstractButton* button, int modalResult, Action* action) {
    if (modalResult != mrNone) resultButtons_.emplace_back(button);
    if (action) action->BindButton(button, false);
    connect(button, &QAbstractButton::clicked, this, [this, modalResult, action] {
        // The result first, the action next (it may refuse the close through the close query, or
        // set the result itself), the close query last.
        deferClose_ = true;
        if (modalResult != mrNone) modalResult_ = modalResult;
        if (action) action->Execute();
        deferClose_ = false;
        if (modalResult_ != mrNone) SetModalResult(modalResult_);
    });
}

void Form::SetDefaultButton(QPushButton* button) {
    defaultButton_ = button;
    NoAutoDefaults();
}

void Form::SetCancelButton(QAbstractButton* button) {
    cancelButton_ = button;
}

void Form::NoAutoDefaults() {
    for (QPushButton* b : findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setDefault(b == defaultButton_);
    }
}

std::vector<QWidget*> Form::ResultButtons() const {
    std::vector<QWidget*> buttons;
    for (const QPointer<QAbstractButton>& b : resultButtons_)
        if (b) buttons.push_back(b);
    return buttons;
}

void Form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    NoAutoDefaults();
    if (event->spontaneous()) return;
    // The helpers that make a form's OK and Cancel may make them before its other controls, which
    // would start the tab order with them.
    const std::vector<QWidget*> buttons = ResultButtons();
    DialogFocus::Open(this, activeControl_, buttons);
    if (onShow) onShow();
    DialogFocus::Confirm(this, buttons);
}

void Form::closeEvent(QCloseEvent* event) {
    if (closing_ || !isVisible()) {
        event->accept();
        return;
    }
    // The frame's close box: result Cancel through the close query, no Cancel handler.
    SetModalResult(mrCancel);
    if (modalResult_ == mrNone)
        event->ignore();
    else
        event->accept();
}

void Form::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (onResize) onResize();
}

void Form::keyPressEvent(QKeyEvent* event) {
    Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        switch (event->key()) {
            case Qt::Key_Escape:
                if (cancelButton_ && cancelButton_->isEnabled() && cancelButton_->isVisibleTo(this))
                    cancelButton_->click();
                event->accept();
                return;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (defaultButton_ && defaultButton_->isEnabled() && defaultButton_->isVisibleTo(this))
                    defaultButton_->click();
                event->accept();
                return;
            default:
                break;
        }
    }
    QWidget::keyPressEvent(event);
}
