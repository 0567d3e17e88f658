#include "ui/layout/fit_check.h"

#include <algorithm>
#include <optional>

#include "base/text_case.h"
#include "ui/layout/dpi_scale.h"
#include "ui/layout/window_rules.h"

namespace velmar::ui {
namespace {

// The parts of a button, a frame and a status bar that hold no text, at 96 DPI.
constexpr int ButtonBorder = 3;      // the default frame and the raised edge
constexpr int GlyphSpacing = 4;      // between a button's glyph and its caption
constexpr int EditFrame = 2;         // the sunken edge, each side
constexpr int StatusFrame = 2;       // each side
constexpr int GroupCaptionInset = 8; // a radio group's caption from its left edge

// Where a control lies and what it holds, in the screen's pixels.
struct Placed {
  const Control* control = nullptr;
  std::string name;
  Rect place;
  bool framesOthers = false;  // panels, bevels, fills and group boxes may hold other controls
};

bool Fits(Size needed, Size room) { return needed.width <= room.width && needed.height <= room.height; }

Size Less(Size size, int width, int height) { return {std::max(size.width - width, 0), std::max(size.height - height, 0)}; }

bool Overlap(const Rect& a, const Rect& b) {
  return std::max(a.left, b.left) < std::min(a.right(), b.right()) &&
         std::max(a.top, b.top) < std::min(a.bottom(), b.bottom());
}

bool Inside(const Rect& inner, Size outer) {
  return inner.left >= 0 && inner.top >= 0 && inner.right() <= outer.width && inner.bottom() <= outer.height;
}

class Checker {
 public:
  Checker(const Page& page, int dpi, TextMeasure& measure) : page_(page), dpi_(dpi), measure_(measure) {}

  std::vector<Misfit> Run(Size screen) {
    Size client = ScaleToDpi(page_.ClientSize(), dpi_);
    if (page_.MainWindow) client = screen;
    if (!page_.MainWindow && !Fits(client, screen)) Add(page_.ClassName(), "larger than the screen", client, screen);
    for (const Control* control : page_.Controls())
      if (control->Visible) Measure(*control);
    for (size_t i = 0; i < placed_.size(); ++i) {
      const Placed& a = placed_[i];
      if (a.place.width > 0 && a.place.height > 0 && !Inside(a.place, client))
        Add(a.name, "outside the page", {a.place.right(), a.place.bottom()}, client);
      if (a.framesOthers) continue;
      for (size_t j = i + 1; j < placed_.size(); ++j) {
        const Placed& b = placed_[j];
        if (!b.framesOthers && Overlap(a.place, b.place))
          Add(a.name, "overlaps " + b.name, {a.place.width, a.place.height}, {b.place.width, b.place.height});
      }
    }
    CheckAccessKeys();
    return std::move(misfits_);
  }

 private:
  int Scaled(int value) const { return ScaleToDpi(value, dpi_); }

  void Add(const std::string& control, const std::string& problem, Size needed, Size room) {
    misfits_.push_back({page_.ClassName(), control, problem, needed, room});
  }

  void Text(const std::string& name, Size needed, Size room) {
    if (!Fits(needed, room)) Add(name, "text", needed, room);
  }

  void Place(const Control& control, const std::string& name, Rect place, bool framesOthers = false) {
    placed_.push_back({&control, name, place, framesOthers});
  }

  Size OneLine(const Control& control, std::string_view text, bool prefix = true) {
    return text.empty() ? Size{} : measure_.Text(control, text, 0, prefix);
  }

  // A check box or radio button: its box, then its caption on one line.
  void Checkable(const Control& control, const std::string& name, const std::string& caption, Rect place) {
    Text(name, OneLine(control, caption), Less({place.width, place.height}, measure_.CheckWidth(), 0));
  }

