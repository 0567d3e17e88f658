#include "ui/script/answer_recorder.h"

#include "platform/files/file_contents.h"
#include "ui/caption.h"

namespace velmar::ui::script {
namespace {

// A line of an answer file holds no control characters but tabs: a message
// is named by its first line that holds more than blanks.
std::string PartOfMessage(const std::string& text) {
  std::string part;
  auto blank = [](const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; };
  for (char c : text) {
    if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) {
      if (!blank(part)) return part;
      part.clear();
    } else {
      part += c;
    }
  }
  return blank(part) ? std::string() : part;
}

void CountNodes(const TreeNode& node, const std::string& text, int& count) {
  for (const auto& child : node.Children) {
    if (child->Text == text) ++count;
    CountNodes(*child, text, count);
  }
}

}  // namespace

AnswerRecorder::AnswerRecorder(platform::FileSystem& files, std::string path, std::vector<std::string> heading)
    : files_(files), path_(std::move(path)), heading_(std::move(heading)) {}

bool AnswerRecorder::Start() {
  Write();
  return !writeFailed_;
}

bool AnswerRecorder::Finish() {
  FlushTyping();
  FlushKey();
  Write();
  return !writeFailed_;
}

std::string AnswerRecorder::Text() const {
  std::string text;
  for (const auto& line : heading_) text += "# " + line + "\r\n";
  for (const auto& line : lines_) text += line + "\r\n";
  return text;
}

void AnswerRecorder::Write() {
  if (!platform::ReplaceFileContents(files_, path_, Text())) writeFailed_ = true;
}

void AnswerRecorder::Commit(const Page* page, Step step) {
  if (page && block_ != page) {
    lines_.push_back("page " + page->ClassName());
    block_ = page;
  }
  lines_.push_back((page ? "  " : "") + step.Describe());
  if (onStep) onStep(page, step);
}

void AnswerRecorder::FlushTyping() {
  if (!typing_) return;
  Pending typed = std::move(*typing_);
  typing_.reset();
  typingEdit_ = nullptr;
  Commit(typed.page, std::move(typed.step));
}

void AnswerRecorder::FlushKey() {
  if (!key_) return;
  Pending key = std::move(*key_);
  key_.reset();
  FlushTyping();  // typed before the key
  Commit(key.page, std::move(key.step));
}

void AnswerRecorder::Add(const Page* page, Step step) {
  FlushKey();
  FlushTyping();
  Commit(page, std::move(step));
}

void AnswerRecorder::PageShown(const Page& page) {
  FlushKey();
  FlushTyping();
  // The main window is named only when the user acts on it.
  if (page.MainWindow) return;
  lines_.push_back("page " + page.ClassName());
  block_ = &page;
}

void AnswerRecorder::PageClosed(const Page& page) {
  FlushKey();
  if (typing_ && typing_->page == &page) FlushTyping();
  // Back on the page below, the user's next action names it again.
  block_ = nullptr;
  Write();
}

void AnswerRecorder::Focusing(const Control* control) {
  if (typingEdit_ && typingEdit_ != control) {
    FlushKey();
    FlushTyping();
  }
}

void AnswerRecorder::Typed(const Edit& edit) {
  FlushKey();
  if (typingEdit_ != &edit) FlushTyping();
  typing_ = Pending{&edit.Owner(), MakeStep(StepKind::Type, edit.Name(), {edit.Text})};
  typingEdit_ = &edit;
}

void AnswerRecorder::Clicking(const Control& control) {
  StepKind kind = StepKind::Click;
  if (const auto* check = dynamic_cast<const CheckBox*>(&control))
    kind = check->Checked ? StepKind::Uncheck : StepKind::Check;
  Add(&control.Owner(), MakeStep(kind, control.Name()));
}

void AnswerRecorder::Choosing(const RadioGroup& group, int index) {
  if (index < 0 || size_t(index) >= group.Items.size()) return;
  // The caption without its mnemonic mark, as people write it, when that
  // names this item; the caption as it is otherwise.
  const std::string& item = group.Items[size_t(index)];
  std::string plain = StripMnemonic(item);
  for (int i = 0; i < index; ++i)
    if (group.Items[size_t(i)] == plain || StripMnemonic(group.Items[size_t(i)]) == plain) plain = item;
  Add(&group.Owner(), MakeStep(StepKind::Select, group.Name(), {plain}));
}

