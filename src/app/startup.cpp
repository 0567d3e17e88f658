#include "app/startup.h"

#include <algorithm>

#include "session/install_record.h"
#include "base/errors.h"
#include "files/file_utils.h"
#include "base/path_utils.h"
#include "files/ini_file.h"
#include "text/language_support.h"
#include "projects/archive_projects.h"
#include "services/zip/unzipper.h"

namespace velmar {
namespace {

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return s;
}

std::string UpperExtension(const std::string& name) {
  const auto dot = name.find_last_of(".\\/");
  if (dot == std::string::npos || name[dot] != '.') return "";
  return Upper(name.substr(dot));
}

void LoadPicture(platform::FileSystem& fs, const InstallSession& session, const std::string& name,
                 CornerPicture& picture) {
  const std::string path = session.MediumRoot + name;
  if (FileExists(fs, path) && IsImageFile(name)) picture = CornerPicture{path, "", picture.Transparent};
}

// The same projects the project choice page lists: a damaged archive offers
// none, and the scan goes on.
bool ArchiveHoldsProjectFile(platform::FileSystem& fs, const std::string& archive) {
  const auto projects = ReadArchiveProjects(fs, archive);
  return projects && !projects->ProjectFiles.empty();
}

bool SearchProjectFiles(platform::FileSystem& fs, const std::string& folder) {
  for (const auto& entry : fs.find(folder + "*.*")) {
    if (IsFolderEntry(entry.attributes)) {
      if (!entry.name.empty() && entry.name[0] != '.' &&
          SearchProjectFiles(fs, folder + entry.name + "\\"))
        return true;
    } else if (IsPlainFileEntry(entry.attributes)) {
      const std::string ext = UpperExtension(entry.name);
      if (ext == ".VPR") return true;
      if (ext == ".ZIP" && ArchiveHoldsProjectFile(fs, folder + entry.name)) return true;
    }
  }
  return false;
}

int ArchiveVersion(const std::string& fileName) {
  const std::string name = NameWithoutExt(fileName);
  if (name.size() <= 6) return -1;
  const std::string digits = name.substr(6);
  if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return -1;
  return std::stoi(digits);
}

}  // namespace

void LoadConfig(platform::FileSystem& fs, CodePage ansiCodePage, InstallSession& session, MainWindowState& state,
                const std::string& iniPath, int defaultLanguageCode, int screenWidth) {
  TIniFile ini(fs, iniPath, ansiCodePage);

  state.ConfigLanguage = ini.ReadInteger("Config", "Language", -1);
  if (state.ConfigLanguage == -1) state.ConfigLanguage = LanguageIndexOfCode(defaultLanguageCode);
  session.LanguageIndex = state.ConfigLanguage;

  BackdropConfig& b = state.Backdrop;
  b.Title = ini.ReadString("Title", "Title", "Velmar");
  b.FontName = ini.ReadString("Title", "FontName", "Arial");
  b.FontSize = ini.ReadInteger("Title", "FontSize", 48);

  if (const std::string name = ini.ReadString("ImageTR", "Image", ""); !name.empty()) {
    LoadPicture(fs, session, name, b.TopRight);
    b.TopRight.Transparent = ini.ReadBool("ImageTR", "Transparent", false);
  }
  if (const std::string name = ini.ReadString("ImageBR", "Image", ""); !name.empty()) {
    b.BottomRight.Transparent = ini.ReadBool("ImageBR", "Transparent", false);
    LoadPicture(fs, session, name, b.BottomRight);
  } else {
    b.BottomRight = CornerPicture{"", screenWidth > 800 ? "LOGO34_SPLASH" : "LOGO34_ABOUT", true};
  }
  if (const std::string name = ini.ReadString("ImageBL", "Image", ""); !name.empty()) {
    b.BottomLeft.Transparent = ini.ReadBool("ImageBL", "Transparent", false);
    LoadPicture(fs, session, name, b.BottomLeft);
  } else {
    b.BottomLeft = CornerPicture{"", "KRAVOCR", false};
  }

  session.VelmarPath = ini.ReadString("Install", "VelmarPath", "C:\\Velmar");
  session.ProjectsPath = ini.ReadString("Install", "ProjectsPath", "C:\\VelProj");
  session.LinkPath = ini.ReadString("Install", "LinkPath", "C:\\Velmar\\Projects");
  session.ProjectFile = ini.ReadString("Project", "ProjectFile", "");
  session.LinkName = ini.ReadString("Project", "LinkName", "");
  session.Project = ini.ReadString("Project", "Project", "");
  session.Customer = ini.ReadString("Project", "Customer", "");
}

