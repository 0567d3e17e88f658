// The product logo (large for the splash corner, small for small screens) and
// the maker's mark. The product logo is shown transparent on the blue backdrop:
// its edges are smoothed against that blue and its untouched pixels carry the
// transparent colour, which the picture takes from its bottom-left pixel.

#include <cmath>

#include "drawings.h"
#include "stroke_font.h"

namespace drawres {

namespace {

constexpr Rgb kBackdropBlue{0, 0, 214};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kCyan{64, 210, 255};

// The product logo drawn for a 240 x 120 box, scaled by `s`.
Canvas ProductLogo(double s) {
  Canvas c(static_cast<int>(std::lround(240 * s)), static_cast<int>(std::lround(120 * s)), kBackdropBlue);

  // Emblem: a rounded tile with a rising V, like a trend that turns upward.
  const double l = 12 * s, t = 30 * s, size = 60 * s;
  const auto tile = RoundRect(l, t, l + size, t + size, 14 * s);
  c.paint(Grow(tile, 1.2 * s), Solid({0, 30, 120}), 0.55);
  c.paint(tile, Linear({l, t}, {70, 216, 255}, {l + size, t + size}, {0, 72, 196}));
  c.paint(Intersect(tile, Ellipse({l + size * 0.35, t - size * 0.1}, size * 0.95, size * 0.55)), Solid(kWhite), 0.16);
  c.paint(Stroke({{l + size * 0.2, t + size * 0.4}, {l + size * 0.45, t + size * 0.76}, {l + size * 0.83, t + size * 0.2}},
                 8.5 * s),
          Solid(kWhite));

  // Word mark.
  TextStyle style;
  style.em = 40 * s;
  style.weight = 0.12;
  style.tracking = 0.06;
  const Vec origin{86 * s, 76 * s};
  c.paint(Text("Velmar", origin, style), Solid(kWhite));

  // A thin swoosh under the name, fading to the right.
  const double y = 88 * s;
  std::vector<Vec> swoosh;
  for (int i = 0; i <= 40; ++i) {
    const double x = 88 * s + i * (140 * s) / 40;
    swoosh.push_back({x, y + 3 * s * std::sin(i / 40.0 * 3.14159)});
  }
  c.paint(Stroke(swoosh, 2.6 * s), Linear({88 * s, y}, kCyan, {228 * s, y}, {40, 90, 230}));

  c.keyUntouched(kBackdropBlue);
  return c;
}

}  // namespace

Canvas DrawSplashLogo() { return ProductLogo(1.0); }
Canvas DrawAboutLogo() { return ProductLogo(2.0 / 3.0); }

// The maker's mark on its own dark plate (shown opaque): an amber hexagon ring
// with a K, and the name beside it.
Canvas DrawMakerLogo() {
  Canvas c(120, 60, {0, 0, 0});
  c.paint(RoundRect(-1, -1, 121, 61, 0), Linear({0, 0}, {30, 40, 72}, {0, 60}, {10, 14, 34}));
  c.paint(Subtract(RoundRect(0, 0, 120, 60, 0), RoundRect(1, 1, 119, 59, 0)), Solid({92, 110, 150}));

  const Vec centre{27, 30};
  std::vector<Vec> hex;
  for (int i = 0; i < 6; ++i) {
    const double a = (30 + 60 * i) * 3.14159265358979 / 180;
    hex.push_back({centre.x + 17 * std::cos(a), centre.y + 17 * std::sin(a)});
  }
  const auto ring = Subtract(Polygon(hex), Grow(Polygon(hex), -3.2));
  c.paint(ring, Linear({10, 13}, {255, 200, 90}, {44, 47}, {226, 128, 20}));

  TextStyle mark;
  mark.em = 22;
  mark.weight = 0.15;
  c.paint(Text("K", {centre.x - TextWidth("K", mark) / 2, centre.y + 0.36 * mark.em}, mark), Solid({240, 242, 248}));

  TextStyle name;
  name.em = 16;
  name.weight = 0.13;
  name.tracking = 0.12;
  c.paint(Text("KRAVO", {52, 36}, name), Solid({228, 232, 242}));
  return c;
}

}  // namespace drawres
