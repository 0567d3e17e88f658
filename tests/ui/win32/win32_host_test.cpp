// The Win32 host on real windows: answer files played through window messages
// give the scripted host's transcript, events come in the toolkit's order, the
// models reach the windows, and pictures show the pages. These tests need a
// screen: tests/scripts/win32_host_playback.sh runs them under Xvfb with
// VELMAR_WINDOW_TESTS=1; elsewhere they are skipped.

#include "ui/win32/win32_host.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "app/warn_admin_form.h"
#include "platform/host_files.h"
#include "platform/pictures.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"
#include "formats/bmp_format.h"
#include "base/errors.h"
#include "app/language_form.h"
#include "support/installer_fixture.h"
#include "support/installer_test_context.h"
#include "support/temp_drive.h"
#include "ui/raster.h"
#include "ui/win32/fit_measure.h"
#include "ui/backdrop.h"
#include "ui/script/answer_file.h"
#include "ui/script/answer_recorder.h"
#include "ui/script/script_host.h"

namespace velmar::ui::win32 {
namespace {

using script::Outcome;
using Program = std::function<Outcome(Host&)>;

// Places a control and gives it its caption.
template <class C>
C& Put(C& control, Rect bounds, const char* caption = nullptr) {
  control.Bounds = bounds;
  if constexpr (requires { control.Caption; }) {
    if (caption) control.Caption = caption;
  }
  return control;
}

// Every kind of control a user works with, and what the user did, in order.
class TProbeForm : public Page {
 public:
  explicit TProbeForm(Host& host) : Page(host, "TProbeForm") {
    ClientWidth = 420;
    ClientHeight = 300;
    Put(Panel1, {0, 0, 420, 300});
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
    Put(NotesMemo, {16, 180, 284, 40}).ReadOnly = true;
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

  Panel Panel1{*this, "Panel1"};
  Label NameLbl{*this, "NameLbl"};
  Edit NameEdit{*this, "NameEdit"};
  CheckBox SaveCB{*this, "SaveCB"};
  RadioButton RedRB{*this, "RedRB"};
  RadioButton BlueRB{*this, "BlueRB"};
  ListBox ColourLB{*this, "ColourLB"};
  TreeView PlaceTV{*this, "PlaceTV"};
  Memo NotesMemo{*this, "NotesMemo"};
  Button OkBtn{*this, "OkBtn"};
  Button CancelBtn{*this, "CancelBtn"};
  StatusBar StatBar{*this, "StatBar"};
  std::vector<std::string> events;

 private:
  void Log(const std::string& event) {
    events.push_back(event);
    StatBar.Text = event;
  }
  void Finish(const std::string& how) {
    Log(how);
    Close();
  }
};

// One button that runs what a test wants, and a key that checks the windows.
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
  Button GoBtn{*this, "GoBtn"};
  Button OtherBtn{*this, "OtherBtn"};
  Button CloseBtn{*this, "CloseBtn"};
  std::function<void(TButtonForm&)> Go;
  std::function<void(TButtonForm&)> Check;
};

struct Played {
  Outcome outcome;
  std::string transcript;
  std::string end;
};

class Win32HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* wanted = std::getenv("VELMAR_WINDOW_TESTS");
    if (!wanted || std::string(wanted) != "1")
      GTEST_SKIP() << "needs a screen: tests/scripts/win32_host_playback.sh runs it";
  }

  Played OnWindows(const std::string& answers, const Program& program, const std::string& pictureFolder = "") {
    Win32HostOptions options;
    options.script = script::ParseAnswerFile(answers);
    options.pictureFolder = pictureFolder;
    Win32Host host(*files_, *pictures_, options);
    Outcome outcome = host.Run([&] { return program(host); });
    pictureFiles_ = host.PictureFiles();
    return {outcome, host.TranscriptText(), host.EndMessage()};
  }