void AnswerRecorder::Choosing(const ListBox& list, int index) {
  if (index < 0 || size_t(index) >= list.Items.size()) return;
  Add(&list.Owner(), MakeStep(StepKind::Select, list.Name(), {list.Items[size_t(index)].Text}));
}

void AnswerRecorder::Choosing(const TreeView& tree, const TreeNode& node) {
  // The node's text alone when no other node has it; its path from the top otherwise.
  int count = 0;
  CountNodes(tree.Root, node.Text, count);
  std::vector<std::string> path;
  if (count == 1) {
    path.push_back(node.Text);
  } else {
    for (const TreeNode* up = &node; up && up != &tree.Root; up = up->Parent) path.insert(path.begin(), up->Text);
  }
  Add(&tree.Owner(), MakeStep(StepKind::Select, tree.Name(), std::move(path)));
}

void AnswerRecorder::DoubleClicking(const Control& control) {
  std::vector<std::string> item;
  if (const auto* list = dynamic_cast<const ListBox*>(&control)) {
    if (list->ItemIndex < 0 || size_t(list->ItemIndex) >= list->Items.size()) return;
    item = {list->Items[size_t(list->ItemIndex)].Text};
  } else if (const auto* tree = dynamic_cast<const TreeView*>(&control)) {
    if (!tree->Selected) return;
    int count = 0;
    CountNodes(tree->Root, tree->Selected->Text, count);
    for (const TreeNode* up = tree->Selected; up && up != &tree->Root; up = up->Parent) {
      item.insert(item.begin(), up->Text);
      if (count == 1) break;
    }
  } else {
    return;
  }
  Add(&control.Owner(), MakeStep(StepKind::DoubleClick, control.Name(), std::move(item)));
}

void AnswerRecorder::KeyPressing(const Page& page, Key key, bool mayBeUnused) {
  FlushKey();
  Step step = MakeStep(StepKind::Key, "");
  step.key = key;
  // A key the page does not use (a letter typed into an edit) leaves the
  // edit's text pending.
  if (mayBeUnused) {
    key_ = Pending{&page, std::move(step)};
    return;
  }
  FlushTyping();
  Commit(&page, std::move(step));
}

void AnswerRecorder::KeyUsed(bool used) {
  if (used)
    FlushKey();
  else
    key_.reset();
}

void AnswerRecorder::Answered(const std::string& text, Answer answer) {
  // A box that could not be shown was answered by no one.
  if (answer == Answer::None) return;
  Step step = MakeStep(StepKind::Answer, "", {PartOfMessage(text)});
  step.answer = answer;
  Add(nullptr, std::move(step));
  Write();
}

void AnswerRecorder::Browsed(const std::optional<std::string>& folder) {
  Step step = MakeStep(StepKind::Browse, "", folder ? std::vector<std::string>{*folder} : std::vector<std::string>{});
  step.cancel = !folder;
  Add(nullptr, std::move(step));
  Write();
}

void RecordingActions::Focus(Page& page, Control& control) {
  recorder_.Focusing(&control);
  actions_.Focus(page, control);
}

void RecordingActions::Type(Edit& edit, const std::string& text) {
  const std::string before = edit.Text;
  actions_.Type(edit, text);
  if (edit.Text != before) recorder_.Typed(edit);
}

void RecordingActions::Click(Control& control) {
  recorder_.Clicking(control);
  actions_.Click(control);
}

void RecordingActions::Choose(RadioGroup& group, int index) {
  recorder_.Choosing(group, index);
  actions_.Choose(group, index);
}

void RecordingActions::Choose(ListBox& list, int index) {
  recorder_.Choosing(list, index);
  actions_.Choose(list, index);
}

void RecordingActions::Choose(TreeView& tree, TreeNode& node) {
  recorder_.Choosing(tree, node);
  actions_.Choose(tree, node);
}

void RecordingActions::DoubleClick(Control& control) {
  recorder_.DoubleClicking(control);
  actions_.DoubleClick(control);
}

void RecordingActions::Press(Page& page, Key key) {
  recorder_.KeyPressing(page, key);
  actions_.Press(page, key);
}

}  // namespace velmar::ui::script
