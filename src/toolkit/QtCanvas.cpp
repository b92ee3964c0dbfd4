#include "toolkit/QtCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include "toolkit/QtPaint.h"
#include "toolkit/QtText.h"

namespace {
QRect ToQRect(const CanvasRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}
}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
    font_ = FromQFont(painter.font());
}

QtCanvas::QtCanvas(QPainter& painter, const FontSpec& font) : painter_(painter), font_(font) {}

void QtCanvas::SetBrushColor(ColorValue color) {
    brush_ = color;
}

void QtCanvas::SetPenColor(ColorValue color) {
    pen_ = color;
}

void QtCanvas::SetFont(const FontSpec& font) {
    // A change of colour alone leaves the painter's font as it is: text takes the colour as pen.
    FontSpec face = font;
    face.color = font_.color;
    const bool sameFace = face == font_;
    font_ = font;
    if (!sameFace) painter_.setFont(ToQFont(font));
}

void QtCanvas::FillRect(const CanvasRect& rect) {
    painter_.fillRect(ToQRect(rect), ToQColor(brush_));
}

void QtCanvas::TextOut(int x, int y, const std::string& text) {
    painter_.setPen(ToQColor(font_.color));
    painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), ToQt(text));
}

void QtCanvas::TextRect(const CanvasRect& clip, int x, int y, const std::string& text) {
    painter_.save();
    painter_.setClipRect(ToQRect(clip), Qt::IntersectClip);
    TextOut(x, y, text);
    painter_.restore();
}

int QtCanvas::TextWidth(const std::string& text) {
    return QFontMetrics(painter_.font()).horizontalAdvance(ToQt(text));
}

int QtCanvas::TextHeight(const std::string&) {
    return QFontMetrics(painter_.font()).height();
}

void QtCanvas::Polygon(const std::vector<CanvasPoint>& points) {
    QPolygon polygon;
    for (const CanvasPoint& p : points) polygon << QPoint(p.x, p.y);
    painter_.setPen(ToQColor(pen_));
    painter_.setBrush(ToQColor(brush_));
    painter_.drawPolygon(polygon);
}

void QtCanvas::Line(CanvasPoint from, CanvasPoint to) {
    painter_.setPen(ToQColor(pen_));
    painter_.drawLine(from.x, from.y, to.x, to.y);
}
