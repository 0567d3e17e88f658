#include "ui/script/transcript.h"

#include "ui/caption.h"

namespace velmar::ui::script {
std::string OneLine(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      out += "↵";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

namespace {

std::string Quoted(const std::string& text) { return std::string("\"").append(OneLine(text)).append("\""); }
std::string Caption(const std::string& caption) { return Quoted(MarkMnemonic(caption)); }

std::string FontText(const Font& font) {
  return font.name + " " + std::to_string(font.size) + (font.bold ? " bold " : " ") + ColourName(font.colour);
}

std::string ColouredLine(const ListItem& item, bool selected) {
  const auto& colour = selected ? item.SelectedTextColour : item.TextColour;
  return (selected ? "* " : "- ") + OneLine(item.Text) + (colour ? " (" + ColourName(*colour) + ")" : "");
}

void TreeLines(const TreeNode& node, const TreeNode* selected, const std::string& indent,
               std::vector<std::string>& lines) {
  for (const auto& child : node.Children) {
    lines.push_back(indent + (child.get() == selected ? "* " : "- ") + OneLine(child->Text));
    TreeLines(*child, selected, indent + "  ", lines);
  }
}

std::string Side(FillDirection direction, bool begin) {
  switch (direction) {
    case FillDirection::TopToBottom: return begin ? "top" : "bottom";
    case FillDirection::BottomToTop: return begin ? "bottom" : "top";
    case FillDirection::LeftToRight: return begin ? "left" : "right";
    case FillDirection::RightToLeft: return begin ? "right" : "left";
  }
  return "";
}

std::string Place(const Rect& r) {
  return std::to_string(r.width) + "x" + std::to_string(r.height) + " at " + std::to_string(r.left) + "," +
         std::to_string(r.top);
}

std::string IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return "information";
    case MessageIcon::Warning: return "warning";
    case MessageIcon::Error: return "error";
    case MessageIcon::Question: return "question";
    case MessageIcon::None: break;
  }
  return "";
}

}  // namespace

std::vector<std::string> RenderControl(const Control& control) {
  if (!control.Visible) return {};
  std::string head = "  " + control.Name() + ": ";
  std::vector<std::string> lines;
  switch (control.Kind()) {
    case ControlKind::Label: {
      const auto& label = static_cast<const Label&>(control);
      head += "label " + (label.ShowAccelChar ? Caption(label.Caption) : Quoted(label.Caption));
      if (label.Font) head += ", " + FontText(*label.Font);
      if (label.Transparent) head += ", transparent";
      break;
    }
    case ControlKind::Edit: {
      const auto& edit = static_cast<const Edit&>(control);
      head += "edit " + Quoted(edit.Text) + (edit.ReadOnly ? ", read-only" : "");
      break;
    }
    case ControlKind::Button: {
      const auto& button = static_cast<const Button&>(control);
      head += "button " + Caption(button.Caption) + (button.Default ? ", default" : "") + (button.Cancel ? ", cancel" : "");
      break;
    }
    case ControlKind::CheckBox: {
      const auto& check = static_cast<const CheckBox&>(control);
      head += std::string("check box ") + (check.Checked ? "[x] " : "[ ] ") + Caption(check.Caption);
      break;
    }
    case ControlKind::RadioButton: {
      const auto& radio = static_cast<const RadioButton&>(control);
      head += std::string("radio button ") + (radio.Checked() ? "(*) " : "( ) ") + Caption(radio.Caption);
      break;
    }
    case ControlKind::RadioGroup: {
      const auto& group = static_cast<const RadioGroup&>(control);
      head += "radio group " + Caption(group.Caption);
      for (size_t i = 0; i < group.Items.size(); ++i)
        lines.push_back(std::string("    ") + (int(i) == group.ItemIndex ? "(*) " : "( ) ") +
                        OneLine(MarkMnemonic(group.Items[i])));
      break;
    }
    case ControlKind::ListBox: {
      const auto& list = static_cast<const ListBox&>(control);
      head += list.Items.empty() ? "list box, empty" : "list box";
      for (size_t i = 0; i < list.Items.size(); ++i) {
        size_t run = 0;
        while (list.Tallied && i + run < list.Items.size() && list.Items[i + run].Data == ListBox::TalliedLine) ++run;
        if (run > 0) {
          lines.push_back("    (" + std::to_string(run) + (run == 1 ? " line)" : " lines)"));
          i += run - 1;
        } else {
          lines.push_back("    " + ColouredLine(list.Items[i], int(i) == list.ItemIndex));
        }
      }
      break;
    }
    case ControlKind::TreeView: {
      const auto& tree = static_cast<const TreeView&>(control);
      head += tree.Root.Children.empty() ? "tree view, empty" : "tree view";
      TreeLines(tree.Root, tree.Selected, "    ", lines);
      break;
    }
    case ControlKind::Memo: {
      const auto& memo = static_cast<const Memo&>(control);
      head += std::string("memo") + (memo.ReadOnly ? ", read-only" : "") + (memo.Lines.empty() ? ", empty" : "");
      for (const auto& line : memo.Lines) lines.push_back("    | " + line);
      break;
    }
    case ControlKind::ProgressBar: {
      const auto& bar = static_cast<const ProgressBar&>(control);
      head += "progress " + std::to_string(bar.Position) + " of " + std::to_string(bar.Max);
      break;
    }
    case ControlKind::StatusBar:
      head += "status line " + Quoted(static_cast<const StatusBar&>(control).Text);
      break;
    case ControlKind::Panel: {
      const auto& panel = static_cast<const Panel&>(control);
      if (panel.Caption.empty()) return {};
      head += "panel " + Caption(panel.Caption);
      break;
    }
    case ControlKind::Bevel:
      return {};
    case ControlKind::Image: {
      const auto& image = static_cast<const Image&>(control);
      if (image.Picture.Empty()) return {};
      head += "image " + (image.Picture.Source == PictureSource::File ? "file " + Quoted(image.Picture.Name)
                                                                     : image.Picture.Name);
      head += " " + Place({image.Bounds.left, image.Bounds.top, image.Picture.Dimensions.width,
                           image.Picture.Dimensions.height});
      if (image.Transparent) head += ", transparent";
      break;
    }
    case ControlKind::GradientFill: {
      const auto& fill = static_cast<const GradientFill&>(control);
      head += "gradient from " + ColourName(fill.BeginColour) + " at the " + Side(fill.Direction, true) + " to " +
              ColourName(fill.EndColour) + " at the " + Side(fill.Direction, false) + ", " +
              std::to_string(fill.BandCount) + " bands";
      break;
    }
  }
  if (!control.Hint.empty()) head += ", hint " + Quoted(control.Hint);
  if (!control.Enabled) head += ", disabled";
  lines.insert(lines.begin(), head);
  return lines;
}

