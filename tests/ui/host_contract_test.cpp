#include "ui/host_contract.h"

#include "base/errors.h"
#include "platform/files/file_contents.h"
#include "support/fixture/installer_fixture.h"
#include "support/files/memory_file_system.h"
#include "ui/script/answer_file.h"

namespace velmar::ui::contract {

using script::Outcome;

void HostContract::SetUp() {
  if (GetParam().needsScreen && !ScreenWanted()) GTEST_SKIP() << "needs a screen: tests/scripts/win32_host_playback.sh runs it";
}

Played PlayScripted(const script::Script& script, const Program& program, script::AnswerRecorder* recorder,
                    Size screen) {
  script::ScriptHostOptions options;
  options.screen = screen;
  options.recorder = recorder;
  script::ScriptHost host(script, options);
  Outcome outcome = host.Run([&] { return program(host); });
  return {outcome, host.EndMessage(), host.TranscriptText()};
}

namespace {

INSTANTIATE_TEST_SUITE_P(ScriptHost, HostContract,
                         ::testing::Values(HostUnderTest{"scripted", false, [](auto& script, auto& program, auto* recorder) {
                           return PlayScripted(script, program, recorder);
                         }}),
                         [](const auto& info) { return info.param.name; });

// Every kind of control a user works with, and what the user did, in order.
class TProbeForm : public Page {
 public:
  explicit TProbeForm(Host& host) : Page(host, "TProbeForm") {
    ClientWidth = 420;
    ClientHeight = 300;
    Put(NameLbl, {16, 16, 0, 0}, "&Name :");
    Put(NameEdit, {16, 32, 200, 21}).MaxLength = 12;
    NameEdit.OnChange = [this] { Log("change " + NameEdit.Text); };
    NameEdit.OnExit = [this] { Log("exit"); };
    Put(SaveCB, {232, 32, 150, 17}, "&Save").OnClick = [this] { Log(SaveCB.Checked ? "save on" : "save off"); };
    Put(RedRB, {16, 64, 80, 17}, "&Red").OnClick = [this] { Log("red"); };
    Put(BlueRB, {100, 64, 80, 17}, "&Blue").OnClick = [this] { Log("blue"); };
    Put(ColourLB, {16, 90, 120, 80});
    for (const char* colour : {"Red", "Green", "Blue"}) ColourLB.Add(colour);
    ColourLB.OnClick = [this] { Log("line " + ColourLB.Selected()->Text); };
    ColourLB.OnDblClick = [this] { Log("double"); };
    auto& site = Put(PlaceTV, {150, 90, 150, 80}).Add("Site");
    site.Add("Hall 1");
    site.Add("Hall 2");
    PlaceTV.OnChange = [this] { Log("node " + PlaceTV.Selected->Text); };
    PlaceTV.OnClick = [this] { Log("node click"); };
    Put(OkBtn, {220, 240, 90, 28}, "&Ok").Default = true;
    OkBtn.OnClick = [this] { Finish("ok"); };
    Put(CancelBtn, {316, 240, 90, 28}, "&Cancel").Cancel = true;
    CancelBtn.OnClick = [this] { Finish("cancel"); };
    Put(StatBar, {0, 281, 420, 19});
    KeyPreview = true;
    OnKeyDown = [this](Key key) {
      if (key == Key::F5) Log("F5");
      return key == Key::F5;
    };
  }

  Label NameLbl{*this, "NameLbl"};
  Edit NameEdit{*this, "NameEdit"};
  CheckBox SaveCB{*this, "SaveCB"};
  RadioButton RedRB{*this, "RedRB"}, BlueRB{*this, "BlueRB"};
  ListBox ColourLB{*this, "ColourLB"};
  TreeView PlaceTV{*this, "PlaceTV"};
  Button OkBtn{*this, "OkBtn"}, CancelBtn{*this, "CancelBtn"};
  StatusBar StatBar{*this, "StatBar"};
  std::vector<std::string> events;

