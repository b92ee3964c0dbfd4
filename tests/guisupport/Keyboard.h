#pragma once
// Typing into widgets in tests, any Unicode character included (QTest's key clicks take ASCII).
#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

inline void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}
