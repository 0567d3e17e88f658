#pragma once
// Rules of the Win32 host that need no window, kept here so that they are
// tested on every target: font heights, where the folder browser and the
// controls of a sizeable page go, how radio groups and bitmap buttons lay out
// their parts, which keys the page takes and which message boxes Windows has.

#include <vector>

#include "ui/layout/geometry.h"
#include "ui/host.h"
#include "ui/keys.h"

namespace velmar::ui {

// The height CreateFont takes for a size in points on a screen of dpi dots per
// inch: negative, so that it is the character height without the leading.
int FontHeightForPoints(int points, int dpi);

// The folder browser's place: centred horizontally on the foreground window,
// its top a quarter of that window's height below the window's top (halves
// and quarters truncated towards zero). The size stays.
Rect PlaceOnForeground(Rect dialog, Rect foreground);

// A control's place after its sizeable page changed its client size: an edge
// anchored to the page keeps its distance to that edge of the page; a control
// anchored on neither side of an axis keeps its centre where it was
// relative to the page.
Rect Anchored(Rect bounds, unsigned anchors, Size before, Size after);

// The radio buttons of a radio group, in the group's coordinates: in columns
// filled top to bottom, below the caption line of textHeight pixels.
std::vector<Rect> RadioGroupItems(Size group, int itemCount, int columns, int textHeight);

// A bitmap button's glyph and caption side by side, centred as a pair.
struct GlyphLayout {
  Rect glyph;
  Rect caption;
};
GlyphLayout LayOutGlyphButton(Size button, Size glyph, Size caption, int spacing = 4);

// Who takes a key pressed on a page: the page, as ui::PressKey does it
// (preview, default and cancel buttons, tab order); the page's preview and
// then the focused window; or the page moving the focus backwards.
enum class KeyRoute { PressKey, PreviewThenWindow, PreviousTabStop };
KeyRoute RouteKey(Key key, bool shift, bool memoFocused);

// The message boxes Windows draws itself; Custom for the button sets it has
// none of (the "to all" answers).
enum class StandardBox { Ok, OkCancel, YesNo, YesNoCancel, Custom };
StandardBox StandardBoxFor(Buttons buttons);

}  // namespace velmar::ui
