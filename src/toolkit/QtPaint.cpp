#include "toolkit/QtPaint.h"

#include <QApplication>
#include <QPalette>

#include "toolkit/QtText.h"

namespace {

struct SystemRole {
    int number;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour numbers and the palette roles that play their part.
constexpr SystemRole kRoles[] = {
    {0, QPalette::Active, QPalette::Button},            // scroll bar
    {1, QPalette::Active, QPalette::Window},            // desktop
    {2, QPalette::Active, QPalette::Highlight},         // active caption
    {3, QPalette::Inactive, QPalette::Highlight},       // inactive caption
    {4, QPalette::Active, QPalette::Window},            // menu
    {5, QPalette::Active, QPalette::Base},              // window
    {6, QPalette::Active, QPalette::Shadow},            // window frame
    {7, QPalette::Active, QPalette::WindowText},        // menu text
    {8, QPalette::Active, QPalette::Text},              // window text
    {9, QPalette::Active, QPalette::HighlightedText},   // caption text
    {10, QPalette::Active, QPalette::Window},           // active border
    {11, QPalette::Active, QPalette::Window},           // inactive border
    {12, QPalette::Active, QPalette::Dark},             // application workspace
    {13, QPalette::Active, QPalette::Highlight},        // highlight
    {14, QPalette::Active, QPalette::HighlightedText},  // highlight text
    {15, QPalette::Active, QPalette::Button},           // button face
    {16, QPalette::Active, QPalette::Dark},             // button shadow
    {17, QPalette::Disabled, QPalette::Text},           // grey text
    {18, QPalette::Active, QPalette::ButtonText},       // button text
    {19, QPalette::Inactive, QPalette::HighlightedText},
    {20, QPalette::Active, QPalette::Light},        // button highlight
    {21, QPalette::Active, QPalette::Shadow},       // 3D dark shadow
    {22, QPalette::Active, QPalette::Midlight},     // 3D light
    {23, QPalette::Active, QPalette::ToolTipText},  // info text
    {24, QPalette::Active, QPalette::ToolTipBase},  // info background
    {26, QPalette::Active, QPalette::Link},         // hot light
    {27, QPalette::Active, QPalette::Highlight},
    {28, QPalette::Inactive, QPalette::Highlight},
    {29, QPalette::Active, QPalette::Highlight},  // menu highlight
    {30, QPalette::Active, QPalette::Window},     // menu bar
};

}  // namespace

QColor ToQColor(ColorValue color, const QPalette* palette) {
    if (!color.IsSystem()) return QColor(color.Red(), color.Green(), color.Blue());
    QPalette app = palette ? QPalette() : QApplication::palette();
    const QPalette& p = palette ? *palette : app;
    for (const SystemRole& r : kRoles)
        if (r.number == color.SystemNumber()) return p.color(r.group, r.role);
    return p.color(QPalette::Active, QPalette::Window);
}

ColorValue FromQColor(const QColor& color) {
    return ColorValue::FromRgb(color.red(), color.green(), color.blue());
}

QFont ToQFont(const FontSpec& font) {
    QFont f(ToQt(font.name));
    if (font.height != 0) f.setPixelSize(font.height < 0 ? -font.height : font.height);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

FontSpec FromQFont(const QFont& font, const FontSpec& base) {
    FontSpec spec = base;
    spec.name = FromQt(font.family());
    if (font.pixelSize() > 0)
        spec.height = -font.pixelSize();
    else if (font.pointSizeF() > 0)
        spec.height = -static_cast<int>(font.pointSizeF() * 96 / 72 + 0.5);
    spec.bold = font.bold();
    spec.italic = font.italic();
    spec.underline = font.underline();
    spec.strikeOut = font.strikeOut();
    return spec;
}
