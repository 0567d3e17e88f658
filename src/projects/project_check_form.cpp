#include "projects/project_check_form.h"

#include "base/path_utils.h"
#include "text/texts.h"
#include "session/installer_context.h"
#include "ui/layout/page_layout.h"

namespace velmar {
namespace {

constexpr int PageWidth = 560, PageHeight = 290;
constexpr int LabelLeft = 24, LabelWidth = 200, ValueLeft = 230, RightEdge = 544;
constexpr int RowHeight = 28, EditHeight = 21;

}  // namespace

TProjectCheckForm::TProjectCheckForm(InstallerContext& app) : WizardPage(app, "TProjectCheckForm") {
  using ui::layout::Margin;
  SetPageSize(PageWidth, PageHeight);
  TitleLbl.SetBounds(Margin + 4, Margin + 4, PageWidth - 2 * Margin - 8, 16);
  const int valueWidth = RightEdge - ValueLeft;
  int top = Margin + 34;
  for (auto [label, value] : {std::pair{&ZipLbl, &ZipFileLbl}, {&CommentLbl, &ZipCommentLbl}, {&VprLbl, &VprFileLbl}}) {
    label->SetBounds(LabelLeft, top, LabelWidth, 16);
    label->AutoSize = false;
    value->SetBounds(ValueLeft, top, valueWidth, 16);
    value->AutoSize = false;
    // Paths and comments show as they are, an "&" too.
    value->ShowAccelChar = false;
    top += RowHeight - 4;
  }
  top += 8;
  FolderLbl.SetBounds(LabelLeft, top + 4, LabelWidth, 16);
  FolderLbl.AutoSize = false;
  FolderEdit.SetBounds(ValueLeft, top, valueWidth - 32, EditHeight);
  FolderBtn.SetBounds(RightEdge - 26, top - 1, 26, EditHeight + 2);
  top += RowHeight + 4;
  LinkLbl.SetBounds(LabelLeft, top + 4, LabelWidth, 16);
  LinkLbl.AutoSize = false;
  LinkNameEdit.SetBounds(ValueLeft, top, valueWidth - 46, EditHeight);
  LnkExtLbl.SetBounds(RightEdge - 40, top + 4, 40, 16);
  LnkExtLbl.Caption = ".LNK";

  AddFolderField(FolderEdit, FolderBtn, text::ProjectInstallFolderTitle);
  AddField(LinkNameEdit);
  // Every change is checked at once, so Next follows what is typed; leaving
  // an edit also trims it, and the folder loses its trailing backslash.
  FolderEdit.OnChange = LinkNameEdit.OnChange = [this] { UpdateNextBtn(); };
  FolderEdit.OnExit = [this] {
    FolderEdit.Text = WithoutBackslash(TrimBlanks(FolderEdit.Text));
    UpdateNextBtn();
  };
}

PageResult TProjectCheckForm::Execute(int step, ProjectRequest& request) {
  request_ = &request;
  const PageResult result = Run(step);
  request_ = nullptr;
  return result;
}

void TProjectCheckForm::SetTexts() {
  TitleLbl.Caption = Text(text::DefineProjectPlace);
  ZipLbl.Caption = Text(text::ZipFileNameLabel);
  CommentLbl.Caption = Text(text::ZipCommentLabel);
  VprLbl.Caption = Text(text::VelmarProjectFileLabel);
  FolderLbl.Caption = Text(text::ProjectInstallFolderLabel);
  LinkLbl.Caption = Text(text::ShortcutNameLabel);
}

void TProjectCheckForm::LoadFields() {
  const ProjectRequest& r = *request_;
  const bool fromArchive = !r.Archive.empty();
  for (ui::Label* label : {&ZipLbl, &ZipFileLbl, &CommentLbl, &ZipCommentLbl}) label->Visible = fromArchive;
  ZipFileLbl.Caption = r.Archive;
  ZipCommentLbl.Caption = r.ArchiveComment;
  VprFileLbl.Caption = r.ProjectFile;
  const ProjectPlaceProposal proposal = ProposeProjectPlace(r, Session().ProjectsPath);
  FolderEdit.Text = proposal.TargetFolder;
  LinkNameEdit.Text = proposal.ShortcutName;
}

void TProjectCheckForm::UpdateNextBtn() {
  const int problem = CheckProjectPlace(FolderEdit.Text, LinkNameEdit.Text, Session().ProjectsPath);
  NextBtn.Enabled = problem == 0;
  ShowStatus(problem ? Text(problem) : "");
}

// Next only with a usable folder and name; Prev keeps what was typed.
bool TProjectCheckForm::Validate(PageResult leavingWith) {
  if (leavingWith != prNext) return true;
  UpdateNextBtn();
  return NextBtn.Enabled;
}

void TProjectCheckForm::PageClosed() {
  std::string folder = WithoutBackslash(TrimBlanks(FolderEdit.Text));
  if (folder.size() > 2) folder += "\\";
  request_->TargetFolder = folder;
  request_->ShortcutName = TrimBlanks(LinkNameEdit.Text);
}

}  // namespace velmar
