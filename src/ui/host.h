#pragma once
// The host shows page models to a user: as real windows (the Win32 host) or by
// playing a script of user actions (the scripted host). Pages and procedures
// get their host passed in and use only this interface.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout/geometry.h"

namespace velmar::ui {

class Page;

// Caption of the program's message boxes.
inline constexpr const char* ApplicationTitle = "Installer";

enum class Answer { None, Ok, Cancel, Yes, No, YesToAll, NoToAll };
enum class MessageIcon { None, Information, Warning, Error, Question };

// "OK", "Cancel", "Yes", "No", "YesToAll", "NoToAll".
std::string AnswerName(Answer answer);
// The names AnswerName gives, without regard to case.
std::optional<Answer> ParseAnswerName(std::string_view name);

// The buttons of a message box. They are shown in the order Yes, YesToAll,
// No, NoToAll, OK, Cancel; the first one is the default button.
class Buttons {
 public:
  constexpr Buttons(std::initializer_list<Answer> answers) {
    for (Answer answer : answers) bits_ |= Bit(answer);
  }
  constexpr bool Has(Answer answer) const { return (bits_ & Bit(answer)) != 0; }
  std::vector<Answer> InOrder() const;

 private:
  static constexpr uint8_t Bit(Answer answer) { return uint8_t(1u << unsigned(answer)); }
  uint8_t bits_ = 0;
};

inline constexpr Buttons OkButton{Answer::Ok};
inline constexpr Buttons OkCancelButtons{Answer::Ok, Answer::Cancel};
inline constexpr Buttons YesNoButtons{Answer::Yes, Answer::No};
inline constexpr Buttons YesNoCancelButtons{Answer::Yes, Answer::No, Answer::Cancel};

// What the folder browser is asked for. The defaults are the dialog a page
// gets from the two-argument BrowseForFolder.
struct BrowseOptions {
  std::string title;
  std::string startFolder;  // preselected when it exists
  uint32_t flags = 0x0005;  // the shell's BIF_ bits: file-system folders only, a status text
  // The shell's special folder number of the tree's top; none: the whole desktop.
  std::optional<int> rootFolder;
  bool showPathInStatusArea = false;  // the highlighted path, shortened, as the status text
  const Page* owner = nullptr;        // the dialog's owner; none: the main window
  std::function<void()> onInitialized;
  // The highlighted folder changed: its path ("" for an item that is no folder).
  std::function<void(const std::string& path)> onSelectionChanged;
};

class Host {
 public:
  virtual ~Host() = default;

  // Shows the page modally and returns when it has closed. While it is shown,
  // every handler the page's controls call runs inside Guard.
  virtual void ShowModal(Page& page) = 0;

  // A message box; returns the button the user pressed.
  virtual Answer ShowMessage(const std::string& text, const std::string& caption = ApplicationTitle,
                             MessageIcon icon = MessageIcon::None, Buttons buttons = OkButton) = 0;

  // The shell's folder browser, opened on startFolder when that exists; the
  // chosen folder, or nothing when the user cancelled.
  virtual std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& startFolder) = 0;
  // The same with every option of the dialog; a host that knows no more than
  // title and start folder shows the two-argument form.
  virtual std::optional<std::string> BrowseForFolder(const BrowseOptions& options);

  // Lets the user interface handle what is pending (input, painting): called
  // during waits and long work. Handlers may run from here.
  virtual void PumpMessages() = 0;
  // Brings the page on screen up to date with its model at once, without
  // handling input (long work that adds lines to a list).
  virtual void Repaint(Page& page) = 0;

  virtual Size ScreenSize() const = 0;
  // Bits per pixel of the screen.
  virtual int ColourDepth() const = 0;

  // The error boundary: runs one handler; an InstallerError or another
  // std::exception that escapes it is shown in the general error message box
  // (caption ApplicationTitle, the error's text), and the program goes on.
  void Guard(const std::function<void()>& handler);

 protected:
  // The general error message box; hosts may tell it from other boxes.
  virtual void ShowError(const std::string& text);
};

}  // namespace velmar::ui
