#include "ui/win32/message_box.h"

#include <algorithm>
#include <vector>

#include "platform/win32/wide.h"
#include "ui/layout/dpi_scale.h"
#include "ui/layout/window_rules.h"

namespace velmar::ui::win32 {
namespace {

constexpr int kYesToAllId = 100;
constexpr int kNoToAllId = 101;

UINT IconFlag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::Warning: return MB_ICONWARNING;
    case MessageIcon::Error: return MB_ICONERROR;
    case MessageIcon::Question: return MB_ICONQUESTION;
    case MessageIcon::None: break;
  }
  return 0;
}

const wchar_t* IconResource(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return IDI_INFORMATION;
    case MessageIcon::Warning: return IDI_WARNING;
    case MessageIcon::Error: return IDI_ERROR;
    case MessageIcon::Question: return IDI_QUESTION;
    case MessageIcon::None: break;
  }
  return nullptr;
}

const wchar_t* ButtonCaption(Answer answer) {
  switch (answer) {
    case Answer::Yes: return L"&Yes";
    case Answer::YesToAll: return L"Yes to &All";
    case Answer::No: return L"&No";
    case Answer::NoToAll: return L"N&o to All";
    case Answer::Ok: return L"OK";
    case Answer::Cancel: return L"Cancel";
    case Answer::None: break;
  }
  return L"";
}

struct BoxRequest {
  std::wstring text;
  MessageIcon icon;
  Buttons buttons;
};

// Lays the box out in pixels once it exists, with its dialog font.
void LayOut(HWND dialog, const BoxRequest& request) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  HINSTANCE instance = GetModuleHandleW(nullptr);

  HDC dc = GetDC(dialog);
  // Laid out for 96 DPI, as large on the screen at any other.
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  auto scaled = [&](int value) { return ScaleToDpi(value, dpi); };
  const int margin = scaled(12), gap = scaled(6), buttonHeight = scaled(23);
  const int iconSide = GetSystemMetrics(SM_CXICON);
  HGDIOBJ old = SelectObject(dc, font);
  RECT textSize{0, 0, scaled(420), 0};
  DrawTextW(dc, request.text.c_str(), -1, &textSize, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  std::vector<std::pair<Answer, int>> buttons;
  for (Answer answer : request.buttons.InOrder()) {
    RECT caption{0, 0, 0, 0};
    DrawTextW(dc, ButtonCaption(answer), -1, &caption, DT_CALCRECT | DT_SINGLELINE);
    buttons.emplace_back(answer, std::max(scaled(75), int(caption.right) + scaled(16)));
  }
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);

  int textLeft = margin;
  if (const wchar_t* resource = IconResource(request.icon)) {
    HWND icon = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, margin, margin, iconSide,
                                iconSide, dialog, nullptr, instance, nullptr);
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, resource)), 0);
    textLeft = margin + iconSide + margin;
  }
  int textHeight = std::max<int>(textSize.bottom, request.icon == MessageIcon::None ? 0 : iconSide);
  int textTop = margin + (textHeight - int(textSize.bottom)) / 2;  // beside the icon's middle
  HWND text = CreateWindowExW(0, L"STATIC", request.text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                              textLeft, textTop, textSize.right, textSize.bottom, dialog,
                              reinterpret_cast<HMENU>(INT_PTR(kMessageTextId)), instance, nullptr);
  SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  int rowWidth = -gap;
  for (const auto& [answer, width] : buttons) rowWidth += width + gap;
  int clientWidth = std::max(textLeft + int(textSize.right) + margin, rowWidth + 2 * margin);
  int rowTop = margin + textHeight + margin;
  int x = (clientWidth - rowWidth) / 2;
  bool first = true;
  for (const auto& [answer, width] : buttons) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (first ? BS_DEFPUSHBUTTON | WS_GROUP : BS_PUSHBUTTON);
    HWND button = CreateWindowExW(0, L"BUTTON", ButtonCaption(answer), style, x, rowTop, width, buttonHeight, dialog,
                                  reinterpret_cast<HMENU>(INT_PTR(ButtonId(answer))), instance, nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (first) SetFocus(button);
    first = false;
    x += width + gap;
  }

  RECT outer{0, 0, clientWidth, rowTop + buttonHeight + margin};
  AdjustWindowRectEx(&outer, DWORD(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                     DWORD(GetWindowLongW(dialog, GWL_EXSTYLE)));
  int width = outer.right - outer.left, height = outer.bottom - outer.top;
  RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (HWND owner = GetWindow(dialog, GW_OWNER)) GetWindowRect(owner, &around);
  SetWindowPos(dialog, nullptr, around.left + (around.right - around.left - width) / 2,
               around.top + (around.bottom - around.top - height) / 2, width, height, SWP_NOZORDER);
}

