#pragma once
// Drawing surface of owner-drawn cells and printed pages: a brush for fills, a pen for lines, a
// font (with its colour) for text. QtCanvas draws with a QPainter; tests record the calls.
#include <string>
#include <vector>

#include "toolkit/ColorValue.h"
#include "toolkit/FontSpec.h"

struct CanvasPoint {
    int x = 0;
    int y = 0;
    bool operator==(const CanvasPoint&) const = default;
};

// Edges in pixels; right and bottom lie just outside the rectangle.
struct CanvasRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const CanvasRect&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void SetBrushColor(ColorValue color) = 0;
    virtual ColorValue BrushColor() const = 0;
    virtual void SetPenColor(ColorValue color) = 0;
    virtual void SetFont(const FontSpec& font) = 0;
    virtual const FontSpec& Font() const = 0;
    void SetFontColor(ColorValue color) {
        FontSpec f = Font();
        f.color = color;
        SetFont(f);
    }
    virtual void FillRect(const CanvasRect& rect) = 0;
    // Text with its top-left corner at (x, y), clipped to `clip` when given.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual void TextRect(const CanvasRect& clip, int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    virtual void Polygon(const std::vector<CanvasPoint>& points) = 0;
    virtual void Line(CanvasPoint from, CanvasPoint to) = 0;
};
