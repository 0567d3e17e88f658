#include "common/medium_check.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

#include "app/dispatcher.h"
#include "app/startup.h"
#include "base/errors.h"
#include "base/path_utils.h"
#include "base/text_case.h"
#include "custom/custom_installs.h"
#include "custom/driver_port.h"
#include "install/extra_installs.h"
#include "install/install_product.h"
#include "platform/pictures.h"
#include "projects/archive_projects.h"
#include "projects/project_tree.h"
#include "files/file_utils.h"
#include "files/ini_file.h"
#include "files/program_check.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "services/wizard/wizard_page.h"
#include "services/zip/unzipper.h"
#include "session/install_session.h"
#include "ui/controls.h"

namespace velmar::medcheck {
namespace {

// The medium's parts in the order the report lists them.
enum Part { SetupProgram, SetupIni, Languages, Readmes, Releases, Patches, Projects, Customs, PartCount };

// An item failure's text, as the unzip dialog would name it.
std::string ItemFailureText(TAbErrorClass errorClass, int code) {
  switch (errorClass) {
    case TAbErrorClass::ecAbbrevia: return ZipErrorMessage(code);
    case TAbErrorClass::ecInOutError: return "the archive could not be read";
    default: return "the item could not be read";
  }
}

// Control characters in a stored name would garble the report.
std::string Printable(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return text;
}

// One archive read in full, with CRC check, on a worker thread.
struct ArchiveJob {
  Part part;
  std::string path, relative;
  std::vector<Finding> findings;
};

constexpr size_t MaxItemLines = 10;

void ReadArchive(platform::FileSystem& fs, ArchiveJob& job) {
  const auto error = [&](std::string text) { job.findings.push_back({Severity::Error, job.relative, std::move(text)}); };
  TAbUnZipper zip(fs);
  size_t failed = 0;
  zip.OnProcessItemFailure = [&](TAbUnZipper&, const TAbArchiveItem& item, TAbProcessType, TAbErrorClass errorClass,
                                 int code) {
    if (++failed <= MaxItemLines) error(Printable(item.FileName) + ": " + ItemFailureText(errorClass, code));
  };
  try {
    zip.SetFileName(job.path);
    zip.TestFiles("*.*");
  } catch (const InstallerError& e) {
    const std::string what = e.what();
    error(job.part == Projects ? what + " F5 offers none of its projects." : what);
    return;
  }
  if (failed > MaxItemLines) error("and " + std::to_string(failed - MaxItemLines) + " more items fail");

  switch (job.part) {
    case Releases: {
      bool manager = false;
      for (int i = 0; i < zip.ItemCount(); ++i) manager = manager || SameText(zip.Item(i).FileName, "VelmarPM.exe");
      if (!manager) error("holds no VelmarPM.exe at its top: the project manager cannot be registered");
      break;
    }
    case Patches:
      if (zip.ZipfileComment().empty())
        job.findings.push_back({Severity::Warning, job.relative, "has no comment: the patch page shows none"});
      break;
    case Projects: {
      const auto projects = ReadArchiveProjects(fs, job.path);
      if (projects && projects->ProjectFiles.empty())
        job.findings.push_back({Severity::Warning, job.relative, "holds no project file: F5 does not offer it"});
      break;
    }
    default: break;
  }
}

void ReadArchives(platform::FileSystem& fs, std::vector<ArchiveJob>& jobs, std::atomic<size_t>& next) {
  for (size_t i = next++; i < jobs.size(); i = next++) ReadArchive(fs, jobs[i]);
}

class Checker {
 public:
  Checker(platform::FileSystem& fs, const std::string& root, const CheckOptions& options)
      : fs_(fs), root_(WithBackslash(root)), options_(options), pictures_(platform::MakeHostPictures(fs)) {
    s_.MediumRoot = root_;
    s_.SetupIniPath = root_ + "Setup.ini";
  }

  Report Run();

 private:
  std::string Relative(const std::string& path) const {
    return path.size() >= root_.size() && SameText(path.substr(0, root_.size()), root_) ? path.substr(root_.size())
                                                                                         : path;
  }
  void Add(Part part, Severity severity, const std::string& file, std::string text) {
    found_[part].push_back({severity, file, std::move(text)});
  }
  void Queue(Part part, const std::string& path) { jobs_.push_back({part, path, Relative(path), {}}); }

