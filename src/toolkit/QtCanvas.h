#pragma once
// Canvas over a QPainter that the caller owns and keeps alive.
#include "toolkit/Canvas.h"

class QPainter;

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter);
    // The painter already draws in that font: nothing is asked of it.
    QtCanvas(QPainter& painter, const FontSpec& font);
    void SetBrushColor(ColorValue color) override;
    ColorValue BrushColor() const override { return brush_; }
    void SetPenColor(ColorValue color) override;
    void SetFont(const FontSpec& font) override;
    const FontSpec& Font() const override { return font_; }
    void FillRect(const CanvasRect& rect) override;
    void TextOut(int x, int y, const std::string& text) override;
    void TextRect(const CanvasRect& clip, int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void Polygon(const std::vector<CanvasPoint>& points) override;
    void Line(CanvasPoint from, CanvasPoint to) override;

private:
    QPainter& painter_;
    ColorValue brush_ = clWindow;
    ColorValue pen_ = clBlack;
    FontSpec font_;
};
