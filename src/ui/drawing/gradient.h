#pragma once
// The backdrop's colour gradient as bands of flat colour.

#include <vector>

#include "ui/layout/geometry.h"

namespace velmar::ui {

// The begin colour lies on the named first side.
enum class FillDirection { TopToBottom, BottomToTop, LeftToRight, RightToLeft };

struct GradientBand {
  Rect rect;
  Colour colour;
  bool operator==(const GradientBand&) const = default;
};

// Bands for a screen's colour depth in bits per pixel: 16 below 9 bits, 64 up
// to 16 bits, 128 above.
int GradientBandCount(int colourDepth);

// Splits the area into bandCount bands (at least 1) that tile it exactly, from
// the begin colour on the begin side to the end colour on the far side; the
// colours step evenly. An area smaller than the band count gives some bands of
// no height (or width).
std::vector<GradientBand> GradientBands(Size area, Colour begin, Colour end, FillDirection direction,
                                        int bandCount);

}  // namespace velmar::ui
