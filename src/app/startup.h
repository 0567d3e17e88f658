#pragma once
// Start-up: the configuration in Setup.ini, the installed copy of it, and the
// scan of what the medium offers.

#include <string>
#include <vector>

#include "base/codepage.h"
#include "session/install_session.h"
#include "platform/files/file_system.h"

namespace velmar {

// A corner picture of the backdrop: a picture file of the medium or a built-in bitmap.
struct CornerPicture {
  std::string File;      // full path of a .BMP or .JPG file, or empty
  std::string Resource;  // name of a built-in bitmap, or empty
  bool Transparent = false;
  bool empty() const { return File.empty() && Resource.empty(); }
};

struct BackdropConfig {
  std::string Title = "Velmar";
  std::string FontName = "Arial";
  int FontSize = 48;
  CornerPicture TopRight, BottomRight, BottomLeft;
};

// What the main window keeps besides InstallSession.
struct MainWindowState {
  int ConfigLanguage = -1;
  int CommandLineLanguage = -1;
  int CommandLineFunction = -1;
  BackdropConfig Backdrop;
};

// Reads one Setup.ini into the session and the backdrop; a second call
// overrides every value, with defaults where the second file lacks a key.
void LoadConfig(platform::FileSystem& fs, CodePage ansiCodePage, InstallSession& session, MainWindowState& state,
                const std::string& iniPath, int defaultLanguageCode, int screenWidth);

// The product's installed Setup.ini named by the installation record, when it
// exists and is not the file already in use; empty otherwise.
std::string InstalledSetupIni(platform::FileSystem& fs, CodePage ansiCodePage, const InstallSession& session);

void ScanFolders(platform::FileSystem& fs, InstallSession& session);
void ScanMedium(platform::FileSystem& fs, InstallSession& session);

// File names (without folders) of the archive's items with the extension
// ".VPR"; -1 when the archive does not exist.
int ListProjectFilesInZip(platform::FileSystem& fs, const std::string& archive,
                          std::vector<std::string>& names);

}  // namespace velmar
