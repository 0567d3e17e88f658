#pragma once
// Playing a script on the pages a host shows: which step comes next, whether
// it fits what is on screen, and the transcript. The scripted host carries the
// steps out on the models directly, the Win32 host through real windows; both
// use this player, so one script gives the same transcript on both and stops
// with the same messages.

#include <functional>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/host.h"
#include "ui/keys.h"
#include "ui/script/script.h"
#include "ui/script/transcript.h"

namespace velmar::ui::script {

enum class Outcome { Finished, Cancelled, Stopped, Failed, FinishedWithErrors };

// "finished", "cancelled", "stopped", "failed", "finished with errors".
std::string OutcomeName(Outcome outcome);
// The exit status of an unattended run: 0 finished, 1 cancelled, 2 stopped,
// 3 failed, 4 finished with errors (a function reported a failed step).
int ExitStatus(Outcome outcome);

// Ends the run from inside the program. Deliberately not a std::exception, so
// that the error boundary of event handlers lets it through.
struct ScriptStop {
  Outcome outcome;
  std::string message;
};

// How a host does what the user does in a step. The player has checked the
// step against the page before; the host only acts.
class StepActions {
 public:
  virtual ~StepActions() = default;
  // Moves the focus to a control the step acts on (the edit left gets its OnExit).
  virtual void Focus(Page& page, Control& control) = 0;
  virtual void Type(Edit& edit, const std::string& text) = 0;
  virtual void Click(Control& control) = 0;
  virtual void Choose(RadioGroup& group, int index) = 0;
  virtual void Choose(ListBox& list, int index) = 0;
  virtual void Choose(TreeView& tree, TreeNode& node) = 0;
  virtual void DoubleClick(Control& control) = 0;
  virtual void Press(Page& page, Key key) = 0;
};

// The steps done on the models with the toolkit's functions (ui/input.h).
class ModelActions : public StepActions {
 public:
  void Focus(Page& page, Control& control) override;
  void Type(Edit& edit, const std::string& text) override;
  void Click(Control& control) override;
  void Choose(RadioGroup& group, int index) override;
  void Choose(ListBox& list, int index) override;
  void Choose(TreeView& tree, TreeNode& node) override;
  void DoubleClick(Control& control) override;
  void Press(Page& page, Key key) override;
};

class ScriptPlayer {
 public:
  explicit ScriptPlayer(Script script, std::function<void(const std::string&)> echo = {});

  // Runs the program under the script. The program says whether it finished
  // or was cancelled; a script that does not fit (also one with steps left
  // when the program ends) makes it stopped, an error that escapes or is not
  // answered makes it failed. The outcome is the transcript's last line.
  Outcome Run(const std::function<Outcome()>& program);

  Transcript& Log() { return transcript_; }
  const std::string& TranscriptText() const { return transcript_.Text(); }
  // Why the run stopped or failed; empty otherwise.
  const std::string& EndMessage() const { return endMessage_; }

  // A page is shown: the script must name it (the main window aside).
  void ExpectPage(const Page& page);
  // The page waits for the user: its next action, written to the transcript.
  const Step& TakeAction(const Page& page);
  // Checks the action against the page and does it through the host's actions.
  void Perform(Page& page, const Step& step, StepActions& actions);
  // A message box is shown: the button the script presses. failure is the
  // outcome when the script does not answer it.
  Answer AnswerBox(const std::string& text, const std::string& caption, MessageIcon icon, Buttons buttons,
                   Outcome failure);
  // A folder browser is shown: the browse step that answers it.
  const Step& AnswerBrowser(const std::string& title, const std::string& startFolder);

  [[noreturn]] void Stop(const std::string& message, Outcome outcome = Outcome::Stopped);

 private:
  const Step* Peek() const;
  std::string BlockName() const;
  const Step& TakeAnswer(StepKind kind, const std::string& shown, Outcome failure);

  std::vector<Step> steps_;
  size_t next_ = 0;
  std::string block_;  // the page of the last "page" step taken
  Transcript transcript_;
  bool stopped_ = false;
  Outcome stopOutcome_ = Outcome::Stopped;
  std::string endMessage_;
};

}  // namespace velmar::ui::script
