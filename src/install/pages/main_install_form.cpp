#include "install/pages/main_install_form.h"

#include "base/path_utils.h"
#include "files/file_utils.h"
#include "text/texts.h"
#include "session/installer_context.h"
#include "ui/layout/page_layout.h"

namespace velmar {
namespace {

using ui::layout::Margin;

constexpr int PageWidth = 560;
constexpr int PanelHeight = 66;
constexpr int PanelGap = 8;
// Room for the longest folder label of the four languages.
constexpr int LabelWidth = 200;
constexpr int EditHeight = 21;
constexpr int BrowseSize = 24;

}  // namespace

TMainInstallForm::TMainInstallForm(InstallerContext& app)
    : WizardPage(app, "TMainInstallForm"),
      panels_{{
          {VelPathPanel, VelDescLbl, VelPathLbl, VelPathEdit, VPathBtn, text::VelmarFilesFolder, text::VelmarFolder,
           &InstallSession::VelmarPath},
          {ProjPathPanel, ProjDescLbl, ProjPathLbl, ProjPathEdit, PPathBtn, text::UserProjectsFolder,
           text::ProjectsFolder, &InstallSession::ProjectsPath},
          {LinkPathPanel, LinkDescLbl, LinkPathLbl, LinkPathEdit, LPathBtn, text::ProjectShortcutsForManager,
           text::ShortcutsFolder, &InstallSession::LinkPath},
      }} {
  for (FolderPanel& p : panels_) {
    // Required without a message of its own: while empty it keeps Next
    // disabled and the status line clear; leaving the page names it.
    AddFolderField(p.edit, p.browseBtn, p.labelId, {0, true});
    p.panel.BevelOuter = ui::BevelCut::Lowered;
    p.description.Font = ui::Font{.bold = true};
  }
  ShowPanels(3);
}

PageResult TMainInstallForm::Execute(int step, const FolderPageOptions& options) {
  ShowPanels(options.ProductFolderOnly ? 1 : 3);
  return Run(step, options.FinishCaption);
}

void TMainInstallForm::ShowPanels(int count) {
  shownPanels_ = count;
  const int right = PageWidth - Margin;
  int top = Margin;
  for (int i = 0; i < int(panels_.size()); ++i) {
    FolderPanel& p = panels_[i];
    const bool shown = i < count;
    for (ui::Control* c : std::initializer_list<ui::Control*>{&p.panel, &p.description, &p.label, &p.edit, &p.browseBtn})
      c->Visible = shown;
    if (!shown) continue;
    const int inner = Margin + 10, row = top + 34;
    p.panel.SetBounds(Margin, top, right - Margin, PanelHeight);
    p.description.SetBounds(inner, top + 10, right - inner - 10, 16);
    p.label.SetBounds(inner, row + 3, LabelWidth, 16);
    p.browseBtn.SetBounds(right - 10 - BrowseSize, row - 1, BrowseSize, BrowseSize - 1);
    const int editLeft = inner + LabelWidth + 8;
    p.edit.SetBounds(editLeft, row, p.browseBtn.Bounds.left - 6 - editLeft, EditHeight);
    top += PanelHeight + PanelGap;
  }
  top += Margin - PanelGap;
  SetPageSize(PageWidth, top + ui::layout::ButtonHeight + Margin + StatBar.Bounds.height);
}

void TMainInstallForm::SetTexts() {
  for (FolderPanel& p : panels_) {
    p.description.Caption = Text(p.descriptionId);
    p.label.Caption = Text(p.labelId);
  }
}

void TMainInstallForm::LoadFields() {
  for (FolderPanel& p : panels_) p.edit.Text = WithoutBackslash(Session().*p.folder);
}

// Every shown folder in turn, also after one has failed: an empty one is not
// defined, one that is not a full path is invalid, any other is created with its parents and stored as typed. The
// status line and the focus go to the last one that failed.
bool TMainInstallForm::Validate(PageResult) {
  FolderPanel* failed = nullptr;
  int message = 0;
  for (int i = 0; i < shownPanels_; ++i) {
    FolderPanel& p = panels_[i];
    const std::string folder = TrimBlanks(p.edit.Text);
    if (folder.empty()) {
      failed = &p;
      message = text::FolderNotDefined;
    } else if (!AbsoluteFolder(folder)) {
      // A folder relative to the installer's current folder would be
      // recorded as such and mean another place to every other program.
      failed = &p;
      message = text::InvalidInstallFolder;
    } else if (ForceFolder(App().os.files, folder)) {
      Session().*p.folder = folder;
    } else {
      failed = &p;
      message = text::FolderNotCreated;
    }
  }
  if (!failed) return true;
  // Focus first: the edit it leaves updates Next and clears the status line.
  SetFocus(failed->edit);
  ShowStatus(message == text::InvalidInstallFolder ? Text(text::ErrorPrefix) + " " + Text(message) : Text(message));
  return false;
}

}  // namespace velmar
