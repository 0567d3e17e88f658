// The Win32 host on real windows: the host contract played through window
// messages (with the scripted host's transcript beside it), and what only
// real windows have: the models reach the windows, the folder browser,
// mnemonics, frames and the fit check. These tests need a screen:
// tests/scripts/win32_host_playback.sh runs them under Xvfb with
// VELMAR_WINDOW_TESTS=1; elsewhere they are skipped.

#include "ui/win32/win32_host.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/files/host_files.h"
#include "platform/pictures.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"
#include "base/errors.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"
#include "ui/host_contract.h"

namespace velmar::ui::win32 {
namespace {

using contract::HostContract;
using contract::Played;
using contract::Program;
using contract::Put;
using contract::TButtonForm;
using script::Outcome;

platform::FileSystem& HostFiles() {
  static auto files = platform::MakeHostFileSystem();
  return *files;
}

platform::Pictures& HostPictures() {
  static auto pictures = platform::MakeHostPictures(HostFiles());
  return *pictures;
}

Played OnWindows(const Win32HostOptions& options, const Program& program) {
  Win32Host host(HostFiles(), HostPictures(), options);
  Outcome outcome = host.Run([&] { return program(host); });
  return {outcome, host.EndMessage(), host.TranscriptText()};
}

// The contract on real windows: the scripted host plays the same script on
// a screen of the same size first, and both must agree in every respect.
Played OnBoth(const script::Script& script, const Program& program, script::AnswerRecorder* recorder) {
  const Played scripted = contract::PlayScripted(script, program, nullptr,
                                                 {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  Played windows = OnWindows({.script = script, .recorder = recorder}, program);
  EXPECT_EQ(windows.transcript, scripted.transcript);
  EXPECT_EQ(windows.message, scripted.message);
  EXPECT_EQ(windows.outcome, scripted.outcome);
  return windows;
}

INSTANTIATE_TEST_SUITE_P(Win32Host, HostContract,
                         ::testing::Values(contract::HostUnderTest{"windows", true, OnBoth}),
                         [](const auto& info) { return info.param.name; });

class Win32HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!contract::ScreenWanted()) GTEST_SKIP() << "needs a screen: tests/scripts/win32_host_playback.sh runs it";
  }
  Played OnWindows(const std::string& answers, const Program& program) {
    return win32::OnWindows({.script = script::ParseAnswerFile(answers)}, program);
  }
};

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
  EXPECT_NE(played.message.find("cannot select \"C:\\No such folder\""), std::string::npos) << played.message;
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

// What handlers change reaches the windows, and a mnemonic clicks its button.
TEST_F(Win32HostTest, WhatHandlersChangeReachesTheWindowsAndMnemonicsClickTheirButtons) {
  bool captionShown = false, otherDisabled = false, textShown = false, hiddenGone = false;
  int clicks = 0;
  OnWindows("page TButtonForm\n  click GoBtn\n  key F2\n  key Esc\n", [&](Host& host) {
    TButtonForm page(host);
    page.Go = [&](TButtonForm& p) {
      if (++clicks > 1) return;
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
      PostMessageW(GetFocus(), WM_SYSCHAR, 'a', LPARAM(1) << 29);  // Alt+A: the new caption's mnemonic
    };
    page.ShowModal();
    return Outcome::Finished;
  });
  EXPECT_TRUE(captionShown);
  EXPECT_TRUE(otherDisabled);
  EXPECT_TRUE(textShown);
  EXPECT_TRUE(hiddenGone);
  EXPECT_EQ(clicks, 2);
}

// A page with a label too narrow for its caption and two buttons on top of
// each other. Pages laid out right report nothing: the pages' own fit script
// holds that for every real page.
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
  Panel Panel1{*this, "Panel1"};
  Label NameLbl{*this, "NameLbl"};
  Button OkBtn{*this, "OkBtn"};
  Button CancelBtn{*this, "CancelBtn"};
};

TEST_F(Win32HostTest, TheFitCheckReportsWhatTheScreenShowsCutOrOverlapping) {
  std::vector<std::string> report;
  const Played played = win32::OnWindows(
      {.script = script::ParseAnswerFile("page TMisfitForm\n  click OkBtn\n"),
       .fitReport = [&](const std::string& line) { report.push_back(line); }},
      [&](Host& host) {
        TMisfitForm page(host);
        page.ShowModal();
        return Outcome::Finished;
      });
  EXPECT_EQ(played.outcome, Outcome::Finished);
  // The sizes themselves are the fit check's own tests; here, that the real fonts find what does not fit.
  ASSERT_EQ(report.size(), 3u);
  EXPECT_EQ(report[0], "page TMisfitForm");
  EXPECT_TRUE(report[1].starts_with("misfit TMisfitForm NameLbl: text needs ")) << report[1];
  EXPECT_TRUE(report[2].starts_with("misfit TMisfitForm OkBtn: overlaps CancelBtn (")) << report[2];
  EXPECT_TRUE(report[2].ends_with(" dpi")) << report[2];
}

}  // namespace
}  // namespace velmar::ui::win32
