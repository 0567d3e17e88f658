#include "ui/script/script.h"

namespace velmar::ui::script {
namespace {

const char* Keyword(StepKind kind) {
  switch (kind) {
    case StepKind::Page: return "page";
    case StepKind::Type: return "type";
    case StepKind::Click: return "click";
    case StepKind::DoubleClick: return "double-click";
    case StepKind::Check: return "check";
    case StepKind::Uncheck: return "uncheck";
    case StepKind::Select: return "select";
    case StepKind::Key: return "key";
    case StepKind::Answer: return "answer";
    case StepKind::Browse: return "browse";
  }
  return "?";
}

}  // namespace

Step MakeStep(StepKind kind, std::string name, std::vector<std::string> texts) {
  Step step;
  step.kind = kind;
  step.name = std::move(name);
  step.texts = std::move(texts);
  return step;
}

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    out += c;
    if (c == '"') out += '"';
  }
  return out + "\"";
}

std::string Step::Describe() const {
  std::string out = Keyword(kind);
  switch (kind) {
    case StepKind::Key:
      return out + " " + KeyName(key);
    case StepKind::Answer:
      return out + " " + Quote(texts.empty() ? "" : texts[0]) + " " + AnswerName(answer);
    case StepKind::Browse:
      return out + " " + (cancel ? std::string("cancel") : Quote(texts.empty() ? "" : texts[0]));
    default:
      out += " " + name;
      for (const auto& text : texts) out.append(" ").append(Quote(text));
      return out;
  }
}

std::string Step::Where() const {
  return line > 0 ? "line " + std::to_string(line) + ": " + Describe() : Describe();
}

Script& Script::Add(Step step) {
  steps_.push_back(std::move(step));
  return *this;
}

Script& Script::Page(std::string className) { return Add(MakeStep(StepKind::Page, std::move(className))); }

Script& Script::Type(std::string edit, std::string text) {
  return Add(MakeStep(StepKind::Type, std::move(edit), {std::move(text)}));
}

Script& Script::Click(std::string control) { return Add(MakeStep(StepKind::Click, std::move(control))); }

Script& Script::DoubleClick(std::string control, std::vector<std::string> item) {
  return Add(MakeStep(StepKind::DoubleClick, std::move(control), std::move(item)));
}

Script& Script::Check(std::string control) { return Add(MakeStep(StepKind::Check, std::move(control))); }

Script& Script::Uncheck(std::string control) { return Add(MakeStep(StepKind::Uncheck, std::move(control))); }

Script& Script::SelectPath(std::string control, std::vector<std::string> path) {
  return Add(MakeStep(StepKind::Select, std::move(control), std::move(path)));
}

Script& Script::Key(ui::Key key) {
  Step step = MakeStep(StepKind::Key, "");
  step.key = key;
  return Add(std::move(step));
}

Script& Script::Answer(std::string textPart, ui::Answer button) {
  Step step = MakeStep(StepKind::Answer, "", {std::move(textPart)});
  step.answer = button;
  return Add(std::move(step));
}

Script& Script::Browse(std::string folder) { return Add(MakeStep(StepKind::Browse, "", {std::move(folder)})); }

Script& Script::CancelBrowse() {
  Step step = MakeStep(StepKind::Browse, "");
  step.cancel = true;
  return Add(std::move(step));
}

}  // namespace velmar::ui::script
