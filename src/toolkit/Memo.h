#pragma once
// Multi-line edit. Characters outside Windows-1252 are refused as the user types and dropped
// from pasted text.
#include <QPlainTextEdit>
#include <string>

class Memo : public QPlainTextEdit {
public:
    explicit Memo(QWidget* parent = nullptr, const char* name = nullptr);
    std::string Text() const;
    void SetText(const std::string& text);
    void AddLine(const std::string& line);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};
