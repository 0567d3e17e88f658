#include "ui/drawing/gradient.h"

#include <algorithm>

namespace velmar::ui {
namespace {

uint8_t Step(uint8_t from, uint8_t to, int index, int last) {
  if (last == 0) return from;
  int value = from + ((to - from) * index * 2 + (to >= from ? last : -last)) / (2 * last);  // rounded
  return uint8_t(std::clamp(value, 0, 255));
}

}  // namespace

int GradientBandCount(int colourDepth) {
  if (colourDepth < 9) return 16;
  if (colourDepth <= 16) return 64;
  return 128;
}

std::vector<GradientBand> GradientBands(Size area, Colour begin, Colour end, FillDirection direction,
                                        int bandCount) {
  int count = std::max(bandCount, 1);
  int width = std::max(area.width, 0);
  int height = std::max(area.height, 0);
  bool vertical = direction == FillDirection::TopToBottom || direction == FillDirection::BottomToTop;
  long long length = vertical ? height : width;

  std::vector<GradientBand> bands;
  bands.reserve(size_t(count));
  for (int i = 0; i < count; ++i) {
    // Edges measured from the begin side.
    int start = int(length * i / count);
    int stop = int(length * (i + 1) / count);
    Rect rect;
    switch (direction) {
      case FillDirection::TopToBottom: rect = {0, start, width, stop - start}; break;
      case FillDirection::BottomToTop: rect = {0, int(length) - stop, width, stop - start}; break;
      case FillDirection::LeftToRight: rect = {start, 0, stop - start, height}; break;
      case FillDirection::RightToLeft: rect = {int(length) - stop, 0, stop - start, height}; break;
    }
    Colour colour{Step(begin.red, end.red, i, count - 1), Step(begin.green, end.green, i, count - 1),
                  Step(begin.blue, end.blue, i, count - 1)};
    bands.push_back({rect, colour});
  }
  return bands;
}

}  // namespace velmar::ui
