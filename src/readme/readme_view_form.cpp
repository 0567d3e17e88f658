#include "readme/readme_view_form.h"

#include "session/installer_context.h"
#include "base/codepage.h"
#include "platform/files/file_contents.h"
#include "platform/system.h"
#include "files/file_utils.h"
#include "base/path_utils.h"
#include "text/fixed_texts.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "services/shell/shell.h"
#include "ui/host.h"

namespace velmar {
namespace {
// A readme is a page or two of text; anything far larger is not one.
constexpr size_t MaxReadmeSize = 16 * 1024 * 1024;
}  // namespace

TReadmeViewForm::TReadmeViewForm(InstallerContext& app) : InstallerPage(app, "TReadmeViewForm") {
  const ui::Size screen = app.host.ScreenSize();
  Border = ui::PageBorder::Sizeable;
  ClientHeight = screen.height / 2;
  ClientWidth = screen.width < 800 ? 400 : 600;
  KeyPreview = true;
  OnKeyDown = [this](ui::Key key) {
    if (key != ui::Key::Escape) return false;
    Close();
    return true;
  };

  Memo.SetBounds(Margin, Margin, ClientWidth - 2 * Margin, ClientHeight - StripHeight - Margin);
  Memo.Anchors = ui::anchor::All;
  Memo.ReadOnly = true;
  Memo.WordWrap = false;
  Memo.ScrollBars = ui::ScrollBars::Vertical;
  Memo.Font = ui::Font{"Courier New", 9, false, ui::colours::Black};
  BottomPanel.SetBounds(0, ClientHeight - StripHeight, ClientWidth, StripHeight);
  BottomPanel.Anchors = ui::anchor::Left | ui::anchor::Right | ui::anchor::Bottom;
  BottomPanel.BevelOuter = ui::BevelCut::None;
  // At the left of the strip, so that the smallest window still shows it.
  CloseBtn.SetBounds(Margin, ClientHeight - StripHeight + 7, 100, 26);
  CloseBtn.Anchors = ui::anchor::Left | ui::anchor::Bottom;
  CloseBtn.Glyph = "BTN_CANCEL";
  CloseBtn.Cancel = true;
  CloseBtn.OnClick = [this] { Close(); };
  MinSize = {CloseBtn.Bounds.right() + 20, 5 * StripHeight};
  ActiveControl = &CloseBtn;
}

void TReadmeViewForm::Execute(const std::string& text) {
  Memo.SetText(text);
  Caption = Text(text::ReadmeCaption);
  CloseBtn.Caption = Session().Captions.Close;
  ShowModal();
}

int ShowReadme(InstallerContext& app, const std::string& path) {
  if (!FileExists(app.os.files, path)) {
    app.host.ShowMessage(app.texts.TextWith(text::FileNotFound, path));
    return 0;
  }
  const auto text = platform::ReadFileContents(app.os.files, path, MaxReadmeSize);
  if (!text) {
    app.host.ShowMessage(app.texts.TextWith(text::FileNotReadable, path));
    return 0;
  }
  std::string shown;
  try {
    shown = DecodeToUtf8(*text, app.os.system.ansiCodePage());
  } catch (const CodePageError& e) {
    // As the general error box shows it; the user is back at the selection.
    app.host.ShowMessage(std::string(fixed::CannotRead) + path + ": " + e.what(), ui::ApplicationTitle, ui::MessageIcon::Error);
    return 0;
  }
  TReadmeViewForm(app).Execute(shown);
  return 1;
}

void ExploreTools(InstallerContext& app) {
  const std::string folder = app.session.MediumRoot + "Tools\\";
  if (!ExploreFolder(app, "explorer.exe /e,/n,/root,", folder))
    app.host.ShowMessage(app.texts.TextWith(text::ExplorerFailed, folder));
}

}  // namespace velmar
