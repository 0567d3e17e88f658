#pragma once
// The readme viewer (F6) and the utilities folder in the explorer (F7).

#include <string>

#include "ui/controls.h"
#include "ui/page.h"

namespace velmar {

struct InstallerContext;

class TReadmeViewForm : public ui::Page {
 public:
  static constexpr int StripHeight = 40;
  static constexpr int Margin = 10;

  TReadmeViewForm(ui::Host& host, ui::Size screen);

  ui::Memo Memo{*this, "Memo"};
  ui::Panel BottomPanel{*this, "BottomPanel"};
  ui::Button CloseBtn{*this, "CloseBtn"};
};

// 1 when the file was shown, 0 when it is missing (the user is told).
int ShowReadme(InstallerContext& app, const std::string& path);
void ExploreTools(InstallerContext& app);

}  // namespace velmar
