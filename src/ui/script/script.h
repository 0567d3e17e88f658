#pragma once
// A script of user actions for the scripted host: a flat list of steps in
// which "page" steps open the block of actions done on that page. Tests build
// scripts in code; people write answer files (answer_file.h).
//
//   Script()
//       .Page("TLanguageForm").Select("LangRG", "English").Click("ContinueBtn")
//       .Page("TSelectForm").Key(ui::Key::F6)
//       .Answer("Cannot find file", ui::Answer::Ok);

#include <string>
#include <vector>

#include "ui/host.h"
#include "ui/keys.h"

namespace velmar::ui::script {

enum class StepKind { Page, Type, Click, DoubleClick, Check, Uncheck, Select, Key, Answer, Browse };

struct Step {
  StepKind kind = StepKind::Page;
  std::string name;                 // page class name or control name
  std::vector<std::string> texts;   // typed text; item path; part of a message; folder
  ui::Key key = ui::Key::None;
  ui::Answer answer = ui::Answer::None;
  bool cancel = false;              // a folder browser cancelled
  int line = 0;                     // line in the answer file; 0 when built in code

  // The step as an answer-file line: click ContinueBtn, type PrjNameEdit "Plant 1".
  std::string Describe() const;
  // "line 12: click ContinueBtn", or the step alone when it has no line.
  std::string Where() const;
  bool operator==(const Step&) const = default;
};

// A step of a kind on a page or control, with its texts.
Step MakeStep(StepKind kind, std::string name, std::vector<std::string> texts = {});

// A text in answer-file quotes: "C:\Velmar", a quote written twice.
std::string Quote(const std::string& text);

class Script {
 public:
  Script& Page(std::string className);
  Script& Type(std::string edit, std::string text);
  Script& Click(std::string control);
  // A list box line by its text, a tree view node by its path from the top.
  Script& DoubleClick(std::string control, std::vector<std::string> item);
  Script& Check(std::string control);
  Script& Uncheck(std::string control);
  // A radio group item by its caption (mnemonic marks aside), a list box line
  // by its text, a tree view node by its path from the top or by its text
  // alone when that is unique in the tree.
  Script& Select(std::string control, std::string item) { return SelectPath(std::move(control), {std::move(item)}); }
  Script& SelectPath(std::string control, std::vector<std::string> path);
  Script& Key(ui::Key key);
  // Answers a message box whose text contains textPart (line ends compared as
  // plain line breaks) with one of its buttons.
  Script& Answer(std::string textPart, ui::Answer button);
  Script& Browse(std::string folder);
  Script& CancelBrowse();

  Script& Add(Step step);
  const std::vector<Step>& Steps() const { return steps_; }

 private:
  std::vector<Step> steps_;
};

}  // namespace velmar::ui::script
