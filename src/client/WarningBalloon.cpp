#include "client/WarningBalloon.h"

#include <QGridLayout>
#include <QLabel>
#include <QStyle>

#include "toolkit/QtText.h"

WarningBalloon::WarningBalloon(QWidget* owner, const std::string& text)
    : QFrame(owner, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName("WarningBalloon");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::Box);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    auto* title = new QLabel(QStringLiteral("Warning"), this);
    title->setObjectName("WarningTitle");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    text_ = new QLabel(ToQt(text), this);
    text_->setObjectName("WarningText");
    text_->setWordWrap(true);
    text_->setMaximumWidth(300);
    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0);
    layout->addWidget(title, 0, 1);
    layout->addWidget(text_, 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    hide();
}

void WarningBalloon::ShowAt(const QPoint& global) {
    adjustSize();
    move(global);
    show();
}

std::string WarningBalloon::Text() const {
    return FromQt(text_->text());
}
