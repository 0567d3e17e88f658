#pragma once
// Answer files: scripts for unattended runs, written by hand. Plain UTF-8
// text, one step a line:
//
//   # Install with the defaults, in English.
//   page TLanguageForm
//     select LangRG "English"
//     click ContinueBtn
//   page TSelectForm
//     key F2
//   page TMainInstallForm
//     type VelPathEdit "D:\Velmar"
//     click NextBtn
//   answer "Installation finished" OK
//
// A line holds no control characters but tabs (a carriage return only as part
// of its CR LF end). Texts stand in double quotes (a quote inside is written twice) and are taken
// as they are: a backslash is a backslash. Words (commands, names, keys,
// buttons) compare without regard to case. A "#" that begins a word starts a
// comment. ParseAnswerFile throws InstallerError naming the line on any
// mistake, so a file either reads completely or not at all.

#include <string>
#include <string_view>

#include "base/errors.h"
#include "ui/script/script.h"

namespace velmar::platform {
class FileSystem;
}

namespace velmar::ui::script {

// source names the text in messages: "Answer file, line 3: unknown key "F0"".
Script ParseAnswerFile(std::string_view text, std::string_view source = "Answer file");
// ReadAnswerFile's error for a file that cannot be opened or read.
class UnreadableAnswerFile : public InstallerError {
 public:
  using InstallerError::InstallerError;
};

// Reads the file (a Windows path) through the file system and parses it.
Script ReadAnswerFile(platform::FileSystem& files, const std::string& path);

}  // namespace velmar::ui::script