void Transcript::Line(const std::string& line) {
  text_ += line;
  text_ += '\n';
  if (echo_) echo_(line);
}

void Transcript::PageShown(const Page& page) {
  if (page.MainWindow)
    Line("backdrop " + page.ClassName() + " " + std::to_string(page.ClientWidth) + "x" +
         std::to_string(page.ClientHeight));
  else
    Line("page " + page.ClassName() + (page.Caption.empty() ? std::string() : std::string(" ").append(Quoted(page.Caption))));
  auto& rendered = shown_[&page];
  rendered.clear();
  for (const Control* control : page.Controls()) {
    rendered.push_back(RenderControl(*control));
    for (const auto& line : rendered.back()) Line(line);
  }
}

void Transcript::PageChanged(const Page& page) {
  auto found = shown_.find(&page);
  if (found == shown_.end()) return;
  auto& rendered = found->second;
  const auto& controls = page.Controls();
  for (size_t i = 0; i < controls.size() && i < rendered.size(); ++i) {
    auto now = RenderControl(*controls[i]);
    if (now == rendered[i]) continue;
    if (now.empty())
      Line("  " + controls[i]->Name() + (controls[i]->Visible ? ": nothing shown" : ": hidden"));
    for (const auto& line : now) Line(line);
    rendered[i] = std::move(now);
  }
}

void Transcript::PageClosed(const Page& page) {
  shown_.erase(&page);
  Line("closed " + page.ClassName());
}

void Transcript::Message(const std::string& text, const std::string& caption, MessageIcon icon, Buttons buttons) {
  std::string head = "message box " + Quoted(caption);
  if (icon != MessageIcon::None) head += ", " + IconName(icon) + " icon";
  head += ", buttons";
  bool first = true;
  for (Answer answer : buttons.InOrder()) {
    head += (first ? " " : ", ") + AnswerName(answer);
    first = false;
  }
  Line(head);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Line("  | " + line);
    start = end + 1;
  }
}

void Transcript::FolderBrowser(const std::string& title, const std::string& startFolder) {
  Line("folder browser " + Quoted(title) + ", start " + Quoted(startFolder));
}

}  // namespace velmar::ui::script
