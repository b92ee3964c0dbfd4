#pragma once
// A Canvas that records each drawing call as a line of text, for tests of owner drawing.
#include <string>
#include <vector>

#include "toolkit/Canvas.h"

class RecordingCanvas : public Canvas {
public:
    void SetBrushColor(ColorValue color) override { brush_ = color; }
    ColorValue BrushColor() const override { return brush_; }
    void SetPenColor(ColorValue color) override { pen_ = color; }
    void SetFont(const FontSpec& font) override { font_ = font; }
    const FontSpec& Font() const override { return font_; }
    void FillRect(const CanvasRect& r) override {
        calls.push_back("fill " + Rect(r) + " brush " + std::to_string(brush_.Value()));
    }
    void TextOut(int x, int y, const std::string& text) override {
        calls.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " \"" + text + "\" colour " +
                        std::to_string(font_.color.Value()));
    }
    void TextRect(const CanvasRect& clip, int x, int y, const std::string& text) override {
        TextOut(x, y, text);
        calls.back() += " clip " + Rect(clip);
    }
    int TextWidth(const std::string& text) override { return int(text.size()) * 7; }
    int TextHeight(const std::string&) override { return 13; }
    void Polygon(const std::vector<CanvasPoint>& points) override {
        std::string line = "polygon";
        for (const CanvasPoint& p : points) line += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        calls.push_back(line);
    }
    void Line(CanvasPoint a, CanvasPoint b) override {
        calls.push_back("line " + std::to_string(a.x) + "," + std::to_string(a.y) + " " +
                        std::to_string(b.x) + "," + std::to_string(b.y));
    }

    std::vector<std::string> calls;

private:
    static std::string Rect(const CanvasRect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    }
    ColorValue brush_ = clWindow;
    ColorValue pen_ = clBlack;
    FontSpec font_;
};
