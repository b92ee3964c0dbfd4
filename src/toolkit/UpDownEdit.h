#pragma once
// Edit with up and down arrows: the text is free (Windows-1252), the arrows step an integer
// position between a minimum and a maximum and write it into the text. The position follows a
// typed number within the range.
#include <QAbstractSpinBox>
#include <functional>
#include <string>

class UpDownEdit : public QAbstractSpinBox {
public:
    explicit UpDownEdit(QWidget* parent = nullptr, const char* name = nullptr);

    std::string Text() const;
    void SetText(const std::string& text);
    int Position() const;
    void SetPosition(int position);
    void SetRange(int minimum, int maximum);
    int Minimum() const { return min_; }
    int Maximum() const { return max_; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

    std::function<void()> onChange;

protected:
    StepEnabled stepEnabled() const override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