INT_PTR CALLBACK BoxProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* request = reinterpret_cast<BoxRequest*>(lparam);
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      LayOut(dialog, *request);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
      auto* request = reinterpret_cast<BoxRequest*>(GetWindowLongPtrW(dialog, DWLP_USER));
      Answer answer = AnswerOfButton(LOWORD(wparam));
      // Esc and the close box mean Cancel, and only where there is one.
      if (request && answer != Answer::None && request->buttons.Has(answer)) EndDialog(dialog, LOWORD(wparam));
      return TRUE;
    }
    default:
      return FALSE;
  }
}

// A dialog template without controls: caption and font only.
std::vector<WORD> EmptyDialog(const std::wstring& caption) {
  std::vector<WORD> out;
  auto dword = [&](DWORD value) {
    out.push_back(LOWORD(value));
    out.push_back(HIWORD(value));
  };
  auto text = [&](const std::wstring& s) {
    out.insert(out.end(), s.begin(), s.end());
    out.push_back(0);
  };
  dword(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  dword(0);  // extended style
  out.push_back(0);  // no controls
  for (WORD place : {0, 0, 100, 40}) out.push_back(place);  // x, y, width, height
  out.push_back(0);  // no menu
  out.push_back(0);  // the dialog class
  text(caption);
  out.push_back(8);
  text(L"MS Shell Dlg");
  return out;
}

}  // namespace

int ButtonId(Answer answer) {
  switch (answer) {
    case Answer::Ok: return IDOK;
    case Answer::Cancel: return IDCANCEL;
    case Answer::Yes: return IDYES;
    case Answer::No: return IDNO;
    case Answer::YesToAll: return kYesToAllId;
    case Answer::NoToAll: return kNoToAllId;
    case Answer::None: break;
  }
  return 0;
}

Answer AnswerOfButton(int id) {
  for (Answer answer : {Answer::Ok, Answer::Cancel, Answer::Yes, Answer::No, Answer::YesToAll, Answer::NoToAll})
    if (ButtonId(answer) == id) return answer;
  return Answer::None;
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, MessageIcon icon,
                   Buttons buttons) {
  std::wstring wideText = platform::Widen(text), wideCaption = platform::Widen(caption);
  UINT kind = 0;
  switch (StandardBoxFor(buttons)) {
    case StandardBox::Ok: kind = MB_OK; break;
    case StandardBox::OkCancel: kind = MB_OKCANCEL; break;
    case StandardBox::YesNo: kind = MB_YESNO; break;
    case StandardBox::YesNoCancel: kind = MB_YESNOCANCEL; break;
    case StandardBox::Custom: {
      BoxRequest request{wideText, icon, buttons};
      auto dialog = EmptyDialog(wideCaption);
      return int(DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(dialog.data()),
                                         owner, BoxProc, reinterpret_cast<LPARAM>(&request)));
    }
  }
  return MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(), kind | IconFlag(icon) | (owner ? 0 : MB_TASKMODAL));
}

}  // namespace velmar::ui::win32