  static Played Scripted(const std::string& answers, const Program& program) {
    script::ScriptHost host(script::ParseAnswerFile(answers), {{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, 32, {}});
    Outcome outcome = host.Run([&] { return program(host); });
    return {outcome, host.TranscriptText(), host.EndMessage()};
  }

  // Plays the answers on both hosts; they must agree in every respect.
  Played OnBoth(const std::string& answers, const Program& program) {
    Played windows = OnWindows(answers, program);
    Played scripted = Scripted(answers, program);
    EXPECT_EQ(windows.transcript, scripted.transcript);
    EXPECT_EQ(windows.end, scripted.end);
    EXPECT_EQ(windows.outcome, scripted.outcome);
    return windows;
  }

  std::unique_ptr<platform::FileSystem> files_ = platform::MakeHostFileSystem();
  std::unique_ptr<platform::Pictures> pictures_ = platform::MakeHostPictures(*files_);
  std::vector<std::string> pictureFiles_;
};

Outcome LanguageThenWarning(Host& host) {
  test::InstallerTestContext t(host);
  int language = 1;
  TLanguageForm languages(t.app);
  if (languages.Execute(language) != 1) return Outcome::Cancelled;
  ShowAdminWarning(t.app);
  return language == 3 ? Outcome::Finished : Outcome::Failed;
}

TEST_F(Win32HostTest, LanguagePageAndWarningPlayAsOnTheScriptedHost) {
  Played played = OnBoth(
      "page TLanguageForm\n  select LangRG \"Polish\"\n  click ContinueBtn\npage TWarnAdminForm\n  key Enter\n",
      LanguageThenWarning);
  EXPECT_EQ(played.outcome, Outcome::Finished);
  EXPECT_NE(played.transcript.find("> click ContinueBtn\nclosed TLanguageForm\npage TWarnAdminForm\n"),
            std::string::npos);
}

TEST_F(Win32HostTest, ScriptsThatDoNotFitStopWithTheScriptedHostsMessages) {
  for (const char* answers : {
           "page TSelectForm\n",
           "page TLanguageForm\n  click OkBtn\n",
           "page TLanguageForm\n  select LangRG \"Dansk\"\n",
           "page TLanguageForm\n  answer \"x\" OK\n",
           "page TLanguageForm\n  key Esc\npage TWarnAdminForm\n",
           "page TLanguageForm\n  select LangRG \"Polish\"\n  click ContinueBtn\npage TWarnAdminForm\n",
       }) {
    Played played = OnBoth(answers, LanguageThenWarning);
    EXPECT_EQ(played.outcome, Outcome::Stopped) << answers;
    EXPECT_FALSE(played.end.empty()) << answers;
  }
}

TEST_F(Win32HostTest, EveryKindOfInputReachesTheModelInTheToolkitsOrder) {
  std::vector<std::string> seen[2];
  int run = 0;
  Program program = [&](Host& host) {
    TProbeForm page(host);
    page.ShowModal();
    seen[run++] = page.events;
    return Outcome::Finished;
  };
  OnBoth(
      "page TProbeForm\n"
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
      program);
  const std::vector<std::string> expected{"change Plant number", "exit", "save on", "blue", "line Green",
                                          "line Green", "double", "node Hall 2", "node click", "node click",
                                          "F5", "change Plant 2", "exit", "save off", "ok"};
  EXPECT_EQ(seen[0], expected);
  EXPECT_EQ(seen[1], expected);
}

TEST_F(Win32HostTest, WhatIsDoneThroughTheWindowsIsRecordedAndPlaysBackAlike) {
  // Heard from the windows' own notifications: the text typed once, as the
  // edit is left; a key the page uses; one the windows take (Tab, then Space on
  // the check box) by what it does.
  Program program = [](Host& host) {
    TProbeForm page(host);
    page.ShowModal();
    return Outcome::Finished;
  };
  test::TempDrive drive;
  script::AnswerRecorder recorder(drive.fs(), drive.path("Recorded.txt"), {"heading"});
  Win32HostOptions options;
  options.script = script::ParseAnswerFile(
      "page TProbeForm\n  type NameEdit \"Plant 2\"\n  check SaveCB\n  click BlueRB\n"
      "  select ColourLB \"Green\"\n  double-click ColourLB \"Green\"\n  select PlaceTV \"Site\" \"Hall 2\"\n"
      "  key F5\n  type NameEdit \"Plant 3\"\n  key Tab\n  key Space\n  key Enter\n");
  options.recorder = &recorder;
  Win32Host host(*files_, *pictures_, options);
  EXPECT_EQ(host.Run([&] { return program(host); }), Outcome::Finished);
  ASSERT_TRUE(recorder.Finish());
  const std::string recorded = drive.readFile("Recorded.txt");
  EXPECT_EQ(recorded,
            "# heading\r\npage TProbeForm\r\n  type NameEdit \"Plant 2\"\r\n  check SaveCB\r\n  click BlueRB\r\n"
            "  select ColourLB \"Green\"\r\n  select ColourLB \"Green\"\r\n  double-click ColourLB \"Green\"\r\n"
            "  select PlaceTV \"Hall 2\"\r\n  key F5\r\n  type NameEdit \"Plant 3\"\r\n  key Tab\r\n"
            "  uncheck SaveCB\r\n  key Enter\r\n");
  const Played again = OnBoth(recorded, program);
  EXPECT_EQ(again.outcome, Outcome::Finished) << again.end;
  EXPECT_EQ(test::WithoutActions(again.transcript), test::WithoutActions(host.TranscriptText()));
}

TEST_F(Win32HostTest, MessageBoxesOfWindowsAndOfTheHostAndTheGeneralErrorBoxAreAnswered) {
  std::vector<Answer> answers;
  Program program = [&](Host& host) {
    answers.clear();
    TButtonForm page(host);
    page.Go = [&](TButtonForm&) {
      answers.push_back(host.ShowMessage("Save the changes ?", ApplicationTitle, MessageIcon::Question,
                                         YesNoCancelButtons));
      answers.push_back(host.ShowMessage("Overwrite exisiting file ?\r\nC:\\Velmar\\A.txt", "Overwrite file",
                                         MessageIcon::Warning,
                                         {Answer::Yes, Answer::YesToAll, Answer::No, Answer::NoToAll, Answer::Cancel}));
      answers.push_back(host.ShowMessage("Done"));
      throw InstallerError("Cannot write C:\\Velmar\\Velmar.ini");
    };
    page.ShowModal();
    return Outcome::Finished;
  };
  const std::string boxes =
      "page TButtonForm\n  click GoBtn\nanswer \"Save the\" No\nanswer \"A.txt\" NoToAll\nanswer \"Done\" OK\n";
  Played played = OnBoth(boxes + "answer \"Velmar.ini\" OK\n  key Esc\n", program);
  EXPECT_EQ(played.outcome, Outcome::Finished);
  EXPECT_EQ(answers, (std::vector<Answer>{Answer::No, Answer::NoToAll, Answer::Ok}));
  EXPECT_NE(played.transcript.find("message box \"Installer\", error icon, buttons OK\n"
                                   "  | Cannot write C:\\Velmar\\Velmar.ini\n"),
            std::string::npos);
  // An error nobody answers fails the run; a box the script does not expect stops it, on both hosts alike.
  EXPECT_EQ(OnBoth(boxes + "  key Esc\n", program).outcome, Outcome::Failed);
  EXPECT_EQ(OnBoth("page TButtonForm\n  click GoBtn\nanswer \"Something else\" No\n", program).outcome,
            Outcome::Stopped);
  EXPECT_EQ(OnBoth("page TButtonForm\n  click GoBtn\nanswer \"Save\" OK\n", program).outcome, Outcome::Stopped);
}

TEST_F(Win32HostTest, FolderBrowserIsAnsweredThroughItsOwnWindow) {
  std::vector<std::optional<std::string>> chosen;
  Program program = [&](Host& host) {
    chosen.clear();
    TButtonForm page(host);
    page.Go = [&](TButtonForm&) { chosen.push_back(host.BrowseForFolder("Pick a folder", "C:\\windows")); };
    page.ShowModal();
    return Outcome::Finished;
  };
  OnWindows("page TButtonForm\n  click GoBtn\nbrowse \"c:\\windows\\system32\"\n  click GoBtn\nbrowse cancel\n"
            "  click CloseBtn\n",
            program);
  ASSERT_EQ(chosen.size(), 2u);
  EXPECT_EQ(chosen[0], "c:\\windows\\system32");  // as the script says it, once the browser has it
  EXPECT_EQ(chosen[1], std::nullopt);

  // A folder that is not there cannot be chosen in the real browser: no guess.
  Played played = OnWindows("page TButtonForm\n  click GoBtn\nbrowse \"C:\\No such folder\"\n", program);
  EXPECT_EQ(played.outcome, Outcome::Stopped);
  EXPECT_NE(played.end.find("cannot select \"C:\\No such folder\""), std::string::npos) << played.end;
}

// The child window of the active page whose text is the given one.
HWND ChildWithText(const std::wstring& text) {
  struct Search {
    std::wstring text;
    HWND found = nullptr;
  } search{text};
  EnumChildWindows(
      GetActiveWindow(),
      [](HWND window, LPARAM data) {
        auto& s = *reinterpret_cast<Search*>(data);
        wchar_t buffer[256] = {};
        GetWindowTextW(window, buffer, 256);
        if (s.text == buffer) s.found = window;
        return s.found ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST_F(Win32HostTest, WhatHandlersChangeReachesTheWindows) {
  bool captionShown = false, otherDisabled = false, textShown = false, hiddenGone = false;
  OnWindows("page TButtonForm\n  click GoBtn\n  key F2\n  key Esc\n", [&](Host& host) {
    TButtonForm page(host);
    page.Go = [](TButtonForm& p) {
      p.GoBtn.Caption = "&Again";
      p.OtherBtn.Enabled = false;
      p.InfoEdit.Text = "changed";
      p.CloseBtn.Visible = false;
    };
    page.Check = [&](TButtonForm&) {
      captionShown = ChildWithText(L"&Again") != nullptr;
      HWND other = ChildWithText(L"Other");
      otherDisabled = other && !IsWindowEnabled(other);
      textShown = ChildWithText(L"changed") != nullptr;
      HWND close = ChildWithText(L"Close");
      hiddenGone = close && !IsWindowVisible(close);
    };
    page.ShowModal();
    return Outcome::Finished;
  });
  EXPECT_TRUE(captionShown);
  EXPECT_TRUE(otherDisabled);
  EXPECT_TRUE(textShown);
  EXPECT_TRUE(hiddenGone);
}

// A sizeable page has a caption bar with its caption and a sizing frame, and
// its anchored controls follow the size the user gives it; a borderless page
// has neither.
TEST_F(Win32HostTest, SizeablePagesHaveACaptionAndAFrameAndMoveTheirAnchoredControls) {
  for (PageBorder border : {PageBorder::None, PageBorder::Sizeable}) {
    const bool sizeable = border == PageBorder::Sizeable;
    SCOPED_TRACE(sizeable ? "sizeable" : "borderless");
    Rect memo, button;
    LONG style = 0;
    wchar_t caption[64] = {};
    OnWindows("page TButtonForm\n  key F2\n  key Esc\n", [&](Host& host) {
      TButtonForm page(host);
      page.Border = border;
      page.Caption = "VELMAR Readme.txt";
      page.InfoEdit.Anchors = anchor::All;
      page.CloseBtn.Anchors = anchor::Right | anchor::Bottom;
      page.Check = [&](TButtonForm& p) {
        HWND window = GetActiveWindow();
        style = GetWindowLongW(window, GWL_STYLE);
        GetWindowTextW(window, caption, 64);
        RECT outer;
        GetWindowRect(window, &outer);
        if (sizeable)
          SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + 100, outer.bottom - outer.top + 50,
                       SWP_NOMOVE | SWP_NOZORDER);
        memo = p.InfoEdit.Bounds;
        button = p.CloseBtn.Bounds;
      };
      page.ShowModal();
      return Outcome::Finished;
    });
    const LONG frame = WS_CAPTION | WS_THICKFRAME;
    EXPECT_EQ(style & frame, sizeable ? frame : 0);
    EXPECT_EQ(std::wstring(caption), L"VELMAR Readme.txt");
    if (!sizeable) continue;
    EXPECT_EQ(memo, (Rect{16, 16, 300, 71}));
    EXPECT_EQ(button, (Rect{320, 120, 70, 28}));
  }
}

// The colour of a pixel of a saved picture.
Colour PixelOf(const velmar::Picture& picture, int x, int y) {
  auto p = picture.pixel(x, y);
  return {p[0], p[1], p[2]};
}

TEST_F(Win32HostTest, PicturesShowTheBackdropAndThePagesAsTheyAreShown) {
  test::TempDrive drive;
  std::string folder = drive.root() + "pictures";
  OnWindows("page TMainForm\npage TWarnAdminForm\n  key Esc\n",
            [](Host& host) {
              test::InstallerTestContext t(host);
              Backdrop backdrop(host, "TMainForm");
              backdrop.OnShow = [&] {
                ShowAdminWarning(t.app);
                backdrop.Close();
              };
              backdrop.ShowModal();
              return Outcome::Finished;
            },
            folder);
  EXPECT_EQ(pictureFiles_, (std::vector<std::string>{"01-TMainForm.bmp", "02-TWarnAdminForm.bmp",
                                                      "02-TWarnAdminForm-screen.bmp"}));
  auto load = [&](const std::string& name) {
    std::string bytes = drive.readFile("pictures\\" + name);
    return DecodeBmpFile(AsBytes(bytes));
  };
  auto screen = load("01-TMainForm.bmp");
  ASSERT_TRUE(screen);
  EXPECT_EQ(screen->width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(PixelOf(*screen, 0, 0), colours::Black);  // the gradient: black at the top
  Colour bottom = PixelOf(*screen, 5, screen->height - 1);
  EXPECT_EQ(bottom.red, 0);
  EXPECT_GE(bottom.blue, 250);  // blue at the bottom

  auto page = load("02-TWarnAdminForm.bmp");
  ASSERT_TRUE(page);
  EXPECT_EQ(page->width, 360);
  EXPECT_EQ(page->height, 160);
  EXPECT_EQ(PixelOf(*page, 3, 3), colours::Maroon);  // the outer panel
}

// Long work inside a modal page, as the unzip dialog does it: lines and
// progress shown while it goes on; the page closes itself when it is done,
// or waits for Cancel when the work cannot start.
class TWorkForm : public Page {
 public:
  TWorkForm(Host& host, bool canStart) : Page(host, "TWorkForm") {
    ClientWidth = 300;
    ClientHeight = 200;
    Put(ItemsLB, {8, 8, 284, 120});
    Put(ProgressPB, {8, 136, 284, 16}).Smooth = true;
    Put(CancelBtn, {200, 162, 92, 28}, "&Cancel").Cancel = true;
    CancelBtn.OnClick = [this] { Close(); };
    OnShow = [this, &host, canStart] {
      ItemsLB.Add("Unpacking : Demo.zip");
      if (!canStart) {
        ItemsLB.Add("ERROR: File could not be found !");
        return;
      }
      for (int part = 1; part <= 4; ++part) {
        ItemsLB.Add("Demo\\Part" + std::to_string(part) + ".dat");
        ProgressPB.Position = part * 25;
        host.Repaint(*this);
        host.PumpMessages();
      }
      Close();
    };
  }

  ListBox ItemsLB{*this, "ItemsLB"};
  ProgressBar ProgressPB{*this, "ProgressPB"};
  Button CancelBtn{*this, "CancelBtn"};
};

TEST_F(Win32HostTest, LongWorkRunsInsideTheModalPageOnceItIsShown) {
  Played done = OnBoth("page TWorkForm\n", [](Host& host) {
    TWorkForm page(host, true);
    page.ShowModal();
    return Outcome::Finished;
  });
  EXPECT_EQ(done.outcome, Outcome::Finished);
  EXPECT_NE(done.transcript.find("  ProgressPB: progress 100 of 100\nclosed TWorkForm\n"), std::string::npos)
      << done.transcript;
  Played waiting = OnBoth("page TWorkForm\n  click CancelBtn\n", [](Host& host) {
    TWorkForm page(host, false);
    page.ShowModal();
    return Outcome::Finished;
  });
  EXPECT_EQ(waiting.outcome, Outcome::Finished);
}

TEST_F(Win32HostTest, MnemonicsClickTheirButtons) {
  int clicks = 0;
  OnWindows("page TButtonForm\n  key F2\n  key Esc\n", [&](Host& host) {
    TButtonForm page(host);
    page.Go = [&](TButtonForm&) { ++clicks; };
    page.Check = [](TButtonForm&) { PostMessageW(GetFocus(), WM_SYSCHAR, 'g', LPARAM(1) << 29); };
    page.ShowModal();
    return Outcome::Finished;
  });
  EXPECT_EQ(clicks, 1);
}

TEST_F(Win32HostTest, PictureFilesAreDrawnWithoutTheirTransparentColour) {
  test::TempDrive drive;
  // 4 x 4: red, with an olive bottom row that marks the transparent colour.
  std::vector<uint8_t> pixels(4 * 4 * 4, 0);
  for (int i = 0; i < 16; ++i) {
    bool bottom = i >= 12;
    pixels[size_t(i * 4)] = 0;
    pixels[size_t(i * 4 + 1)] = bottom ? 128 : 0;
    pixels[size_t(i * 4 + 2)] = bottom ? 128 : 255;
  }
  auto bmp = EncodeBmp(4, 4, pixels.data());
  drive.writeFile("corner.bmp", std::string_view(reinterpret_cast<const char*>(bmp.data()), bmp.size()));
  std::string folder = drive.root() + "pictures";
  OnWindows("page TImageForm\n  key Esc\n",
            [&](Host& host) {
              Page page(host, "TImageForm");
              page.ClientWidth = 40;
              page.ClientHeight = 30;
              page.Colour = colours::White;
              Image corner(page, "Corner");
              corner.SetBounds(10, 10, 0, 0);
              corner.AutoSize = true;
              corner.Transparent = true;
              EXPECT_TRUE(corner.LoadFile(drive.fs(), drive.path("corner.bmp")));
              page.KeyPreview = true;
              page.OnKeyDown = [&](Key) {
                page.Close();
                return true;
              };
              page.ShowModal();
              return Outcome::Finished;
            },
            folder);
  std::string bytes = drive.readFile("pictures\\01-TImageForm.bmp");
  auto picture = DecodeBmpFile(AsBytes(bytes));
  ASSERT_TRUE(picture);
  EXPECT_EQ(PixelOf(*picture, 11, 11), colours::Red);
  EXPECT_EQ(PixelOf(*picture, 10, 13), colours::White);  // olive: left out
  EXPECT_EQ(PixelOf(*picture, 20, 20), colours::White);
}

}  // namespace
}  // namespace velmar::ui::win32

namespace velmar::ui::win32 {
namespace {

// A page with a label too narrow for its caption and two buttons on top of
// each other; Mend lays it out right.
class TMisfitForm : public Page {
 public:
  explicit TMisfitForm(Host& host) : Page(host, "TMisfitForm") {
    ClientWidth = 300;
    ClientHeight = 120;
    Put(Panel1, {0, 0, 300, 120});
    Put(NameLbl, {12, 12, 30, 13}, "Name of the project").AutoSize = false;
    Put(OkBtn, {120, 80, 90, 30}, "&Ok").OnClick = [this] { Close(); };
    Put(CancelBtn, {180, 80, 90, 30}, "&Cancel");
  }
  void Mend() {
    NameLbl.Bounds.width = 270;
    OkBtn.Bounds.left = 80;
  }
  Panel Panel1{*this, "Panel1"};
  Label NameLbl{*this, "NameLbl"};
  Button OkBtn{*this, "OkBtn"};
  Button CancelBtn{*this, "CancelBtn"};
};

TEST_F(Win32HostTest, TheFitCheckReportsWhatTheScreenShowsCutOrOverlapping) {
  for (bool mended : {false, true}) {
    std::vector<std::string> report;
    Win32HostOptions options;
    options.script = script::ParseAnswerFile("page TMisfitForm\n  click OkBtn\n");
    options.fitReport = [&](const std::string& line) { report.push_back(line); };
    Win32Host host(*files_, *pictures_, options);
    Outcome outcome = host.Run([&] {
      TMisfitForm page(host);
      if (mended) page.Mend();
      page.ShowModal();
      return Outcome::Finished;
    });
    EXPECT_EQ(outcome, Outcome::Finished);
    GdiCache gdi(*pictures_);
    const std::string dpi = " at " + std::to_string(gdi.Dpi()) + " dpi";
    if (mended) {
      EXPECT_EQ(report, std::vector<std::string>{"page TMisfitForm"});
      continue;
    }
    // The sizes on this screen: the caption as the label's font draws it, the room scaled from 96 DPI.
    TMisfitForm probe(host);
    const Size text = WindowMeasure(gdi).Text(probe.NameLbl, probe.NameLbl.Caption, 0, true);
    const Rect label = gdi.Scaled(probe.NameLbl.Bounds), ok = gdi.Scaled(probe.OkBtn.Bounds),
               cancel = gdi.Scaled(probe.CancelBtn.Bounds);
    auto size = [](int w, int h) { return std::to_string(w) + "x" + std::to_string(h); };
    EXPECT_GT(text.width, label.width);
    EXPECT_EQ(report, (std::vector<std::string>{
                          "page TMisfitForm",
                          "misfit TMisfitForm NameLbl: text needs " + size(text.width, text.height) + ", has " +
                              size(label.width, label.height) + dpi,
                          "misfit TMisfitForm OkBtn: overlaps CancelBtn (" + size(ok.width, ok.height) + " and " +
                              size(cancel.width, cancel.height) + ")" + dpi,
                      }));
  }
}

}  // namespace
}  // namespace velmar::ui::win32
