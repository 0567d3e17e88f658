#include "stroke_font.h"

#include <map>
#include <utility>

namespace drawres {

namespace {

using Path = std::vector<Vec>;

struct Glyph {
  double width = 0;  // from the left pen centre to the right one
  std::vector<Path> paths;
};

Path Line(Vec a, Vec b) { return {a, b}; }

Path Join(Path a, const Path& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Letter shapes: geometric, round, x-height 0.52, capitals 0.72, ascender 0.76.
const std::map<char, Glyph>& Glyphs() {
  static const std::map<char, Glyph> glyphs = [] {
    std::map<char, Glyph> g;
    g['V'] = {0.64, {{{0, 0.72}, {0.32, 0}, {0.64, 0.72}}}};
    g['A'] = {0.64, {{{0, 0}, {0.32, 0.72}, {0.64, 0}}, Line({0.14, 0.24}, {0.50, 0.24})}};
    g['K'] = {0.52, {Line({0, 0}, {0, 0.72}), Line({0.52, 0.72}, {0.02, 0.27}), Line({0.18, 0.41}, {0.54, 0})}};
    g['R'] = {0.50,
              {Line({0, 0}, {0, 0.72}),
               Join(Join(Path{{0, 0.72}}, Arc({0.29, 0.53}, 0.19, 0.19, 90, -90, 16)), Path{{0, 0.34}}),
               Line({0.25, 0.34}, {0.52, 0})}};
    g['O'] = {0.72, {Arc({0.36, 0.36}, 0.36, 0.36, 0, 360, 48)}};
    g['l'] = {0.0, {Line({0, 0}, {0, 0.76})}};
    g['e'] = {0.52, {Join(Path{{0.0, 0.26}}, Arc({0.26, 0.26}, 0.26, 0.26, 0, 322, 40))}};
    g['a'] = {0.52, {Arc({0.26, 0.26}, 0.26, 0.26, 0, 360, 40), Line({0.52, 0}, {0.52, 0.52})}};
    g['m'] = {0.68,
              {Line({0, 0}, {0, 0.52}),
               Join(Join(Path{{0, 0.35}}, Arc({0.17, 0.35}, 0.17, 0.17, 180, 0, 16)), Path{{0.34, 0}}),
               Join(Join(Path{{0.34, 0.35}}, Arc({0.51, 0.35}, 0.17, 0.17, 180, 0, 16)), Path{{0.68, 0}})}};
    g['r'] = {0.30, {Line({0, 0}, {0, 0.52}), Join(Path{{0, 0.24}}, Arc({0.25, 0.27}, 0.25, 0.25, 180, 78, 14))}};
    return g;
  }();
  return glyphs;
}

// Pairs that sit closer than their boxes say.
double Kerning(char left, char right) {
  static const std::map<std::pair<char, char>, double> pairs = {
      {{'V', 'e'}, -0.10}, {{'A', 'V'}, -0.14}, {{'V', 'O'}, -0.06}, {{'R', 'A'}, -0.04},
      {{'r', 'a'}, -0.02}};
  auto it = pairs.find({left, right});
  return it == pairs.end() ? 0.0 : it->second;
}

template <class Visit>
void Layout(std::string_view text, const TextStyle& style, Visit visit) {
  double x = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    auto it = Glyphs().find(text[i]);
    if (it == Glyphs().end()) {
      x += 0.3 + style.tracking;
      continue;
    }
    visit(it->second, x);
    x += it->second.width + style.weight + style.tracking;
    if (i + 1 < text.size()) x += Kerning(text[i], text[i + 1]);
  }
}

}  // namespace

double TextWidth(std::string_view text, const TextStyle& style) {
  double right = 0;
  Layout(text, style, [&](const Glyph& g, double x) { right = x + g.width + style.weight; });
  return right * style.em;
}

Shape Text(std::string_view text, Vec origin, const TextStyle& style) {
  std::vector<Shape> strokes;
  const double half = style.weight / 2;
  Layout(text, style, [&](const Glyph& g, double x) {
    for (const auto& path : g.paths) {
      std::vector<Vec> pts;
      for (const Vec& p : path) {
        const double gx = x + half + p.x + style.slant * p.y;
        pts.push_back({origin.x + gx * style.em, origin.y - p.y * style.em});
      }
      strokes.push_back(Stroke(std::move(pts), style.weight * style.em));
    }
  });
  return Union(std::move(strokes));
}

}  // namespace drawres
