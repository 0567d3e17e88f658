#include "custom/custom_installs.h"

#include "base/path_utils.h"
#include "base/text_case.h"
#include "projects/archive_projects.h"
#include "files/file_utils.h"
#include "files/ini_file.h"

namespace velmar {
namespace {

constexpr uint32_t NotPlain = attr::Hidden | attr::System | attr::VolumeLabel | attr::Folder;

bool HasEntries(platform::FileSystem& fs, const std::string& folder) {
  for (const platform::DirEntry& e : fs.find(folder + "*.*"))
    if (e.name != "." && e.name != "..") return true;
  return false;
}

}  // namespace

bool IsBrentaType(std::string_view type) { return UpperCaseText(type) == "BRENTA"; }

std::string CustomFolderPath(const InstallSession& s, std::string_view folder) {
  return s.MediumRoot + "Custom\\" + std::string(folder) + "\\";
}

bool CustomFolderExists(platform::FileSystem& fs, const InstallSession& s, std::string_view folder) {
  return IsPlainRelativePath(folder) && FolderExists(fs, CustomFolderPath(s, folder));
}

// Custom.ini names texts for German, French and English; every other language
// uses the English one.
const std::string& ByLanguage(int languageIndex, const std::string& english, const std::string& german,
                              const std::string& french) {
  switch (languageIndex) {
    case 0: return german;
    case 2: return french;
    default: return english;
  }
}

const std::string& CustomTitle(const InstallSession& s) {
  return ByLanguage(s.LanguageIndex, s.Custom.Title44, s.Custom.Title49, s.Custom.Title33);
}

const std::string& CustomSelectLine(const InstallSession& s, const CustomInstallEntry& entry) {
  return ByLanguage(s.LanguageIndex, entry.Select44, entry.Select49, entry.Select33);
}

TIniFile OpenCustomIni(platform::FileSystem& fs, const InstallSession& s, CodePage ansiCodePage) {
  return TIniFile(fs, s.MediumRoot + "Custom\\Custom.ini", ansiCodePage);
}

CustomInstallEntry ReadCustomInstallEntry(const TIniFile& ini, const std::string& section) {
  const auto read = [&](const char* key) { return ini.ReadString(section, key, ""); };
  CustomInstallEntry e;
  e.Type = read("Type");
  e.Folder = read("Folder");
  e.Title44 = read("Title44");
  e.Title49 = read("Title49");
  e.Title33 = read("Title33");
  e.Title48 = read("Title48");
  e.Select44 = read("Select44");
  e.Select49 = read("Select49");
  e.Select33 = read("Select33");
  e.Logo = read("Logo");
  e.Transparent = ini.ReadInteger(section, "Transparent", 0) != 0;
  e.ProjectName = read("ProjectName");
  e.CustomerName = read("CustomerName");
  e.ShortcutName = read("ShortcutName");
  return e;
}

bool IsListedCustomInstall(platform::FileSystem& fs, const InstallSession& s, const CustomInstallEntry& entry) {
  return !CustomSelectLine(s, entry).empty() && IsBrentaType(entry.Type) && !entry.Folder.empty() &&
         CustomFolderExists(fs, s, entry.Folder);
}

std::string CustomInstallRefusal(platform::FileSystem& fs, const InstallSession& s, const CustomInstallEntry& entry) {
  if (entry.Title44.empty()) return "no English title (Title44)";
  if (entry.Title49.empty() && entry.Title33.empty()) return "neither a German nor a French title (Title49, Title33)";
  if (entry.Folder.empty()) return "no folder (Folder)";
  if (!IsPlainRelativePath(entry.Folder))
    return "its folder \"" + entry.Folder + "\" is not a path of plain names below Custom\\";
  if (!IsBrentaType(entry.Type)) return "type \"" + entry.Type + "\" is not BRENTA";
  if (!HasEntries(fs, CustomFolderPath(s, entry.Folder))) return "its folder Custom\\" + entry.Folder + "\\ is missing or empty";
  return "";
}

namespace {

// Type, folder, titles and logo of the entry into the record; the start-up
// values and the chosen project file stay.
void StoreCustomInstall(platform::FileSystem& fs, InstallSession& s, const CustomInstallEntry& entry) {
  CustomInstallRecord& r = s.Custom;
  r.LogoPath.clear();
  r.LogoTransparent = false;
  const std::string folder = CustomFolderPath(s, entry.Folder);
  r.Type = UpperCaseText(entry.Type);
  r.FolderName = entry.Folder;
  r.FolderPath = folder;
  r.Title44 = entry.Title44;
  r.Title49 = entry.Title49;
  r.Title33 = entry.Title33;
  r.Title48 = entry.Title48;
  if (!entry.Logo.empty() && FileExists(fs, folder + entry.Logo)) {
    r.LogoPath = folder + entry.Logo;
    r.LogoTransparent = entry.Transparent;
  }
}

}  // namespace

bool SelectCustomInstall(platform::FileSystem& fs, InstallSession& s, const CustomInstallEntry& entry) {
  if (CustomInstallRefusal(fs, s, entry).empty()) {
    StoreCustomInstall(fs, s, entry);
    return true;
  }
  StoreCustomInstall(fs, s, CustomInstallEntry{});
  s.Custom.FolderPath.clear();
  return false;
}

bool ChooseCustomInstall(platform::FileSystem& fs, InstallSession& s, const CustomInstallEntry& entry) {
  if (!IsListedCustomInstall(fs, s, entry)) return false;
  StoreCustomInstall(fs, s, entry);
  s.Project = entry.ProjectName;
  s.Customer = entry.CustomerName;
  s.LinkName = entry.ShortcutName;
  return true;
}

void LoadCustomInstalls(platform::FileSystem& fs, CodePage ansiCodePage, InstallSession& s) {
  s.Custom = CustomInstallRecord{};
  s.HasCustomInstalls = false;
  s.CustomInstallList.clear();
  if (!s.HasCustomFolder || !FileExists(fs, s.MediumRoot + "Custom\\Custom.ini")) return;
  const TIniFile ini = OpenCustomIni(fs, s, ansiCodePage);
  for (const std::string& line : ini.ReadSectionValues("CustomInstalls"))
    s.CustomInstallList.push_back(line.substr(line.find('=') + 1));
  if (s.CustomInstallList.size() > 1) {
    s.HasCustomInstalls = true;
    return;
  }
  if (s.CustomInstallList.empty()) return;
  const std::string& section = s.CustomInstallList.front();
  if (!ini.SectionExists(section)) return;
  const CustomInstallEntry entry = ReadCustomInstallEntry(ini, section);
  s.HasCustomInstalls = SelectCustomInstall(fs, s, entry);
  s.Custom.ProjectName = entry.ProjectName;
  s.Custom.CustomerName = entry.CustomerName;
  s.Custom.ShortcutName = entry.ShortcutName;
}

bool HasCustomProject(platform::FileSystem& fs, std::string_view folder) {
  const std::string base = WithBackslash(folder);
  for (const platform::DirEntry& e : fs.find(base + "*.*")) {
    if (e.attributes & NotPlain) continue;
    const std::string ext = UpperCaseText(FileExtension(e.name));
    if (ext == ".VPR") return true;
    if (ext != ".ZIP") continue;
    const auto projects = ReadArchiveProjects(fs, base + e.name);
    if (projects && !projects->ProjectFiles.empty()) return true;
  }
  return false;
}

}  // namespace velmar
