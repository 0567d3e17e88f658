#include "drawings.h"

namespace drawres {

const std::vector<Drawing>& AllDrawings() {
  static const std::vector<Drawing> all = {
      {"BTN_NEXT", DrawNextGlyph},          {"BTN_PREV", DrawPrevGlyph},
      {"BTN_CANCEL", DrawCancelGlyph},      {"BTN_CHECK", DrawCheckGlyph},
      {"PICK_FOLDER", DrawFolderGlyph},     {"INSTALLER_IMG", DrawInstallerImage},
      {"TREEVIEW_IMGS", DrawTreeImages},    {"LOGO34_SPLASH", DrawSplashLogo},
      {"LOGO34_ABOUT", DrawAboutLogo},      {"KRAVOCR", DrawMakerLogo},
  };
  return all;
}

}  // namespace drawres
