// The wizard pages' picture: a disc leaving its sleeve, an arrow, and an open
// box below, on the same night-blue gradient as the backdrop.

#include <algorithm>
#include <cmath>

#include "drawings.h"
#include "ui/drawing/builtin_bitmaps.h"

namespace drawres {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Silver with a faint rainbow that turns with the angle round the centre.
Fill DiscSheen(Vec centre) {
  return [=](Vec p) {
    const double a = std::atan2(p.y - centre.y, p.x - centre.x);
    const double r = std::hypot(p.x - centre.x, p.y - centre.y);
    const Rgb base{206 + 22 * std::cos(2 * a), 214 + 20 * std::cos(2 * a + 1.2), 226 + 18 * std::cos(2 * a + 2.4)};
    return Mix(base, {246, 248, 255}, std::clamp(1.0 - std::abs(std::sin(a - 0.8)) - r / 80, 0.0, 0.6));
  };
}

}  // namespace

// Composed for 120 x 200 and centred in the size the bitmap table gives, with
// the gradient over the whole of it.
Canvas DrawInstallerImage() {
  const auto [width, height] = velmar::BuiltinBitmapSize("INSTALLER_IMG").value();
  Canvas c(width, height, {0, 0, 0});
  c.paint(RoundRect(-1, -1, width + 1, height + 1, 0),
          Linear({0, 0}, {4, 8, 36}, {0, static_cast<double>(height)}, {18, 60, 196}));
  c.setOrigin({(width - 120) / 2.0, (height - 200) / 2.0});

  // Soft lights in the background.
  const Vec lights[] = {{20, 30}, {98, 18}, {104, 120}, {14, 140}, {70, 8}};
  const double sizes[] = {9, 6, 11, 7, 4};
  for (int i = 0; i < 5; ++i) c.paint(Circle(lights[i], sizes[i]), Solid({120, 170, 255}), 0.10);

  // The disc.
  const Vec centre{60, 58};
  c.paint(Circle({centre.x + 2, centre.y + 3}, 35), Solid({0, 0, 20}), 0.35);
  c.paint(Circle(centre, 34), DiscSheen(centre));
  c.paint(Subtract(Circle(centre, 34), Circle(centre, 33)), Solid({150, 160, 184}));
  c.paint(Circle(centre, 12), Solid({232, 236, 246}), 0.85);
  c.paint(Subtract(Circle(centre, 12), Circle(centre, 11)), Solid({160, 170, 192}));
  c.paint(Circle(centre, 5), Linear({0, 50}, {10, 26, 90}, {0, 66}, {14, 40, 130}));

  // Arrow from the disc into the box.
  const auto arrow = Polygon({{54, 100}, {66, 100}, {66, 118}, {76, 118}, {60, 136}, {44, 118}, {54, 118}});
  c.paint(Grow(arrow, 1.5), Solid({0, 20, 80}), 0.4);
  c.paint(arrow, Linear({0, 100}, {180, 240, 255}, {0, 136}, {60, 190, 255}));

  // Shadow under the box.
  c.paint(Ellipse({60, 186}, 44, 6), Solid({0, 0, 30}), 0.45);

  // Open box: back inside, flaps, front.
  const auto inside = Polygon({{24, 146}, {96, 146}, {90, 156}, {30, 156}});
  c.paint(inside, Solid({96, 58, 20}));
  c.paint(Polygon({{24, 146}, {30, 156}, {12, 150}, {8, 140}}), Linear({8, 140}, {236, 184, 106}, {30, 156},
                                                                         {196, 136, 64}));
  c.paint(Polygon({{96, 146}, {90, 156}, {108, 150}, {112, 140}}), Linear({112, 140}, {236, 184, 106}, {90, 156},
                                                                           {196, 136, 64}));
  const auto front = Polygon({{30, 156}, {90, 156}, {88, 184}, {32, 184}});
  c.paint(front, Linear({0, 156}, {226, 168, 88}, {0, 184}, {176, 118, 52}));
  c.paint(Stroke({{31, 156.5}, {89, 156.5}}, 1.2), Solid({250, 214, 150}));
  c.paint(RoundRect(52, 163, 68, 175, 2), Solid({255, 240, 214}), 0.85);
  c.paint(Stroke({{55, 167}, {65, 167}}, 1.2), Solid({176, 118, 52}));
  c.paint(Stroke({{55, 171}, {62, 171}}, 1.2), Solid({176, 118, 52}));
  return c;
}

}  // namespace drawres
