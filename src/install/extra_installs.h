#pragma once
// The extra install commands a medium's Setup.ini lists for the product
// installation's end: RUN a program from the medium and wait for it, or COPY
// one file, with the folder macros [EXTRAS], [WINDOWS], [WINSYS] and [VELMAR].

#include <optional>
#include <string>
#include <string_view>

namespace velmar {

struct InstallerContext;

// The folders the macros stand for, each with a trailing backslash.
struct ExtraFolders {
  std::string extras, windows, system, velmar;
};

// The text with the first occurrence of the macro replaced by the folder
// (with a trailing backslash); unchanged when the macro does not occur.
std::string ReplaceFolderMacro(std::string_view text, std::string_view macro, std::string_view folder);
// One "Key=Command" line ready to run: the command upper-cased, then the
// macros replaced; nothing for an empty or comment line.
std::optional<std::string> ExpandExtraCommand(std::string_view line, const ExtraFolders& folders);
// One expanded command split as it is run: the verb (upper-cased) and its
// operands. The first operand is quoted (and may hold blanks) or ends at the
// next blank; the second is the rest. A command without a blank has no verb
// and is passed over; an unclosed quote leaves both operands empty.
struct ExtraCommand {
  std::string verb, first, second;
  bool unclosedQuote = false;
};
ExtraCommand ParseExtraCommand(std::string_view command);
// RUN and COPY are carried out; other verbs are passed over.
bool IsKnownExtraVerb(std::string_view verb);

// Runs one command; a RUN that cannot start or a COPY that fails is shown and
// logged. False then; other verbs are passed over.
bool ExecuteExtraCommand(InstallerContext& app, std::string_view command);
// Every command of NT_Install (9x_Install before the NT family) of the
// settings at SetupIniPath, in order; false when one of them failed.
bool RunExtraInstalls(InstallerContext& app);

}  // namespace velmar
