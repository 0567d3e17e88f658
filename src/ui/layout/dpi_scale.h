#pragma once
// Pages are laid out for a screen of 96 dots per inch and shown at the
// screen's own: every place and size is scaled when the window is made, as a
// form designer scales its forms. Edges are scaled rather than widths, so that
// controls that meet at 96 DPI still meet, and none that were apart overlap.

#include "ui/layout/geometry.h"

namespace velmar::ui {

constexpr int DesignDpi = 96;

// value * dpi / 96, rounded half away from zero (as MulDiv rounds).
int ScaleToDpi(int value, int dpi);
Size ScaleToDpi(Size size, int dpi);
// Left and top edges, right and bottom edges scaled each; the width and
// height are what lies between them.
Rect ScaleToDpi(Rect rect, int dpi);
// The way back, for sizes the screen gives (a page the user resized):
// value * 96 / dpi, rounded half away from zero.
int ScaleFromDpi(int value, int dpi);
Size ScaleFromDpi(Size size, int dpi);
// The screen as pages see it: its size at 96 DPI, rounded up, so that a page
// made as large as the screen covers all of it when scaled back.
Size ScreenAtDesignDpi(Size screen, int dpi);

}  // namespace velmar::ui
