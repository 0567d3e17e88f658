#pragma once
// The texts a person reads that are the same in every language and are not
// looked up in the language files, named once.

#include <array>
#include <string_view>

namespace velmar::fixed {

// The language page, read before a language is chosen. Its items are in the
// order German, French, Polish, English.
inline constexpr std::string_view LanguageCaption = "Language / Sprache";
inline constexpr std::array<std::string_view, 4> LanguageItems{"&Deutsch", "&Français", "&Polish", "&English"};
inline constexpr std::string_view LanguageContinue = "&Next/ Nächste";
inline constexpr std::string_view LanguageCancel = "&Cancel / Beenden";

// The warning about administrator rights.
inline constexpr std::string_view WarnAdminOk = "Ok";

// The question before an unpacked file replaces one that exists.
inline constexpr std::string_view OverwriteCaption = "Overwrite file";
inline constexpr std::string_view OverwriteQuestion = "Overwrite exisiting file ?";
inline constexpr std::string_view OverwriteYes = "&Yes";
inline constexpr std::string_view OverwriteYesToAll = "Yes to &all";
inline constexpr std::string_view OverwriteNo = "&No";
inline constexpr std::string_view OverwriteNoToAll = "No &to all";
inline constexpr std::string_view OverwriteCancel = "&Cancel";

// The extra installs' failures, in the message box and in the log.
inline constexpr std::string_view ExtraRunFailed = "ERROR executing ";
inline constexpr std::string_view ExtraCopyFailed = "ERROR copying ";

// A file that cannot be read, as the general error box words it: this
// prefix, the file's path, ": " and the reason.
inline constexpr std::string_view CannotRead = "Cannot read ";

}  // namespace velmar::fixed
