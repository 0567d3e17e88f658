#pragma once
// Recording an answer file: the hosts tell the recorder what a person does on
// the page models (a click, a check, a choice, typed text, a key, a message
// box answer, a folder browser answer) and which pages are shown; it keeps
// the steps in the answer-file format and rewrites the file after each page
// closes and after each message box and folder browser, each time as a whole
// file replaced safely, so that a run ended half way leaves a usable file of
// what was done so far.
//
// Hosts tell of an action before they do it on the model (the step comes
// before the pages and message boxes it brings), except typed text: an edit's
// text is kept and written as one "type" step with its final text when the
// focus leaves the edit, or before the next action.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/keys.h"
#include "ui/page.h"
#include "ui/script/script.h"
#include "ui/script/script_player.h"

namespace velmar::platform {
class FileSystem;
}

namespace velmar::ui::script {

class AnswerRecorder {
 public:
  // path: a Windows path written through files; heading: the comment lines at
  // the top (each written after "# ").
  AnswerRecorder(platform::FileSystem& files, std::string path, std::vector<std::string> heading);

  // Gets every step as it is recorded, with the page it acts on (none for an
  // answer to a message box or folder browser).
  std::function<void(const Page*, const Step&)> onStep;

  // Writes the file with its heading alone; false when it cannot be written.
  bool Start();
  // Writes what was recorded (an edit's pending text included); false when the
  // file could not be written, now or at any time before.
  bool Finish();
  // The file as it stands.
  std::string Text() const;
  const std::string& Path() const { return path_; }

  void PageShown(const Page& page);
  void PageClosed(const Page& page);

  // The focus moves to the control (none: to one not known yet): an edit
  // left with new text is written.
  void Focusing(const Control* control);
  // The edit's text was changed by the user; written when the edit is left.
  void Typed(const Edit& edit);
  // Before the click: a button or radio button is clicked, a check box checked or unchecked.
  void Clicking(const Control& control);
  void Choosing(const RadioGroup& group, int index);
  void Choosing(const ListBox& list, int index);
  void Choosing(const TreeView& tree, const TreeNode& node);
  // A double click on the item chosen just before (the two become one step).
  void DoubleClicking(const Control& control);
  // A key before the page handles it. A key the page may not use is kept
  // until KeyUsed says whether it did; something recorded in between keeps it.
  void KeyPressing(const Page& page, Key key, bool mayBeUnused = false);
  void KeyUsed(bool used);
  void Answered(const std::string& text, Answer answer);
  void Browsed(const std::optional<std::string>& folder);

 private:
  struct Pending {
    const Page* page = nullptr;
    Step step;
  };

  void Add(const Page* page, Step step);
  void FlushTyping();
  void FlushKey();
  void Commit(const Page* page, Step step);
  void Write();

  platform::FileSystem& files_;
  std::string path_;
  std::vector<std::string> heading_;
  std::vector<std::string> lines_;
  const Page* block_ = nullptr;  // the page of the last "page" line still in force
  std::optional<Pending> typing_;
  const Edit* typingEdit_ = nullptr;
  std::optional<Pending> key_;
  bool writeFailed_ = false;
};

// Steps the user does on the models, told to a recorder first.
class RecordingActions : public StepActions {
 public:
  RecordingActions(StepActions& actions, AnswerRecorder& recorder) : actions_(actions), recorder_(recorder) {}

  void Focus(Page& page, Control& control) override;
  void Type(Edit& edit, const std::string& text) override;
  void Click(Control& control) override;
  void Choose(RadioGroup& group, int index) override;
  void Choose(ListBox& list, int index) override;
  void Choose(TreeView& tree, TreeNode& node) override;
  void DoubleClick(Control& control) override;
  void Press(Page& page, Key key) override;

 private:
  StepActions& actions_;
  AnswerRecorder& recorder_;
};

}  // namespace velmar::ui::script
