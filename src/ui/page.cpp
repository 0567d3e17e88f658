#include "ui/page.h"

#include <algorithm>

#include "base/text_case.h"
#include "ui/caption.h"
#include "ui/host.h"

namespace velmar::ui {

Page::Page(Host& host, std::string className) : host_(host), className_(std::move(className)) {}

void Page::Register(Control& control) { controls_.push_back(&control); }

void Page::ShowModal() { host_.ShowModal(*this); }

void Page::Close() {
  if (showing_) closing_ = true;
}

std::vector<Control*> Page::TabOrderList() const {
  std::vector<Control*> stops;
  for (Control* control : controls_)
    if (control->Focusable() && control->TabStop) stops.push_back(control);
  std::stable_sort(stops.begin(), stops.end(), [](Control* a, Control* b) { return a->TabOrder < b->TabOrder; });
  return stops;
}

Control* Page::FindControl(std::string_view name) const {
  for (Control* control : controls_)
    if (SameAsciiText(control->Name(), name)) return control;
  return nullptr;
}

StatusBar* Page::StatusLine() const {
  for (Control* control : controls_)
    if (auto* bar = dynamic_cast<StatusBar*>(control)) return bar;
  return nullptr;
}

void Page::SetFocus(Control& control) {
  Control* left = focused_;
  if (left == &control) return;
  focused_ = &control;
  if (auto* edit = dynamic_cast<Edit*>(left); edit && edit->OnExit) edit->OnExit();
}

void Page::SelectNext(bool forward) {
  auto stops = TabOrderList();
  if (stops.empty()) return;
  auto at = std::find(stops.begin(), stops.end(), focused_);
  size_t count = stops.size();
  size_t start = at == stops.end() ? (forward ? count - 1 : 0) : size_t(at - stops.begin());
  for (size_t step = 1; step <= count; ++step) {
    size_t index = forward ? (start + step) % count : (start + count - step % count) % count;
    if (stops[index]->CanFocus()) {
      if (stops[index] != focused_) SetFocus(*stops[index]);
      return;
    }
  }
}

void Page::CentreOn(Size screen) {
  Left = (screen.width - ClientWidth) / 2;
  Top = (screen.height - ClientHeight) / 2;
}

void Page::BeginModal(Size screen) {
  showing_ = true;
  closing_ = false;
  if (Centred) CentreOn(screen);
  focused_ = nullptr;
  if (ActiveControl && ActiveControl->CanFocus()) {
    focused_ = ActiveControl;
    return;
  }
  for (Control* control : TabOrderList())
    if (control->CanFocus()) {
      focused_ = control;
      return;
    }
}

void Page::EndModal() {
  showing_ = false;
  closing_ = false;
}

}  // namespace velmar::ui
