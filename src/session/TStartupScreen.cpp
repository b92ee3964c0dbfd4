#include "session/TStartupScreen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "toolkit/QtText.h"

namespace {

QLabel* StaticText(QWidget* parent, const char* name, const QString& caption, const QRect& place,
                   const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(font);
    return label;
}

}  // namespace

TStartupScreen::TStartupScreen() : Form(nullptr) {
    setObjectName("StartupScreen");
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QString());
    QFont formFont(QStringLiteral("MS Sans Serif"));
    formFont.setPixelSize(11);
    setFont(formFont);
    setFixedSize(367, 75);
    QFont textFont(QStringLiteral("Arial"));
    textFont.setPixelSize(12);
    textFont.setBold(true);
    msgStaticText_ = StaticText(this, "MsgStaticText", ToQt(kMessage), QRect(29, 18, 310, 19), textFont);
    StaticText(this, "ProgressStaticText", QStringLiteral("Progress"), QRect(29, 38, 310, 19), textFont);
    onShow = [this] { FormShow(); };
}

void TStartupScreen::ShowCentredOn(QWidget* window) {
    QRect area;
    if (window)
        area = QRect(window->window()->mapToGlobal(QPoint()), window->window()->size());
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid()) move(area.center() - rect().center());
    ShowModeless();
}

void TStartupScreen::FormShow() {
    msgStaticText_->setText(ToQt(kMessage));
}
