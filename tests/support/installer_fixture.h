#pragma once
// Whole-program tests of the installer: a medium on a temporary drive, the
// machine's services on the real ports (registry, shortcuts, processes,
// mutexes, files), fixed facts of the machine, and RunInstaller played by a
// script built in C++.
//
//   test::InstallerFixture f;
//   f.WriteSetupIni("[Config]\nLanguage=1\n");
//   f.WriteLanguage(44);
//   f.WriteReadme("Readme.txt", "Hello");
//   const auto run = f.Run(test::ToSelection("English").Key(ui::Key::Esc));
//   EXPECT_EQ(run.outcome, ui::script::Outcome::Finished);
//   EXPECT_THAT(test::ControlLine(test::PageBlock(run.transcript, "TSelectForm"), "ViewRB"), ...);
//
// The medium lies in the folder "Medium\" of the drive (or on a CD-ROM drive,
// see UseCdRomMedium); the Windows folder, which holds the installation
// record Vel_Inst.ini, is "Windows\" of the drive. Paths given as "relative"
// are relative to the medium root, paths given as "drive-relative" to the
// drive root; both are written with backslashes.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "session/install_session.h"
#include "platform/mutexes.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/system.h"
#include "platform/taskbar.h"
#include "support/installer_files.h"
#include "support/recording_processes.h"
#include "support/shell_ports.h"
#include "support/temp_drive.h"
#include "support/zip_writer.h"
#include "ui/script/script.h"
#include "ui/script/script_host.h"

namespace velmar::test {

// The facts of the machine, fixed by the test like the drive table.
class FixedSystemInfo : public platform::SystemInfo {
 public:
  std::string ProgramPath;
  int PrimaryLanguage = 9;  // English
  bool NtFamily = true;
  CodePage AnsiCodePage = CodePage::Cp1252;
  LocalDateTime Now{2026, 12, 5, 11, 24, 29};

  // Where the program file is read for its version, as on Windows.
  platform::FileSystem* Files = nullptr;

  std::string programPath() override { return ProgramPath; }
  VersionNumbers programVersion() override {
    return Files ? Files->fileVersion(ProgramPath).value_or(VersionNumbers{}) : VersionNumbers{};
  }
  int primaryLanguage() override { return PrimaryLanguage; }
  CodePage ansiCodePage() override { return AnsiCodePage; }
  bool isNtFamily() override { return NtFamily; }
  LocalDateTime now() override { return Now; }
};

// A taskbar that is there and says what was done to it.
class TaskbarStandIn : public platform::Taskbar {
 public:
  bool Exists = true;
  bool Visible = true;
  int Hidden = 0;
  int Shown = 0;

  bool Find() override { return Exists; }
  bool IsVisible() override { return Visible; }
  void Hide() override {
    Visible = false;
    ++Hidden;
  }
  void Show() override {
    Visible = true;
    ++Shown;
  }
};

// The port's processes with "explorer.exe ..." started as a harmless program.
std::unique_ptr<platform::Processes> MakeQuietExplorerProcesses(TempDrive& drive);

// Which of the two forms of a language file a medium carries.
enum class LanguageFiles { Combined, Separate, Both };

// What a run left behind.
struct InstallerRun {
  ui::script::Outcome outcome = ui::script::Outcome::Failed;
  std::string transcript;
  std::string endMessage;  // why the script stopped or the run failed
  InstallSession session;  // as the program left it
};

class InstallerFixture {
 public:
  InstallerFixture();
  ~InstallerFixture();
  InstallerFixture(const InstallerFixture&) = delete;
  InstallerFixture& operator=(const InstallerFixture&) = delete;

  TempDrive drive;
  InstallerFiles files;
  FixedSystemInfo system;
  TaskbarStandIn taskbar;
  PrivateMutexes mutexes;
  // The port's, with the explorer and a VelmarPM.exe that is only data
  // programs that start and end at once (processes.Refuse("explorer.exe"):
  // one that cannot start).
  RecordingProcesses processes;
  TestRegistry registry;
  std::unique_ptr<platform::Shortcuts> shortcuts;
  ui::script::ScriptHostOptions hostOptions;  // screen size and colour depth
  // Called as each page (the backdrop too) comes on screen, before the
  // script acts on it: lets a test look at the files in the middle of a run.
  std::function<void(const ui::Page&)> onPageShown;
  // Asked first for every message box the program shows (the general error
  // box aside): an answer answers it without a step of the script; nothing
  // leaves it to the script.
  std::function<std::optional<ui::Answer>(const std::string& text, ui::Buttons buttons)> onMessage;

  platform::Services& services() { return services_; }

  // --- The medium -------------------------------------------------------
  // The folder Setup.exe runs from, with a trailing backslash.
  const std::string& MediumRoot() const { return mediumRoot_; }
  std::string MediumPath(std::string_view relative) const { return mediumRoot_ + std::string(relative); }
  // Runs Setup.exe from another folder of the drive ("Velmar\Install"), which
  // is created; the program file goes there too.
  void PlaceMediumAt(std::string_view driveRelative);
  // Moves the medium to a new CD-ROM drive, into folder ("" its root,
  // "Velmar\Install"). All files of the CD are made read-only when the run
  // starts, as a CD's are, unless told otherwise. False where the port
  // cannot make such a drive (the test then skips).
  bool UseCdRomMedium(bool readOnlyFiles = true, std::string_view folder = "");

