#include "ui/drawing/raster.h"

#include <algorithm>

namespace velmar::ui {
namespace {

Colour PixelColour(const velmar::Picture& picture, int x, int y) {
  auto p = picture.pixel(x, y);
  return {p[0], p[1], p[2]};
}

void SetPixel(velmar::Picture& picture, int x, int y, Colour colour) {
  uint8_t* p = &picture.rgba[(size_t(y) * size_t(picture.width) + size_t(x)) * 4];
  p[0] = colour.red;
  p[1] = colour.green;
  p[2] = colour.blue;
  p[3] = 255;
}

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

Colour BottomLeftColour(const velmar::Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0) return colours::Black;
  return PixelColour(picture, 0, picture.height - 1);
}

void DrawPicture(PixelView target, const velmar::Picture& picture, Rect dest, std::optional<Colour> transparent) {
  if (picture.width <= 0 || picture.height <= 0 || dest.width <= 0 || dest.height <= 0) return;
  int x0 = std::max(dest.left, 0), x1 = std::min(dest.right(), target.width);
  int y0 = std::max(dest.top, 0), y1 = std::min(dest.bottom(), target.height);
  for (int y = y0; y < y1; ++y) {
    int sy = int((long long)(y - dest.top) * picture.height / dest.height);
    uint8_t* row = target.bgra + size_t(y) * size_t(target.width) * 4;
    for (int x = x0; x < x1; ++x) {
      int sx = int((long long)(x - dest.left) * picture.width / dest.width);
      Colour c = PixelColour(picture, sx, sy);
      if (transparent && c == *transparent) continue;
      uint8_t* p = row + size_t(x) * 4;
      p[0] = c.blue;
      p[1] = c.green;
      p[2] = c.red;
    }
  }
}

velmar::Picture ScaledPicture(const velmar::Picture& picture, Size size, std::optional<Colour> transparent) {
  velmar::Picture out;
  if (picture.width <= 0 || picture.height <= 0 || size.width <= 0 || size.height <= 0) return out;
  out.width = size.width;
  out.height = size.height;
  out.rgba.resize(size_t(size.width) * size_t(size.height) * 4);
  // In units of 1 / (new size) of a source pixel, so that every weight is whole.
  const long long sw = picture.width, sh = picture.height, dw = size.width, dh = size.height;
  for (int y = 0; y < size.height; ++y) {
    const long long top = y * sh, bottom = (y + 1) * sh;  // in source pixels times dh
    for (int x = 0; x < size.width; ++x) {
      const long long left = x * sw, right = (x + 1) * sw;
      long long red = 0, green = 0, blue = 0, covered = 0;
      for (long long sy = top / dh; sy * dh < bottom; ++sy) {
        const long long wy = std::min(bottom, (sy + 1) * dh) - std::max(top, sy * dh);
        for (long long sx = left / dw; sx * dw < right; ++sx) {
          const long long weight = wy * (std::min(right, (sx + 1) * dw) - std::max(left, sx * dw));
          const Colour c = PixelColour(picture, int(sx), int(sy));
          if (transparent && c == *transparent) continue;
          red += c.red * weight;
          green += c.green * weight;
          blue += c.blue * weight;
          covered += weight;
        }
      }
      const long long whole = sw * sh;  // the weight of one new pixel
      if (covered == 0 || (transparent && 2 * covered < whole)) {
        SetPixel(out, x, y, transparent.value_or(colours::Black));
        continue;
      }
      auto mean = [&](long long sum) { return uint8_t((sum + covered / 2) / covered); };
      SetPixel(out, x, y, {mean(red), mean(green), mean(blue)});
    }
  }
  return out;
}

velmar::Picture GreyedGlyph(const velmar::Picture& glyph, Colour transparent, Colour shadow, Colour highlight) {
  velmar::Picture out;
  out.width = glyph.width;
  out.height = glyph.height;
  out.rgba.resize(glyph.rgba.size());
  for (int y = 0; y < glyph.height; ++y)
    for (int x = 0; x < glyph.width; ++x) SetPixel(out, x, y, transparent);
  auto inShape = [&](int x, int y) {
    Colour c = PixelColour(glyph, x, y);
    if (c == transparent) return false;
    int light = (c.red * 30 + c.green * 59 + c.blue * 11) / 100;
    return light < 192;
  };
  for (int y = 0; y < glyph.height; ++y)
    for (int x = 0; x < glyph.width; ++x)
      if (inShape(x, y) && x + 1 < glyph.width && y + 1 < glyph.height) SetPixel(out, x + 1, y + 1, highlight);
  for (int y = 0; y < glyph.height; ++y)
    for (int x = 0; x < glyph.width; ++x)
      if (inShape(x, y)) SetPixel(out, x, y, shadow);
  return out;
}

std::vector<uint8_t> EncodeBmp(int width, int height, const uint8_t* bgra) {
  uint32_t rowBytes = (uint32_t(width) * 3 + 3) & ~3u;
  uint32_t pixelBytes = rowBytes * uint32_t(height);
  std::vector<uint8_t> out;
  out.reserve(54 + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + pixelBytes);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, uint32_t(width));
  Put32(out, uint32_t(height));  // bottom-up rows
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // BI_RGB
  Put32(out, pixelBytes);
  Put32(out, 3780);  // 96 dots per inch
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const uint8_t* row = bgra + size_t(y) * size_t(width) * 4;
    for (int x = 0; x < width; ++x) {
      out.push_back(row[x * 4]);
      out.push_back(row[x * 4 + 1]);
      out.push_back(row[x * 4 + 2]);
    }
    for (uint32_t pad = uint32_t(width) * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace velmar::ui
