#include "toolkit/MdiForm.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "toolkit/MessageRouter.h"

MdiForm::MdiForm(QMdiArea* area) : area_(area) {
    frame_ = area->addSubWindow(this);
    frame_->setAttribute(Qt::WA_DeleteOnClose);
    handle_ = MessageRouter::Register(this, [this](uint32_t message, int32_t wParam, int32_t lParam) {
        return onMessage ? onMessage(message, wParam, lParam) : 0;
    });
}

MdiForm::~MdiForm() {
    MessageRouter::Unregister(handle_);
}

void MdiForm::Show() {
    frame_->show();
    BringToFront();
}

void MdiForm::BringToFront() {
    area_->setActiveSubWindow(frame_);
    frame_->raise();
}

void MdiForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (onShow && !event->spontaneous()) onShow();
}

void MdiForm::closeEvent(QCloseEvent* event) {
    if (onCloseQuery && !onCloseQuery()) {
        event->ignore();
        return;
    }
    if (onClose) onClose();
    event->accept();
}

void MdiForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResize) onResize();
}