  // A medium to start from: Setup.ini with English and the product's
  // folders on the test's drive ("Velmar", "VelProj", "Velmar\Projects"),
  // the English and German language files (combined), Readme.txt and
  // Liesmich.txt.
  void WriteStandardMedium();

  // Writes a file, creating its folders; the text goes as it is.
  void WriteMediumFile(std::string_view relative, std::string_view bytes);
  // Line ends become CR LF.
  void WriteSetupIni(std::string_view text);
  std::string SetupIniPath() const { return MediumPath("Setup.ini"); }
  // The committed texts of a language (49, 44, 33, 48), compiled.
  void WriteLanguage(int code, LanguageFiles form = LanguageFiles::Combined);
  // Texts of a language source ("language 44\n33 Install it\n"), compiled.
  void WriteLanguageSource(std::string_view source, LanguageFiles form = LanguageFiles::Combined);
  void WriteReadme(std::string_view name, std::string_view text) { WriteMediumFile(name, text); }
  // Velmar\<name> with the given items (one small file when none are given).
  void WriteProductArchive(std::string_view name, const std::vector<ZipEntry>& entries = {});
  // Patch\<name>, the same way.
  void WritePatchArchive(std::string_view name, const std::vector<ZipEntry>& entries = {});
  // A zip archive anywhere on the medium.
  void WriteZip(std::string_view relative, const std::vector<ZipEntry>& entries, const ZipOptions& options = {});
  // Setup.exe as a Windows program with this version and a valid checksum;
  // without it the medium holds a file that is no Windows program, as the
  // native build's program is.
  void WriteProgram(const VersionNumbers& version);
  // The bytes Setup.exe gets when a run starts (written when they differ).
  const std::string& ProgramBytes() const { return programBytes_; }
  void SetProgramBytes(std::string bytes) { programBytes_ = std::move(bytes); }

  // --- The machine ------------------------------------------------------
  std::string WindowsFolder() const;  // with a trailing backslash
  std::string InstallRecordPath() const { return WindowsFolder() + "Vel_Inst.ini"; }
  // Vel_Inst.ini with [Install] Velmar = the value as given.
  void WriteInstallRecord(std::string_view velmarValue);
  // A product folder (drive-relative) holding VelmarPM.exe and named by the
  // installation record; its full path with a trailing backslash.
  std::string InstallProductAt(std::string_view driveRelative);
  // A mutex held by this test program until the result is dropped.
  std::unique_ptr<platform::HeldMutex> HoldMutex(const std::string& name);
  // A mutex held by a child process for ms milliseconds; returns once the
  // child holds it.
  std::unique_ptr<platform::Process> HoldMutexInChild(const std::string& name, int ms);

  // --- Files ------------------------------------------------------------
  void WriteFile(const std::string& path, std::string_view bytes);
  std::optional<std::string> ReadFile(const std::string& path);
  bool Exists(const std::string& path);
  void SetReadOnly(const std::string& path, bool readOnly = true);
  void SetHidden(const std::string& path);
  // A value of an INI file as the installer reads it; "<none>" when absent.
  std::string IniValue(const std::string& path, std::string_view section, std::string_view key);

  // --- Running ----------------------------------------------------------
  InstallerRun Run(const ui::script::Script& script, const std::vector<std::string>& arguments = {});

 private:
  void MakeCdFilesReadOnly(const std::string& folder);

  std::string cdRoot_;
  std::string mediumRoot_;
  std::string programBytes_;
  bool cdRom_ = false;
  bool cdReadOnly_ = false;
  platform::Services services_;
};

// --- Scripts --------------------------------------------------------------
// The language page answered with an item ("English", "Deutsch", "Français",
// "Polish") and Continue, the administrator warning acknowledged: the script
// goes on with the selection page.
ui::script::Script ToSelection(const std::string& language = "English");
// The language page cancelled: the program ends after start-up, so the
// session shows what start-up found.
ui::script::Script CancelAtLanguagePage();
// After a function: the warning acknowledged again and the selection page.
ui::script::Script& BackToSelection(ui::script::Script& script);
// An install function's key on the selection page, then the welcome page and
// the licence accepted: the script goes on with the function's first page.
ui::script::Script& StartInstall(ui::script::Script& script, ui::Key key);

// --- Transcripts ----------------------------------------------------------
// The lines of the nth showing (0 first, -1 last) of a page, from its "page"
// line up to the first action or its closing; empty when it was not shown.
std::string PageBlock(const std::string& transcript, const std::string& page, int nth = 0);
// The line of one control in a page block, without its indent; empty when
// the page does not show it.
std::string ControlLine(const std::string& block, const std::string& control);
// Whether text holds part; on failure both are shown.
::testing::AssertionResult Contains(const std::string& text, const std::string& part);
// How often a page was shown.
int TimesShown(const std::string& transcript, const std::string& page);
// The text lines ("  | ...") of every message box, each box joined by "\n".
std::vector<std::string> Messages(const std::string& transcript);
// The transcript without its action lines ("> ..."): what the pages showed.
std::string WithoutActions(const std::string& transcript);

// --- Logs ------------------------------------------------------------------
// The entries of an Install.log after its header, one a line ending in "\n",
// without their time stamps: the separator and its empty line read "-", an
// empty entry "".
std::string LogEntries(const std::string& log);

}  // namespace velmar::test
