#pragma once
// Pixels as the Win32 host paints them: pictures drawn into a page's back
// buffer (scaled, with a transparent colour), the greyed glyph of a disabled
// button, and BMP files of what is on screen. Plain memory, no windows.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/pictures.h"
#include "ui/layout/geometry.h"

namespace velmar::ui {

// Memory that is drawn into: rows from top to bottom, four bytes a pixel in
// the order blue, green, red, unused (a 32-bit DIB section's layout).
struct PixelView {
  int width = 0;
  int height = 0;
  uint8_t* bgra = nullptr;
};

// The colour bitmap buttons and image strips mark as transparent: the
// bottom-left pixel's. Black for an empty picture.
Colour BottomLeftColour(const velmar::Picture& picture);

// Draws the picture into dest, scaled (nearest pixel) when dest has another
// size, leaving out the pixels of the transparent colour; clipped to the view.
void DrawPicture(PixelView target, const velmar::Picture& picture, Rect dest,
                 std::optional<Colour> transparent = std::nullopt);

// The picture at another size, smoothly: each new pixel is the average of
// the pixels it covers, weighted by how much of each it covers. With a
// transparent colour only the other pixels are averaged, and a new pixel is
// transparent where they cover less than half of it, so that no edge takes
// on the transparent colour. An empty size or picture gives an empty one.
velmar::Picture ScaledPicture(const velmar::Picture& picture, Size size,
                              std::optional<Colour> transparent = std::nullopt);
// The glyph of a disabled button, drawn as engraved: every pixel of the glyph
// that is not transparent and not light becomes the shadow colour, with the
// highlight colour one pixel below and to the right; all else is transparent.
velmar::Picture GreyedGlyph(const velmar::Picture& glyph, Colour transparent, Colour shadow, Colour highlight);

// A 24-bit BMP file of rows in the PixelView layout.
std::vector<uint8_t> EncodeBmp(int width, int height, const uint8_t* bgra);

}  // namespace velmar::ui
