#include "toolkit/Memo.h"

#include <QKeyEvent>
#include <QMimeData>

#include "toolkit/QtText.h"

Memo::Memo(QWidget* parent, const char* name) : QPlainTextEdit(parent) {
    if (name) setObjectName(QString::fromLatin1(name));
}

std::string Memo::Text() const {
    return FromQt(toPlainText());
}

void Memo::SetText(const std::string& text) {
    setPlainText(ToQt(text));
}

void Memo::AddLine(const std::string& line) {
    appendPlainText(ToQt(line));
}

void Memo::keyPressEvent(QKeyEvent* event) {
    for (QChar c : event->text())
        if (c.isPrint() && !IsWin1252Char(c.unicode())) {
            event->accept();
            return;
        }
    QPlainTextEdit::keyPressEvent(event);
}

void Memo::insertFromMimeData(const QMimeData* source) {
    QString kept;
    for (QChar c : source->text())
        if (!c.isPrint() || IsWin1252Char(c.unicode())) kept += c;
    insertPlainText(kept);
}
