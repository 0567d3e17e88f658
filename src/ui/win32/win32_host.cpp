#include "ui/win32/win32_host.h"

#include <algorithm>
#include <chrono>

#include <cstdio>
#include <exception>
#include <set>
#include <stdexcept>
#include <utility>

#include "base/text_case.h"
#include "platform/files/file_contents.h"
#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"
#include "ui/layout/dpi_scale.h"
#include "ui/page.h"
#include "ui/script/transcript.h"
#include "ui/win32/fit_measure.h"
#include "ui/win32/folder_browser.h"
#include "ui/win32/gdi_cache.h"
#include "ui/win32/message_box.h"
#include "ui/win32/page_child.h"
#include "ui/win32/page_window.h"
#include "ui/win32/screen_picture.h"
#include "ui/win32/window_actions.h"

#include <shlobj.h>

namespace velmar::ui::win32 {
namespace {

constexpr wchar_t kMessageClass[] = L"VelmarHostMessages";
constexpr UINT_PTR kAnswerTimer = 1;
constexpr UINT kAnswerMilliseconds = 100;
constexpr int kAnswerGiveUpTicks = 100;   // ten seconds for a dialog to appear
constexpr int kAnswerPictureTicks = 3;    // a dialog paints before its picture

std::string WithoutCarriageReturns(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

// Folders compare as Windows compares them: without regard to case, with or
// without their trailing backslash.
bool SamePath(std::string a, std::string b) {
  while (a.size() > 3 && a.back() == '\\') a.pop_back();
  while (b.size() > 3 && b.back() == '\\') b.pop_back();
  return SameText(a, b);
}

struct DialogSearch {
  std::wstring caption;
  HWND found = nullptr;
};

BOOL CALLBACK FindDialogWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<DialogSearch*>(data);
  wchar_t cls[16] = {};
  GetClassNameW(window, cls, 16);
  if (std::wstring(cls) == L"#32770" && IsWindowVisible(window) && WindowText(window) == search.caption) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

void PressButton(HWND dialog, int id) {
  if (HWND button = GetDlgItem(dialog, id))
    PostMessageW(button, BM_CLICK, 0, 0);
  else
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

}  // namespace

class Win32Host::Engine : public HostCore {
 public:
  Engine(Win32Host& host, platform::FileSystem& files, platform::Pictures& pictures, Win32HostOptions options);
  ~Engine() override;

  void Invoke(const std::function<void()>& handler) override;
  GdiCache& Gdi() override { return gdi_; }
  bool TakesPictures() const override { return !options_.pictureFolder.empty(); }
  void PageOnScreen(PageWindow& window) override;
  script::AnswerRecorder* Recorder() override { return options_.recorder; }

  script::Outcome Run(const std::function<script::Outcome()>& program);
  void ShowModal(Page& page);
  Answer ShowBox(const std::string& text, const std::string& caption, MessageIcon icon, Buttons buttons,
                 script::Outcome failure);
  std::optional<std::string> Browse(const std::string& title, const std::string& startFolder);
  void Pump();
  void Repaint(Page& page);

  script::ScriptPlayer* Player() const { return player_.get(); }
  // The transcript kept: the answer file's, or the one asked for without one.
  script::Transcript* Log() const { return player_ ? &player_->Log() : transcript_.get(); }
  const std::vector<std::string>& PictureFiles() const { return pictureFiles_; }

 private:
  std::chrono::steady_clock::time_point nextRedraw_;  // no picture of long work before this
  // A message box or folder browser the answer file answers, found and
  // pressed from a timer while the dialog runs its own message loop.
  struct Answering {
    bool browser = false;
    std::wstring caption;  // a message box's
    std::string text;
    int button = 0;
    FolderBrowser* browse = nullptr;
    std::string folder;
    bool cancel = false;
    std::string where;  // the browse step, for messages
    HWND dialog = nullptr;
    int ticks = 0;
    int foundAt = 0;
    bool pictured = false;
    bool done = false;
    std::string label;
  };

  static LRESULT CALLBACK MessageProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void RunLoop(PageWindow& window);
  void Dispatch(MSG& message);
  void PlayNext(PageWindow& window);
  void Settle(Page& page);
  void Keep(std::exception_ptr error);
  void RethrowPending();
  PageWindow* WindowFor(Page& page) const;
  HWND TopWindow() const;
  void SyncAll();
  void StartAnswering(Answering answering);
  void StopAnswering();
  void OnAnswerTimer();
  void AnswerDialog(Answering& answering);
  void SavePictures(HWND window, const std::string& label, bool alsoTheScreen);
  void CheckFit(const Page& page);

  Win32Host& host_;
  platform::FileSystem& files_;
  GdiCache gdi_;
  Win32HostOptions options_;
  std::unique_ptr<script::ScriptPlayer> player_;
  std::unique_ptr<script::Transcript> transcript_;  // without an answer file
  const Page* acting_ = nullptr;                     // the page of an action recorded in the handler now running
  WindowActions actions_;
  std::vector<PageWindow*> modal_;
  std::exception_ptr pending_;
  HWND messages_ = nullptr;
  std::optional<Answering> answering_;
  int pictureNumber_ = 0;
  std::vector<std::string> pictureFiles_;
  std::set<std::string> fitReported_;
  bool com_ = false;
};

Win32Host::Engine::Engine(Win32Host& host, platform::FileSystem& files, platform::Pictures& pictures,
                          Win32HostOptions options)
    : host_(host),
      files_(files),
      gdi_(pictures),
      options_(std::move(options)),
      actions_([this](Page& page) { return WindowFor(page); }, [this](Page& page) { Settle(page); }) {
  com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (options_.script) player_ = std::make_unique<script::ScriptPlayer>(*options_.script, options_.echo);
  if (!player_ && options_.transcript && options_.recorder) {
    // The actions come into the transcript as the recorder writes them, in
    // the order a playback of the recorded file has them: typed text with
    // its changes at once (before the edit's OnExit runs), any other action
    // with the changes of the handler it runs in.
    transcript_ = std::make_unique<script::Transcript>(options_.echo);
    options_.recorder->onStep = [this](const Page* page, const script::Step& step) {
      transcript_->Line("> " + step.Describe());
      if (!page) return;
      if (step.kind == script::StepKind::Type)
        transcript_->PageChanged(*page);
      else
        acting_ = page;
    };
  }

  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = MessageProc;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.lpszClassName = kMessageClass;
  RegisterClassExW(&cls);
  messages_ = CreateWindowExW(0, kMessageClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                              this);
  if (TakesPictures() && !files_.attributes(options_.pictureFolder)) files_.createFolder(options_.pictureFolder);
}

Win32Host::Engine::~Engine() {
  if (transcript_) options_.recorder->onStep = nullptr;
  if (messages_) DestroyWindow(messages_);
  if (com_) CoUninitialize();
}

LRESULT CALLBACK Win32Host::Engine::MessageProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE)
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
  auto* self = reinterpret_cast<Engine*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && message == WM_TIMER && wparam == kAnswerTimer) {
    self->OnAnswerTimer();
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void Win32Host::Engine::Keep(std::exception_ptr error) {
  if (!pending_) pending_ = std::move(error);
}

void Win32Host::Engine::RethrowPending() {
  if (!pending_) return;
  std::exception_ptr error = std::move(pending_);
  pending_ = nullptr;
  std::rethrow_exception(error);
}

PageWindow* Win32Host::Engine::WindowFor(Page& page) const {
  for (PageWindow* window : modal_)
    if (&window->Model() == &page) return window;
  return nullptr;
}

HWND Win32Host::Engine::TopWindow() const { return modal_.empty() ? nullptr : modal_.back()->Handle(); }

void Win32Host::Engine::SyncAll() {
  for (PageWindow* window : modal_) window->Sync();
}

void Win32Host::Engine::Invoke(const std::function<void()>& handler) {
  // Nothing may leave a window procedure: what Guard lets through (the end
  // of a scripted run) is kept and thrown again where the modal loop returns.
  const Page* outer = std::exchange(acting_, nullptr);
  try {
    host_.Guard(handler);
  } catch (...) {
    Keep(std::current_exception());
  }
  if (acting_ && !pending_) transcript_->PageChanged(*acting_);
  acting_ = outer;
  SyncAll();
}

script::Outcome Win32Host::Engine::Run(const std::function<script::Outcome()>& program) {
  auto body = [&] {
    script::Outcome outcome = program();
    RethrowPending();
    return outcome;
  };
  if (player_) return player_->Run(body);
  script::Outcome outcome = script::Outcome::Failed;
  std::string message;
  try {
    outcome = body();
  } catch (const std::exception& error) {
    message = error.what();
    ShowBox(error.what(), ApplicationTitle, MessageIcon::Error, OkButton, script::Outcome::Failed);
  } catch (...) {
  }
  if (transcript_)
    transcript_->Line("end: " + script::OutcomeName(outcome) + (message.empty() ? "" : ": " + script::OneLine(message)));
  return outcome;
}

void Win32Host::Engine::ShowModal(Page& page) {
  if (page.Showing()) throw std::logic_error("Page " + page.ClassName() + " is shown already");
  if (player_) player_->ExpectPage(page);
  page.BeginModal(host_.ScreenSize());
  struct Ending {
    Page& page;
    script::AnswerRecorder* recorder;
    ~Ending() {
      page.EndModal();
      if (recorder) recorder->PageClosed(page);
    }
  } ending{page, nullptr};

  SyncAll();  // the pages below as their models are now, long work included
  PageWindow window(*this, page, TopWindow());
  if (!window.Handle()) throw std::runtime_error("The window of page " + page.ClassName() + " cannot be created");
  if (Log()) Log()->PageShown(page);
  if (options_.recorder) options_.recorder->PageShown(page);
  ending.recorder = options_.recorder;
  // Modal: the pages below take no input while this one is shown.
  struct Stacked {
    Engine& engine;
    PageWindow& window;
    Stacked(Engine& e, PageWindow& w) : engine(e), window(w) {
      for (PageWindow* below : engine.modal_) EnableWindow(below->Handle(), FALSE);
      engine.modal_.push_back(&window);
    }
    ~Stacked() {
      engine.modal_.pop_back();
      for (PageWindow* below : engine.modal_) EnableWindow(below->Handle(), TRUE);
      if (!engine.modal_.empty()) SetActiveWindow(engine.modal_.back()->Handle());
    }
  } stacked{*this, window};

  // The mouse pointer away from the pages, where it would show a control as hovered over.
  if (TakesPictures()) SetCursorPos(0, 0);
  window.Show();
  RunLoop(window);
  RethrowPending();
  if (Log()) Log()->PageClosed(page);
}

void Win32Host::Engine::RunLoop(PageWindow& window) {
  Page& page = window.Model();
  MSG message;
  while (!pending_ && !page.Closing()) {
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(int(message.wParam));  // for the loops further out
        page.Close();
        break;
      }
      Dispatch(message);
      continue;
    }
    // Nothing pending: the page waits for the user.
    if (player_ && window.Ready() && modal_.back() == &window) {
      PlayNext(window);
      continue;
    }
    WaitMessage();
  }
}

