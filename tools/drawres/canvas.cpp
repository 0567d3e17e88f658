#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace drawres {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
Vec Sub(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
double Length(Vec a) { return std::sqrt(Dot(a, a)); }

double SegmentDistance(Vec p, Vec a, Vec b) {
  const Vec pa = Sub(p, a), ba = Sub(b, a);
  const double len2 = Dot(ba, ba);
  const double h = len2 > 0 ? std::clamp(Dot(pa, ba) / len2, 0.0, 1.0) : 0.0;
  return Length({pa.x - ba.x * h, pa.y - ba.y * h});
}

uint8_t ToByte(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

void PutLe(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Shape Circle(Vec c, double r) {
  return [=](Vec p) { return Length(Sub(p, c)) - r; };
}

Shape Ellipse(Vec c, double rx, double ry) {
  // Scaled circle distance: exact on the axes, close enough elsewhere for edges.
  return [=](Vec p) {
    const Vec q{(p.x - c.x) / rx, (p.y - c.y) / ry};
    return (Length(q) - 1.0) * std::min(rx, ry);
  };
}

Shape RoundRect(double l, double t, double r, double b, double radius) {
  const Vec c{(l + r) / 2, (t + b) / 2};
  const Vec half{(r - l) / 2 - radius, (b - t) / 2 - radius};
  return [=](Vec p) {
    const Vec q{std::abs(p.x - c.x) - half.x, std::abs(p.y - c.y) - half.y};
    const double outside = Length({std::max(q.x, 0.0), std::max(q.y, 0.0)});
    return outside + std::min(std::max(q.x, q.y), 0.0) - radius;
  };
}

Shape Polygon(std::vector<Vec> v) {
  return [v = std::move(v)](Vec p) {
    double d = Dot(Sub(p, v[0]), Sub(p, v[0]));
    double sign = 1.0;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
      const Vec e = Sub(v[j], v[i]), w = Sub(p, v[i]);
      const double h = std::clamp(Dot(w, e) / Dot(e, e), 0.0, 1.0);
      const Vec b{w.x - e.x * h, w.y - e.y * h};
      d = std::min(d, Dot(b, b));
      const bool c1 = p.y >= v[i].y, c2 = p.y < v[j].y, c3 = e.x * w.y > e.y * w.x;
      if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
    }
    return sign * std::sqrt(d);
  };
}

Shape Stroke(std::vector<Vec> pts, double width) {
  return [pts = std::move(pts), half = width / 2](Vec p) {
    double d = Length(Sub(p, pts[0]));
    for (size_t i = 1; i < pts.size(); ++i) d = std::min(d, SegmentDistance(p, pts[i - 1], pts[i]));
    return d - half;
  };
}

Shape Union(std::vector<Shape> shapes) {
  return [shapes = std::move(shapes)](Vec p) {
    double d = 1e9;
    for (const auto& s : shapes) d = std::min(d, s(p));
    return d;
  };
}

Shape Intersect(Shape a, Shape b) {
  return [=](Vec p) { return std::max(a(p), b(p)); };
}

Shape Subtract(Shape a, Shape b) {
  return [=](Vec p) { return std::max(a(p), -b(p)); };
}

Shape Grow(Shape s, double by) {
  return [=](Vec p) { return s(p) - by; };
}

Shape Translate(Shape s, Vec by) {
  return [=](Vec p) { return s({p.x - by.x, p.y - by.y}); };
}

Fill Solid(Rgb c) {
  return [=](Vec) { return c; };
}

Fill Linear(Vec from, Rgb c0, Vec to, Rgb c1) {
  const Vec d = Sub(to, from);
  const double len2 = Dot(d, d);
  return [=](Vec p) { return Mix(c0, c1, std::clamp(Dot(Sub(p, from), d) / len2, 0.0, 1.0)); };
}

Fill Radial(Vec centre, double radius, Rgb inner, Rgb outer) {
  return [=](Vec p) { return Mix(inner, outer, std::clamp(Length(Sub(p, centre)) / radius, 0.0, 1.0)); };
}

std::vector<Vec> Arc(Vec c, double rx, double ry, double fromDeg, double toDeg, int steps) {
  std::vector<Vec> out;
  for (int i = 0; i <= steps; ++i) {
    const double a = (fromDeg + (toDeg - fromDeg) * i / steps) * kPi / 180.0;
    out.push_back({c.x + rx * std::cos(a), c.y + ry * std::sin(a)});
  }
  return out;
}

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width), height_(height), pixels_(width * height, background), touched_(width * height, false) {}

void Canvas::paint(const Shape& shape, const Fill& fill, double opacity) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Vec p{x + 0.5, y + 0.5};
      const double cover = std::clamp(0.5 - shape(p), 0.0, 1.0) * opacity;
      if (cover <= 0) continue;
      auto& px = pixels_[y * width_ + x];
      px = Mix(px, fill(p), cover);
      touched_[y * width_ + x] = true;
    }
  }
}

void Canvas::keyUntouched(Rgb key) {
  const Rgb k{std::round(key.r), std::round(key.g), std::round(key.b)};
  for (size_t i = 0; i < pixels_.size(); ++i) {
    auto& px = pixels_[i];
    if (!touched_[i]) {
      px = k;
    } else if (ToByte(px.r) == k.r && ToByte(px.g) == k.g && ToByte(px.b) == k.b) {
      px.b = k.b < 128 ? k.b + 1 : k.b - 1;
    }
  }
}

void Canvas::place(const Canvas& other, int left, int top) {
  for (int y = 0; y < other.height_; ++y) {
    for (int x = 0; x < other.width_; ++x) {
      const int tx = left + x, ty = top + y;
      if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
      pixels_[ty * width_ + tx] = other.pixels_[y * other.width_ + x];
      touched_[ty * width_ + tx] = other.touched_[y * other.width_ + x];
    }
  }
}

Rgb Canvas::pixel(int x, int y) const { return pixels_[y * width_ + x]; }

std::vector<uint8_t> Canvas::bmpFile() const {
  const uint32_t rowBytes = (width_ * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * height_;
  std::vector<uint8_t> out;
  out.reserve(54 + imageBytes);
  out.push_back('B');
  out.push_back('M');
  PutLe(out, 54 + imageBytes, 4);
  PutLe(out, 0, 4);
  PutLe(out, 54, 4);
  PutLe(out, 40, 4);  // BITMAPINFOHEADER
  PutLe(out, width_, 4);
  PutLe(out, height_, 4);  // positive: bottom-up
  PutLe(out, 1, 2);
  PutLe(out, 24, 2);
  PutLe(out, 0, 4);  // BI_RGB
  PutLe(out, imageBytes, 4);
  PutLe(out, 2835, 4);  // 72 dpi
  PutLe(out, 2835, 4);
  PutLe(out, 0, 4);
  PutLe(out, 0, 4);
  for (int y = height_ - 1; y >= 0; --y) {
    for (int x = 0; x < width_; ++x) {
      const Rgb& px = pixels_[y * width_ + x];
      out.push_back(ToByte(px.b));
      out.push_back(ToByte(px.g));
      out.push_back(ToByte(px.r));
    }
    for (uint32_t pad = width_ * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace drawres
