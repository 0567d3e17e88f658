#include "services/shell/shell.h"

#include "session/installer_context.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/shortcuts.h"
#include "files/file_utils.h"
#include "base/path_utils.h"
#include "text/language_support.h"
#include "text/texts.h"
#include "ui/host.h"

namespace velmar {

std::string ReadShellFolder(platform::Registry& registry, const std::string& key, const std::string& name) {
  const auto value = registry.ReadString(platform::RootKey::CurrentUser, key, name);
  return value ? WithBackslash(*value) : std::string();
}

std::string ReadShellFolder(InstallerContext& app, const std::string& name) {
  return ReadShellFolder(app.os.registry, ShellFoldersKey, name);
}

bool CreateShortcut(InstallerContext& app, const std::string& linkPath, const std::string& target,
                    const std::string& description) {
  ShortcutProperties link;
  link.target = target;
  link.workingFolder = WithBackslash(FileFolderPart(target));
  link.description = description;
  if (app.os.shortcuts.CreateShortcut(linkPath, link)) return true;
  app.host.ShowMessage(app.texts.TextWith(text::ShortcutFailed, linkPath + " (" + target + ")"));
  app.LogLine("ERROR: Failed to create shortcut " + linkPath + " (" + target + ")");
  return false;
}

std::string ProgramCommandLine(const std::string& program, const std::string& arguments) {
  const bool quote = program.find_first_of(" \t") != std::string::npos;
  return (quote ? "\"" + program + "\"" : program) + arguments;
}

bool RunAndWait(InstallerContext& app, const std::string& commandLine, platform::WindowShow show, int periods) {
  const auto process = app.os.processes.Start(commandLine, show);
  if (!process) return false;
  for (int i = 0; periods == WaitToTheEnd || i < periods; ++i) {
    if (process->Wait(500)) break;
    app.host.PumpMessages();
  }
  return true;
}

bool RegisterProjectManager(InstallerContext& app) {
  const std::string program = WithBackslash(app.session.VelmarPath) + "VelmarPM.exe";
  if (!FileExists(app.os.files, program)) return true;
  const std::string commandLine = ProgramCommandLine(program, " /regserver");
  if (RunAndWait(app, commandLine, platform::WindowShow::Minimized, 21)) return true;
  app.LogLine("ERROR: Could not start " + commandLine);
  return false;
}

bool ExploreFolder(InstallerContext& app, const std::string& prefix, const std::string& folder) {
  return app.os.processes.Start(prefix + folder, platform::WindowShow::Normal) != nullptr;
}

}  // namespace velmar