  void Measure(const Control& control) {
    const Rect place = ScaleToDpi(control.Bounds, dpi_);
    const std::string& name = control.Name();
    const Size room{place.width, place.height};
    switch (control.Kind()) {
      case ControlKind::Label: {
        const auto& label = static_cast<const Label&>(control);
        if (label.Caption.empty()) return;
        const int wrap = label.WordWrap ? std::max(place.width, 1) : 0;
        const Size needed = measure_.Text(control, label.Caption, wrap, label.ShowAccelChar);
        if (label.AutoSize) {
          // It takes the room its text needs: down the page when it wraps.
          Place(control, name, {place.left, place.top, label.WordWrap ? place.width : needed.width, needed.height});
          if (label.WordWrap) Text(name, needed, {place.width, needed.height});
          return;
        }
        Text(name, needed, room);
        break;
      }
      case ControlKind::Button: {
        const auto& button = static_cast<const Button&>(control);
        const Size glyph = measure_.Glyph(button.Glyph);
        const Size caption = OneLine(control, button.Caption);
        Size needed{glyph.width + caption.width, std::max(glyph.height, caption.height)};
        if (glyph.width > 0 && caption.width > 0) needed.width += Scaled(GlyphSpacing);
        const int border = 2 * Scaled(ButtonBorder);
        Text(name, needed, Less(room, border, border));
        break;
      }
      case ControlKind::CheckBox:
        Checkable(control, name, static_cast<const CheckBox&>(control).Caption, place);
        break;
      case ControlKind::RadioButton:
        Checkable(control, name, static_cast<const RadioButton&>(control).Caption, place);
        break;
      case ControlKind::RadioGroup: {
        const auto& group = static_cast<const RadioGroup&>(control);
        const Size caption = OneLine(control, group.Caption);
        Text(name, caption, Less(room, 2 * Scaled(GroupCaptionInset), 0));
        const int line = measure_.Text(control, "Ag", 0, false).height;
        const auto items = RadioGroupItems(room, int(group.Items.size()), group.Columns, line);
        for (size_t i = 0; i < items.size(); ++i) {
          Rect item = items[i];
          item.left += place.left;
          item.top += place.top;
          Checkable(control, name + "[" + std::to_string(i) + "]", group.Items[i], item);
        }
        Place(control, name, place, true);
        return;
      }
      case ControlKind::Edit: {
        // An edit scrolls its text sideways; its line must be whole.
        const int line = measure_.Text(control, "Ag", 0, false).height;
        Text(name, {0, line}, Less(room, 0, 2 * Scaled(EditFrame)));
        break;
      }
      case ControlKind::ListBox: {
        const auto& list = static_cast<const ListBox&>(control);
        if (!list.OwnerDraw) break;
        const int line = measure_.Text(control, "Ag", 0, false).height;
        Text(name + " line", {0, line}, {0, Scaled(list.ItemHeight)});
        break;
      }
      case ControlKind::StatusBar: {
        const auto& bar = static_cast<const StatusBar&>(control);
        const Size needed = bar.Text.empty() ? Size{0, measure_.Text(control, "Ag", 0, false).height}
                                             : OneLine(control, bar.Text, false);
        const int frame = 2 * Scaled(StatusFrame);
        Text(name, needed, Less(room, 2 * frame, frame));
        break;
      }
      case ControlKind::Panel: {
        const auto& panel = static_cast<const Panel&>(control);
        if (!panel.Caption.empty()) {
          const int bevel = 2 * panel.BevelWidth * ((panel.BevelOuter != BevelCut::None) + (panel.BevelInner != BevelCut::None));
          Text(name, OneLine(control, panel.Caption), Less(room, bevel, bevel));
        }
        Place(control, name, place, true);
        return;
      }
      case ControlKind::Bevel:
      case ControlKind::GradientFill:
        Place(control, name, place, true);
        return;
      default:
        break;
    }
    Place(control, name, place);
  }

  void CheckAccessKeys() {
    std::vector<std::pair<std::string, std::string>> seen;
    auto take = [&](const std::string& owner, const std::string& caption) {
      const std::string key = AccessKey(caption);
      if (key.empty()) return;
      for (const auto& [other, name] : seen)
        if (other == key) {
          Add(owner, "access key &" + key + " also on " + name, {}, {});
          return;
        }
      seen.emplace_back(key, owner);
    };
    for (const Control* control : page_.Controls()) {
      if (!control->Visible) continue;
      const std::string& name = control->Name();
      switch (control->Kind()) {
        case ControlKind::Label:
          if (static_cast<const Label*>(control)->ShowAccelChar) take(name, static_cast<const Label*>(control)->Caption);
          break;
        case ControlKind::Button: take(name, static_cast<const Button*>(control)->Caption); break;
        case ControlKind::CheckBox: take(name, static_cast<const CheckBox*>(control)->Caption); break;
        case ControlKind::RadioButton: take(name, static_cast<const RadioButton*>(control)->Caption); break;
        case ControlKind::RadioGroup: {
          const auto& group = static_cast<const RadioGroup&>(*control);
          for (size_t i = 0; i < group.Items.size(); ++i) take(name + "[" + std::to_string(i) + "]", group.Items[i]);
          break;
        }
        default: break;
      }
    }
  }

  const Page& page_;
  int dpi_;
  TextMeasure& measure_;
  std::vector<Placed> placed_;
  std::vector<Misfit> misfits_;
};

}  // namespace

std::string Describe(const Misfit& misfit) {
  std::string out = misfit.page + " " + misfit.control + ": " + misfit.problem;
  auto size = [](Size s) { return std::to_string(s.width) + "x" + std::to_string(s.height); };
  if (misfit.problem == "text" || misfit.problem == "larger than the screen")
    out += " needs " + size(misfit.needed) + ", has " + size(misfit.room);
  else if (misfit.problem == "outside the page")
    out += ": reaches " + size(misfit.needed) + ", the page is " + size(misfit.room);
  else if (misfit.problem.starts_with("overlaps"))
    out += " (" + size(misfit.needed) + " and " + size(misfit.room) + ")";
  return out;
}

std::vector<Misfit> CheckFit(const Page& page, int dpi, Size screen, TextMeasure& measure) {
  return Checker(page, dpi, measure).Run(screen);
}

std::string AccessKey(std::string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    // The whole letter: a UTF-8 lead byte and its continuation bytes.
    size_t end = i + 2;
    while (end < caption.size() && (uint8_t(caption[end]) & 0xC0) == 0x80) ++end;
    return UpperCaseText(caption.substr(i + 1, end - i - 1));
  }
  return {};
}

}  // namespace velmar::ui
