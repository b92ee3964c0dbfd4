#pragma once
// A warning balloon: a frameless tool-tip window of its own, owned by its dialog, that shows the
// title "Warning" with the warning icon above one text and is placed at a point on the screen.
// It takes no focus and never blocks its dialog.
#include <QFrame>
#include <string>

class QLabel;
class QPoint;

class WarningBalloon : public QFrame {
public:
    WarningBalloon(QWidget* owner, const std::string& text);
    // Shows the balloon with its top left at `global` (screen coordinates).
    void ShowAt(const QPoint& global);
    std::string Text() const;

private:
    QLabel* text_;
};
