#include "ui/layout/geometry.h"

#include <array>
#include <string_view>

namespace velmar::ui {

std::string ColourName(Colour colour) {
  struct Named {
    Colour colour;
    std::string_view name;
  };
  static constexpr std::array kNames{
      Named{colours::Black, "black"}, Named{colours::White, "white"}, Named{colours::Blue, "blue"},
      Named{colours::Red, "red"},     Named{colours::Maroon, "maroon"}, Named{colours::Navy, "navy"},
      Named{colours::Green, "green"}, Named{colours::Grey, "grey"},   Named{colours::Silver, "silver"},
  };
  for (const auto& named : kNames)
    if (named.colour == colour) return std::string(named.name);
  return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
         std::to_string(colour.blue) + ")";
}

}  // namespace velmar::ui
