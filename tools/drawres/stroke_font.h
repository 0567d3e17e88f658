#pragma once
// A small stroke font for the few letters the logos need: each glyph is a set
// of polylines in em units (baseline at y = 0, y up), drawn with a round pen.

#include <string_view>

#include "canvas.h"

namespace drawres {

struct TextStyle {
  double em = 32;          // pixels per em
  double weight = 0.1;     // pen width in em
  double tracking = 0.08;  // extra space between letters in em
  double slant = 0.0;      // x shift per unit of height (italic)
};

// Width in pixels of a text drawn with the style.
double TextWidth(std::string_view text, const TextStyle& style);
// The text as a shape, its baseline starting at `origin` (canvas pixels).
Shape Text(std::string_view text, Vec origin, const TextStyle& style);

}  // namespace drawres
