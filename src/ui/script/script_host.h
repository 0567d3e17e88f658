#pragma once
// The scripted host: plays a script of user actions on the pages the program
// shows and writes the transcript. It never guesses: a script that does not
// fit what is on screen stops the run with a message that names the page and
// the step.
//
// How steps meet pages:
// - A page shown needs the next step to be "page <its class name>". The main
//   window is the exception: it takes such a step when one is next, and
//   otherwise needs one only when the user must act on it.
// - A page that waits for the user takes the next action of its block. A
//   block ends at the next "page" step; when the user is back on a page after
//   another page closed, the script says so with a new "page" step.
// - A message box takes the next step, which must be an answer; a folder
//   browser takes the next step, which must be a browse.
// - Typing into an edit gives it the focus; a click or choice on another
//   control takes the focus from it, so its OnExit runs before the click.
//   Enter clicks the default button without moving the focus.
// - The general error message box, when the script does not answer it, ends
//   the run as failed.

#include <functional>
#include <string>
#include <vector>

#include "ui/host.h"
#include "ui/script/answer_recorder.h"
#include "ui/script/script_player.h"
#include "ui/script/script.h"

namespace velmar::ui::script {

struct ScriptHostOptions {
  Size screen{1024, 768};
  int colourDepth = 32;
  // Gets every transcript line as it is written (the demo prints them).
  std::function<void(const std::string&)> echo;
  // Records what the script does into an answer file; none: no recording.
  AnswerRecorder* recorder = nullptr;
};

class ScriptHost : public Host {
 public:
  explicit ScriptHost(Script script, ScriptHostOptions options = {});

  // Runs the program under the script. The program says whether it finished
  // or was cancelled; a script that does not fit (also one with steps left
  // when the program ends) makes it stopped, an error that escapes or is not
  // answered makes it failed. The outcome is the transcript's last line.
  Outcome Run(const std::function<Outcome()>& program) { return player_.Run(program); }

  const std::string& TranscriptText() const { return player_.TranscriptText(); }
  // Why the run stopped or failed; empty otherwise.
  const std::string& EndMessage() const { return player_.EndMessage(); }

  void ShowModal(Page& page) override;
  Answer ShowMessage(const std::string& text, const std::string& caption = ApplicationTitle,
                     MessageIcon icon = MessageIcon::None, Buttons buttons = OkButton) override;
  using Host::BrowseForFolder;
  std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& startFolder) override;
  // Shows title and start folder; the dialog's callbacks see the folder the
  // script chooses as the one highlighted.
  std::optional<std::string> BrowseForFolder(const BrowseOptions& options) override;
  // Nothing is pending between two steps: long work runs to its end, and the
  // script acts on the page only when it waits for the user.
  void PumpMessages() override {}
  void Repaint(Page&) override {}
  Size ScreenSize() const override { return options_.screen; }
  int ColourDepth() const override { return options_.colourDepth; }

 protected:
  void ShowError(const std::string& text) override;

 private:
  ScriptHostOptions options_;
  ScriptPlayer player_;
  ModelActions actions_;
};

}  // namespace velmar::ui::script
