#pragma once
// The customer-specific installs a medium defines in Custom\Custom.ini: which
// are offered at start-up, the record of the chosen one, and whether a
// custom folder holds a project.

#include <string>
#include <string_view>

#include "base/codepage.h"
#include "platform/files/file_system.h"
#include "files/ini_file.h"
#include "session/install_session.h"

namespace velmar {

// The values of one install's section of Custom.ini.
struct CustomInstallEntry {
  std::string Type, Folder;
  std::string Title44, Title49, Title33, Title48;
  std::string Select44, Select49, Select33;  // the line on the choice page
  std::string Logo;
  bool Transparent = false;
  std::string ProjectName, CustomerName, ShortcutName;
};

// Custom.ini of the medium.
TIniFile OpenCustomIni(platform::FileSystem& fs, const InstallSession& s, CodePage ansiCodePage);

// The values of the install's section (which must exist).
CustomInstallEntry ReadCustomInstallEntry(const TIniFile& ini, const std::string& section);

// The install's line on the choice page in the session's language; empty when
// it has none for that language.
const std::string& CustomSelectLine(const InstallSession& s, const CustomInstallEntry& entry);

// The choice page lists an install with a line for the user's language, the
// type BRENTA and a custom folder on the medium.
bool IsListedCustomInstall(platform::FileSystem& fs, const InstallSession& s, const CustomInstallEntry& entry);

// The choice page's OK: a listed install becomes the session's custom
// install, and its project, customer and shortcut names the session's (empty
// ones too). False, with nothing changed, for an install that is not listed.
bool ChooseCustomInstall(platform::FileSystem& fs, InstallSession& s, const CustomInstallEntry& entry);

// Why the entry is no usable install (see SelectCustomInstall), in a few
// English words; empty when it is usable.
std::string CustomInstallRefusal(platform::FileSystem& fs, const InstallSession& s, const CustomInstallEntry& entry);

// Reads Custom.ini of the medium into CustomInstallList and sets
// HasCustomInstalls. With exactly one install, that one is checked and, when
// usable, becomes the record (its logo path and transparency included); its
// project, customer and shortcut names are kept as start-up values. Several
// installs are offered without a check: the choice page checks each.
void LoadCustomInstalls(platform::FileSystem& fs, CodePage ansiCodePage, InstallSession& s);

// Makes the entry the session's custom install when it is usable: an English
// title and a German or French one, a folder and the type BRENTA (case aside),
// and a custom folder on the medium that holds something.
bool SelectCustomInstall(platform::FileSystem& fs, InstallSession& s, const CustomInstallEntry& entry);

// A plain file of the folder is a project file (".VPR") or an archive holding
// one.
bool HasCustomProject(platform::FileSystem& fs, std::string_view folder);

// The only kind of custom install there is.
bool IsBrentaType(std::string_view type);

// The custom folder of an install on the medium, with its trailing "\".
std::string CustomFolderPath(const InstallSession& s, std::string_view folder);

// The install's folder is a path of plain names below Custom\ and exists:
// no name in Custom.ini leads out of the medium's Custom folder.
bool CustomFolderExists(platform::FileSystem& fs, const InstallSession& s, std::string_view folder);

// The caption of F3 for the session's language: the install's own title, or
// empty when it has none for that language.
const std::string& CustomTitle(const InstallSession& s);

}  // namespace velmar
