#pragma once
// The program's built-in bitmaps and their sizes. Pages and the backdrop need
// the sizes without drawing anything (a picture's size decides its place), and
// the resource generator draws each bitmap at exactly this size: this table is
// the one place both read.

#include <optional>
#include <string_view>

#include "ui/layout/geometry.h"

namespace velmar::ui {

struct BuiltInBitmap {
  std::string_view name;
  int width;
  int height;
  std::string_view use;
};

inline constexpr BuiltInBitmap kBuiltInBitmaps[] = {
    {"BTN_NEXT", 16, 16, "glyph of Next and Continue buttons"},
    {"BTN_PREV", 16, 16, "glyph of Prev buttons"},
    {"BTN_CANCEL", 16, 16, "glyph of Cancel, Exit and Reject buttons"},
    {"BTN_CHECK", 16, 16, "glyph of Accept and OK buttons"},
    {"PICK_FOLDER", 16, 16, "glyph of folder browse buttons"},
    {"INSTALLER_IMG", 120, 200, "picture of the wizard pages"},
    {"TREEVIEW_IMGS", 64, 16, "node images of tree views: folder, unused, project file, project in an archive"},
    {"LOGO34_SPLASH", 240, 120, "product logo, bottom right on screens wider than 800"},
    {"LOGO34_ABOUT", 160, 80, "product logo, bottom right on small screens"},
    {"KRAVOCR", 120, 60, "maker's logo, bottom left"},
};

// Names compare without regard to case, as resource names do.
std::optional<Size> BuiltInBitmapSize(std::string_view name);

}  // namespace velmar::ui
