#include "install/pages/project_options_form.h"

#include "base/path_utils.h"
#include "base/text_case.h"
#include "text/texts.h"
#include "session/installer_context.h"

namespace velmar {
namespace {

constexpr auto npos = std::string_view::npos;

// The folder's own name: one trailing backslash removed, then everything up
// to the last backslash, slash or drive colon dropped.
std::string_view LastName(std::string_view folder) {
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.remove_suffix(1);
  const size_t cut = folder.find_last_of("\\/:");
  return cut == npos ? folder : folder.substr(cut + 1);
}

// Geometry: a label column and an edit column, one row an entry.
constexpr int PageWidth = 520, PageHeight = 310;
constexpr int LabelLeft = 32, LabelWidth = 184, EditLeft = 220, RightEdge = 504;
constexpr int FirstRowTop = 44, RowHeight = 30, EditHeight = 21;

}  // namespace

std::string ProjectFolderFor(std::string_view typed, std::string_view projectsPath, std::string_view project,
                             std::string_view defaultName) {
  const std::string root = WithBackslash(projectsPath);
  if (typed.empty()) return root + std::string(IsPlainRelativePath(project) ? project : defaultName);
  // Case mapping keeps backslashes, dots and colons, so the rest of the
  // upper-cased text tells where the typed folder leads.
  const std::string upperTyped = UpperCaseText(typed), upperRoot = UpperCaseText(root);
  if (upperTyped.starts_with(upperRoot)) {
    const std::string below = WithoutBackslash(std::string_view(upperTyped).substr(upperRoot.size()));
    if (below.empty() || IsPlainRelativePath(below)) return std::string(typed);
  }
  const std::string_view name = LastName(typed);
  return root + std::string(IsPlainName(name) ? name : defaultName);
}

TProjectOptionsForm::TProjectOptionsForm(InstallerContext& app) : WizardPage(app, "TProjectOptionsForm") {
  SetPageSize(PageWidth, PageHeight);
  MakeProjCB.SetBounds(16, 14, RightEdge - 16, 17);
  MakeProjCB.OnClick = [this] { UpdateEnabling(); };

  struct Row {
    ui::Label& label;
    ui::Edit& edit;
    int editWidth;
  };
  const Row rows[] = {{PrjNameLbl, PrjNameEdit, RightEdge - EditLeft},
                      {CustNameLbl, CustNameEdit, RightEdge - EditLeft},
                      {PrjFldrLbl, VprPathEdit, RightEdge - EditLeft - 30},
                      {VprNameLbl, VprNameEdit, RightEdge - EditLeft - 46},
                      {LnkNamelbl, LinkNameEdit, RightEdge - EditLeft - 46}};
  int top = FirstRowTop;
  for (const Row& row : rows) {
    row.label.SetBounds(LabelLeft, top + 4, LabelWidth, 13);
    row.label.AutoSize = false;
    row.edit.SetBounds(EditLeft, top, row.editWidth, EditHeight);
    top += RowHeight;
  }
  VPathBtn.SetBounds(RightEdge - 26, VprPathEdit.Bounds.top - 1, 26, EditHeight + 2);
  for (ui::Label* ext : {&VprExtLbl, &LnkExtLbl}) {
    const ui::Label& beside = ext == &VprExtLbl ? VprNameLbl : LnkNamelbl;
    ext->SetBounds(RightEdge - 40, beside.Bounds.top, 40, 13);
    ext->AutoSize = false;
  }
  VprExtLbl.Caption = ".VPR";
  LnkExtLbl.Caption = ".LNK";
  DefProjCB.SetBounds(LabelLeft, top + 6, RightEdge - LabelLeft, 17);

  PrjNameEdit.Hint = "Descriptive name for the user project";
  CustNameEdit.Hint = "Company name displayed in Velmar as the customer/user";
  VprPathEdit.Hint = "Folder which will be used for this project";
  VprNameEdit.Hint = "Name of the project file";
  LinkNameEdit.Hint = "Name of the project shortcut";
  AddField(PrjNameEdit, {text::ProjectNameUndefined});
  AddField(CustNameEdit, {text::CustomerNameUndefined});
  AddFolderField(VprPathEdit, VPathBtn, text::ProjectDataFolderTitle, {text::ProjectFolderUndefined});
  AddField(VprNameEdit, {text::ProjectFileNameUndefined});
  AddField(LinkNameEdit, {text::ShortcutNameUndefined});
}

PageResult TProjectOptionsForm::Execute(int step, const ProjectPageOptions& options) {
  customMode_ = options.CustomMode;
  MakeProjCB.Visible = options.OfferNewProject && !options.CustomMode;
  return Run(step, options.FinishCaption);
}

void TProjectOptionsForm::SetTexts() {
  MakeProjCB.Caption = Text(text::CreateUserProject);
  PrjNameLbl.Caption = Text(text::ProjectNameLabel);
  CustNameLbl.Caption = Text(text::CustomerNameLabel);
  PrjFldrLbl.Caption = Text(text::ProjectFileFolderLabel);
  VprNameLbl.Caption = Text(text::ProjectFileNameLabel);
  LnkNamelbl.Caption = Text(text::ProjectShortcutNameLabel);
  DefProjCB.Caption = Text(text::MakeDefaultProject);
}

void TProjectOptionsForm::LoadFields() {
  const InstallSession& s = Session();
  MakeProjCB.Checked = s.MakeProject;
  // A stored file without a name (the folder alone) shows an empty name.
  VprPathEdit.Text = WithoutBackslash(FileFolderPart(s.ProjectFile));
  VprNameEdit.Text = NameWithoutExt(s.ProjectFile);
  PrjNameEdit.Text = s.Project;
  CustNameEdit.Text = s.Customer;
  LinkNameEdit.Text = customMode_ && s.LinkName.empty() ? s.Project : s.LinkName;
  DefProjCB.Visible = !customMode_;
  DefProjCB.Checked = s.DefaultProject;
  UpdateEnabling();
}

void TProjectOptionsForm::UpdateEnabling() {
  // Without the choice on the page the project is made, as in custom mode.
  const bool makes = customMode_ || !MakeProjCB.Visible || MakeProjCB.Checked;
  for (ui::Edit* edit : {&PrjNameEdit, &CustNameEdit, &VprPathEdit, &VprNameEdit, &LinkNameEdit})
    edit->Enabled = makes;
  VPathBtn.Visible = makes;
  DefProjCB.Enabled = makes;
  // Custom mode names the project file after the project.
  if (customMode_) VprNameEdit.Enabled = false;
}

bool TProjectOptionsForm::Require(ui::Edit& edit, int messageId) {
  edit.Text = TrimBlanks(edit.Text);
  if (!edit.Text.empty()) return true;
  ShowStatus(Text(text::ErrorPrefix) + " " + Text(messageId));
  SetFocus(edit);
  return false;
}

bool TProjectOptionsForm::Validate(PageResult leavingWith) {
  // Prev keeps what was typed, complete or not.
  if (leavingWith != prNext) return true;
  StatBar.Text.clear();
  if (!customMode_ && MakeProjCB.Visible && !MakeProjCB.Checked) return true;
  if (!Require(PrjNameEdit, text::ProjectNameUndefined) || !Require(CustNameEdit, text::CustomerNameUndefined) ||
      !Require(LinkNameEdit, text::ShortcutNameUndefined))
    return false;
  if (!customMode_ && !Require(VprNameEdit, text::ProjectFileNameUndefined)) return false;
  if (customMode_ && TrimBlanks(VprNameEdit.Text).empty()) VprNameEdit.Text = PrjNameEdit.Text;
  // Both names become files of their folders: they must stay there.
  return Plain(VprNameEdit, text::InvalidName) && Plain(LinkNameEdit, text::InvalidShortcutName);
}

bool TProjectOptionsForm::Plain(ui::Edit& edit, int messageId) {
  if (IsPlainName(TrimBlanks(edit.Text))) return true;
  ShowStatus(Text(text::ErrorPrefix) + " " + Text(messageId));
  SetFocus(edit);
  return false;
}

void TProjectOptionsForm::StoreFields() {
  InstallSession& s = Session();
  s.MakeProject = MakeProjCB.Visible ? MakeProjCB.Checked : true;
  s.Project = TrimBlanks(PrjNameEdit.Text);
  s.Customer = TrimBlanks(CustNameEdit.Text);
  const std::string folder = WithBackslash(ProjectFolderFor(TrimBlanks(VprPathEdit.Text), s.ProjectsPath, s.Project,
                                                            Text(text::DefaultProjectFolderName)));
  // Without a name the folder alone is kept, never a file called ".vpr".
  const std::string name = TrimBlanks(VprNameEdit.Text);
  s.ProjectFile = name.empty() ? folder : folder + name + ".vpr";
  s.LinkName = TrimBlanks(LinkNameEdit.Text);
  s.DefaultProject = DefProjCB.Checked;
}

}  // namespace velmar
