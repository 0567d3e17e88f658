#pragma once
// The installation record Vel_Inst.ini in the Windows folder, and the settings
// written back into Setup.ini at program end.

#include <string>

#include "session/install_session.h"
#include "platform/files/file_system.h"
#include "platform/system.h"

namespace velmar {

class LanguageSupport;

std::string InstallRecordPath(platform::FileSystem& fs);
// The record and Setup.ini are INI files in the system's ANSI code page.

// [Install] Velmar of the record; empty when there is no record.
std::string RecordedProductFolder(platform::FileSystem& fs, CodePage ansiCodePage);
// The recorded folder exists and holds VelmarPM.exe.
bool ProductInstalled(platform::FileSystem& fs, CodePage ansiCodePage);
bool ProductFolderHoldsProduct(platform::FileSystem& fs, const std::string& folder);

void WriteInstallRecord(platform::FileSystem& fs, CodePage ansiCodePage, const LanguageSupport& texts,
                        const InstallSession& session, const LocalDateTime& now);

enum class SaveSettingsResult { Saved, NoFile, ReadOnly };
// Writes the run's choices into SetupIniPath; the caller tells the user when
// the file is read-only or on a CD. A missing file is not created.
SaveSettingsResult SaveSettings(platform::FileSystem& fs, CodePage ansiCodePage, const InstallSession& session,
                                const LocalDateTime& now);

}  // namespace velmar
