#include "ui/script/script_host.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "platform/file_contents.h"
#include "support/installer_fixture.h"
#include "support/memory_file_system.h"
#include "ui/page.h"
#include "ui/script/answer_file.h"
#include "ui/script/answer_recorder.h"

namespace velmar::ui::script {
namespace {

// A wizard page with a required name: Next is enabled while the name is not
// empty; leaving the edit trims it.
class TNameForm : public Page {
 public:
  TNameForm(Host& host, std::vector<std::string>& events) : Page(host, "TNameForm"), events_(events) {
    Caption = "Project name";
    NameLbl.Caption = "&Name :";
    DemoCB.Caption = "Install &demo";
    BrowseBtn.Caption = "&Browse...";
    NextBtn.Caption = "&Next";
    NextBtn.Default = true;
    CancelBtn.Caption = "&Cancel";
    CancelBtn.Cancel = true;
    NameEdit.OnChange = [this] { Validate(); };
    NameEdit.OnExit = [this] { NameEditExit(); };
    DemoCB.OnClick = [this] { events_.push_back(DemoCB.Checked ? "demo on" : "demo off"); };
    BrowseBtn.OnClick = [this] { BrowseBtnClick(); };
    NextBtn.OnClick = [this] { Finish("next"); };
    CancelBtn.OnClick = [this] { Finish("cancel"); };
  }

  Label NameLbl{*this, "NameLbl"};
  Edit NameEdit{*this, "NameEdit"};
  CheckBox DemoCB{*this, "DemoCB"};
  Button BrowseBtn{*this, "BrowseBtn"};
  Button NextBtn{*this, "NextBtn"};
  Button CancelBtn{*this, "CancelBtn"};
  StatusBar StatBar{*this, "StatBar"};
  std::string result;

  std::string Execute(const std::string& name) {
    result.clear();
    NameEdit.Text = name;
    Validate();
    ShowModal();
    return result;
  }

 private:
  void Validate() {
    bool valid = !NameEdit.Text.empty();
    StatBar.Text = valid ? "" : "Please enter a name";
    NextBtn.Enabled = valid;
  }
  void NameEditExit() {
    events_.push_back("exit");
    auto first = NameEdit.Text.find_first_not_of(' ');
    NameEdit.Text = first == std::string::npos ? "" : NameEdit.Text.substr(first, NameEdit.Text.find_last_not_of(' ') - first + 1);
    Validate();
  }
  void BrowseBtnClick() {
    if (auto folder = GetHost().BrowseForFolder("Select the project folder", NameEdit.Text)) NameEdit.Text = *folder;
  }
  void Finish(const std::string& how) {
    events_.push_back(how);
    result = how;
    Close();
  }

  std::vector<std::string>& events_;
};

// A page with the choosing controls; OtherBtn opens a second page on top.
class TPickForm : public Page {
 public:
  explicit TPickForm(Host& host) : Page(host, "TPickForm") {
    KindRG.Caption = "Kind";
    KindRG.Items = {"&Plant", "&Office"};
    KindRG.OnClick = [this] { events.push_back("kind " + std::to_string(KindRG.ItemIndex)); };
    LB.Add("North");
    LB.Add("South");
    LB.Add("South");
    LB.Items[0].TextColour = colours::Maroon;
    LB.OnClick = [this] { events.push_back("line " + std::to_string(LB.ItemIndex)); };
    LB.OnDblClick = [this] { events.push_back("double"); };
    TreeNode& site = Tree.Add("Site");
    site.Add("Job.vpr");
    site.Add("Demo.vpr");
    Tree.Add("Demo.vpr");
    Tree.OnChange = [this] { events.push_back("change " + Tree.Selected->Text); };
    Tree.OnClick = [this] { events.push_back("click"); };
    OkBtn.Caption = "OK";
    OkBtn.OnClick = [this] { Close(); };
    AskBtn.Caption = "Ask";
    AskBtn.OnClick = [this] {
      Answer answer = GetHost().ShowMessage("Overwrite C:\\Velmar\\Velmar.ini ?\r\nIt exists.", "Overwrite file",
                                            MessageIcon::Question, YesNoCancelButtons);
      events.push_back("answer " + AnswerName(answer));
    };
    FailBtn.Caption = "Fail";
    FailBtn.OnClick = [] { throw InstallerError("ERROR: Disk read failed on C:\\Velmar\\Big.dat"); };
    OtherBtn.Caption = "Other";
    OtherBtn.OnClick = [this] {
      std::vector<std::string> ignored;
      TNameForm other(GetHost(), ignored);
      events.push_back("name " + other.Execute("x"));
    };
  }

