#include "session/install_record.h"

#include "files/file_utils.h"
#include "base/path_utils.h"
#include "files/ini_file.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "base/timestamp.h"

namespace velmar {

std::string InstallRecordPath(platform::FileSystem& fs) {
  return WindowsFolder(fs) + "Vel_Inst.ini";
}

std::string RecordedProductFolder(platform::FileSystem& fs, CodePage ansiCodePage) {
  const std::string record = InstallRecordPath(fs);
  if (!FileExists(fs, record)) return "";
  return TIniFile(fs, record, ansiCodePage).ReadString("Install", "Velmar", "");
}

bool ProductFolderHoldsProduct(platform::FileSystem& fs, const std::string& folder) {
  return !folder.empty() && FolderExists(fs, folder) &&
         FileExists(fs, WithBackslash(folder) + "VelmarPM.exe");
}

bool ProductInstalled(platform::FileSystem& fs, CodePage ansiCodePage) {
  return ProductFolderHoldsProduct(fs, RecordedProductFolder(fs, ansiCodePage));
}

void WriteInstallRecord(platform::FileSystem& fs, CodePage ansiCodePage, const LanguageSupport& texts,
                        const InstallSession& session, const LocalDateTime& now) {
  TIniFile ini(fs, InstallRecordPath(fs), ansiCodePage);
  ini.WriteString("Install", "Info",
                  texts.TextWith(text::InstalledOn, FormatTimestamp(now)));
  ini.WriteString("Install", "Velmar", WithBackslash(session.VelmarPath));
  ini.UpdateFile();
}

SaveSettingsResult SaveSettings(platform::FileSystem& fs, CodePage ansiCodePage, const InstallSession& session,
                                const LocalDateTime& now) {
  const auto attributes = fs.attributes(session.SetupIniPath);
  if (!attributes || IsFolderEntry(*attributes)) return SaveSettingsResult::NoFile;
  // A medium's file on a CD cannot take the settings, whatever its attributes say.
  if ((*attributes & attr::ReadOnly) || IsOnCdRom(fs, session.SetupIniPath))
    return SaveSettingsResult::ReadOnly;

  TIniFile ini(fs, session.SetupIniPath, ansiCodePage);
  ini.WriteInteger("Config", "Language", session.LanguageIndex);
  ini.WriteString("Install", "VelmarPath", session.VelmarPath);
  ini.WriteString("Install", "ProjectsPath", session.ProjectsPath);
  ini.WriteString("Install", "LinkPath", session.LinkPath);
  ini.WriteString("Project", "ProjectFile", session.ProjectFile);
  ini.WriteString("Project", "LinkName", session.LinkName);
  ini.WriteString("Project", "Project", session.Project);
  ini.WriteString("Project", "Customer", session.Customer);
  if (session.ProductInstalledNow) ini.WriteString("Install", "Date", FormatTimestamp(now));
  ini.UpdateFile();
  return SaveSettingsResult::Saved;
}

}  // namespace velmar
