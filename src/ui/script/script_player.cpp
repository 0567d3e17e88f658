#include "ui/script/script_player.h"

#include <stdexcept>

#include "base/text_case.h"
#include "ui/caption.h"
#include "ui/input.h"
#include "ui/page.h"

namespace velmar::ui::script {
namespace {

std::string Normalised(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string Listed(const std::vector<std::string>& texts) {
  std::string out;
  for (const auto& text : texts) out += (out.empty() ? "\"" : " > \"") + OneLine(text) + "\"";
  return out;
}

void FindNodes(TreeNode& node, const std::string& text, std::vector<TreeNode*>& found) {
  for (auto& child : node.Children) {
    if (child->Text == text) found.push_back(child.get());
    FindNodes(*child, text, found);
  }
}

// What a step can act on: nothing when the control fits, else what it should be.
const char* WrongKind(StepKind step, ControlKind kind) {
  auto is = [&](std::initializer_list<ControlKind> kinds) {
    for (ControlKind k : kinds)
      if (k == kind) return true;
    return false;
  };
  using K = ControlKind;
  switch (step) {
    case StepKind::Type: return is({K::Edit}) ? nullptr : "an edit";
    case StepKind::Click: return is({K::Button, K::CheckBox, K::RadioButton}) ? nullptr : "a button, check box or radio button";
    case StepKind::Check: return is({K::CheckBox, K::RadioButton}) ? nullptr : "a check box or radio button";
    case StepKind::Uncheck: return is({K::CheckBox}) ? nullptr : "a check box";
    case StepKind::Select: return is({K::RadioGroup, K::ListBox, K::TreeView}) ? nullptr : "a radio group, list box or tree view";
    case StepKind::DoubleClick: return is({K::ListBox, K::TreeView}) ? nullptr : "a list box or tree view";
    default: return nullptr;
  }
}

}  // namespace

std::string OutcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::Finished: return "finished";
    case Outcome::Cancelled: return "cancelled";
    case Outcome::Stopped: return "stopped";
    case Outcome::Failed: return "failed";
    case Outcome::FinishedWithErrors: return "finished with errors";
  }
  return "failed";
}

int ExitStatus(Outcome outcome) { return int(outcome); }

void ModelActions::Focus(Page& page, Control& control) { page.SetFocus(control); }
void ModelActions::Type(Edit& edit, const std::string& text) { TypeText(edit, text); }
void ModelActions::Click(Control& control) { ClickControl(control); }
void ModelActions::Choose(RadioGroup& group, int index) { ChooseItem(group, index); }
void ModelActions::Choose(ListBox& list, int index) { ChooseItem(list, index); }
void ModelActions::Choose(TreeView& tree, TreeNode& node) { ChooseNode(tree, node); }
void ModelActions::DoubleClick(Control& control) { DoubleClickSelection(control); }
void ModelActions::Press(Page& page, Key key) { PressKey(page, key); }

ScriptPlayer::ScriptPlayer(Script script, std::function<void(const std::string&)> echo)
    : steps_(script.Steps()), transcript_(std::move(echo)) {}

Outcome ScriptPlayer::Run(const std::function<Outcome()>& program) {
  Outcome outcome = Outcome::Failed;
  endMessage_.clear();
  try {
    outcome = program();
    if (stopped_) throw ScriptStop{stopOutcome_, endMessage_};
    if (const Step* next = Peek())
      Stop("the program has ended, but the script goes on with " + next->Where());
  } catch (const ScriptStop& stop) {
    outcome = stop.outcome;
    endMessage_ = stop.message;
  } catch (const std::exception& error) {
    outcome = Outcome::Failed;
    endMessage_ = error.what();
  }
  transcript_.Line("end: " + OutcomeName(outcome) + (endMessage_.empty() ? "" : ": " + OneLine(endMessage_)));
  return outcome;
}

void ScriptPlayer::Stop(const std::string& message, Outcome outcome) {
  // Kept, so that a program which swallowed the stop cannot play on.
  stopped_ = true;
  stopOutcome_ = outcome;
  endMessage_ = message;
  throw ScriptStop{outcome, message};
}

const Step* ScriptPlayer::Peek() const {
  if (stopped_) throw ScriptStop{stopOutcome_, endMessage_};
  return next_ < steps_.size() ? &steps_[next_] : nullptr;
}

std::string ScriptPlayer::BlockName() const {
  return block_.empty() ? "no page (no page step before it)" : "page " + block_;
}

void ScriptPlayer::ExpectPage(const Page& page) {
  const std::string& name = page.ClassName();
  const Step* next = Peek();
  bool named = next && next->kind == StepKind::Page && SameAsciiText(next->name, name);
  if (named) {
    ++next_;
    block_ = name;
    return;
  }
  if (page.MainWindow) return;
  if (!next) Stop("page " + name + " is shown, but the script has ended");
  std::string where = next->Where() + (next->kind == StepKind::Page ? "" : " for " + BlockName());
  Stop("page " + name + " is shown, but the script goes on with " + where);
}

const Step& ScriptPlayer::TakeAction(const Page& page) {
  const std::string& name = page.ClassName();
  for (;;) {
    const Step* next = Peek();
    if (!next) Stop("page " + name + " waits for the user, but the script has ended");
    if (next->kind == StepKind::Page) {
      if (!SameAsciiText(next->name, name))
        Stop("page " + name + " waits for the user, but the script goes on with " + next->Where());
      block_ = name;
      ++next_;
      continue;
    }
    if (next->kind == StepKind::Answer || next->kind == StepKind::Browse)
      Stop("page " + name + " waits for the user, but the script goes on with " + next->Where() + ", and no " +
           (next->kind == StepKind::Answer ? "message box" : "folder browser") + " is shown");
    if (!SameAsciiText(block_, name))
      Stop("page " + name + " waits for the user, but the script goes on with " + next->Where() + " for " +
           BlockName());
    ++next_;
    transcript_.Line("> " + next->Describe());
    return *next;
  }
}

