#include "resources/builtin_bitmaps.h"

#include <algorithm>
#include <cctype>

namespace velmar {

namespace {

constexpr BuiltinBitmapInfo kBitmaps[] = {
    {"BTN_NEXT", 16, 16},        {"BTN_PREV", 16, 16},     {"BTN_CANCEL", 16, 16},
    {"BTN_CHECK", 16, 16},       {"PICK_FOLDER", 16, 16},  {"INSTALLER_IMG", 120, 200},
    {"TREEVIEW_IMGS", 64, 16},   {"LOGO34_SPLASH", 240, 120},
    {"LOGO34_ABOUT", 160, 80},   {"KRAVOCR", 120, 60},
};

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::span<const BuiltinBitmapInfo> BuiltinBitmaps() { return kBitmaps; }

std::optional<std::pair<int, int>> BuiltinBitmapSize(std::string_view name) {
  for (const auto& b : kBitmaps) {
    if (SameName(b.name, name)) return std::pair{b.width, b.height};
  }
  return std::nullopt;
}

}  // namespace velmar
