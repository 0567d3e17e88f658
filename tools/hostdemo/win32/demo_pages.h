#pragma once
// The pages the host demo shows: a backdrop as the installer's main window,
// and a page with every kind of control on it, besides the installer's own
// language and administrator pages.

#include <functional>
#include <string>

#include "ui/drawing/backdrop.h"
#include "ui/controls.h"
#include "ui/page.h"
#include "ui/script/script_player.h"

namespace hostdemo {

namespace ui = velmar::ui;

// The installer's backdrop: gradient, title, corner logos; Esc leaves.
class TMainForm : public ui::Backdrop {
 public:
  explicit TMainForm(ui::Host& host);
  // Runs once the backdrop is on screen; the backdrop closes after it.
  std::function<void()> Program;
};

// A wizard-like page with one control of every kind.
class THostDemoForm : public ui::Page {
 public:
  explicit THostDemoForm(ui::Host& host);

  ui::Panel Panel1{*this, "Panel1"};
  ui::Image Img{*this, "Img"};
  ui::Label TitleLbl{*this, "TitleLbl"};
  ui::Label PathLbl{*this, "PathLbl"};
  ui::Edit PathEdit{*this, "PathEdit"};
  ui::Button BrowseBtn{*this, "BrowseBtn"};
  ui::CheckBox DesktopCB{*this, "DesktopCB"};
  ui::RadioButton StartMenuRB{*this, "StartMenuRB"};
  ui::RadioButton NoLinksRB{*this, "NoLinksRB"};
  ui::TreeView ProjectTV{*this, "ProjectTV"};
  ui::ListBox FilesLB{*this, "FilesLB"};
  ui::Memo InfoMemo{*this, "InfoMemo"};
  ui::ProgressBar ProgressPB{*this, "ProgressPB"};
  ui::Bevel Bevel1{*this, "Bevel1"};
  ui::Button AskBtn{*this, "AskBtn"};
  ui::Button ReadmeBtn{*this, "ReadmeBtn"};
  ui::Button NextBtn{*this, "NextBtn"};
  ui::Button CancelBtn{*this, "CancelBtn"};
  ui::StatusBar StatBar{*this, "StatBar"};

  // 1 after Next, 0 after Cancel.
  int Execute();

 private:
  void PathEditExit();
  void BrowseBtnClick();
  void AskBtnClick();
  void NextBtnClick();
  void CancelBtnClick();
  void Validate();

  int result_ = 0;
};

// A sizeable text viewer, as the readme viewer is.
class TDemoReadmeForm : public ui::Page {
 public:
  explicit TDemoReadmeForm(ui::Host& host);

  ui::Memo TextMemo{*this, "TextMemo"};
  ui::Panel BottomPanel{*this, "BottomPanel"};
  ui::Button CloseBtn{*this, "CloseBtn"};
};

// The demo: language page, administrator warning, then (unless left out)
// the page of every control, in front of the backdrop.
velmar::ui::script::Outcome RunDemo(ui::Host& host, bool withDemoPage);

}  // namespace hostdemo
