// What every host gives the program: an answer file played gives the same
// transcript, events in the toolkit's order, the same messages for a script
// that does not fit. One suite (host_contract_test.cpp), run on the scripted
// host here and on the Win32 host in win32/, and the test pages it plays.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

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
  TNameForm(Host& host, std::vector<std::string>& events);
  std::string Execute(const std::string& name);

  Label NameLbl{*this, "NameLbl"};
  Edit NameEdit{*this, "NameEdit"};
  CheckBox DemoCB{*this, "DemoCB"};
  Button BrowseBtn{*this, "BrowseBtn"};
  Button NextBtn{*this, "NextBtn"};
  Button CancelBtn{*this, "CancelBtn"};
  StatusBar StatBar{*this, "StatBar"};

 private:
  void Validate();
  void Finish(const std::string& how);
  std::vector<std::string>& events_;
  std::string result_;
};

// A page with the choosing controls and message boxes; OtherBtn opens a name
// page on top, FailBtn throws.
class TPickForm : public Page {
 public:
  explicit TPickForm(Host& host);

  RadioGroup KindRG{*this, "KindRG"};
  ListBox LB{*this, "LB"};
  TreeView Tree{*this, "Tree"};
  Button OkBtn{*this, "OkBtn"};
  Button AskBtn{*this, "AskBtn"};
  Button FailBtn{*this, "FailBtn"};
  Button OtherBtn{*this, "OtherBtn"};
  std::vector<std::string> events;
};

// One button that runs what a test wants, and F2 that checks the windows.
class TButtonForm : public Page {
 public:
  explicit TButtonForm(Host& host);

  Edit InfoEdit{*this, "InfoEdit"};
  Button GoBtn{*this, "GoBtn"};
  Button OtherBtn{*this, "OtherBtn"};
  Button CloseBtn{*this, "CloseBtn"};
  std::function<void(TButtonForm&)> Go;
  std::function<void(TButtonForm&)> Check;
};

}  // namespace velmar::ui::contract
