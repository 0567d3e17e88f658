#pragma once
// The transcript of a run: every page shown with what a user sees on it, what
// changes on it after each action, every message box and folder browser, each
// action done, and how the run ended. Plain UTF-8 lines, stable, for people
// and for tests:
//
//   page TLanguageForm
//     LangRG: radio group "Language / Sprache"
//       ( ) _Deutsch
//       (*) _English
//     ContinueBtn: button "_Next/ Nächste", default
//   > click ContinueBtn
//   closed TLanguageForm
//   end: finished
//
// Captions show their mnemonic letter with an underscore before it. Controls
// that are not visible are left out, and so are panels without a caption,
// bevels and empty pictures; a disabled control ends with ", disabled".

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/host.h"
#include "ui/page.h"

namespace velmar::ui::script {

// A text on one line: its line breaks show as "↵".
std::string OneLine(const std::string& text);

// The lines of one control (none when the transcript leaves it out).
std::vector<std::string> RenderControl(const Control& control);

class Transcript {
 public:
  // echo, when given, gets every line as it is written.
  explicit Transcript(std::function<void(const std::string&)> echo = {}) : echo_(std::move(echo)) {}

  void Line(const std::string& line);
  void PageShown(const Page& page);
  // The controls whose lines changed since the page was shown or last checked.
  void PageChanged(const Page& page);
  void PageClosed(const Page& page);
  void Message(const std::string& text, const std::string& caption, MessageIcon icon, Buttons buttons);
  void FolderBrowser(const std::string& title, const std::string& startFolder);

  const std::string& Text() const { return text_; }

 private:
  std::function<void(const std::string&)> echo_;
  std::string text_;
  std::map<const Page*, std::vector<std::vector<std::string>>> shown_;
};

}  // namespace velmar::ui::script
