#pragma once
// A small anti-aliased painter: shapes are signed distance functions (negative
// inside, in pixels), fills give the colour at a point. Each pixel is covered by
// a shape in proportion to how far its centre lies inside the edge.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace drawres {

struct Vec {
  double x = 0, y = 0;
};

struct Rgb {
  double r = 0, g = 0, b = 0;  // 0..255
};

Rgb Mix(Rgb a, Rgb b, double t);

using Shape = std::function<double(Vec)>;
using Fill = std::function<Rgb(Vec)>;

// Shapes.
Shape Circle(Vec centre, double radius);
Shape Ellipse(Vec centre, double rx, double ry);
Shape RoundRect(double left, double top, double right, double bottom, double radius);
Shape Polygon(std::vector<Vec> points);
// A polyline drawn with a round pen of the given width.
Shape Stroke(std::vector<Vec> points, double width);
Shape Union(std::vector<Shape> shapes);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
// Grows (positive) or shrinks (negative) a shape by a number of pixels.
Shape Grow(Shape s, double by);
Shape Translate(Shape s, Vec by);

// Fills.
Fill Solid(Rgb c);
Fill Linear(Vec from, Rgb c0, Vec to, Rgb c1);
Fill Radial(Vec centre, double radius, Rgb inner, Rgb outer);

// Points on an elliptic arc, angles in degrees from the positive x axis towards
// the positive y axis.
std::vector<Vec> Arc(Vec centre, double rx, double ry, double fromDeg, double toDeg, int steps);

class Canvas {
 public:
  Canvas(int width, int height, Rgb background);

  int width() const { return width_; }
  int height() const { return height_; }

  void paint(const Shape& shape, const Fill& fill, double opacity = 1.0);
  // Pixels that no shape touched take the key colour exactly; touched pixels
  // that happen to equal the key are moved off it, so the key means "transparent".
  void keyUntouched(Rgb key);
  // Copies another canvas in at a position (used to build image strips).
  void place(const Canvas& other, int left, int top);

  Rgb pixel(int x, int y) const;
  // The picture as a Windows bitmap file: 24 bits per pixel, bottom-up rows.
  std::vector<uint8_t> bmpFile() const;

 private:
  int width_, height_;
  std::vector<Rgb> pixels_;
  std::vector<bool> touched_;
};

}  // namespace drawres
