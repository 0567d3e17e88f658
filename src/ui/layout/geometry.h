#pragma once
// Plain value types of the page models: places, sizes, colours and fonts.

#include <cstdint>
#include <string>

namespace velmar::ui {

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// A place on a page or on the screen: left and top edge, width and height.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

struct Colour {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Colour&) const = default;
};

namespace colours {
constexpr Colour Black{0, 0, 0};
constexpr Colour White{255, 255, 255};
constexpr Colour Blue{0, 0, 255};
constexpr Colour Red{255, 0, 0};
constexpr Colour Maroon{128, 0, 0};
constexpr Colour Navy{0, 0, 128};
constexpr Colour Green{0, 128, 0};
constexpr Colour Grey{128, 128, 128};
constexpr Colour Silver{192, 192, 192};
}  // namespace colours

// "white", "maroon" for the named colours, otherwise "rgb(1,2,3)".
std::string ColourName(Colour colour);

struct Font {
  std::string name = "MS Sans Serif";
  int size = 8;  // points
  bool bold = false;
  Colour colour = colours::Black;
  bool operator==(const Font&) const = default;
};

}  // namespace velmar::ui
