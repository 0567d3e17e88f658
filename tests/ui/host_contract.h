// What every host gives the program: an answer file played gives the same
// transcript, events in the toolkit's order, the same messages for a script
// that does not fit. One suite (host_contract_test.cpp), run on the scripted
// host here and on the Win32 host in win32/, and the test pages it plays.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "base/errors.h"
#include "ui/host.h"
#include "ui/page.h"
#include "ui/script/answer_recorder.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar::ui::contract {

using Program = std::function<script::Outcome(Host&)>;

struct Played {
  script::Outcome outcome;
  std::string message;
  std::string transcript;
};

struct HostUnderTest {
  std::string name;
  bool needsScreen = false;
  std::function<Played(const script::Script&, const Program&, script::AnswerRecorder*)> play;
};
inline void PrintTo(const HostUnderTest& host, std::ostream* out) { *out << host.name; }

// Tests on real windows need a screen, which tests/scripts/win32_host_playback.sh gives them.
inline bool ScreenWanted() {
  const char* wanted = std::getenv("VELMAR_WINDOW_TESTS");
  return wanted && std::string(wanted) == "1";
}

class HostContract : public ::testing::TestWithParam<HostUnderTest> {
 protected:
  void SetUp() override;
  Played Play(const script::Script& script, const Program& program, script::AnswerRecorder* recorder = nullptr) {
    return GetParam().play(script, program, recorder);
  }
  Played Play(const std::string& answers, const Program& program, script::AnswerRecorder* recorder = nullptr) {
    return Play(script::ParseAnswerFile(answers), program, recorder);
  }
};

// The scripted host, on a screen of the given size.
Played PlayScripted(const script::Script& script, const Program& program, script::AnswerRecorder* recorder,
                    Size screen = {1024, 768});

// Places a control and gives it its caption.
template <class C>
C& Put(C& control, Rect bounds, const char* caption = nullptr) {
  control.Bounds = bounds;
  if constexpr (requires { control.Caption; }) {
    if (caption) control.Caption = caption;
  }
  return control;
}

// A wizard page with a required name: Next is enabled while the name is not
// empty; leaving the edit trims it.
class TNameForm : public Page {
 public:
  TNameForm(Host& host, std::vector<std::string>& events) : Page(host, "TNameForm"), events_(events) {
    ClientWidth = 400;
    ClientHeight = 200;
    Put(NameLbl, {16, 12, 0, 0}, "&Name :");
    Put(NameEdit, {16, 32, 200, 21});
    Put(DemoCB, {16, 64, 150, 17}, "Install &demo");
    Put(NextBtn, {200, 140, 90, 28}, "&Next").Default = true;
    Put(CancelBtn, {300, 140, 90, 28}, "&Cancel").Cancel = true;
    NameEdit.OnChange = [this] { Validate(); };
    NameEdit.OnExit = [this] {
      events_.push_back("exit");
      auto first = NameEdit.Text.find_first_not_of(' ');
      NameEdit.Text = first == std::string::npos ? "" : NameEdit.Text.substr(first, NameEdit.Text.find_last_not_of(' ') - first + 1);
      Validate();
    };
    NextBtn.OnClick = [this] { Finish("next"); };
    CancelBtn.OnClick = [this] { Finish("cancel"); };
  }

  std::string Execute(const std::string& name) {
    result_.clear();
    NameEdit.Text = name;
    Validate();
    ShowModal();
    return result_;
  }

  Label NameLbl{*this, "NameLbl"};
  Edit NameEdit{*this, "NameEdit"};
  CheckBox DemoCB{*this, "DemoCB"};
  Button NextBtn{*this, "NextBtn"}, CancelBtn{*this, "CancelBtn"};

 private:
  void Validate() { NextBtn.Enabled = !NameEdit.Text.empty(); }

  void Finish(const std::string& how) {
    events_.push_back(how);
    result_ = how;
    Close();
  }
  std::vector<std::string>& events_;
  std::string result_;
};

// A page with the choosing controls and message boxes; OtherBtn opens a name
// page on top, FailBtn throws.
class TPickForm : public Page {
 public:
  explicit TPickForm(Host& host) : Page(host, "TPickForm") {
    ClientWidth = 420;
    ClientHeight = 280;
    Put(KindRG, {16, 16, 150, 70}, "Kind").Items = {"&Plant", "&Office"};
    KindRG.OnClick = [this] { events.push_back("kind " + std::to_string(KindRG.ItemIndex)); };
    Put(LB, {180, 16, 120, 80});
    for (const char* line : {"North", "South", "South"}) LB.Add(line);
    LB.OnClick = [this] { events.push_back("line " + std::to_string(LB.ItemIndex)); };
    LB.OnDblClick = [this] { events.push_back("double"); };
    TreeNode& site = Put(Tree, {16, 100, 200, 120}).Add("Site");
    site.Add("Job.vpr");
    site.Add("Demo.vpr");
    Tree.Add("Demo.vpr");
    Tree.OnChange = [this] { events.push_back("change " + Tree.Selected->Text); };
    Tree.OnClick = [this] { events.push_back("click"); };
    Put(OkBtn, {16, 240, 70, 28}, "OK").OnClick = [this] { Close(); };
    Put(AskBtn, {90, 240, 70, 28}, "Ask").OnClick = [this] {
      Answer answer = GetHost().ShowMessage("Overwrite C:\\Velmar\\Velmar.ini ?\r\nIt exists.", "Overwrite file",
                                            MessageIcon::Question, YesNoCancelButtons);
      events.push_back("answer " + AnswerName(answer));
    };
    Put(FailBtn, {164, 240, 70, 28}, "Fail").OnClick = [] {
      throw InstallerError("ERROR: Disk read failed on C:\\Velmar\\Big.dat");
    };
    Put(OtherBtn, {238, 240, 70, 28}, "Other").OnClick = [this] {
      std::vector<std::string> ignored;
      TNameForm other(GetHost(), ignored);
      events.push_back("name " + other.Execute("x"));
    };
  }

  RadioGroup KindRG{*this, "KindRG"};
  ListBox LB{*this, "LB"};
  TreeView Tree{*this, "Tree"};
  Button OkBtn{*this, "OkBtn"}, AskBtn{*this, "AskBtn"}, FailBtn{*this, "FailBtn"}, OtherBtn{*this, "OtherBtn"};
  std::vector<std::string> events;
};

// One button that runs what a test wants, and F2 that checks the windows.
class TButtonForm : public Page {
 public:
  explicit TButtonForm(Host& host) : Page(host, "TButtonForm") {
    ClientWidth = 300;
    ClientHeight = 120;
    Put(InfoEdit, {16, 16, 200, 21});
    Put(GoBtn, {16, 70, 90, 28}, "&Go").OnClick = [this] {
      if (Go) Go(*this);
    };
    Put(OtherBtn, {120, 70, 90, 28}, "Other");
    Put(CloseBtn, {220, 70, 70, 28}, "Close").Cancel = true;
    CloseBtn.OnClick = [this] { Close(); };
    KeyPreview = true;
    OnKeyDown = [this](Key key) {
      if (key != Key::F2 || !Check) return false;
      Check(*this);
      return true;
    };
  }

  Edit InfoEdit{*this, "InfoEdit"};
  Button GoBtn{*this, "GoBtn"}, OtherBtn{*this, "OtherBtn"}, CloseBtn{*this, "CloseBtn"};
  std::function<void(TButtonForm&)> Go;
  std::function<void(TButtonForm&)> Check;
};

}  // namespace velmar::ui::contract
