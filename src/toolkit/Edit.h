#pragma once
// Single-line edit. Refuses characters outside Windows-1252 as the user types or pastes; its
// change event fires on every change of the text, the program's included.
#include <QLineEdit>
#include <functional>
#include <string>

class Edit : public QLineEdit {
public:
    explicit Edit(QWidget* parent = nullptr, const char* name = nullptr);

    std::string Text() const;
    void SetText(const std::string& text);
    void SetMaxLength(int length);  // 0: no limit
    void SetPassword(bool password);

    std::function<void()> onChange;
};
