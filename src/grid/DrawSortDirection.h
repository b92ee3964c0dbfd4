#pragma once
// The mark of a sorted column in a grid's title cell: a small triangle at the cell's left,
// pointing up for ascending and down for descending order, filled in 0x6A240A with the canvas's
// current pen. The brush colour is restored, and the rectangle's left edge moves past the mark so
// that the title text follows it.
#include "toolkit/Canvas.h"

inline constexpr ColorValue kSortMarkColor = ColorValue(0x6A240A);

void DrawSortDirection(Canvas& canvas, CanvasRect& rect, bool ascending);
