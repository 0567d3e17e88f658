#include "support/installer_fixture.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "app/run_installer.h"
#include "app/unattended.h"
#include "files/file_utils.h"
#include "files/ini_file.h"
#include "common/language_compiler.h"
#include "common/language_source.h"
#include "base/path_utils.h"
#include "formats/pe_checksum.h"
#include "platform/files/file_contents.h"
#include "support/child_modes.h"
#include "support/pe_image.h"

namespace velmar::test {
namespace {

std::string WithCrLf(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

std::vector<ZipEntry> OrOneFile(const std::vector<ZipEntry>& entries) {
  if (!entries.empty()) return entries;
  return {ZipEntry{.name = "Readme.txt", .data = "Velmar"}};
}

class ObservedHost : public ui::script::ScriptHost {
 public:
  ObservedHost(const ui::script::Script& script, const ui::script::ScriptHostOptions& options,
               const InstallerFixture& fixture)
      : ScriptHost(script, options), fixture_(fixture) {}
  void ShowModal(ui::Page& page) override {
    if (fixture_.onPageShown) fixture_.onPageShown(page);
    ScriptHost::ShowModal(page);
  }
  ui::Answer ShowMessage(const std::string& text, const std::string& caption, ui::MessageIcon icon,
                         ui::Buttons buttons) override {
    if (fixture_.onMessage)
      if (const auto answer = fixture_.onMessage(text, buttons)) return *answer;
    return ScriptHost::ShowMessage(text, caption, icon, buttons);
  }

 private:
  const InstallerFixture& fixture_;
};

// What Setup.exe holds unless the test wants a Windows program there.
constexpr std::string_view NotAProgram = "the installer's program file of the native build\n";

}  // namespace

InstallerFixture::InstallerFixture()
    : files(drive.fs(), drive.path("Windows")),
      processes(MakeQuietExplorerProcesses(drive)),
      registry(drive),
      shortcuts(MakePortShortcuts(drive)),
      mediumRoot_(drive.path("Medium\\")),
      programBytes_(NotAProgram),
      services_{files, system, mutexes, processes, registry.registry(), *shortcuts, taskbar} {
  drive.makeFolder("Windows\\System32");
  drive.makeFolder("Medium");
  processes.EndAtOnce("VelmarPM.exe");
}

InstallerFixture::~InstallerFixture() = default;

void InstallerFixture::PlaceMediumAt(std::string_view driveRelative) {
  mediumRoot_ = WithBackslash(drive.path(driveRelative));
  ForceFolder(files, mediumRoot_);
}

bool InstallerFixture::UseCdRomMedium(bool readOnlyFiles, std::string_view folder) {
  const auto root = drive.addDrive(platform::DriveType::CdRom);
  if (!root) return false;
  cdRoot_ = *root;
  mediumRoot_ = WithBackslash(*root + std::string(folder));
  cdRom_ = true;
  cdReadOnly_ = readOnlyFiles;
  return true;
}

void InstallerFixture::WriteFile(const std::string& path, std::string_view bytes) {
  if (!ForceFolder(files, FileFolderPart(path))) throw std::runtime_error("cannot create the folder of " + path);
  auto file = files.create(path);
  if (!file) throw std::runtime_error("cannot create " + path);
  const bool written = bytes.empty() || file->write(bytes.data(), bytes.size()) == int64_t(bytes.size());
  if (!file->close() || !written) throw std::runtime_error("cannot write " + path);
}

std::optional<std::string> InstallerFixture::ReadFile(const std::string& path) {
  return platform::ReadFileContents(files, path);
}

bool InstallerFixture::Exists(const std::string& path) { return files.attributes(path).has_value(); }

void InstallerFixture::SetReadOnly(const std::string& path, bool readOnly) {
  const uint32_t now = files.attributes(path).value_or(0);
  files.setAttributes(path, readOnly ? (now | attr::ReadOnly) : (now & ~attr::ReadOnly));
}

void InstallerFixture::SetHidden(const std::string& path) {
  files.setAttributes(path, files.attributes(path).value_or(0) | attr::Hidden);
}

std::string InstallerFixture::IniValue(const std::string& path, std::string_view section, std::string_view key) {
  return TIniFile(files, path, system.AnsiCodePage).ReadString(section, key, "<none>");
}

void InstallerFixture::WriteMediumFile(std::string_view relative, std::string_view bytes) {
  WriteFile(MediumPath(relative), bytes);
}

void InstallerFixture::WriteSetupIni(std::string_view text) { WriteMediumFile("Setup.ini", WithCrLf(text)); }

void InstallerFixture::WriteStandardMedium() {
  WriteSetupIni("[Config]\nLanguage=1\n[Install]\nVelmarPath=" + drive.path("Velmar") +
                "\nProjectsPath=" + drive.path("VelProj") + "\nLinkPath=" + drive.path("Velmar\\Projects") + "\n");
  WriteLanguage(44);
  WriteLanguage(49);
  WriteReadme("Readme.txt", "The Velmar readme.\r\nSecond line.\r\n");
  WriteReadme("Liesmich.txt", "Velmar liest man so.\r\n");
}

void InstallerFixture::WriteLanguage(int code, LanguageFiles form) {
  WriteLanguageSource(ReadTestData("..\\..\\src\\resources\\lang\\vsetup_" + std::to_string(code) + ".txt"), form);
}

void InstallerFixture::WriteLanguageSource(std::string_view source, LanguageFiles form) {
  const CompiledLanguage compiled = CompileLanguage(ParseLanguageSource(source));
  const std::string extension = ".L" + std::to_string(compiled.code);
  if (form != LanguageFiles::Separate) WriteMediumFile("Velmar" + extension, compiled.combinedFile);
  if (form != LanguageFiles::Combined) WriteMediumFile("VSETUP" + extension, compiled.separateFile);
}

void InstallerFixture::WriteZip(std::string_view relative, const std::vector<ZipEntry>& entries,
                                const ZipOptions& options) {
  WriteMediumFile(relative, BuildZip(entries, options));
}

void InstallerFixture::WriteProductArchive(std::string_view name, const std::vector<ZipEntry>& entries) {
  WriteZip("Velmar\\" + std::string(name), OrOneFile(entries));
}

void InstallerFixture::WritePatchArchive(std::string_view name, const std::vector<ZipEntry>& entries) {
  WriteZip("Patch\\" + std::string(name), OrOneFile(entries));
}

void InstallerFixture::WriteProgram(const VersionNumbers& version) {
  std::vector<uint8_t> bytes = MakePeImageBytes({.fileVersion = version});
  if (!StampPeChecksum(bytes)) throw std::runtime_error("the program image is no Windows program");
  programBytes_.assign(bytes.begin(), bytes.end());
}

std::string InstallerFixture::WindowsFolder() const { return drive.path("Windows\\"); }

void InstallerFixture::WriteInstallRecord(std::string_view velmarValue) {
  WriteFile(InstallRecordPath(), WithCrLf("[Install]\nVelmar=" + std::string(velmarValue) + "\n"));
}

std::string InstallerFixture::InstallProductAt(std::string_view driveRelative) {
  const std::string folder = WithBackslash(drive.path(driveRelative));
  WriteFile(folder + "VelmarPM.exe", "the project manager");
  WriteInstallRecord(folder);
  return folder;
}

std::unique_ptr<platform::HeldMutex> InstallerFixture::HoldMutex(const std::string& name) {
  return mutexes.Create(name);
}

std::unique_ptr<platform::Process> InstallerFixture::HoldMutexInChild(const std::string& name, int ms) {
  auto port = MakePortProcesses(drive);
  auto child = port->Start(
      ChildCommand(*port, "hold:" + std::to_string(ms) + ":" + mutexes.PortName(name)), platform::WindowShow::Normal);
  if (!child) throw std::runtime_error("cannot start the child that holds " + name);
  for (int i = 0; i < 1000 && !mutexes.Exists(name); ++i) {
    if (child->HasEnded()) throw std::runtime_error("the child that should hold " + name + " has ended");
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return child;
}

void InstallerFixture::MakeCdFilesReadOnly(const std::string& folder) {
  for (const auto& entry : files.find(folder + "*.*")) {
    if (entry.name == "." || entry.name == "..") continue;
    if (IsFolderEntry(entry.attributes))
      MakeCdFilesReadOnly(folder + entry.name + "\\");
    else
      SetReadOnly(folder + entry.name);
  }
}

InstallerRun InstallerFixture::Run(const ui::script::Script& script, const std::vector<std::string>& arguments) {
  const std::string program = MediumPath("Setup.exe");
  if (ReadFile(program) != programBytes_) WriteFile(program, programBytes_);
  system.ProgramPath = program;
  system.Files = &files;
  if (cdRom_ && cdReadOnly_) MakeCdFilesReadOnly(cdRoot_);

  ObservedHost host(script, hostOptions, *this);
  InstallerRun run;
  run.outcome = host.Run([&] { return OutcomeOf(RunInstaller(services_, host, arguments, run.session)); });
  run.transcript = host.TranscriptText();
  run.endMessage = host.EndMessage();
  return run;
}

ui::script::Script ToSelection(const std::string& language) {
  ui::script::Script script;
  script.Page("TLanguageForm").Select("LangRG", language).Click("ContinueBtn");
  script.Page("TWarnAdminForm").Click("OkBtn").Page("TSelectForm");
  return script;
}

ui::script::Script CancelAtLanguagePage() {
  ui::script::Script script;
  script.Page("TLanguageForm").Click("CancelBtn");
  return script;
}

ui::script::Script& BackToSelection(ui::script::Script& script) {
  return script.Page("TWarnAdminForm").Click("OkBtn").Page("TSelectForm");
}

ui::script::Script& StartInstall(ui::script::Script& script, ui::Key key) {
  return script.Key(key).Page("TWelcomeForm").Click("NextBtn").Page("TLicenceForm").Click("AcceptBtn");
}

namespace {

// The lines of a text, without their "\n".
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = 0, end; at < text.size(); at = end + 1) {
    end = std::min(text.find('\n', at), text.size());
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

}  // namespace

std::string PageBlock(const std::string& transcript, const std::string& page, int nth) {
  const std::vector<std::string> lines = Lines(transcript);
  std::vector<size_t> starts;
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == "page " + page || lines[i].starts_with("page " + page + " ")) starts.push_back(i);
  const size_t index = nth < 0 ? starts.size() - 1 : size_t(nth);
  if (index >= starts.size()) return "";
  std::string block = lines[starts[index]] + "\n";
  for (size_t i = starts[index] + 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.starts_with(">") || line.starts_with("closed ") || line.starts_with("page ") ||
        line.starts_with("message box"))
      break;
    block += line + "\n";
  }
  return block;
}

std::string ControlLine(const std::string& block, const std::string& control) {
  const std::string head = "  " + control + ": ";
  for (size_t at = 0; (at = block.find(head, at)) != std::string::npos; at += head.size()) {
    if (at != 0 && block[at - 1] != '\n') continue;
    const size_t end = block.find('\n', at);
    return block.substr(at + 2, end == std::string::npos ? std::string::npos : end - at - 2);
  }
  return "";
}

::testing::AssertionResult Contains(const std::string& text, const std::string& part) {
  if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << part << "\" is not in:\n" << text;
}

int TimesShown(const std::string& transcript, const std::string& page) {
  int count = 0;
  while (!PageBlock(transcript, page, count).empty()) ++count;
  return count;
}

std::string WithoutActions(const std::string& transcript) {
  std::string out;
  for (const std::string& line : Lines(transcript))
    if (!line.starts_with("> ")) out += line + "\n";
  return out;
}

std::vector<std::string> Messages(const std::string& transcript) {
  std::vector<std::string> boxes;
  bool inBox = false;
  for (const std::string& line : Lines(transcript)) {
    if (line.starts_with("message box")) {
      boxes.emplace_back();
      inBox = true;
    } else if (inBox && line.starts_with("  | ")) {
      boxes.back() += (boxes.back().empty() ? "" : "\n") + line.substr(4);
    } else {
      inBox = false;
    }
  }
  return boxes;
}

std::string LogEntries(const std::string& log) {
  std::vector<std::string> lines = Lines(log);
  std::string entries;
  for (size_t i = 1; i < lines.size(); ++i) {  // after the header
    std::string line = lines[i].ends_with('\r') ? lines[i].substr(0, lines[i].size() - 1) : lines[i];
    if (line.starts_with("- - -")) {
      line = "-";
      if (i + 1 < lines.size() && lines[i + 1] == "\r") ++i;
    } else if (line.size() >= 22 && line.compare(19, 3, " : ") == 0) {
      line.erase(0, 22);
    }
    entries += line + "\n";
  }
  return entries;
}

}  // namespace velmar::test
