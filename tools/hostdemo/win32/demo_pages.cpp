#include "demo_pages.h"

#include <chrono>
#include <cstdio>

#include "app/language_form.h"
#include "app/warn_admin_form.h"
#include "common/zip_writer.h"
#include "platform/host_services.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"
#include "files/file_utils.h"
#include "services/zip/unzip_form.h"
#include "session/installer_context.h"
#include "text/language_support.h"
#include "ui/host.h"

namespace hostdemo {

using velmar::ui::script::Outcome;

TMainForm::TMainForm(ui::Host& host) : Backdrop(host, "TMainForm") {
  SetTitle("Velmar", "Arial", 48);
  ImageBR.Transparent = true;
  ImageBR.LoadBuiltIn(ClientWidth > 800 ? "LOGO34_SPLASH" : "LOGO34_ABOUT");
  ImageBL.LoadBuiltIn("KRAVOCR");
  PlaceCornerPictures();
  KeyPreview = true;
  OnKeyDown = [this](ui::Key key) {
    if (key != ui::Key::Escape) return false;
    Close();
    return true;
  };
  OnShow = [this] {
    if (Program) Program();
    Close();
  };
}

THostDemoForm::THostDemoForm(ui::Host& host) : Page(host, "THostDemoForm") {
  ClientWidth = 520;
  ClientHeight = 410;
  Panel1.SetBounds(0, 0, 520, 410);
  Panel1.BevelWidth = 3;
  Img.SetBounds(16, 16, 120, 200);
  Img.AutoSize = true;
  Img.LoadBuiltIn("INSTALLER_IMG");
  TitleLbl.SetBounds(152, 16, 0, 0);
  TitleLbl.Caption = "Velmar host demo";
  TitleLbl.Font = ui::Font{"Arial", 14, true, ui::colours::Navy};
  PathLbl.SetBounds(152, 52, 0, 0);
  PathLbl.Caption = "&Folder :";
  PathEdit.SetBounds(152, 68, 320, 21);
  PathEdit.Text = "C:\\Velmar";
  PathEdit.OnExit = [this] { PathEditExit(); };
  BrowseBtn.SetBounds(478, 66, 25, 25);
  BrowseBtn.Glyph = "PICK_FOLDER";
  BrowseBtn.OnClick = [this] { BrowseBtnClick(); };
  DesktopCB.SetBounds(152, 100, 170, 17);
  DesktopCB.Caption = "&Desktop shortcuts";
  StartMenuRB.SetBounds(152, 122, 170, 17);
  StartMenuRB.Caption = "&Start menu group";
  StartMenuRB.SetChecked(true);
  NoLinksRB.SetBounds(332, 122, 170, 17);
  NoLinksRB.Caption = "N&o shortcuts";
  ProjectTV.SetBounds(152, 148, 170, 100);
  ProjectTV.Images = "TREEVIEW_IMGS";
  auto& projects = ProjectTV.Add("Projects", 0);
  projects.Add("Demo", 0).Add("Demo.vpr", 2);
  projects.Add("Plant 1", 0).Add("Job.vpr", 2);
  projects.Expanded = true;
  ProjectTV.Add("Archives", 0).Add("Site.zip", 3);
  ProjectTV.OnChange = [this] {
    if (ProjectTV.Selected) StatBar.Text = "Project: " + ProjectTV.Selected->Text;
  };
  FilesLB.SetBounds(332, 148, 172, 100);
  FilesLB.OwnerDraw = true;
  FilesLB.Add("Velmar.exe");
  FilesLB.Items.back().TextColour = ui::colours::Navy;
  FilesLB.Add("Readme.txt");
  FilesLB.Add("Missing.dll");
  FilesLB.Items.back().TextColour = ui::colours::Red;
  FilesLB.Items.back().SelectedTextColour = ui::Colour{255, 255, 0};
  FilesLB.OnClick = [this] {
    if (auto* line = FilesLB.Selected()) StatBar.Text = "File: " + line->Text;
  };
  InfoMemo.SetBounds(16, 258, 488, 54);
  InfoMemo.ReadOnly = true;
  InfoMemo.ScrollBars = ui::ScrollBars::Vertical;
  InfoMemo.SetText("Ready to install.\r\nTarget folder and shortcuts are taken from the fields above.");
  ProgressPB.SetBounds(16, 320, 488, 14);
  ProgressPB.Smooth = true;
  Bevel1.SetBounds(16, 342, 488, 2);
  Bevel1.Shape = ui::BevelShape::TopLine;
  AskBtn.SetBounds(16, 352, 90, 28);
  AskBtn.Caption = "&Ask";
  AskBtn.OnClick = [this] { AskBtnClick(); };
  ReadmeBtn.SetBounds(112, 352, 90, 28);
  ReadmeBtn.Caption = "&Readme";
  ReadmeBtn.OnClick = [this] {
    TDemoReadmeForm viewer(GetHost());
    viewer.ShowModal();
  };
  NextBtn.SetBounds(310, 352, 94, 28);
  NextBtn.Caption = "&Next";
  NextBtn.Glyph = "BTN_NEXT";
  NextBtn.Default = true;
  NextBtn.OnClick = [this] { NextBtnClick(); };
  CancelBtn.SetBounds(410, 352, 94, 28);
  CancelBtn.Caption = "&Cancel";
  CancelBtn.Glyph = "BTN_CANCEL";
  CancelBtn.Cancel = true;
  CancelBtn.OnClick = [this] { CancelBtnClick(); };
  StatBar.SetBounds(3, 388, 514, 19);
  KeyPreview = true;
  OnKeyDown = [this](ui::Key key) {
    if (key != ui::Key::F1) return false;
    StatBar.Text = "No help on this page";
    return true;
  };
}

int THostDemoForm::Execute() {
  result_ = 0;
  ActiveControl = &PathEdit;
  Validate();
  ShowModal();
  return result_;
}

void THostDemoForm::Validate() {
  StatBar.Text = PathEdit.Text.empty() ? "Please enter the Velmar folder" : "";
  NextBtn.Enabled = !PathEdit.Text.empty();
}

void THostDemoForm::PathEditExit() {
  std::string& text = PathEdit.Text;
  text.erase(0, text.find_first_not_of(' '));
  text.erase(text.find_last_not_of(' ') + 1);
  Validate();
}

void THostDemoForm::BrowseBtnClick() {
  std::string start = PathEdit.Text;
  if (start.size() > 3 && start.back() == '\\') start.pop_back();
  if (auto folder = GetHost().BrowseForFolder("Select the Velmar folder", start)) PathEdit.Text = *folder;
  Validate();
}

void THostDemoForm::AskBtnClick() {
  ui::Answer answer = GetHost().ShowMessage(
      "Overwrite exisiting file ?\r\nC:\\Velmar\\Readme.txt", "Overwrite file", ui::MessageIcon::Question,
      {ui::Answer::Yes, ui::Answer::YesToAll, ui::Answer::No, ui::Answer::NoToAll, ui::Answer::Cancel});
  StatBar.Text = "Answer: " + ui::AnswerName(answer);
}

void THostDemoForm::NextBtnClick() {
  // Long work inside the page: the bar moves and the page stays alive.
  for (int position = 25; position <= 100; position += 25) {
    ProgressPB.Position = position;
    GetHost().Repaint(*this);
    GetHost().PumpMessages();
  }
  InfoMemo.Lines.push_back("Installed into " + PathEdit.Text + ".");
  result_ = 1;
  Close();
}

void THostDemoForm::CancelBtnClick() {
  if (GetHost().ShowMessage("Cancel the installation ?", ui::ApplicationTitle, ui::MessageIcon::Question,
                            ui::YesNoButtons) != ui::Answer::Yes)
    return;
  result_ = 0;
  Close();
}

TDemoReadmeForm::TDemoReadmeForm(ui::Host& host) : Page(host, "TDemoReadmeForm") {
  Caption = "VELMAR Readme.txt";
  Border = ui::PageBorder::Sizeable;
  ui::Size screen = host.ScreenSize();
  ClientWidth = screen.width < 800 ? 400 : 600;
  ClientHeight = screen.height / 2;
  TextMemo.SetBounds(10, 10, ClientWidth - 20, ClientHeight - 50);
  TextMemo.Anchors = ui::anchor::All;
  TextMemo.ReadOnly = true;
  TextMemo.ScrollBars = ui::ScrollBars::Vertical;
  std::string text = "Velmar process control system\r\n=============================\r\n\r\n";
  for (int i = 1; i <= 40; ++i) text += "Line " + std::to_string(i) + " of the readme file.\r\n";
  TextMemo.SetText(text);
  BottomPanel.SetBounds(0, ClientHeight - 40, ClientWidth, 40);
  BottomPanel.Anchors = ui::anchor::Left | ui::anchor::Right | ui::anchor::Bottom;
  BottomPanel.BevelOuter = ui::BevelCut::None;
  CloseBtn.SetBounds(ClientWidth - 100, ClientHeight - 34, 90, 28);
  CloseBtn.Anchors = ui::anchor::Right | ui::anchor::Bottom;
  CloseBtn.Caption = "&Close";
  CloseBtn.Cancel = true;
  CloseBtn.OnClick = [this] { Close(); };
  MinSize = {CloseBtn.Bounds.right() + 20, 5 * 40};
  KeyPreview = true;
  OnKeyDown = [this](ui::Key key) {
    if (key != ui::Key::Escape) return false;
    Close();
    return true;
  };
}

namespace {

// The unzip dialog as an installation shows it: an archive of a few hundred
// files unpacked into the temporary folder, then again with the question
// before each existing file. The time each run took goes to standard error.
void UnpackDemoArchive(velmar::InstallerContext& app) {
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  if (length == 0 || length > MAX_PATH) return;
  const std::string folder = velmar::platform::Narrow(temp) + "velmar-hostdemo\\";
  velmar::ForceFolder(app.os.files, folder);
  std::vector<velmar::zipwrite::ZipEntry> entries;
  for (int i = 0; i < 400; ++i)
    entries.push_back({"Velmar/Files/Part" + std::to_string(i) + ".dat", std::string(2000, char('a' + i % 26))});
  const std::string archive = folder + "Velmar3410.zip";
  auto file = app.os.files.create(archive);
  const std::string bytes = velmar::zipwrite::BuildZip(entries);
  if (!file || file->write(bytes.data(), bytes.size()) != int64_t(bytes.size()) || !file->close()) return;
  velmar::TOverwriteDlg overwrite(app);
  velmar::TUnzipForm unzip(app, overwrite);
  for (bool ask : {false, true}) {
    const auto start = std::chrono::steady_clock::now();
    unzip.Execute("Installing VELMAR Release 3410", archive, folder + "Out", ask);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::fprintf(stderr, "unzip dialog: %zu items in %lld ms%s\n", entries.size(), static_cast<long long>(ms.count()),
                 ask ? " (asking before overwriting)" : "");
  }
}

}  // namespace

Outcome RunDemo(ui::Host& host, bool withDemoPage) {
  Outcome outcome = Outcome::Finished;
  // The pages' context: this machine's services and English without a language file.
  velmar::platform::HostServices machine;
  velmar::platform::Services& os = machine.services();
  velmar::InstallSession session;
  session.Captions = velmar::ButtonCaptionsFor(1);
  velmar::LanguageSupport texts(os.files, "C:\\");
  velmar::InstallLog log(os.files, os.system.ansiCodePage(), [&os] { return os.system.now(); });
  velmar::InstallerContext app{os, host, session, texts, log};

  TMainForm main(host);
  main.Program = [&] {
    int language = 1;
    velmar::TLanguageForm languages(app);
    if (languages.Execute(language) != 1) {
      outcome = Outcome::Cancelled;
      return;
    }
    velmar::ShowAdminWarning(app);
    if (!withDemoPage) return;
    THostDemoForm demo(host);
    if (demo.Execute() != 1) {
      outcome = Outcome::Cancelled;
      return;
    }
    UnpackDemoArchive(app);
  };
  main.ShowModal();
  return outcome;
}

}  // namespace hostdemo
