#pragma once
// The page base: a modal window as a model. A page names itself by its class
// name (TLanguageForm), owns its controls as members and binds their handlers
// to its member functions in its constructor:
//
//   class TLanguageForm : public ui::Page {
//    public:
//     explicit TLanguageForm(ui::Host& host);
//     ui::Button ContinueBtn{*this, "ContinueBtn"};
//    private:
//     void ContinueBtnClick();
//   };
//   TLanguageForm::TLanguageForm(ui::Host& host) : Page(host, "TLanguageForm") {
//     ContinueBtn.OnClick = [this] { ContinueBtnClick(); };
//   }
//
// Page logic never touches a window; it asks its host for message boxes and
// the folder browser and shows itself with ShowModal. The installer's own
// pages derive from InstallerPage, which hands them the installer's context.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"
#include "ui/layout/geometry.h"
#include "ui/keys.h"

namespace velmar::ui {

class Host;

enum class PageBorder { None, Dialog, Sizeable };

class Page {
 public:
  Page(Host& host, std::string className);
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;
  virtual ~Page() = default;

  const std::string& ClassName() const { return className_; }
  Host& GetHost() const { return host_; }

  std::string Caption;
  // Window place and client size. A centred page is placed on the screen
  // ((screen - size) / 2 on each axis) each time it is shown; a host whose
  // windows have frames centres the whole window.
  int Left = 0;
  int Top = 0;
  int ClientWidth = 400;
  int ClientHeight = 300;
  bool Centred = true;
  PageBorder Border = PageBorder::None;
  Size MinSize;  // smallest window size of a sizeable page; 0: no limit
  ui::Font Font;
  std::optional<ui::Colour> Colour;  // none: the system's face colour
  // The program's main window (the backdrop): a top-level window of its own
  // that the other pages lie in front of.
  bool MainWindow = false;

  // With KeyPreview the page sees every key before its controls and the
  // default and cancel buttons; OnKeyDown returns true when it used the key.
  bool KeyPreview = false;
  std::function<bool(Key)> OnKeyDown;
  // Runs once the page is on screen (after its first paint). Long work inside
  // a modal dialog runs here and lets the host pump messages while it goes on.
  Event OnShow;
  // The control that gets the focus when the page is shown; none: the first
  // control in tab order that can take it.
  Control* ActiveControl = nullptr;

  // Shows the page through its host; returns when it has closed.
  void ShowModal();
  // Asks the page to close; it closes when the running handler returns.
  void Close();
  bool Showing() const { return showing_; }
  bool Closing() const { return closing_; }

  // Every control, in creation order (the z-order).
  const std::vector<Control*>& Controls() const { return controls_; }
  // The tab stops in tab order (TabOrder, then creation order).
  std::vector<Control*> TabOrderList() const;
  // By name, without regard to case.
  Control* FindControl(std::string_view name) const;
  // The page's status line: its first status bar, if it has one.
  StatusBar* StatusLine() const;

  Control* Focused() const { return focused_; }
  // Moves the focus; the edit that loses it gets its OnExit (after the focus
  // has moved, so OnExit may take it back).
  void SetFocus(Control& control);
  // Moves the focus to the next (or previous) control in tab order that can take it.
  void SelectNext(bool forward = true);

  Size ClientSize() const { return {ClientWidth, ClientHeight}; }
  void CentreOn(Size screen);

  // For hosts: ShowModal brackets the showing with these. BeginModal clears
  // a pending Close, centres the page on the screen and gives the focus to
  // ActiveControl or the first tab stop, without calling handlers.
  void BeginModal(Size screen);
  void EndModal();

 private:
  friend class Control;
  void Register(Control& control);

  Host& host_;
  std::string className_;
  std::vector<Control*> controls_;
  Control* focused_ = nullptr;
  bool showing_ = false;
  bool closing_ = false;
};

}  // namespace velmar::ui
