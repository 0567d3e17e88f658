#pragma once
// Message boxes: Windows' own for the button sets it has, a small dialog of
// the same kind (class "#32770", the text in control 0xFFFF) for the "to all"
// answers.

#include <string>

#include "platform/win32/windows_api.h"
#include "ui/host.h"

namespace velmar::ui::win32 {

// The control id of the box's text, as in Windows' message boxes.
constexpr int kMessageTextId = 0xFFFF;

// The id of a box's button: Windows' own for OK, Cancel, Yes and No.
int ButtonId(Answer answer);
Answer AnswerOfButton(int id);

// Shows the box modally over owner and returns the id of the button pressed.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, MessageIcon icon, Buttons buttons);

}  // namespace velmar::ui::win32
