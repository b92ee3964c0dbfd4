#pragma once
// Answers the real modal loops of QtUiHost in tests: polls for the active modal widget and hands
// each one that appears to the answer callback once.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

class ModalResponder {
public:
    explicit ModalResponder(std::function<void(QWidget* modal)> answer) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
    }
    int Answered() const { return answered_; }

private:
    void Poll();

    std::function<void(QWidget*)> answer_;
    QTimer timer_;
    QPointer<QWidget> last_;
    int answered_ = 0;
};