  RadioGroup KindRG{*this, "KindRG"};
  ListBox LB{*this, "LB"};
  TreeView Tree{*this, "Tree"};
  Button OkBtn{*this, "OkBtn"};
  Button AskBtn{*this, "AskBtn"};
  Button FailBtn{*this, "FailBtn"};
  Button OtherBtn{*this, "OtherBtn"};
  std::vector<std::string> events;
};

struct Played {
  Outcome outcome;
  std::string message;
  std::string transcript;
};

Played PlayName(const std::string& answerFile, std::vector<std::string>& events, const std::string& name = "") {
  ScriptHost host(ParseAnswerFile(answerFile));
  TNameForm page(host, events);
  Outcome outcome = host.Run([&] { return page.Execute(name) == "next" ? Outcome::Finished : Outcome::Cancelled; });
  return {outcome, host.EndMessage(), host.TranscriptText()};
}

Played PlayPick(const std::string& answerFile, std::vector<std::string>* events = nullptr) {
  ScriptHost host(ParseAnswerFile(answerFile));
  TPickForm page(host);
  Outcome outcome = host.Run([&] {
    page.ShowModal();
    return Outcome::Finished;
  });
  if (events) *events = page.events;
  return {outcome, host.EndMessage(), host.TranscriptText()};
}

std::string LastLine(const std::string& text) {
  auto end = text.find_last_not_of('\n');
  return text.substr(text.rfind('\n', end) + 1, end - text.rfind('\n', end));
}

TEST(ScriptHost, TypingThenClickingRunsTheExitHandlerBeforeTheClick) {
  std::vector<std::string> events;
  auto played = PlayName(
      "page TNameForm\n"
      "  type NameEdit \"  Plant 1 \"\n"
      "  click NextBtn\n",
      events);
  EXPECT_EQ(played.outcome, Outcome::Finished);
  EXPECT_EQ(events, (std::vector<std::string>{"exit", "next"}));
  // After each action only the controls it changed; the exit handler's change comes with the click.
  EXPECT_NE(played.transcript.find("  NextBtn: button \"_Next\", default, disabled\n"
                                   "  CancelBtn: button \"_Cancel\", cancel\n"
                                   "  StatBar: status line \"Please enter a name\"\n"
                                   "> type NameEdit \"  Plant 1 \"\n"
                                   "  NameEdit: edit \"  Plant 1 \"\n"
                                   "  NextBtn: button \"_Next\", default\n"
                                   "  StatBar: status line \"\"\n"
                                   "> click NextBtn\n"
                                   "  NameEdit: edit \"Plant 1\"\n"
                                   "closed TNameForm\n"
                                   "end: finished\n"),
            std::string::npos)
      << played.transcript;
}

TEST(ScriptHost, CheckAndUncheckClickOnlyWhenTheStateChanges) {
  std::vector<std::string> events;
  PlayName("page TNameForm\ncheck DemoCB\ncheck DemoCB\nuncheck DemoCB\nclick DemoCB\nclick CancelBtn\n", events);
  EXPECT_EQ(events, (std::vector<std::string>{"exit", "demo on", "demo off", "demo on", "cancel"}));
}

TEST(ScriptHost, AScriptThatDoesNotFitStopsNamingPageAndStep) {
  struct Case {
    const char* script;
    const char* message;
  } cases[] = {
      {"", "page TNameForm is shown, but the script has ended"},
      {"page TOtherForm\nclick OkBtn",
       "page TNameForm is shown, but the script goes on with line 1: page TOtherForm"},
      {"click NextBtn", "page TNameForm is shown, but the script goes on with line 1: click NextBtn for no page (no page step before it)"},
      {"page TNameForm", "page TNameForm waits for the user, but the script has ended"},
      {"page TNameForm\npage TOtherForm",
       "page TNameForm waits for the user, but the script goes on with line 2: page TOtherForm"},
      {"page TNameForm\nclick NextButton",
       "line 2: click NextButton on page TNameForm: the page has no control NextButton"},
      {"page TNameForm\nclick NextBtn", "line 2: click NextBtn on page TNameForm: NextBtn is disabled"},
      {"page TNameForm\ntype NameEdit \"  \"\nclick NextBtn",
       "line 3: click NextBtn on page TNameForm: NextBtn is disabled (since the focus left NameEdit)"},
      {"page TNameForm\ntype NextBtn \"x\"", "line 2: type NextBtn \"x\" on page TNameForm: NextBtn is not an edit"},
      {"page TNameForm\ntype StatBar \"x\"", "line 2: type StatBar \"x\" on page TNameForm: StatBar is not an edit"},
      {"page TNameForm\nuncheck NextBtn", "line 2: uncheck NextBtn on page TNameForm: NextBtn is not a check box"},
      {"page TNameForm\nselect DemoCB \"x\"",
       "line 2: select DemoCB \"x\" on page TNameForm: DemoCB is not a radio group, list box or tree view"},
      {"page TNameForm\nanswer \"Overwrite\" Yes",
       "page TNameForm waits for the user, but the script goes on with line 2: answer \"Overwrite\" Yes, and no message box is shown"},
      {"page TNameForm\nclick BrowseBtn\nclick CancelBtn",
       "the folder browser \"Select the project folder\" is shown, but the script goes on with line 3: click CancelBtn"},
      {"page TNameForm\nclick CancelBtn\npage TNameForm",
       "the program has ended, but the script goes on with line 3: page TNameForm"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> events;
    auto played = PlayName(c.script, events);
    EXPECT_EQ(played.outcome, Outcome::Stopped) << c.script;
    EXPECT_EQ(played.message, c.message) << c.script;
    EXPECT_EQ(LastLine(played.transcript), std::string("end: stopped: ") + c.message);
  }
}

TEST(ScriptHost, InvisibleControlsCannotBeUsedAndAreNotListed) {
  ScriptHost host(ParseAnswerFile("page TNameForm\ncheck DemoCB"));
  std::vector<std::string> events;
  TNameForm page(host, events);
  page.DemoCB.Visible = false;
  EXPECT_EQ(host.Run([&] { page.Execute("x"); return Outcome::Finished; }), Outcome::Stopped);
  EXPECT_EQ(host.EndMessage(), "line 2: check DemoCB on page TNameForm: DemoCB is not visible");
  EXPECT_EQ(host.TranscriptText().find("DemoCB:"), std::string::npos);
}

TEST(ScriptHost, MessageBoxesAreAnsweredByAPartOfTheirText) {
  std::vector<std::string> events;
  auto played = PlayPick(
      "page TPickForm\n"
      "click AskBtn\n"
      "answer \"Velmar.ini ?\" No\n"
      "click OkBtn\n",
      &events);
  EXPECT_EQ(played.outcome, Outcome::Finished);
  EXPECT_EQ(events, (std::vector<std::string>{"answer No"}));
  EXPECT_NE(played.transcript.find("> click AskBtn\n"
                                   "message box \"Overwrite file\", question icon, buttons Yes, No, Cancel\n"
                                   "  | Overwrite C:\\Velmar\\Velmar.ini ?\n"
                                   "  | It exists.\n"
                                   "> answer \"Velmar.ini ?\" No\n"),
            std::string::npos)
      << played.transcript;

  // Line ends in the expected text match the message's CR LF.
  ScriptHost host(Script().Page("TPickForm").Click("AskBtn").Answer("?\nIt exists", Answer::Yes).Click("OkBtn"));
  TPickForm page(host);
  EXPECT_EQ(host.Run([&] { page.ShowModal(); return Outcome::Finished; }), Outcome::Finished);

  EXPECT_EQ(PlayPick("page TPickForm\nclick AskBtn\nanswer \"Delete\" Yes").message,
            "line 3: answer \"Delete\" Yes: the message box \"Overwrite C:\\Velmar\\Velmar.ini ?↵It exists.\" is "
            "shown instead");
  EXPECT_EQ(PlayPick("page TPickForm\nclick AskBtn\nanswer \"exists\" OK").message,
            "line 3: answer \"exists\" OK: the message box \"Overwrite C:\\Velmar\\Velmar.ini ?↵It exists.\" has no "
            "OK button");
  EXPECT_EQ(PlayPick("page TPickForm\nclick AskBtn\nclick OkBtn").message,
            "the message box \"Overwrite C:\\Velmar\\Velmar.ini ?↵It exists.\" is shown, but the script goes on with "
            "line 3: click OkBtn");
}

TEST(ScriptHost, AnErrorInAHandlerShowsTheGeneralErrorBoxAndTheRunGoesOn) {
  std::vector<std::string> events;
  auto played = PlayPick(
      "page TPickForm\n"
      "click FailBtn\n"
      "answer \"Disk read failed\" OK\n"
      "click AskBtn\n"
      "answer \"\" Cancel\n"
      "click OkBtn\n",
      &events);
  EXPECT_EQ(played.outcome, Outcome::Finished);
  EXPECT_EQ(events, (std::vector<std::string>{"answer Cancel"}));
  EXPECT_NE(played.transcript.find("> click FailBtn\n"
                                   "message box \"Installer\", error icon, buttons OK\n"
                                   "  | ERROR: Disk read failed on C:\\Velmar\\Big.dat\n"
                                   "> answer \"Disk read failed\" OK\n"
                                   "> click AskBtn\n"),
            std::string::npos)
      << played.transcript;

  // Not answered, the error ends the run as failed.
  played = PlayPick("page TPickForm\nclick FailBtn\nclick OkBtn\n");
  EXPECT_EQ(played.outcome, Outcome::Failed);
  EXPECT_EQ(played.message,
            "the message box \"ERROR: Disk read failed on C:\\Velmar\\Big.dat\" is shown, but the script goes on with "
            "line 3: click OkBtn");
  EXPECT_EQ(LastLine(played.transcript), "end: failed: " + played.message);
}

TEST(ScriptHost, ErrorsOutsideHandlersAndInOnShowAreCaughtToo) {
  ScriptHost host(Script().Page("TPickForm").Answer("out of memory", Answer::Ok).Click("OkBtn"));
  TPickForm page(host);
  page.OnShow = [] { throw std::runtime_error("out of memory"); };
  EXPECT_EQ(host.Run([&] { page.ShowModal(); return Outcome::Finished; }), Outcome::Finished);

  ScriptHost failing{Script()};
  EXPECT_EQ(failing.Run([]() -> Outcome { throw InstallerError("Cannot read C:\\Medium\\Setup.ini"); }),
            Outcome::Failed);
  EXPECT_EQ(failing.TranscriptText(), "end: failed: Cannot read C:\\Medium\\Setup.ini\n");
}

TEST(ScriptHost, ItemsAreChosenByTheirTextOrPath) {
  std::vector<std::string> events;
  auto played = PlayPick(
      "page TPickForm\n"
      "select KindRG \"Office\"\n"
      "select KindRG \"&Office\"\n"
      "select LB \"North\"\n"
      "double-click LB \"North\"\n"
      "select Tree \"Job.vpr\"\n"
      "select Tree \"Site\" \"Demo.vpr\"\n"
      "select Tree \"Site\" \"Demo.vpr\"\n"
      "click OkBtn\n",
      &events);
  EXPECT_EQ(played.outcome, Outcome::Finished) << played.message;
  EXPECT_EQ(events, (std::vector<std::string>{"kind 1", "line 0", "line 0", "double", "change Job.vpr", "click",
                                              "change Demo.vpr", "click", "click"}));
  EXPECT_NE(played.transcript.find("  KindRG: radio group \"Kind\"\n"
                                   "    ( ) _Plant\n"
                                   "    (*) _Office\n"),
            std::string::npos);
  EXPECT_NE(played.transcript.find("  LB: list box\n"
                                   "    - North (maroon)\n"
                                   "    - South\n"
                                   "    - South\n"),
            std::string::npos);
  EXPECT_NE(played.transcript.find("  Tree: tree view\n"
                                   "    - Site\n"
                                   "      - Job.vpr\n"
                                   "      * Demo.vpr\n"
                                   "    - Demo.vpr\n"),
            std::string::npos)
      << played.transcript;

  EXPECT_EQ(PlayPick("page TPickForm\nselect Tree \"Demo.vpr\"").message,
            "line 2: select Tree \"Demo.vpr\" on page TPickForm: Tree has several nodes \"Demo.vpr\"; give the "
            "path from the top");
  EXPECT_EQ(PlayPick("page TPickForm\nselect Tree \"Demo.vpr\" \"Site\"").message,
            "line 2: select Tree \"Demo.vpr\" \"Site\" on page TPickForm: Tree has no node \"Demo.vpr\" > \"Site\"");
  EXPECT_EQ(PlayPick("page TPickForm\nselect LB \"South\"").message,
            "line 2: select LB \"South\" on page TPickForm: LB has several lines \"South\"");
  EXPECT_EQ(PlayPick("page TPickForm\nselect KindRG \"Home\"").message,
            "line 2: select KindRG \"Home\" on page TPickForm: KindRG has no item \"Home\"");
}

TEST(ScriptHost, BackOnAPageAfterAnotherClosedNeedsANewPageStep) {
  std::vector<std::string> events;
  auto played = PlayPick(
      "page TPickForm\n"
      "click OtherBtn\n"
      "page TNameForm\n"
      "click NextBtn\n"
      "page TPickForm\n"
      "click OkBtn\n",
      &events);
  EXPECT_EQ(played.outcome, Outcome::Finished) << played.message;
  EXPECT_EQ(events, (std::vector<std::string>{"name next"}));

  played = PlayPick("page TPickForm\nclick OtherBtn\npage TNameForm\nclick NextBtn\nclick OkBtn\n");
  EXPECT_EQ(played.message,
            "page TPickForm waits for the user, but the script goes on with line 5: click OkBtn for page TNameForm");
  played = PlayPick("page TPickForm\nclick OtherBtn\nclick OkBtn\n");
  EXPECT_EQ(played.message,
            "page TNameForm is shown, but the script goes on with line 3: click OkBtn for page TPickForm");
}

// Long work inside a modal dialog: it starts once the dialog is shown and
// either closes it or leaves it waiting for Cancel.
class TWorkForm : public Page {
 public:
  TWorkForm(Host& host, bool fail) : Page(host, "TWorkForm") {
    Bar.Max = 100;
    OnShow = [this, fail] {
      if (fail) {
        LB.Add("ERROR: File could not be found !");
        return;
      }
      for (const char* item : {"Velmar/VelmarPM.exe", "Velmar/Velmar.ini"}) {
        LB.Add(item);
        GetHost().Repaint(*this);
      }
      Bar.Position = 100;
      Close();
    };
    CancelBtn.Caption = "&Cancel";
    CancelBtn.OnClick = [this] { Close(); };
  }
  ListBox LB{*this, "LB"};
  ProgressBar Bar{*this, "Bar"};
  Button CancelBtn{*this, "CancelBtn"};
};

TEST(ScriptHost, WorkStartedOnShowIsTranscribedWhenItEnds) {
  ScriptHost host(Script().Page("TWorkForm"));
  TWorkForm work(host, false);
  EXPECT_EQ(host.Run([&] { work.ShowModal(); return Outcome::Finished; }), Outcome::Finished);
  // The page as shown, then what the work changed, listed as it ends.
  EXPECT_NE(host.TranscriptText().find("  CancelBtn: button \"_Cancel\"\n"
                                       "  LB: list box\n"
                                       "    - Velmar/VelmarPM.exe\n"
                                       "    - Velmar/Velmar.ini\n"
                                       "  Bar: progress 100 of 100\n"
                                       "closed TWorkForm\n"),
            std::string::npos)
      << host.TranscriptText();

  ScriptHost waiting(Script().Page("TWorkForm").Click("CancelBtn"));
  TWorkForm failed(waiting, true);
  EXPECT_EQ(waiting.Run([&] { failed.ShowModal(); return Outcome::Finished; }), Outcome::Finished);
}

TEST(ScriptHost, TheMainWindowNeedsAPageStepOnlyToBeActedOn) {
  // The backdrop's start: the first page comes from its OnShow; an error
  // there leaves it waiting for Esc.
  auto play = [](const std::string& file) {
    ScriptHost host(ParseAnswerFile(file));
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
    host.Run([&] { main.ShowModal(); return Outcome::Finished; });
    return host.EndMessage();
  };
  EXPECT_EQ(play("page TNameForm\nkey Enter"), "");
  EXPECT_EQ(play("page TMainForm\npage TNameForm\nkey Enter"), "");
  EXPECT_EQ(play("page TNameForm\nkey Esc\nanswer \"damaged\" OK\npage TMainForm\nkey Esc"), "");
  EXPECT_EQ(play("page TNameForm\nkey Esc\nanswer \"damaged\" OK"),
            "page TMainForm waits for the user, but the script has ended");
}

TEST(ScriptHost, AProgramThatSwallowsTheStopCannotPlayOn) {
  std::vector<std::string> events;
  ScriptHost host(ParseAnswerFile("page TWrongForm\npage TNameForm\nclick CancelBtn"));
  TNameForm page(host, events);
  Outcome outcome = host.Run([&] {
    try {
      page.Execute("x");
    } catch (...) {
    }
    page.Execute("x");
    return Outcome::Finished;
  });
  EXPECT_EQ(outcome, Outcome::Stopped);
  EXPECT_EQ(host.EndMessage(), "page TNameForm is shown, but the script goes on with line 1: page TWrongForm");
  EXPECT_TRUE(events.empty());
}

// Recording. The program shows the name page, then the pick page (which may
// show another name page on top).
struct Recording {
  Outcome outcome;
  std::string file;        // the recorded answer file as written
  std::string shown;       // the recording run's transcript without its action lines
  std::string replayed;    // the same of the recorded file played back
};

Recording Record(const std::string& answerFile) {
  test::MemoryFileSystem files;
  auto play = [&](const std::string& file, AnswerRecorder* recorder) {
    ScriptHostOptions options;
    options.recorder = recorder;
    ScriptHost host(ParseAnswerFile(file), options);
    std::vector<std::string> events;
    TNameForm name(host, events);
    TPickForm pick(host);
    Outcome outcome = host.Run([&] {
      if (name.Execute("") != "next") return Outcome::Cancelled;
      pick.ShowModal();
      return Outcome::Finished;
    });
    return std::pair{outcome, host.TranscriptText()};
  };
  AnswerRecorder recorder(files, "C:\\Recorded.txt", {"Recorded by a test"});
  EXPECT_TRUE(recorder.Start());
  auto [outcome, transcript] = play(answerFile, &recorder);
  EXPECT_TRUE(recorder.Finish());
  const std::string file = platform::ReadFileContents(files, "C:\\Recorded.txt").value_or("");
  return {outcome, file, test::WithoutActions(transcript), test::WithoutActions(play(file, nullptr).second)};
}

TEST(AnswerRecorder, RecordsWhatWasDoneAsAFileThatShowsTheSamePages) {
  const struct {
    const char* what;
    std::string script;
    std::string recorded;  // the file after its heading
  } cases[] = {
      {"an edit's text when it is left; check boxes by their new state",
       "page TNameForm\n type NameEdit \"Plant 2 \"\n click DemoCB\n click NextBtn\n"
       "page TPickForm\n click OkBtn\n",
       "page TNameForm\r\n  type NameEdit \"Plant 2 \"\r\n  check DemoCB\r\n  click NextBtn\r\n"
       "page TPickForm\r\n  click OkBtn\r\n"},
      {"an edit left by Enter, which clicks the default button",
       "page TNameForm\n type NameEdit \"x y\"\n key Enter\npage TPickForm\n click OkBtn\n",
       "page TNameForm\r\n  type NameEdit \"x y\"\r\n  key Enter\r\npage TPickForm\r\n  click OkBtn\r\n"},
      {"items: a caption without its mnemonic, a node by its text or, when not unique, its path; a double click",
       "page TNameForm\n type NameEdit \"a\"\n click NextBtn\n"
       "page TPickForm\n select KindRG \"&Office\"\n select Tree \"Job.vpr\"\n select Tree \"Site\" \"Demo.vpr\"\n"
       " double-click LB \"North\"\n click OkBtn\n",
       "page TNameForm\r\n  type NameEdit \"a\"\r\n  click NextBtn\r\n"
       "page TPickForm\r\n  select KindRG \"Office\"\r\n  select Tree \"Job.vpr\"\r\n"
       "  select Tree \"Site\" \"Demo.vpr\"\r\n  select LB \"North\"\r\n  double-click LB \"North\"\r\n"
       "  click OkBtn\r\n"},
      {"message boxes by their first line, the error box too; the page named again after one on top closed",
       "page TNameForm\n type NameEdit \"a\"\n click NextBtn\n"
       "page TPickForm\n click AskBtn\n answer \"exists\" No\n click FailBtn\n answer \"Disk\" OK\n"
       " click OtherBtn\npage TNameForm\n type NameEdit \"b\"\n click NextBtn\npage TPickForm\n click OkBtn\n",
       "page TNameForm\r\n  type NameEdit \"a\"\r\n  click NextBtn\r\n"
       "page TPickForm\r\n  click AskBtn\r\nanswer \"Overwrite C:\\Velmar\\Velmar.ini ?\" No\r\n"
       "  click FailBtn\r\nanswer \"ERROR: Disk read failed on C:\\Velmar\\Big.dat\" OK\r\n"
       "  click OtherBtn\r\npage TNameForm\r\n  type NameEdit \"b\"\r\n  click NextBtn\r\n"
       "page TPickForm\r\n  click OkBtn\r\n"},
      {"folder browsers, a path kept as it was given",
       "page TNameForm\n type NameEdit \"a\"\n click BrowseBtn\n browse \"D:\\Werk Süd\\\"\n click BrowseBtn\n"
       " browse cancel\n click NextBtn\npage TPickForm\n click OkBtn\n",
       "page TNameForm\r\n  type NameEdit \"a\"\r\n  click BrowseBtn\r\nbrowse \"D:\\Werk Süd\\\"\r\n  click BrowseBtn\r\nbrowse cancel\r\n"
       "  click NextBtn\r\npage TPickForm\r\n  click OkBtn\r\n"},
  };
  for (const auto& c : cases) {
    const Recording r = Record(c.script);
    EXPECT_EQ(r.outcome, Outcome::Finished) << c.what;
    EXPECT_EQ(r.file, "# Recorded by a test\r\n" + c.recorded) << c.what;
    EXPECT_EQ(r.replayed, r.shown) << c.what;
  }
}

TEST(AnswerRecorder, TheFileOnDiskIsCompleteAfterEachPageSoARunEndedHalfWayLeavesWhatWasDone) {
  test::MemoryFileSystem files;
  AnswerRecorder recorder(files, "C:\\Recorded.txt", {"heading"});
  ASSERT_TRUE(recorder.Start());
  ScriptHostOptions options;
  options.recorder = &recorder;
  // The script ends while the pick page waits, as a run that is killed there.
  ScriptHost host(ParseAnswerFile("page TNameForm\n type NameEdit \"a\"\n click NextBtn\npage TPickForm\n"
                                  " click AskBtn\n answer \"exists\" Yes\n"),
                  options);
  std::vector<std::string> events;
  TNameForm name(host, events);
  TPickForm pick(host);
  std::vector<std::string> onDisk;
  pick.AskBtn.OnClick = [&] {
    onDisk.push_back(platform::ReadFileContents(files, "C:\\Recorded.txt").value_or(""));
    host.ShowMessage("Overwrite ?\r\nIt exists.", "Overwrite file", MessageIcon::Question, YesNoButtons);
    onDisk.push_back(platform::ReadFileContents(files, "C:\\Recorded.txt").value_or(""));
  };
  EXPECT_EQ(host.Run([&] {
    name.Execute("");
    pick.ShowModal();
    return Outcome::Finished;
  }),
            Outcome::Stopped);
  ASSERT_EQ(onDisk.size(), 2u);
  EXPECT_EQ(onDisk[0], "# heading\r\npage TNameForm\r\n  type NameEdit \"a\"\r\n  click NextBtn\r\n");
  EXPECT_EQ(onDisk[1], onDisk[0] + "page TPickForm\r\n  click AskBtn\r\nanswer \"Overwrite ?\" Yes\r\n");
  EXPECT_EQ(ParseAnswerFile(onDisk[1]).Steps().size(), 6u);

  // A file that cannot be written is told at the start and at the end.
  AnswerRecorder nowhere(files, "C:\\Missing\\Recorded.txt", {});
  EXPECT_FALSE(nowhere.Start());
  EXPECT_FALSE(nowhere.Finish());
}

TEST(AnswerRecorder, AKeyThePageDoesNotUseIsLeftOutAndKeepsTheTextBeingTyped) {
  test::MemoryFileSystem files;
  AnswerRecorder recorder(files, "C:\\Recorded.txt", {});
  ScriptHost host{Script()};
  std::vector<std::string> events;
  TNameForm page(host, events);
  std::vector<std::string> told;
  recorder.onStep = [&](const Page* on, const Step& step) {
    told.push_back((on ? on->ClassName() + ": " : "") + step.Describe());
  };
  recorder.PageShown(page);
  page.NameEdit.Text = "P";
  recorder.Typed(page.NameEdit);
  recorder.KeyPressing(page, KeyForChar('L'), true);  // a letter the edit takes
  recorder.KeyUsed(false);
  page.NameEdit.Text = "PL";
  recorder.Typed(page.NameEdit);
  recorder.KeyPressing(page, Key::F6, true);  // a key the page uses
  recorder.KeyUsed(true);
  recorder.Focusing(&page.NameEdit);  // the focus staying on the edit writes nothing
  recorder.Focusing(nullptr);
  EXPECT_EQ(told, (std::vector<std::string>{"TNameForm: type NameEdit \"PL\"", "TNameForm: key F6"}));
  EXPECT_EQ(recorder.Text(), "page TNameForm\r\n  type NameEdit \"PL\"\r\n  key F6\r\n");
}
}  // namespace
}  // namespace velmar::ui::script
