#include "install/project_file.h"

#include <charconv>

#include "base/languages.h"
#include "files/ini_file.h"

namespace velmar {

ProductVersion ParseProductVersion(std::string_view text) {
  ProductVersion version;
  const size_t dot = text.find('.');
  if (text.size() < 2 || text[0] != '3' || dot == std::string_view::npos) return version;
  version.major = 3;
  version.accepted = true;
  std::string_view minor = text.substr(dot + 1);
  minor = minor.substr(0, minor.find('.'));
  int value = 0;
  const auto [end, error] = std::from_chars(minor.data(), minor.data() + minor.size(), value);
  version.minor = (error == std::errc() && end == minor.data() + minor.size() && !minor.empty()) ? value : 2;
  return version;
}

void WriteProjectFile(platform::FileSystem& fs, CodePage ansiCodePage, const std::string& path,
                      ProjectFileMode mode, const std::string& projectName, const std::string& customerName,
                      int languageCode, std::string_view productVersion) {
  TIniFile ini(fs, path, ansiCodePage);
  const bool create = mode == ProjectFileMode::Create;
  if (create || !projectName.empty()) ini.WriteString("Project", "ProjectName", projectName);
  if (create || !customerName.empty()) ini.WriteString("Project", "CustomerName", customerName);
  if (create) ini.WriteInteger("Project", "NewProject", 1);
  const ProductVersion version = ParseProductVersion(productVersion);
  if (!ini.ValueExists("Project", "MajorVer")) ini.WriteInteger("Project", "MajorVer", version.major);
  if (!ini.ValueExists("Project", "MinorVer")) ini.WriteInteger("Project", "MinorVer", version.minor);
  if (!ini.ValueExists("Project", "Revision")) ini.WriteInteger("Project", "Revision", 0);
  ini.WriteInteger("Config", "Language", LanguageOfCode(languageCode).code);
}

}  // namespace velmar
