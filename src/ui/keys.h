#pragma once
// Keys a page can see. The values are the Windows virtual-key codes, so the
// Win32 host passes them through unchanged.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmar::ui {

enum class Key : uint16_t {
  None = 0,
  Backspace = 0x08,
  Tab = 0x09,
  Enter = 0x0D,
  Escape = 0x1B,
  Space = 0x20,
  PageUp = 0x21,
  PageDown = 0x22,
  End = 0x23,
  Home = 0x24,
  Left = 0x25,
  Up = 0x26,
  Right = 0x27,
  Down = 0x28,
  Delete = 0x2E,
  // Digits '0'..'9' (0x30..0x39) and letters 'A'..'Z' (0x41..0x5A) use their
  // characters' codes: KeyForChar('A').
  F1 = 0x70, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
};

// The key of a digit or letter (either case); Key::None for any other character.
Key KeyForChar(char c);
// "F6", "Enter", "Esc", "PageDown", "A", "7".
std::string KeyName(Key key);
// Reads the names KeyName gives (and "Escape", "Return"), without regard to case.
std::optional<Key> ParseKeyName(std::string_view name);

}  // namespace velmar::ui