void Win32Host::Engine::Dispatch(MSG& message) {
  PageWindow* top = modal_.empty() ? nullptr : modal_.back();
  if (top && top->Contains(message.hwnd)) {
    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && top->TakeKey(message)) return;
    // Mnemonics and the arrow keys in groups of radio buttons.
    if (IsDialogMessageW(top->Handle(), &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Win32Host::Engine::PlayNext(PageWindow& window) {
  Page& page = window.Model();
  try {
    const script::Step& step = player_->TakeAction(page);
    host_.Guard([&] { player_->Perform(page, step, actions_); });
    if (!pending_) player_->Log().PageChanged(page);
  } catch (...) {
    Keep(std::current_exception());
  }
  SyncAll();
  if (page.Showing() && !page.Closing()) CheckFit(page);
}

void Win32Host::Engine::CheckFit(const Page& page) {
  if (!options_.fitReport) return;
  auto report = [&](const std::string& line) {
    if (fitReported_.insert(line).second) options_.fitReport(line);
  };
  report("page " + page.ClassName());
  for (const Misfit& misfit : CheckShownPage(page, gdi_))
    report("misfit " + Describe(misfit) + " at " + std::to_string(gdi_.Dpi()) + " dpi");
}

void Win32Host::Engine::Settle(Page& page) {
  MSG message;
  while (!pending_ && !page.Closing() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(int(message.wParam));
      break;
    }
    Dispatch(message);
  }
  RethrowPending();
}

void Win32Host::Engine::PageOnScreen(PageWindow& window) {
  Page& page = window.Model();
  if (TakesPictures()) SavePictures(window.Handle(), page.ClassName(), !page.MainWindow);
  Invoke([&] {
    if (page.OnShow) page.OnShow();
  });
  if (Log() && !pending_) Log()->PageChanged(page);
  if (!page.Closing()) CheckFit(page);
  window.MarkReady();
}

void Win32Host::Engine::Pump() {
  MSG message;
  while (!pending_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(int(message.wParam));
      break;
    }
    Dispatch(message);
  }
  RethrowPending();
}

void Win32Host::Engine::Repaint(Page& page) {
  PageWindow* window = WindowFor(page);
  if (!window) return;
  // Long work asks after every step; a person sees no more than a few dozen
  // pictures a second. What is left out now comes with the next picture, with
  // the next page or box shown, or when the handler at work returns. A slow
  // screen (a remote desktop, a virtual one) makes a picture dear: the pause
  // after one is nine times what it cost, so drawing never takes more than a
  // tenth of the work's time.
  const auto now = std::chrono::steady_clock::now();
  if (now < nextRedraw_) return;
  window->Sync();
  RedrawWindow(window->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const auto done = std::chrono::steady_clock::now();
  nextRedraw_ = done + std::max<std::chrono::steady_clock::duration>(std::chrono::milliseconds(40), 9 * (done - now));
}

Answer Win32Host::Engine::ShowBox(const std::string& text, const std::string& caption, MessageIcon icon,
                                  Buttons buttons, script::Outcome failure) {
  SyncAll();
  Answer scripted = Answer::None;
  if (player_) {
    scripted = player_->AnswerBox(text, caption, icon, buttons, failure);
    Answering answering;
    answering.caption = platform::Widen(caption);
    answering.text = text;
    answering.button = ButtonId(scripted);
    answering.label = "message";
    StartAnswering(std::move(answering));
  } else if (transcript_) {
    transcript_->Message(text, caption, icon, buttons);
  }
  int id = ShowMessageBox(TopWindow(), text, caption, icon, buttons);
  StopAnswering();
  RethrowPending();
  Answer answer = AnswerOfButton(id);
  if (options_.recorder) options_.recorder->Answered(text, answer);
  if (player_ && answer != scripted)
    player_->Stop("the message box \"" + script::OneLine(text) + "\" was closed with " + AnswerName(answer) +
                      ", not with " + AnswerName(scripted),
                  failure);
  return answer;
}

std::optional<std::string> Win32Host::Engine::Browse(const std::string& title, const std::string& startFolder) {
  FolderBrowser browser;
  browser.owner = TopWindow();
  browser.title = title;
  browser.startFolder = startFolder;
  const script::Step* step = nullptr;
  if (player_) {
    step = &player_->AnswerBrowser(title, startFolder);
    Answering answering;
    answering.browser = true;
    answering.browse = &browser;
    answering.cancel = step->cancel;
    if (!step->cancel) answering.folder = step->texts.at(0);
    answering.where = step->Where();
    answering.label = "folder-browser";
    StartAnswering(std::move(answering));
    browser.opened = [this](HWND dialog) {
      if (answering_) answering_->dialog = dialog;
    };
  } else if (transcript_) {
    transcript_->FolderBrowser(title, startFolder);
  }
  auto chosen = win32::BrowseForFolder(browser);
  StopAnswering();
  RethrowPending();
  if (!player_) {
    if (options_.recorder) options_.recorder->Browsed(chosen);
    return chosen;
  }
  if (step->cancel) {
    if (chosen) player_->Stop(step->Where() + ": the folder browser gave \"" + *chosen + "\" instead");
    if (options_.recorder) options_.recorder->Browsed(std::nullopt);
    return std::nullopt;
  }
  if (!chosen || !SamePath(*chosen, step->texts[0]))
    player_->Stop(step->Where() + ": the folder browser gave " + (chosen ? "\"" + *chosen + "\"" : "nothing") +
                  " instead");
  if (options_.recorder) options_.recorder->Browsed(step->texts[0]);
  return step->texts[0];
}

void Win32Host::Engine::StartAnswering(Answering answering) {
  answering_ = std::move(answering);
  SetTimer(messages_, kAnswerTimer, kAnswerMilliseconds, nullptr);
}

void Win32Host::Engine::StopAnswering() {
  KillTimer(messages_, kAnswerTimer);
  answering_.reset();
}

void Win32Host::Engine::OnAnswerTimer() {
  if (!answering_ || answering_->done) return;
  Answering& answering = *answering_;
  try {
    AnswerDialog(answering);
  } catch (...) {
    // The run ends: the dialog is closed so that the program gets back.
    Keep(std::current_exception());
    answering.done = true;
    if (answering.dialog) PressButton(answering.dialog, answering.browser ? IDCANCEL : answering.button);
  }
}

void Win32Host::Engine::AnswerDialog(Answering& answering) {
  ++answering.ticks;
  std::string what = answering.browser ? std::string("the folder browser")
                                       : "the message box \"" + script::OneLine(answering.text) + "\"";
  if (!answering.dialog) {
    if (!answering.browser) {
      DialogSearch search{answering.caption};
      EnumThreadWindows(GetCurrentThreadId(), FindDialogWindow, reinterpret_cast<LPARAM>(&search));
      answering.dialog = search.found;
    }
    if (!answering.dialog) {
      if (answering.ticks > kAnswerGiveUpTicks) {
        answering.done = true;
        player_->Stop(what + " did not appear on the screen");
      }
      return;
    }
    answering.foundAt = answering.ticks;
    if (!answering.browser)
      if (HWND text = GetDlgItem(answering.dialog, kMessageTextId)) {
        std::string shown = platform::Narrow(WindowText(text));
        if (WithoutCarriageReturns(shown) != WithoutCarriageReturns(answering.text))
          player_->Stop(what + " reads \"" + script::OneLine(shown) + "\" on the screen");
      }
    return;
  }
  if (TakesPictures() && !answering.pictured) {
    if (answering.ticks - answering.foundAt < kAnswerPictureTicks) return;
    SavePictures(answering.dialog, answering.label, true);
    answering.pictured = true;
    return;
  }
  answering.done = true;
  if (!answering.browser) {
    PressButton(answering.dialog, answering.button);
    return;
  }
  if (answering.cancel) {
    PressButton(answering.dialog, IDCANCEL);
    return;
  }
  std::wstring folder = platform::Widen(answering.folder);
  SendMessageW(answering.dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
  if (!SamePath(answering.browse->highlighted, answering.folder)) {
    PressButton(answering.dialog, IDCANCEL);
    player_->Stop(answering.where + ": the folder browser cannot select \"" + answering.folder + "\"");
  }
  PressButton(answering.dialog, IDOK);
}

void Win32Host::Engine::SavePictures(HWND window, const std::string& label, bool alsoTheScreen) {
  for (PageWindow* page : modal_) RedrawWindow(page->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  HideCaret(nullptr);  // a picture shows the text, not where the caret blinked
  GdiFlush();
  // A short wait for nothing: the system puts what was drawn on the screen
  // when the thread waits.
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, 0);
  char number[16];
  std::snprintf(number, sizeof number, "%02d-", ++pictureNumber_);
  std::string base = number + label;
  auto save = [&](const std::string& name, RECT part) {
    const std::optional<std::vector<uint8_t>> picture = ScreenPicture(part);
    const std::string file = options_.pictureFolder + (options_.pictureFolder.ends_with('\\') ? "" : "\\") + name;
    if (picture && platform::ReplaceFileContents(
                       files_, file, std::string_view(reinterpret_cast<const char*>(picture->data()), picture->size())))
      pictureFiles_.push_back(name);
  };
  RECT place{};
  if (alsoTheScreen) GetWindowRect(window, &place);
  save(base + ".bmp", place);
  if (alsoTheScreen) save(base + "-screen.bmp", RECT{});
  ShowCaret(nullptr);
}

// The host's own interface, handed to the engine.

Win32Host::Win32Host(platform::FileSystem& files, platform::Pictures& pictures, Win32HostOptions options)
    : engine_(std::make_unique<Engine>(*this, files, pictures, std::move(options))) {}

Win32Host::~Win32Host() = default;

script::Outcome Win32Host::Run(const std::function<script::Outcome()>& program) { return engine_->Run(program); }

const std::string& Win32Host::TranscriptText() const {
  static const std::string none;
  return engine_->Log() ? engine_->Log()->Text() : none;
}

const std::string& Win32Host::EndMessage() const {
  static const std::string none;
  return engine_->Player() ? engine_->Player()->EndMessage() : none;
}

const std::vector<std::string>& Win32Host::PictureFiles() const { return engine_->PictureFiles(); }

void Win32Host::ShowModal(Page& page) { engine_->ShowModal(page); }

Answer Win32Host::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              Buttons buttons) {
  return engine_->ShowBox(text, caption, icon, buttons, script::Outcome::Stopped);
}

void Win32Host::ShowError(const std::string& text) {
  engine_->ShowBox(text, ApplicationTitle, MessageIcon::Error, OkButton, script::Outcome::Failed);
}

std::optional<std::string> Win32Host::BrowseForFolder(const std::string& title, const std::string& startFolder) {
  return engine_->Browse(title, startFolder);
}

void Win32Host::PumpMessages() { engine_->Pump(); }

void Win32Host::Repaint(Page& page) { engine_->Repaint(page); }

// The screen as the pages are laid out: at 96 DPI.
Size Win32Host::ScreenSize() const {
  return ScreenAtDesignDpi({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, engine_->Gdi().Dpi());
}

int Win32Host::ColourDepth() const {
  HDC screen = GetDC(nullptr);
  int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  return bits;
}

}  // namespace velmar::ui::win32
