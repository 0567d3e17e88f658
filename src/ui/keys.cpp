#include "ui/keys.h"

#include <array>

#include "base/text_case.h"
#include "ui/caption.h"

namespace velmar::ui {
namespace {

struct NamedKey {
  std::string_view name;
  Key key;
};

constexpr std::array kNamedKeys{
    NamedKey{"Backspace", Key::Backspace}, NamedKey{"Tab", Key::Tab},
    NamedKey{"Enter", Key::Enter},         NamedKey{"Esc", Key::Escape},
    NamedKey{"Space", Key::Space},         NamedKey{"PageUp", Key::PageUp},
    NamedKey{"PageDown", Key::PageDown},   NamedKey{"End", Key::End},
    NamedKey{"Home", Key::Home},           NamedKey{"Left", Key::Left},
    NamedKey{"Up", Key::Up},               NamedKey{"Right", Key::Right},
    NamedKey{"Down", Key::Down},           NamedKey{"Delete", Key::Delete},
    // Other spellings people write; KeyName never gives them.
    NamedKey{"Escape", Key::Escape},       NamedKey{"Return", Key::Enter},
};


}  // namespace

Key KeyForChar(char c) {
  c = AsciiUpper(c);
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return Key(uint16_t(c));
  return Key::None;
}

std::string KeyName(Key key) {
  auto code = uint16_t(key);
  if (code >= uint16_t(Key::F1) && code <= uint16_t(Key::F12))
    return std::string("F") + std::to_string(code - uint16_t(Key::F1) + 1);
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return std::string(1, char(code));
  for (const auto& named : kNamedKeys)
    if (named.key == key) return std::string(named.name);
  return key == Key::None ? "None" : "Key" + std::to_string(code);
}

std::optional<Key> ParseKeyName(std::string_view name) {
  if (name.size() == 1 && KeyForChar(name[0]) != Key::None) return KeyForChar(name[0]);
  if (name.size() >= 2 && AsciiUpper(name[0]) == 'F') {
    int number = 0;
    for (char c : name.substr(1)) {
      if (c < '0' || c > '9' || number > 12) return std::nullopt;
      number = number * 10 + (c - '0');
    }
    if (number >= 1 && number <= 12 && name[1] != '0') return Key(uint16_t(Key::F1) + number - 1);
    return std::nullopt;
  }
  for (const auto& named : kNamedKeys)
    if (SameAsciiText(named.name, name)) return named.key;
  return std::nullopt;
}

}  // namespace velmar::ui
