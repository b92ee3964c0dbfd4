#include "grid/TAboutLogoForm.h"

#include <QLabel>

TAboutLogoForm::TAboutLogoForm(QWidget* owner) : Form(owner) {
    setObjectName("AboutLogoForm");
    setWindowTitle(QStringLiteral("Help About Logo"));
    // The installation's owner replaces the logo picture (a resource of the grid library).
    const QPixmap logo(QStringLiteral(":/grid/AboutLogo.png"));
    const auto picture = [this, &logo](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setPixmap(logo);
        label->setFixedSize(logo.size());
        label->hide();
        return label;
    };
    VARNImage = picture("VARNImage");
    SpareImage1 = picture("SpareImage1");
    SpareImage2 = picture("SpareImage2");
}
