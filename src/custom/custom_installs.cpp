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

const std::string& CustomTitle(const InstallSession& s) {
  switch (s.LanguageIndex) {
    case 0: return s.Custom.Title49;
    case 2: return s.Custom.Title33;
    default: return s.Custom.Title44;
  }
}

CustomInstallEntry ReadCustomInstallEntry(const TIniFile& ini, const std::string& section) {
  const auto read = [&](const char* key) { return ini.ReadString(section, key, ""); };
  return CustomInstallEntry{read("Type"),    read("Folder"),  read("Title44"), read("Title49"),
                            read("Title33"), read("Title48"), read("Logo"),
                            ini.ReadInteger(section, "Transparent", 0) != 0};
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

bool SelectCustomInstall(platform::FileSystem& fs, InstallSession& s, const CustomInstallEntry& entry) {
  CustomInstallRecord& r = s.Custom;
  r.Type.clear();
  r.FolderName.clear();
  r.FolderPath.clear();
  r.Title44.clear();
  r.Title49.clear();
  r.Title33.clear();
  r.Title48.clear();
  r.LogoPath.clear();
  r.LogoTransparent = false;
  if (!CustomInstallRefusal(fs, s, entry).empty()) return false;
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
  return true;
}

void LoadCustomInstalls(platform::FileSystem& fs, CodePage ansiCodePage, InstallSession& s) {
  s.Custom = CustomInstallRecord{};
  s.HasCustomInstalls = false;
  s.CustomInstallList.clear();
  const std::string path = s.MediumRoot + "Custom\\Custom.ini";
  if (!s.HasCustomFolder || !FileExists(fs, path)) return;
  const TIniFile ini(fs, path, ansiCodePage);
  for (const std::string& line : ini.ReadSectionValues("CustomInstalls"))
    s.CustomInstallList.push_back(line.substr(line.find('=') + 1));
  if (s.CustomInstallList.size() > 1) {
    s.HasCustomInstalls = true;
    return;
  }
  if (s.CustomInstallList.empty()) return;
  const std::string& section = s.CustomInstallList.front();
  if (!ini.SectionExists(section)) return;
  const auto read = [&](const char* key) { return ini.ReadString(section, key, ""); };
  s.HasCustomInstalls = SelectCustomInstall(fs, s, ReadCustomInstallEntry(ini, section));
  s.Custom.ProjectName = read("ProjectName");
  s.Custom.CustomerName = read("CustomerName");
  s.Custom.ShortcutName = read("ShortcutName");
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
