// Colour and font values, the Qt canvas and owner-drawn grid cells.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include "guisupport/RecordingCanvas.h"
#include "toolkit/DrawGrid.h"
#include "toolkit/QtCanvas.h"
#include "toolkit/QtPaint.h"

namespace {

TEST(ColorValue, BgrValuesPaintTheRightRgb) {
    struct Case {
        int32_t value;
        int red, green, blue;
    } cases[] = {{0x6A240A, 10, 36, 106},
                 {0x0000FF, 255, 0, 0},
                 {0xFF0000, 0, 0, 255},
                 {0, 0, 0, 0},
                 {0xFFFFFF, 255, 255, 255}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        QImage image(4, 4, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            QtCanvas canvas(painter);
            canvas.SetBrushColor(ColorValue(c.value));
            canvas.FillRect({0, 0, 4, 4});
        }
        QColor pixel = image.pixelColor(2, 2);
        EXPECT_EQ(pixel.red(), c.red);
        EXPECT_EQ(pixel.green(), c.green);
        EXPECT_EQ(pixel.blue(), c.blue);
        EXPECT_EQ(FromQColor(pixel).Value(), c.value);
    }
    EXPECT_EQ(ColorValue::FromRgb(10, 36, 106).Value(), 0x6A240A);
}

TEST(ColorValue, SystemColoursTakeThePalettesColours) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(7, 8, 9));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(10, 11, 12));
    palette.setColor(QPalette::Active, QPalette::HighlightedText, QColor(13, 14, 15));
    struct Case {
        int32_t value;
        QColor expected;
    } cases[] = {{int32_t(0xFF000005), QColor(1, 2, 3)},
                 {int32_t(0xFF000008), QColor(4, 5, 6)},
                 {int32_t(0xFF00000F), QColor(7, 8, 9)},
                 {int32_t(0xFF00000D), QColor(10, 11, 12)},
                 {int32_t(0xFF00000E), QColor(13, 14, 15)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_TRUE(ColorValue(c.value).IsSystem());
        EXPECT_EQ(ToQColor(ColorValue(c.value), &palette), c.expected);
    }
    EXPECT_EQ(clWindow.Value(), -16777211);
    EXPECT_EQ(clWindowText.Value(), -16777208);
    EXPECT_EQ(ToQColor(clWindow), QApplication::palette().color(QPalette::Active, QPalette::Base));
}

TEST(FontSpec, RoundTripsNameNegativeHeightCharacterSetAndStyles) {
    FontSpec styles[] = {
        {"MS Sans Serif", -11, 1, false, false, false, false, clWindowText},
        {"No Such Face On Linux", -17, 238, true, false, true, false, clWindowText},
        {"DejaVu Sans", -9, 0, false, true, false, true, clWindowText},
        {"Tahoma", -13, 204, true, true, true, true, clWindowText},
    };
    for (const FontSpec& spec : styles) {
        SCOPED_TRACE(spec.name);
        QFont font = ToQFont(spec);
        EXPECT_EQ(font.pixelSize(), -spec.height);
        EXPECT_EQ(FromQFont(font, spec), spec);
        // Whatever Qt substitutes when drawing, the value taken back from the font keeps the name.
        FontSpec blank;
        blank.charset = spec.charset;
        EXPECT_EQ(FromQFont(font, blank), spec);
    }
}

TEST(DrawGrid, OwnerDrawingGetsColumnRowRectangleAndCanvas) {
    DrawGrid grid(nullptr, "SortGrid");
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCell(1, 1, "text");
    EXPECT_EQ(grid.Cell(1, 1), "text");
    EXPECT_EQ(grid.Cell(0, 1), "");

    RecordingCanvas plain;
    grid.DrawCell(0, 0, {0, 0, 10, 5}, plain);
    grid.DrawCell(1, 1, {10, 5, 30, 15}, plain);
    std::vector<std::string> expected = {
        "fill 0,0,10,5 brush " + std::to_string(clBtnFace.Value()),
        "text 2,2 \"\" colour " + std::to_string(clWindowText.Value()) + " clip 0,0,10,5",
        "fill 10,5,30,15 brush " + std::to_string(clWindow.Value()),
        "text 12,7 \"text\" colour " + std::to_string(clWindowText.Value()) + " clip 10,5,30,15"};
    EXPECT_EQ(plain.calls, expected);

    std::vector<std::string> drawn;
    grid.onDrawCell = [&](int col, int row, const CanvasRect& rect, Canvas& canvas) {
        drawn.push_back(std::to_string(col) + "," + std::to_string(row) + " " + std::to_string(rect.Width()));
        canvas.Polygon({{rect.left, rect.top}, {rect.right, rect.top}, {rect.left, rect.bottom}});
    };
    RecordingCanvas owner;
    grid.DrawCell(1, 0, {0, 0, 8, 8}, owner);
    EXPECT_EQ(drawn, (std::vector<std::string>{"1,0 8"}));
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"polygon 0,0 8,0 0,8"}));

    // Painting the real grid goes through the handler for every visible cell.
    drawn.clear();
    grid.resize(300, 200);
    QImage image(300, 200, QImage::Format_RGB32);
    grid.render(&image);
    EXPECT_EQ(drawn.size(), 4u);
}

}  // namespace
