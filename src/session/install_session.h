#pragma once
// The one program-wide record of a run: medium facts, configuration values,
// run flags and the options of the install flows.

#include <map>
#include <string>
#include <vector>

#include "platform/files/file_system.h"
#include "text/language_support.h"

namespace velmar {

// Sorted without regard to case, duplicates ignored.
struct CaseInsensitiveLess {
  bool operator()(const std::string& a, const std::string& b) const;
};

struct CustomInstallRecord {
  std::string Type, FolderName, FolderPath;
  std::string Title44, Title49, Title33, Title48;
  std::string LogoPath;
  bool LogoTransparent = false;
  std::string ProjectName, CustomerName, ShortcutName;
  std::string ProjectFileName;
};

struct InstallSession {
  std::string MediumRoot;
  bool MediumIsCdRom = false;
  VersionNumbers InstallerVersion;
  std::string SetupIniPath;
  bool SetupIniReadOnly = true;
  int LanguageIndex = 0;

  std::string VelmarPath = "C:\\Velmar";
  std::string ProjectsPath = "C:\\VelProj";
  std::string LinkPath = "C:\\Velmar\\Projects";
  std::string ProjectFile, LinkName, Project, Customer;
  std::string ReadmePath;

  bool HasVelmarFolder = false, HasCustomFolder = false, HasPatchFolder = false,
       HasProjectsFolder = false, HasToolsFolder = false;

  // Key: upper-cased archive path; value: its version number.
  std::map<std::string, int, CaseInsensitiveLess> ProductArchiveList;
  std::map<std::string, int, CaseInsensitiveLess> PatchArchiveList;  // values unused
  bool ProjectFilesFound = false;
  int DemoState = 0;  // 0 none, 1 Demo.vpr present, 2 Demo.zip holds DEMO.VPR
  bool ToolsAvailable = false;

  std::vector<std::string> CustomInstallList;
  bool HasCustomInstalls = false;
  CustomInstallRecord Custom;

  bool ProductInstalledNow = false;
  // A function of this run reported a failed step: the run ends as finished
  // with errors.
  bool StepFailed = false;
  // Files the user chose not to have replaced: no later step of the run
  // replaces them.
  std::vector<std::string> KeptFiles;
  bool WelcomeShown = false;
  bool LicenceAccepted = false;

  int SelectedVersion = 0;
  bool MakeProject = false, DefaultProject = false;
  bool InstallDemo = false, DemoIsDefault = false;
  std::string StartMenuGroup = "Velmar";
  bool DesktopLinks = true, Autostart = false;
  bool CustomInstall = false;
  // The serial port of a custom install's driver files, 1 to 4; 0: none chosen.
  int BrentaComPort = 0;

  ButtonCaptions Captions;
};

// The user answered No to replacing the file (by any of its names) earlier
// in this run.
bool KeptByUser(platform::FileSystem& fs, const InstallSession& s, const std::string& path);
// Remembers that answer.
void KeepForUser(InstallSession& s, const std::string& path);

}  // namespace velmar
