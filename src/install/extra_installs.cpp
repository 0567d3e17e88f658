#include "install/extra_installs.h"

#include "base/trim.h"
#include "base/path_utils.h"
#include "base/text_case.h"
#include "files/file_utils.h"
#include "files/ini_file.h"
#include "services/shell/shell.h"
#include "text/fixed_texts.h"
#include "session/installer_context.h"
#include "ui/host.h"

namespace velmar {

std::string ReplaceFolderMacro(std::string_view text, std::string_view macro, std::string_view folder) {
  std::string result(text);
  const size_t at = result.find(macro);
  if (at != std::string::npos) result.replace(at, macro.size(), WithBackslash(folder));
  return result;
}

std::optional<std::string> ExpandExtraCommand(std::string_view line, const ExtraFolders& folders) {
  if (line.empty() || line.front() == ';') return std::nullopt;
  const size_t equals = line.find('=');
  std::string command = UpperCaseText(equals == std::string_view::npos || equals == 0 ? line : line.substr(equals + 1));
  command = ReplaceFolderMacro(command, "[EXTRAS]", folders.extras);
  command = ReplaceFolderMacro(command, "[WINDOWS]", folders.windows);
  command = ReplaceFolderMacro(command, "[WINSYS]", folders.system);
  return ReplaceFolderMacro(command, "[VELMAR]", folders.velmar);
}

ExtraCommand ParseExtraCommand(std::string_view text) {
  ExtraCommand parsed;
  const std::string command = TrimBlanks(text);
  const size_t blank = command.find(' ');
  if (command.empty() || blank == std::string::npos) return parsed;
  parsed.verb = AsciiUpperCase(command.substr(0, blank));
  const std::string rest = TrimBlanks(command.substr(blank + 1));
  if (rest.empty()) return parsed;
  if (rest.front() == '"') {
    // A quote closed at once ("") counts as unclosed: it names nothing.
    const std::string_view inner = std::string_view(rest).substr(1);
    const size_t quote = inner.find('"');
    if (quote != std::string_view::npos && quote >= 1) {
      parsed.first = std::string(TrimBlanks(rest.substr(0, quote + 2)));
      parsed.second = std::string(TrimBlanks(inner.substr(quote + 1)));
    } else {
      parsed.unclosedQuote = true;
    }
  } else if (const size_t space = rest.find(' '); space != std::string_view::npos) {
    parsed.first = std::string(TrimBlanks(rest.substr(0, space)));
    parsed.second = std::string(TrimBlanks(rest.substr(space + 1)));
  } else {
    parsed.first = std::string(rest);
  }
  return parsed;
}

bool IsKnownExtraVerb(std::string_view verb) { return verb == "RUN" || verb == "COPY"; }

bool ExecuteExtraCommand(InstallerContext& app, std::string_view command) {
  const ExtraCommand operands = ParseExtraCommand(command);
  const std::string& verb = operands.verb;
  if (verb == "RUN") {
    const std::string commandLine = operands.second.empty() ? operands.first : operands.first + " " + operands.second;
    app.LogLine("Extra install: RUN " + commandLine);
    if (RunAndWait(app, commandLine, platform::WindowShow::Normal, WaitToTheEnd)) return true;
    const std::string failed(fixed::ExtraRunFailed);
    app.host.ShowMessage(failed + "\r\n" + commandLine);
    app.LogLine(failed + commandLine);
    return false;
  }
  if (verb == "COPY") {
    app.LogLine("Extra install: COPY " + operands.first + " -to- " + operands.second);
    if (CopyFileContents(app.os.files, Unquote(operands.first), Unquote(operands.second)) == 1) return true;
    const std::string failed(fixed::ExtraCopyFailed);
    app.host.ShowMessage(failed + "\r\n" + operands.first + "to\r\n" + operands.second);
    app.LogLine(failed + ">" + operands.first + "< -to- >" + operands.second + "<");
    return false;
  }
  return true;
}

bool RunExtraInstalls(InstallerContext& app) {
  const ExtraFolders folders{app.session.MediumRoot + "Extras\\", WindowsFolder(app.os.files),
                             SystemFolder(app.os.files), app.session.VelmarPath};
  const TIniFile settings(app.os.files, app.session.SetupIniPath, app.os.system.ansiCodePage());
  bool allDone = true;
  for (const std::string& line :
       settings.ReadSectionValues(app.os.system.isNtFamily() ? "NT_Install" : "9x_Install")) {
    if (const auto command = ExpandExtraCommand(line, folders)) allDone = ExecuteExtraCommand(app, *command) && allDone;
  }
  return allDone;
}

}  // namespace velmar
