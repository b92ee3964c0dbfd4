#include "grid/DrawSortDirection.h"

void DrawSortDirection(Canvas& canvas, CanvasRect& rect, bool ascending) {
    const int a = rect.Height() / 2;
    const int b = a / 2;
    const int x = rect.left + 3;
    const ColorValue brush = canvas.BrushColor();
    canvas.SetBrushColor(kSortMarkColor);
    if (ascending)
        canvas.Polygon({{x + b, rect.top + b}, {x, rect.bottom - b}, {x + a, rect.bottom - b}});
    else
        canvas.Polygon({{x, rect.top + b}, {x + a, rect.top + b}, {x + b, rect.bottom - b}});
    canvas.SetBrushColor(brush);
    rect.left += 3 + a;
}