const Step& ScriptPlayer::TakeAnswer(StepKind kind, const std::string& shown, Outcome failure) {
  const Step* next = Peek();
  if (!next) Stop(shown + " is shown, but the script has ended", failure);
  if (next->kind != kind) Stop(shown + " is shown, but the script goes on with " + next->Where(), failure);
  ++next_;
  transcript_.Line("> " + next->Describe());
  return *next;
}

Answer ScriptPlayer::AnswerBox(const std::string& text, const std::string& caption, MessageIcon icon, Buttons buttons,
                               Outcome failure) {
  transcript_.Message(text, caption, icon, buttons);
  std::string shown = "the message box \"" + OneLine(text) + "\"";
  const Step& step = TakeAnswer(StepKind::Answer, shown, failure);
  if (Normalised(text).find(Normalised(step.texts.at(0))) == std::string::npos)
    Stop(step.Where() + ": " + shown + " is shown instead", failure);
  if (!buttons.Has(step.answer))
    Stop(step.Where() + ": " + shown + " has no " + AnswerName(step.answer) + " button", failure);
  return step.answer;
}

const Step& ScriptPlayer::AnswerBrowser(const std::string& title, const std::string& startFolder) {
  transcript_.FolderBrowser(title, startFolder);
  return TakeAnswer(StepKind::Browse, "the folder browser \"" + OneLine(title) + "\"", Outcome::Stopped);
}

void ScriptPlayer::Perform(Page& page, const Step& step, StepActions& actions) {
  std::string where = step.Where() + " on page " + page.ClassName();
  if (step.kind == StepKind::Key) {
    actions.Press(page, step.key);
    return;
  }

  Control* found = page.FindControl(step.name);
  if (!found) Stop(where + ": the page has no control " + step.name);
  Control& control = *found;
  if (const char* wanted = WrongKind(step.kind, control.Kind()))
    Stop(where + ": " + control.Name() + " is not " + wanted);
  auto reachable = [&](const std::string& because) {
    if (!control.Visible) Stop(where + ": " + control.Name() + " is not visible" + because);
    if (!control.Enabled) Stop(where + ": " + control.Name() + " is disabled" + because);
  };
  reachable("");
  auto noItem = [&](const std::string& what, const std::string& hint = "") {
    Stop(where + ": " + control.Name() + " has " + what + " " + Listed(step.texts) + hint);
  };

  // What the user acts on, and the focus moved there first (so the edit left gets its OnExit).
  auto focus = [&] {
    Control* left = page.Focused();
    if (control.Focusable()) actions.Focus(page, control);
    if (page.Closing()) return false;
    reachable(left && left != &control ? " (since the focus left " + left->Name() + ")" : "");
    return true;
  };

  switch (step.kind) {
    case StepKind::Type: {
      auto& edit = static_cast<Edit&>(control);
      if (edit.ReadOnly) Stop(where + ": " + control.Name() + " is read-only");
      if (focus()) actions.Type(edit, step.texts.at(0));
      return;
    }
    case StepKind::Click:
      if (focus()) actions.Click(control);
      return;
    case StepKind::Check:
    case StepKind::Uncheck: {
      auto* check = dynamic_cast<CheckBox*>(&control);
      bool checked = check ? check->Checked : static_cast<RadioButton&>(control).Checked();
      if (checked != (step.kind == StepKind::Check) && focus()) actions.Click(control);
      return;
    }
    default:
      break;
  }

  // Choosing an item.
  bool twice = step.kind == StepKind::DoubleClick;
  if (auto* group = dynamic_cast<RadioGroup*>(&control)) {
    int index = -1;
    if (step.texts.size() == 1)
      for (size_t i = 0; i < group->Items.size() && index < 0; ++i)
        if (group->Items[i] == step.texts[0] || StripMnemonic(group->Items[i]) == step.texts[0]) index = int(i);
    if (index < 0) noItem("no item");
    if (focus()) actions.Choose(*group, index);
  } else if (auto* list = dynamic_cast<ListBox*>(&control)) {
    int index = -1, count = 0;
    for (size_t i = 0; i < list->Items.size() && step.texts.size() == 1; ++i)
      if (list->Items[i].Text == step.texts[0] && count++ == 0) index = int(i);
    if (count == 0) noItem("no line");
    if (count > 1) noItem("several lines");
    if (!focus()) return;
    actions.Choose(*list, index);
    if (twice) actions.DoubleClick(*list);
  } else if (auto* tree = dynamic_cast<TreeView*>(&control)) {
    std::vector<TreeNode*> nodes;
    if (step.texts.size() == 1) {
      FindNodes(tree->Root, step.texts[0], nodes);
    } else {
      TreeNode* level = &tree->Root;
      for (const auto& text : step.texts) {
        nodes.clear();
        for (auto& child : level->Children)
          if (child->Text == text) nodes.push_back(child.get());
        if (nodes.size() != 1) break;
        level = nodes[0];
      }
    }
    if (nodes.empty()) noItem("no node");
    if (nodes.size() > 1) noItem("several nodes", step.texts.size() == 1 ? "; give the path from the top" : "");
    if (!focus()) return;
    for (TreeNode* up = nodes[0]->Parent; up; up = up->Parent) up->Expanded = true;
    actions.Choose(*tree, *nodes[0]);
    if (twice) actions.DoubleClick(*tree);
  }
}

}  // namespace velmar::ui::script
