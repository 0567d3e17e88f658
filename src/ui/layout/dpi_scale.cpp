#include "ui/layout/dpi_scale.h"

namespace velmar::ui {
namespace {

int MulDivRounded(int value, int numerator, int denominator) {
  if (denominator <= 0) return value;
  long long product = 1LL * value * numerator;
  long long half = denominator / 2;
  return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

int UsableDpi(int dpi) { return dpi > 0 ? dpi : DesignDpi; }

}  // namespace

int ScaleToDpi(int value, int dpi) { return MulDivRounded(value, UsableDpi(dpi), DesignDpi); }

Size ScaleToDpi(Size size, int dpi) { return {ScaleToDpi(size.width, dpi), ScaleToDpi(size.height, dpi)}; }

Rect ScaleToDpi(Rect rect, int dpi) {
  int left = ScaleToDpi(rect.left, dpi), top = ScaleToDpi(rect.top, dpi);
  return {left, top, ScaleToDpi(rect.right(), dpi) - left, ScaleToDpi(rect.bottom(), dpi) - top};
}

int ScaleFromDpi(int value, int dpi) { return MulDivRounded(value, DesignDpi, UsableDpi(dpi)); }

Size ScaleFromDpi(Size size, int dpi) { return {ScaleFromDpi(size.width, dpi), ScaleFromDpi(size.height, dpi)}; }

Size ScreenAtDesignDpi(Size screen, int dpi) {
  dpi = UsableDpi(dpi);
  auto up = [&](int value) { return int((1LL * value * DesignDpi + dpi - 1) / dpi); };
  return {up(screen.width), up(screen.height)};
}

}  // namespace velmar::ui