  void StartUp();
  void CheckSetupProgram();
  void CheckSetupIni();
  void CheckPicture(Part part, const std::string& file, const std::string& what, const std::string& named);
  void CheckExtraCommands(const TIniFile& ini);
  void CheckLanguages();
  void CheckReadmes();
  void QueueReleases();
  void CheckProjects();
  void CheckCustomInstalls();
  void CheckCustomInstall(const TIniFile& ini, const std::string& section);
  void QueueArchivesBelow(Part part, const std::string& folder, bool recurse);

  platform::FileSystem& fs_;
  const std::string root_;
  const CheckOptions options_;
  std::unique_ptr<platform::Pictures> pictures_;
  InstallSession s_;
  MainWindowState state_;
  bool setupIniRead_ = false;
  std::vector<Finding> found_[PartCount];
  std::vector<ArchiveJob> jobs_;
  std::vector<std::string> details_;
};

// The installer's own start-up: the medium's folders and archives, the custom
// installs, Setup.ini (a screen wider than 800 pixels, an English Windows).
void Checker::StartUp() {
  ScanFolders(fs_, s_);
  ScanMedium(fs_, s_);
  try {
    LoadCustomInstalls(fs_, options_.ansiCodePage, s_);
  } catch (const InstallerError& e) {
    Add(Customs, Severity::Error, "Custom\\Custom.ini", e.what());
  }
  if (!FileExists(fs_, s_.SetupIniPath)) {
    Add(SetupIni, Severity::Warning, "Setup.ini", "missing: every setting takes its default, no extra install runs");
    return;
  }
  try {
    LoadConfig(fs_, options_.ansiCodePage, s_, state_, s_.SetupIniPath, 44, 1024);
    TIniFile(fs_, s_.SetupIniPath, options_.ansiCodePage).ReadSectionValues("NT_Install");
    setupIniRead_ = true;
  } catch (const InstallerError& e) {
    Add(SetupIni, Severity::Error, "Setup.ini", std::string(e.what()) + ": the installer stops at start-up");
  }
}

void Checker::CheckSetupProgram() {
  const std::string name = "Setup.exe";
  switch (CheckProgramFile(fs_, root_ + name)) {
    case ProgramCheck::Damaged:
      Add(SetupProgram, Severity::Error, name, "damaged: its checksum does not match its contents");
      break;
    case ProgramCheck::NotStamped:
      Add(SetupProgram, Severity::Error, name, "no checksum recorded: the file was altered after the build");
      break;
    case ProgramCheck::Unreadable: Add(SetupProgram, Severity::Error, name, "missing or unreadable"); break;
    default: break;  // intact, or the native build's program
  }
}

void Checker::CheckPicture(Part part, const std::string& file, const std::string& what, const std::string& named) {
  if (!FileExists(fs_, named))
    Add(part, Severity::Warning, file, what + " " + Relative(named) + " is missing: it is not shown");
  else if (!IsImageFile(named))
    Add(part, Severity::Warning, file, what + " " + Relative(named) + " is neither .BMP nor .JPG: it is not shown");
  else if (!pictures_->loadFile(named))
    Add(part, Severity::Warning, Relative(named), what + " does not decode: it is not shown");
}

void Checker::CheckSetupIni() {
  if (!setupIniRead_) return;
  const std::string file = "Setup.ini";
  const TIniFile ini(fs_, s_.SetupIniPath, options_.ansiCodePage);

  if (const std::string language = ini.ReadString("Config", "Language", ""); !language.empty()) {
    int value = 0;
    if (!ParseIniInteger(language, value))
      Add(SetupIni, Severity::Warning, file,
          "[Config] Language=" + language + " is no number: the language of Windows is offered");
    else if (value < -1 || value > 3)
      Add(SetupIni, Severity::Warning, file,
          "[Config] Language=" + language + " is none of 0 German, 1 English, 2 French, 3 Polish");
  }

  const std::pair<const char*, const std::string*> folders[] = {
      {"VelmarPath", &s_.VelmarPath}, {"ProjectsPath", &s_.ProjectsPath}, {"LinkPath", &s_.LinkPath}};
  for (const auto& [key, value] : folders) {
    const std::string folder = TrimBlanks(*value);
    const std::string at = std::string("[Install] ") + key + "=" + *value;
    if (folder.empty())
      Add(SetupIni, Severity::Warning, file, at + " is empty: the folder page waits until one is typed");
    else if (folder.size() < 3 || folder[1] != ':' || folder[2] != '\\' || !std::isalpha(static_cast<unsigned char>(folder[0])))
      Add(SetupIni, Severity::Warning, file, at + " is not a full path with a drive");
  }

  const std::pair<const char*, const CornerPicture*> corners[] = {{"ImageTR", &state_.Backdrop.TopRight},
                                                                  {"ImageBR", &state_.Backdrop.BottomRight},
                                                                  {"ImageBL", &state_.Backdrop.BottomLeft}};
  for (const auto& [section, picture] : corners) {
    const std::string name = ini.ReadString(section, "Image", "");
    if (!name.empty()) CheckPicture(SetupIni, file, std::string("[") + section + "] picture", root_ + name);
  }
  CheckExtraCommands(ini);
}

// Each command as the product installation's end would run it; [WINDOWS],
// [WINSYS] and [VELMAR] lie on the machine and are not looked at.
void Checker::CheckExtraCommands(const TIniFile& ini) {
  const ExtraFolders folders{root_ + "Extras\\", "C:\\Windows\\", "C:\\Windows\\System32\\", s_.VelmarPath};
  for (const char* section : {"NT_Install", "9x_Install"}) {
    for (const std::string& line : ini.ReadSectionValues(section)) {
      const auto command = ExpandExtraCommand(line, folders);
      if (!command) continue;
      const ExtraCommand parsed = ParseExtraCommand(*command);
      const std::string at = std::string("[") + section + "] " + line;
      const auto add = [&](Severity severity, const std::string& text) { Add(SetupIni, severity, "Setup.ini", at + ": " + text); };
      if (parsed.verb.empty()) {
        add(Severity::Warning, "no verb and operand: passed over");
      } else if (!IsKnownExtraVerb(parsed.verb)) {
        add(Severity::Warning, "unknown verb " + parsed.verb + " (RUN, COPY): passed over");
      } else if (parsed.unclosedQuote) {
        add(Severity::Error, "unclosed quote: the command fails");
      } else if (parsed.first.empty() || (parsed.verb == "COPY" && parsed.second.empty())) {
        add(Severity::Error, parsed.verb == "COPY" ? "COPY needs a source and a target" : "RUN names no program");
      } else {
        const std::string source = Unquote(parsed.first);
        if (SameText(source.substr(0, std::min(source.size(), folders.extras.size())), folders.extras) &&
            !FileExists(fs_, source))
          add(Severity::Error, Relative(source) + " is not on the medium");
      }
    }
  }
}

void Checker::CheckLanguages() {
  for (int index = 0; index < 4; ++index) {
    const int code = LanguageCodeOf(index);
    LanguageSupport texts(fs_, root_);
    texts.Initialise();
    const std::string file = (texts.CombinedMode() ? "Velmar.L" : "VSETUP.L") + std::to_string(code);
    if (!FileExists(fs_, root_ + file)) {
      Add(Languages, Severity::Error, file, "missing: the installer stops in this language");
      continue;
    }
    int result = LanguageSupport::InvalidRequest;
    try {
      result = texts.Load(code);
    } catch (const InstallerError& e) {
      Add(Languages, Severity::Error, file, std::string(e.what()) + ": the installer stops in this language");
      continue;
    }
    if (result != LanguageSupport::Loaded) {
      Add(Languages, Severity::Error, file, "is not a language file: the installer stops in this language");
      continue;
    }
    std::vector<int> missing;
    for (const text::EnglishText& english : text::EnglishTexts)
      if (texts.TextLength(text::Group, english.id) == 0) missing.push_back(english.id);
    for (int line = 0; line < text::LicenceLineCount; ++line)
      if (texts.TextLength(text::Group, text::LicenceFirstLine + line) == 0)
        missing.push_back(text::LicenceFirstLine + line);
    if (missing.empty()) continue;
    std::sort(missing.begin(), missing.end());
    std::string ids;
    for (size_t i = 0; i < missing.size(); ++i) {
      size_t last = i;
      while (last + 1 < missing.size() && missing[last + 1] == missing[last] + 1) ++last;
      if (!ids.empty()) ids += ", ";
      ids += std::to_string(missing[i]);
      if (last > i) ids.append("-").append(std::to_string(missing[last]));
      i = last;
    }
    Add(Languages, Severity::Warning, file,
        "lacks text" + std::string(missing.size() > 1 ? "s " : " ") + ids + ": English (or nothing) shows instead");
  }
}

void Checker::CheckReadmes() {
  static const char* const Names[] = {"German", "English", "French", "Polish"};
  std::vector<std::string> seen;
  for (int index = 0; index < 4; ++index) {
    const std::string name = ReadmeFileName(index);
    if (std::find(seen.begin(), seen.end(), name) != seen.end()) continue;
    seen.push_back(name);
    if (FileExists(fs_, root_ + name)) continue;
    std::string languages;
    for (int other = index; other < 4; ++other)
      if (ReadmeFileName(other) == name) languages += (languages.empty() ? "" : " and ") + std::string(Names[other]);
    Add(Readmes, Severity::Warning, name, "missing: F6 shows no readme in " + languages);
  }
}

void Checker::QueueReleases() {
  for (const platform::DirEntry& entry : fs_.find(root_ + "Velmar\\*.zip")) {
    if (!IsPlainFileEntry(entry.attributes)) continue;
    const auto listed = s_.ProductArchiveList.find(UpperCaseText(root_ + entry.name));
    if (listed == s_.ProductArchiveList.end())
      Add(Releases, Severity::Warning, "Velmar\\" + entry.name,
          "not offered: its name gives no version above 3200 after \"Velmar\"");
    else if (const std::string name = ReleaseArchiveName(listed->second); !SameText(entry.name, name))
      Add(Releases, Severity::Error, "Velmar\\" + entry.name,
          "offered as release " + ReleaseText(listed->second) + ", but F2 unpacks Velmar\\" + name + ": name it so");
    else
      Queue(Releases, root_ + "Velmar\\" + entry.name);
  }
  if (s_.HasVelmarFolder && s_.ProductArchiveList.empty())
    Add(Releases, Severity::Error, "Velmar\\", "holds no release archive: F2 and F3 are not offered");
  for (const auto& [name, unused] : s_.PatchArchiveList) Queue(Patches, root_ + "Patch\\" + name);
}

void Checker::QueueArchivesBelow(Part part, const std::string& folder, bool recurse) {
  for (const platform::DirEntry& entry : fs_.find(folder + "*.*")) {
    if (IsPlainFileEntry(entry.attributes) && SameText(FileExtension(entry.name), ".zip"))
      Queue(part, folder + entry.name);
    else if (recurse && IsFolderEntry(entry.attributes) && !entry.name.empty() && entry.name[0] != '.')
      QueueArchivesBelow(part, folder + entry.name + "\\", true);
  }
}

void PrintTree(const ui::TreeNode& node, const std::string& indent, std::vector<std::string>& lines) {
  for (const auto& child : node.Children) {
    lines.push_back(indent + child->Text);
    PrintTree(*child, indent + "  ", lines);
  }
}

void Checker::CheckProjects() {
  if (!s_.HasProjectsFolder) return;
  const std::string folder = root_ + "Projects\\";
  QueueArchivesBelow(Projects, folder, true);
  ui::TreeNode tree;
  std::vector<ProjectChoice> choices;
  AddProjectTree(fs_, tree, folder, choices);
  SortTreeNodes(tree);
  details_.push_back("Projects F5 offers:");
  PrintTree(tree, "  ", details_);
  if (choices.empty()) Add(Projects, Severity::Warning, "Projects\\", "F5 offers no project");
  if (FolderExists(fs_, folder + "Demo\\") && s_.DemoState == 0)
    Add(Projects, Severity::Warning, "Projects\\Demo\\",
        "F2 finds no demo project: it needs Demo.vpr, or Demo.zip holding DEMO.VPR");
}

void Checker::CheckCustomInstall(const TIniFile& ini, const std::string& section) {
  const std::string file = "Custom\\Custom.ini";
  const std::string name = "install [" + section + "]";
  if (!ini.SectionExists(section)) {
    Add(Customs, Severity::Error, file, name + " refused: the section is missing");
    return;
  }
  const CustomInstallEntry entry = ReadCustomInstallEntry(ini, section);
  if (const std::string refusal = CustomInstallRefusal(fs_, s_, entry); !refusal.empty()) {
    Add(Customs, Severity::Error, file, name + " refused: " + refusal);
    return;
  }
  details_.push_back("Custom " + name + " accepted: Custom\\" + entry.Folder + "\\");
  const std::string folder = CustomFolderPath(s_, entry.Folder);
  const std::string relative = Relative(folder);
  // The only install cannot go on without a project; one of several is a red
  // line on the choice page that cannot be chosen.
  if (!HasCustomProject(fs_, folder)) {
    if (s_.CustomInstallList.size() == 1)
      Add(Customs, Severity::Error, relative, "holds no project (a .VPR file, or an archive holding one)");
    else
      Add(Customs, Severity::Warning, relative,
          "holds no project (a .VPR file, or an archive holding one): its line cannot be chosen");
  }
  if (!entry.Logo.empty()) CheckPicture(Customs, file, name + " logo", folder + entry.Logo);
  QueueArchivesBelow(Customs, folder, false);
  for (const platform::DirEntry& e : fs_.find(folder + "*.vdr")) {
    if (e.attributes & (attr::Folder | attr::VolumeLabel)) continue;
    const std::string driver = relative + e.name;
    switch (CheckDriverFile(fs_, options_.ansiCodePage, folder + e.name, BrentaDriverHeader)) {
      case DriverFile::NotADriver:
        Add(Customs, Severity::Warning, driver, "lacks the driver headers: its serial port is not set");
        break;
      case DriverFile::Unreadable: Add(Customs, Severity::Error, driver, "cannot be read"); break;
      case DriverFile::NoPortText:
        Add(Customs, Severity::Error, driver, "holds no \"ComPortNum[\" in bytes 48 to 120: its port cannot be set");
        break;
      case DriverFile::NoPortDigit:
        Add(Customs, Severity::Error, driver, "holds no port digit 1 to 8 after \"ComPortNum[\": its port cannot be set");
        break;
      case DriverFile::Patchable: break;
    }
  }
}

void Checker::CheckCustomInstalls() {
  const std::string path = root_ + "Custom\\Custom.ini";
  if (!s_.HasCustomFolder) return;
  if (!FileExists(fs_, path)) {
    Add(Customs, Severity::Warning, "Custom\\", "holds no Custom.ini: F3 is not offered");
    return;
  }
  if (s_.CustomInstallList.empty()) {
    Add(Customs, Severity::Warning, "Custom\\Custom.ini", "lists no install in [CustomInstalls]: F3 is not offered");
    return;
  }
  const TIniFile ini(fs_, path, options_.ansiCodePage);
  for (const std::string& section : s_.CustomInstallList) CheckCustomInstall(ini, section);
}

Report Checker::Run() {
  StartUp();
  QueueReleases();
  CheckProjects();
  try {
    CheckCustomInstalls();
  } catch (const InstallerError& e) {
    Add(Customs, Severity::Error, "Custom\\", e.what());
  }

  // The archives are the bulk of the work: read them on worker threads while
  // the rest is checked here.
  std::atomic<size_t> next{0};
  std::vector<std::thread> workers;
  const size_t count = std::min<size_t>(std::max(1u, options_.threads), jobs_.size());
  for (size_t i = 0; i < count; ++i) workers.emplace_back([&] { ReadArchives(fs_, jobs_, next); });
  struct Join {
    std::vector<std::thread>& workers;
    ~Join() {
      for (auto& worker : workers) worker.join();
    }
  } join{workers};

  CheckSetupProgram();
  try {
    CheckSetupIni();
  } catch (const InstallerError& e) {
    Add(SetupIni, Severity::Error, "Setup.ini", e.what());
  }
  CheckLanguages();
  CheckReadmes();
  for (auto& worker : workers) worker.join();
  workers.clear();

  for (ArchiveJob& job : jobs_)
    for (Finding& finding : job.findings) found_[job.part].push_back(std::move(finding));
  Report report;
  for (auto& part : found_)
    for (Finding& finding : part) report.findings.push_back(std::move(finding));
  report.details = std::move(details_);
  return report;
}

}  // namespace

int Report::ExitStatus() const {
  int status = 0;
  for (const Finding& finding : findings) status = std::max(status, finding.severity == Severity::Error ? 2 : 1);
  return status;
}

Report CheckMedium(platform::FileSystem& fs, const std::string& mediumRoot, const CheckOptions& options) {
  return Checker(fs, mediumRoot, options).Run();
}

std::string FormatFinding(const Finding& finding) {
  return std::string(finding.severity == Severity::Error ? "error" : "warning") + ": " +
         (finding.file.empty() ? "" : finding.file + ": ") + finding.text;
}

}  // namespace velmar::medcheck