std::string InstalledSetupIni(platform::FileSystem& fs, CodePage ansiCodePage, const InstallSession& session) {
  const std::string folder = RecordedProductFolder(fs, ansiCodePage);
  if (folder.empty() || !FolderExists(fs, folder)) return "";
  const std::string path = WithBackslash(folder) + "Install\\Setup.ini";
  if (Upper(path) == Upper(session.SetupIniPath) || !FileExists(fs, path)) return "";
  return path;
}

void ScanFolders(platform::FileSystem& fs, InstallSession& session) {
  const std::string& root = session.MediumRoot;
  session.HasVelmarFolder = FolderExists(fs, root + "Velmar\\");
  session.HasCustomFolder = FolderExists(fs, root + "Custom\\");
  session.HasPatchFolder = FolderExists(fs, root + "Patch\\");
  session.HasProjectsFolder = FolderExists(fs, root + "Projects\\");
  session.HasToolsFolder = FolderExists(fs, root + "Tools\\");
}

void ScanMedium(platform::FileSystem& fs, InstallSession& session) {
  const std::string& root = session.MediumRoot;

  session.ProductArchiveList.clear();
  for (const auto& entry : fs.find(root + "Velmar\\Velmar*.zip")) {
    if (IsFolderEntry(entry.attributes)) continue;
    const int version = ArchiveVersion(entry.name);
    if (version > 3200) session.ProductArchiveList.emplace(Upper(root + entry.name), version);
  }

  session.PatchArchiveList.clear();
  for (const auto& entry : fs.find(root + "Patch\\*.zip"))
    if (!IsFolderEntry(entry.attributes)) session.PatchArchiveList.emplace(entry.name, 0);

  session.ProjectFilesFound = SearchProjectFiles(fs, root + "Projects\\");

  session.DemoState = 0;
  if (FileExists(fs, root + "Projects\\Demo\\Demo.vpr")) {
    session.DemoState = 1;
  } else {
    std::vector<std::string> names;
    if (ListProjectFilesInZip(fs, root + "Projects\\Demo\\Demo.zip", names) > 0 &&
        std::any_of(names.begin(), names.end(), [](const std::string& n) { return Upper(n) == "DEMO.VPR"; }))
      session.DemoState = 2;
  }

  session.ToolsAvailable = false;
  if (session.HasToolsFolder) {
    for (const auto& entry : fs.find(root + "Tools\\*.*")) {
      const bool subFolder = IsFolderEntry(entry.attributes) && !entry.name.empty() && entry.name[0] != '.';
      if (subFolder || IsPlainFileEntry(entry.attributes)) {
        session.ToolsAvailable = true;
        break;
      }
    }
  }
}

int ListProjectFilesInZip(platform::FileSystem& fs, const std::string& archive,
                          std::vector<std::string>& names) {
  names.clear();
  if (!FileExists(fs, archive)) return -1;
  TAbUnZipper zip(fs);
  try {
    zip.SetFileName(archive);
  } catch (const InstallerError&) {
    return 0;
  }
  for (int i = 0; i < zip.ItemCount(); ++i) {
    const std::string& stored = zip.Item(i).FileName;
    const auto slash = stored.find_last_of('/');
    const std::string name = slash == std::string::npos ? stored : stored.substr(slash + 1);
    if (UpperExtension(name) == ".VPR") names.push_back(name);
  }
  return static_cast<int>(names.size());
}

}  // namespace velmar
