#include "guisupport/ModalResponder.h"

#include <QApplication>

void ModalResponder::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == last_) return;
    last_ = modal;
    ++answered_;
    answer_(modal);
}
