#pragma once
// Conversions of the colour and font values to Qt's.
#include <QColor>
#include <QFont>

#include "toolkit/ColorValue.h"
#include "toolkit/FontSpec.h"

class QPalette;

// A system colour takes its palette role's colour from the given palette (the application's
// when none is given); a colour value of 0 or more is read as 0x00BBGGRR.
QColor ToQColor(ColorValue color, const QPalette* palette = nullptr);
ColorValue FromQColor(const QColor& color);

QFont ToQFont(const FontSpec& font);
// Takes name, pixel height and styles from the Qt font; keeps the character set and colour of
// `base`, which Qt fonts do not hold.
FontSpec FromQFont(const QFont& font, const FontSpec& base = {});
