#include "app/main_form.h"

#include "app/command_line.h"
#include "app/dispatcher.h"
#include "custom/custom_installs.h"
#include "session/install_record.h"
#include "platform/system.h"
#include "platform/taskbar.h"
#include "files/file_utils.h"
#include "base/path_utils.h"
#include "base/text_case.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "ui/host.h"

namespace velmar {

TMainForm::TMainForm(InstallerContext& app, RunningProgramGuard& guard, const StartupFacts& facts)
    : Backdrop(app.host, "TMainForm"),
      SelectForm(app),
      LanguageForm(app),
      Wizard(app),
      Product(app),
      Projects(app),
      Patch(app),
      Custom(app),
      app_(app),
      guard_(guard) {
  try {
    FormCreate(facts);
  } catch (...) {
    // A start-up that fails (a Setup.ini that cannot be read) gives the
    // taskbar back; no destructor runs for a form that was never made.
    if (taskbarFound_) app_.os.taskbar.Show();
    throw;
  }
  KeyPreview = true;
  OnKeyDown = [this](ui::Key key) {
    if (key != ui::Key::Escape) return false;
    Close();
    return true;
  };
  OnShow = [this] {
    End = Dispatcher(app_, *this);
    // The end of the installer: the backdrop leaves the screen's edges free
    // as it goes.
    const ui::Size screen = GetHost().ScreenSize();
    ClientWidth = screen.width - 40;
    ClientHeight = screen.height - 40;
    Close();
  };
}

// Reached without FormDestroy only when the run is given up through an
// exception; that one says why, so nothing may escape from here.
TMainForm::~TMainForm() {
  try {
    FormDestroy();
  } catch (...) {
  }
}

void TMainForm::FormCreate(const StartupFacts& facts) {
  InstallSession& s = app_.session;
  platform::FileSystem& fs = app_.os.files;
  const CodePage ansi = app_.os.system.ansiCodePage();

  s.CustomInstall = false;
  guard_.AnnounceInstaller();

  s.SetupIniPath = s.MediumRoot + "Setup.ini";
  const auto attributes = fs.attributes(s.SetupIniPath);
  s.SetupIniReadOnly = !attributes || (*attributes & attr::ReadOnly);
  s.LicenceAccepted = false;
  s.CustomInstallList.clear();

  platform::Taskbar& taskbar = app_.os.taskbar;
  taskbarFound_ = taskbar.Find();
  if (taskbarFound_ && taskbar.IsVisible()) taskbar.Hide();

  ScanFolders(fs, s);
  ScanMedium(fs, s);
  LoadCustomInstalls(fs, ansi, s);
  LoadConfig(fs, ansi, s, State, s.SetupIniPath, facts.DefaultLanguageCode, GetHost().ScreenSize().width);
  if (const std::string installed = InstalledSetupIni(fs, ansi, s); !installed.empty()) {
    s.SetupIniPath = installed;
    LoadConfig(fs, ansi, s, State, installed, facts.DefaultLanguageCode, GetHost().ScreenSize().width);
  }

  const CommandLineChoices choices = ParseCommandLine(facts.Arguments);
  State.CommandLineLanguage = choices.Language;
  State.CommandLineFunction = choices.Function;
  if (choices.SkipWelcome) s.WelcomeShown = true;
  if (choices.SkipLicence) s.LicenceAccepted = true;
  if (State.CommandLineLanguage != -1) s.LanguageIndex = State.CommandLineLanguage;

  ApplyBackdrop();
}

void TMainForm::ApplyBackdrop() {
  const BackdropConfig& b = State.Backdrop;
  SetTitle(b.Title, b.FontName, b.FontSize);
  const std::pair<ui::Image*, const CornerPicture*> corners[] = {
      {&ImageTR, &b.TopRight}, {&ImageBR, &b.BottomRight}, {&ImageBL, &b.BottomLeft}};
  for (const auto& [image, picture] : corners) {
    image->Transparent = picture->Transparent;
    if (!picture->File.empty()) image->LoadFile(app_.os.files, picture->File);
    else if (!picture->Resource.empty()) image->LoadBuiltIn(picture->Resource);
  }
  // A custom install's logo takes the top-right corner.
  const CustomInstallRecord& custom = app_.session.Custom;
  const std::string logoExt = UpperCaseText(FileExtension(custom.LogoPath));
  if (logoExt == ".BMP" || logoExt == ".JPG") {
    ImageTR.Transparent = custom.LogoTransparent;
    ImageTR.LoadFile(app_.os.files, custom.LogoPath);
  }
  PlaceCornerPictures();
}

void TMainForm::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  // The taskbar comes back and the mutex goes even when the run is given up
  // at the settings message.
  struct Restore {
    TMainForm& form;
    ~Restore() {
      if (form.taskbarFound_) form.app_.os.taskbar.Show();
      form.guard_.Release();
    }
  } restore{*this};
  GetHost().Guard([this] {
    const auto saved = SaveSettings(app_.os.files, app_.os.system.ansiCodePage(), app_.session, app_.os.system.now());
    if (saved == SaveSettingsResult::ReadOnly)
      GetHost().ShowMessage(app_.texts.Text(text::SettingsNotSaved));
  });
}

}  // namespace velmar
