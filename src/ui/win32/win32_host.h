#pragma once
// The Win32 host: real windows for the page models. Each page shown is a
// modal top-level window in front of the ones below it (the backdrop is the
// main window: full screen, no border), with a child window for each control
// a user works with and the graphic controls painted on the page. Every
// handler runs inside Host::Guard; after each one the windows are brought up
// to date with the models.
//
// With an answer file the host plays it through the windows' own messages and
// writes the same transcript as the scripted host, and it can save a picture
// of every page, message box and folder browser as it is shown.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/files/file_system.h"
#include "platform/pictures.h"
#include "ui/host.h"
#include "ui/script/answer_recorder.h"
#include "ui/script/script_player.h"
#include "ui/script/script.h"

namespace velmar::ui::win32 {

struct Win32HostOptions {
  // An answer file to play; none: a user works the pages.
  std::optional<script::Script> script;
  // A folder (a Windows path) for pictures: NN-<page class>.bmp for each page
  // as it is shown (its window) and NN-<page class>-screen.bmp (the whole
  // screen; the main window's picture is the screen); NN-message and
  // NN-folder-browser for the dialogs. Empty: no pictures. The folder is made
  // when missing (its parent must exist) and the pictures written through the
  // host's file system.
  std::string pictureFolder;
  // Gets every transcript line as it is written.
  std::function<void(const std::string&)> echo;
  // Records what the user (or the answer file) does, as an answer file;
  // none: no recording. Must outlive the host.
  script::AnswerRecorder* recorder = nullptr;
  // Without an answer file: keep a transcript of the run all the same, its
  // actions as the recorder records them (a recorder is then needed).
  bool transcript = false;
  // Checks every page as it is shown and after each action of the answer
  // file, and gets "page <class>" the first time a page is checked and
  // "misfit <what> at <dpi> dpi" once for each text without room, control
  // overlapping another or outside its page, and access key used twice.
  std::function<void(const std::string&)> fitReport;
};

class Win32Host : public Host {
 public:
  // pictures decodes the built-in bitmaps and picture files; files takes the
  // pictures of the pages. Both must outlive the host.
  Win32Host(platform::FileSystem& files, platform::Pictures& pictures, Win32HostOptions options = {});
  ~Win32Host() override;

  // Runs the program. With an answer file, by the scripted host's rules: a
  // script that does not fit stops the run, the outcome ends the transcript.
  // Without one, the program's own outcome; an error that escapes it is shown
  // in the general error message box and gives Failed.
  script::Outcome Run(const std::function<script::Outcome()>& program);
  // Empty without an answer file, unless a transcript was asked for.
  const std::string& TranscriptText() const;
  const std::string& EndMessage() const;
  // The files of the pictures saved so far, in order.
  const std::vector<std::string>& PictureFiles() const;

  void ShowModal(Page& page) override;
  Answer ShowMessage(const std::string& text, const std::string& caption = ApplicationTitle,
                     MessageIcon icon = MessageIcon::None, Buttons buttons = OkButton) override;
  std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& startFolder) override;
  void PumpMessages() override;
  void Repaint(Page& page) override;
  Size ScreenSize() const override;
  int ColourDepth() const override;

 protected:
  void ShowError(const std::string& text) override;

 private:
  class Engine;
  std::unique_ptr<Engine> engine_;
};

}  // namespace velmar::ui::win32
