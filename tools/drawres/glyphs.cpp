// 16 x 16 glyphs for bitmap buttons and the project tree. Edges are smoothed
// against the button face colour; untouched pixels are olive, the colour the
// buttons and image lists treat as transparent (a button takes it from the
// bottom-left pixel, which every glyph leaves free).

#include "drawings.h"

namespace drawres {

namespace {

constexpr Rgb kFace{236, 236, 236};

constexpr Rgb kGreenLight{128, 214, 112}, kGreenDark{34, 150, 58}, kGreenEdge{22, 96, 36};
constexpr Rgb kRedLight{246, 112, 98}, kRedDark{196, 36, 34}, kRedEdge{124, 18, 18};
constexpr Rgb kFolderBack{222, 166, 52}, kFolderLight{255, 222, 120}, kFolderDark{240, 182, 62},
    kFolderEdge{150, 100, 24};

Canvas Blank(int w = 16, int h = 16) { return Canvas(w, h, kFace); }

// A shape with a one-pixel dark rim and a top-to-bottom gradient inside.
void Outlined(Canvas& c, const Shape& s, Rgb light, Rgb dark, Rgb edge, double top = 2, double bottom = 14) {
  c.paint(s, Solid(edge));
  c.paint(Grow(s, -1.0), Linear({0, top}, light, {0, bottom}, dark));
}

std::vector<Vec> ArrowRight() {
  return {{1.5, 6}, {7.5, 6}, {7.5, 2}, {14.5, 8}, {7.5, 14}, {7.5, 10}, {1.5, 10}};
}

Canvas Arrow(bool right) {
  auto pts = ArrowRight();
  if (!right) {
    for (auto& p : pts) p.x = 16 - p.x;
  }
  Canvas c = Blank();
  Outlined(c, Grow(Polygon(pts), 0.3), kGreenLight, kGreenDark, kGreenEdge);
  c.keyUntouched(kOlive);
  return c;
}

void ClosedFolder(Canvas& c, double dx) {
  const auto back = Polygon({{dx + 1.5, 3}, {dx + 6.5, 3}, {dx + 8, 4.5}, {dx + 14.5, 4.5}, {dx + 14.5, 13.5},
                             {dx + 1.5, 13.5}});
  c.paint(Grow(back, 0.3), Solid(kFolderEdge));
  c.paint(Grow(back, -0.7), Solid(kFolderBack));
  Outlined(c, RoundRect(dx + 1.2, 6, dx + 14.8, 13.8, 0.8), kFolderLight, kFolderDark, kFolderEdge, 6, 14);
}

void Page(Canvas& c, double l, double t, double r, double b) {
  const double fold = 3.5;
  const auto page = Polygon({{l, t}, {r - fold, t}, {r, t + fold}, {r, b}, {l, b}});
  c.paint(Grow(page, 0.4), Solid({104, 110, 126}));
  c.paint(Grow(page, -0.6), Linear({l, t}, {255, 255, 255}, {r, b}, {220, 226, 236}));
  c.paint(Grow(Polygon({{r - fold, t}, {r, t + fold}, {r - fold, t + fold}}), 0.1), Solid({176, 184, 200}));
}

// The product's mark, small: a blue tile with a white V.
void Mark(Canvas& c, double l, double t, double size) {
  c.paint(RoundRect(l, t, l + size, t + size, size * 0.22), Linear({l, t}, {40, 190, 255}, {l + size, t + size},
                                                                    {10, 70, 200}));
  c.paint(Stroke({{l + size * 0.26, t + size * 0.32}, {l + size * 0.5, t + size * 0.74},
                  {l + size * 0.76, t + size * 0.26}},
                 size * 0.17),
          Solid({255, 255, 255}));
}

}  // namespace

Canvas DrawNextGlyph() { return Arrow(true); }
Canvas DrawPrevGlyph() { return Arrow(false); }

Canvas DrawCancelGlyph() {
  Canvas c = Blank();
  const auto cross = Union({Stroke({{4, 4}, {12, 12}}, 3.4), Stroke({{12, 4}, {4, 12}}, 3.4)});
  Outlined(c, Grow(cross, 0.9), kRedLight, kRedDark, kRedEdge, 3, 13);
  c.keyUntouched(kOlive);
  return c;
}

Canvas DrawCheckGlyph() {
  Canvas c = Blank();
  const auto tick = Stroke({{3, 8.3}, {6.4, 11.8}, {13, 4}}, 3.0);
  Outlined(c, Grow(tick, 0.9), kGreenLight, kGreenDark, kGreenEdge, 3, 13);
  c.keyUntouched(kOlive);
  return c;
}

// An opened folder: the back with its tab, the front flap tilted forward.
Canvas DrawFolderGlyph() {
  Canvas c = Blank();
  const auto back = Polygon({{1.5, 2.5}, {6.5, 2.5}, {8, 4}, {13.5, 4}, {13.5, 13.5}, {1.5, 13.5}});
  c.paint(Grow(back, 0.3), Solid(kFolderEdge));
  c.paint(Grow(back, -0.7), Solid(kFolderBack));
  c.paint(Grow(Polygon({{3, 5.5}, {12, 5.5}, {12, 9}, {3, 9}}), -0.2), Solid({250, 250, 246}));
  Outlined(c, Grow(Polygon({{3.8, 7.3}, {15.2, 7.3}, {13, 13.5}, {1.5, 13.5}}), 0.2), kFolderLight, kFolderDark,
           kFolderEdge, 7, 14);
  c.keyUntouched(kOlive);
  return c;
}

// Four images side by side: 0 folder, 1 unused, 2 project file, 3 project in an archive.
Canvas DrawTreeImages() {
  Canvas strip(64, 16, kFace);

  Canvas folder = Blank();
  ClosedFolder(folder, 0);
  strip.place(folder, 0, 0);

  Canvas project = Blank();
  Page(project, 2.5, 1.5, 13.5, 14.5);
  Mark(project, 4.5, 6.5, 6.5);
  strip.place(project, 32, 0);

  Canvas archived = Blank();
  Page(archived, 4, 0.8, 12.5, 10);
  Mark(archived, 5.5, 3.2, 4.6);
  const auto box = RoundRect(1.2, 7, 14.8, 14.6, 0.8);
  Outlined(archived, box, {236, 196, 132}, {196, 146, 78}, {120, 82, 34}, 7, 15);
  for (int i = 0; i < 3; ++i) {
    const double y = 8.5 + i * 2;
    archived.paint(RoundRect(7, y, 9, y + 1, 0.3), Solid({96, 64, 28}));
  }
  strip.place(archived, 48, 0);

  strip.keyUntouched(kOlive);
  return strip;
}

}  // namespace drawres
