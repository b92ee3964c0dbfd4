#pragma once
// A hidden form that only keeps the about box's pictures: the product logo (`VARNImage`, the one
// the about box shows) and two spare pictures of the same size. Owned by its Qt owner.
#include <QPixmap>

#include "toolkit/Form.h"

class QLabel;

class TAboutLogoForm : public Form {
public:
    explicit TAboutLogoForm(QWidget* owner);

    QLabel* VARNImage = nullptr;
    QLabel* SpareImage1 = nullptr;
    QLabel* SpareImage2 = nullptr;
};