 private:
  void Log(const std::string& event) { events.push_back(event); StatBar.Text = event; }
  void Finish(const std::string& how) { Log(how); Close(); }
};

// Shows the name page; events gets what its handlers did.
Program NamePage(std::vector<std::string>& events, std::function<void(TNameForm&)> prepare = {}) {
  return [&events, prepare](Host& host) {
    events.clear();
    TNameForm page(host, events);
    if (prepare) prepare(page);
    return page.Execute("") == "next" ? Outcome::Finished : Outcome::Cancelled;
  };
}

// Shows a page of the given kind; events gets what its handlers did.
template <class Form>
Program Shown(std::vector<std::string>* events = nullptr, std::function<void(Form&)> prepare = {}) {
  return [events, prepare](Host& host) {
    Form page(host);
    if (prepare) prepare(page);
    page.ShowModal();
    if constexpr (requires { page.events; }) {
      if (events) *events = page.events;
    }
    return Outcome::Finished;
  };
}

// The name page, then the pick page.
Outcome NameThenPick(Host& host) {
  std::vector<std::string> events;
  TNameForm name(host, events);
  if (name.Execute("") != "next") return Outcome::Cancelled;
  TPickForm pick(host);
  pick.ShowModal();
  return Outcome::Finished;
}

std::string LastLine(const std::string& text) {
  auto end = text.find_last_not_of('\n');
  return text.substr(text.rfind('\n', end) + 1, end - text.rfind('\n', end));
}

TEST_P(HostContract, EveryKindOfInputReachesTheModelInTheToolkitsOrder) {
  std::vector<std::string> seen;
  Play("page TProbeForm\n"
       "  type NameEdit \"Plant number one\"\n"  // longer than MaxLength: cut
       "  check SaveCB\n"                        // the edit is left first
       "  click BlueRB\n"
       "  click BlueRB\n"                        // checked already: no event
       "  select ColourLB \"Green\"\n"
       "  double-click ColourLB \"Green\"\n"
       "  select PlaceTV \"Site\" \"Hall 2\"\n"
       "  select PlaceTV \"Hall 2\"\n"           // the same node: a click only
       "  key F5\n"                              // the page sees it first
       "  type NameEdit \"Plant 2\"\n"
       "  key Tab\n"                             // to the check box: the edit is left
       "  key Space\n"                           // the focused check box toggles
       "  key Enter\n",                          // the default button, the focus stays
       Shown<TProbeForm>(&seen));
  EXPECT_EQ(seen, (std::vector<std::string>{"change Plant number", "exit", "save on", "blue", "line Green",
                                            "line Green", "double", "node Hall 2", "node click", "node click",
                                            "F5", "change Plant 2", "exit", "save off", "ok"}));
}

// The backdrop's start: the first page comes from its OnShow; an error there
// leaves it waiting for Esc.
Outcome MainWindow(Host& host) {
  Page main(host, "TMainForm");
  main.MainWindow = true;
  main.KeyPreview = true;
  main.OnKeyDown = [&](Key key) {
    if (key == Key::Escape) main.Close();
    return key == Key::Escape;
  };
  std::vector<std::string> events;
  TNameForm name(host, events);
  main.OnShow = [&] {
    if (name.Execute("x") == "cancel") throw InstallerError("Language file damaged");
    main.Close();
  };
  main.ShowModal();
  return Outcome::Finished;
}

TEST_P(HostContract, AScriptThatDoesNotFitStopsNamingPageAndStep) {
  std::vector<std::string> events;
  // The demo check box is hidden: it cannot be used and is not listed.
  const Program name = NamePage(events, [](TNameForm& page) { page.DemoCB.Visible = false; });
  const Program pick = Shown<TPickForm>(), failingShow = Shown<TPickForm>(nullptr, [](TPickForm& page) {
    page.OnShow = [] { throw std::runtime_error("out of memory"); };
  });
  const std::string box = "the message box \"Overwrite C:\\Velmar\\Velmar.ini ?↵It exists.\"";
  const struct {
    Program program;
    std::string script, message;
    Outcome outcome = Outcome::Stopped;
  } cases[] = {
      {name, "", "page TNameForm is shown, but the script has ended"},
      {name, "page TNameForm", "page TNameForm waits for the user, but the script has ended"},
      {name, "page TNameForm\nclick NextButton", "line 2: click NextButton on page TNameForm: the page has no control NextButton"},
      {name, "page TNameForm\ntype NameEdit \"  \"\nclick NextBtn",
       "line 3: click NextBtn on page TNameForm: NextBtn is disabled (since the focus left NameEdit)"},
      {name, "page TNameForm\nanswer \"Overwrite\" Yes",
       "page TNameForm waits for the user, but the script goes on with line 2: answer \"Overwrite\" Yes, and no message box is shown"},
      {name, "page TNameForm\nclick CancelBtn\npage TNameForm",
       "the program has ended, but the script goes on with line 3: page TNameForm"},
      {name, "page TNameForm\ncheck DemoCB", "line 2: check DemoCB on page TNameForm: DemoCB is not visible"},
      // Message boxes: answered by a part of their text, with a button they have.
      {pick, "page TPickForm\nclick AskBtn\nanswer \"Delete\" Yes",
       "line 3: answer \"Delete\" Yes: " + box + " is shown instead"},
      {pick, "page TPickForm\nclick AskBtn\nanswer \"exists\" OK", "line 3: answer \"exists\" OK: " + box + " has no OK button"},
      {pick, "page TPickForm\nclick AskBtn\nclick OkBtn", box + " is shown, but the script goes on with line 3: click OkBtn"},
      // An error in a handler not answered fails the run.
      {pick, "page TPickForm\nclick FailBtn\nclick OkBtn",
       "the message box \"ERROR: Disk read failed on C:\\Velmar\\Big.dat\" is shown, but the script goes on with line 3: "
       "click OkBtn",
       Outcome::Failed},
      // Items by their text, or their path when the text is not unique.
      {pick, "page TPickForm\nselect Tree \"Demo.vpr\"",
       "line 2: select Tree \"Demo.vpr\" on page TPickForm: Tree has several nodes \"Demo.vpr\"; give the path from the top"},
      // Back on a page after another on top closed needs a new page step.
      {pick, "page TPickForm\nclick OtherBtn\npage TNameForm\nclick NextBtn\nclick OkBtn\n",
       "page TPickForm waits for the user, but the script goes on with line 5: click OkBtn for page TNameForm"},
      {pick, "page TPickForm\nclick OtherBtn\nclick OkBtn\n",
       "page TNameForm is shown, but the script goes on with line 3: click OkBtn for page TPickForm"},
      {MainWindow, "page TNameForm\nkey Esc\nanswer \"damaged\" OK", "page TMainForm waits for the user, but the script has ended"},
      // Fitting scripts, for the programs above.
      {failingShow, "page TPickForm\nanswer \"out of memory\" OK\nclick OkBtn", "", Outcome::Finished},
      {MainWindow, "page TNameForm\nkey Enter", "", Outcome::Finished},
      {MainWindow, "page TNameForm\nkey Esc\nanswer \"damaged\" OK\npage TMainForm\nkey Esc", "", Outcome::Finished},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    auto played = Play(c.script, c.program);
    EXPECT_EQ(played.outcome, c.outcome);
    EXPECT_EQ(played.message, c.message);
    if (c.outcome != Outcome::Finished) {
      EXPECT_EQ(LastLine(played.transcript), (c.outcome == Outcome::Failed ? "end: failed: " : "end: stopped: ") + c.message);
    }
  }
  EXPECT_EQ(Play("page TNameForm\nclick CancelBtn", name).transcript.find("DemoCB:"), std::string::npos);
  // An error outside any handler fails the run.
  auto played = Play("", [](Host&) -> Outcome { throw InstallerError("Cannot read C:\\Medium\\Setup.ini"); });
  EXPECT_EQ(played.outcome, Outcome::Failed);
  EXPECT_EQ(played.transcript, "end: failed: Cannot read C:\\Medium\\Setup.ini\n");
}

TEST_P(HostContract, MessageBoxesAreAnsweredAndAnErrorInAHandlerShowsTheGeneralErrorBox) {
  std::vector<std::string> events;
  auto played = Play(
      "page TPickForm\nclick AskBtn\nanswer \"Velmar.ini ?\" No\nclick FailBtn\nanswer \"Disk read failed\" OK\n"
      "click AskBtn\nanswer \"\" Cancel\nclick OkBtn\n",
      Shown<TPickForm>(&events));
  EXPECT_EQ(played.outcome, Outcome::Finished);
  EXPECT_EQ(events, (std::vector<std::string>{"answer No", "answer Cancel"}));
  EXPECT_NE(played.transcript.find("message box \"Overwrite file\", question icon, buttons Yes, No, Cancel\n"
                                   "  | Overwrite C:\\Velmar\\Velmar.ini ?\n"
                                   "  | It exists.\n"),
            std::string::npos)
      << played.transcript;
  EXPECT_NE(played.transcript.find("message box \"Installer\", error icon, buttons OK\n"), std::string::npos);
  // Line ends in the expected text match the message's CR LF.
  EXPECT_EQ(Play(script::Script().Page("TPickForm").Click("AskBtn").Answer("?\nIt exists", Answer::Yes).Click("OkBtn"),
                 Shown<TPickForm>()).outcome,
            Outcome::Finished);

}

TEST_P(HostContract, AProgramThatSwallowsTheStopCannotPlayOn) {
  std::vector<std::string> events;
  auto played = Play("page TWrongForm\npage TNameForm\nclick CancelBtn", [&](Host& host) {
    TNameForm page(host, events);
    try {
      page.Execute("x");
    } catch (...) {
    }
    page.Execute("x");
    return Outcome::Finished;
  });
  EXPECT_EQ(played.outcome, Outcome::Stopped);
  EXPECT_EQ(played.message, "page TNameForm is shown, but the script goes on with line 1: page TWrongForm");
  EXPECT_TRUE(events.empty());
}

TEST_P(HostContract, WhatIsDoneIsRecordedAsAFileThatShowsTheSamePages) {
  const struct {
    const char* what;
    Program program;
    std::string script;
    std::string recorded;  // the file after its heading
  } cases[] = {
      {"an edit's text when it is left; check boxes by their new state; items: a caption without its mnemonic, "
       "a node by its text or, when not unique, its path; a double click",
       NameThenPick,
       "page TNameForm\n type NameEdit \"Plant 2 \"\n click DemoCB\n click NextBtn\n"
       "page TPickForm\n select KindRG \"&Office\"\n select Tree \"Job.vpr\"\n select Tree \"Site\" \"Demo.vpr\"\n"
       " double-click LB \"North\"\n click OkBtn\n",
       "page TNameForm\r\n  type NameEdit \"Plant 2 \"\r\n  check DemoCB\r\n  click NextBtn\r\n"
       "page TPickForm\r\n  select KindRG \"Office\"\r\n  select Tree \"Job.vpr\"\r\n"
       "  select Tree \"Site\" \"Demo.vpr\"\r\n  select LB \"North\"\r\n  double-click LB \"North\"\r\n"
       "  click OkBtn\r\n"},
      {"message boxes by their first line, the error box too; the page named again after one on top closed",
       NameThenPick,
       "page TNameForm\n type NameEdit \"a\"\n click NextBtn\n"
       "page TPickForm\n click AskBtn\n answer \"exists\" No\n click FailBtn\n answer \"Disk\" OK\n"
       " click OtherBtn\npage TNameForm\n type NameEdit \"b\"\n click NextBtn\npage TPickForm\n click OkBtn\n",
       "page TNameForm\r\n  type NameEdit \"a\"\r\n  click NextBtn\r\n"
       "page TPickForm\r\n  click AskBtn\r\nanswer \"Overwrite C:\\Velmar\\Velmar.ini ?\" No\r\n"
       "  click FailBtn\r\nanswer \"ERROR: Disk read failed on C:\\Velmar\\Big.dat\" OK\r\n"
       "  click OtherBtn\r\npage TNameForm\r\n  type NameEdit \"b\"\r\n  click NextBtn\r\n"
       "page TPickForm\r\n  click OkBtn\r\n"},
      {"a key the page uses; keys the windows take by what they do", Shown<TProbeForm>(),
       "page TProbeForm\n  type NameEdit \"Plant 2\"\n  check SaveCB\n  click BlueRB\n"
       "  key F5\n  type NameEdit \"Plant 3\"\n  key Tab\n  key Space\n  key Enter\n",
       "page TProbeForm\r\n  type NameEdit \"Plant 2\"\r\n  check SaveCB\r\n  click BlueRB\r\n"
       "  key F5\r\n  type NameEdit \"Plant 3\"\r\n  key Tab\r\n  key Space\r\n  key Enter\r\n"},
  };
  for (const auto& c : cases) {
    velmar::test::MemoryFileSystem files;
    script::AnswerRecorder recorder(files, "C:\\Recorded.txt", {"Recorded by a test"});
    ASSERT_TRUE(recorder.Start());
    const Played recording = Play(c.script, c.program, &recorder);
    ASSERT_TRUE(recorder.Finish());
    const std::string file = platform::ReadFileContents(files, "C:\\Recorded.txt").value_or("");
    EXPECT_EQ(recording.outcome, Outcome::Finished) << c.what << ": " << recording.message;
    std::string expected = "# Recorded by a test\r\n" + c.recorded;
    // Real windows toggle the focused check box themselves: their host hears what Space did.
    if (auto at = expected.find("  key Space\r\n"); GetParam().needsScreen && at != std::string::npos)
      expected.replace(at, 13, "  uncheck SaveCB\r\n");
    EXPECT_EQ(file, expected) << c.what;
    EXPECT_EQ(velmar::test::WithoutActions(Play(file, c.program).transcript),
              velmar::test::WithoutActions(recording.transcript)) << c.what;
  }
}

}  // namespace
}  // namespace velmar::ui::contract
