#include "formats/registry_file.h"

#include <algorithm>
#include <cctype>

#include "base/codepage.h"
#include "base/text_case.h"
#include "base/trim.h"

namespace velmar {
namespace {

// Blanks of a line: space and tab, and the CR of a line end.
std::string_view Trim(std::string_view s) {
  return TrimmedBy(s, [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

bool HasControl(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// A quoted string at s[0]; *rest is what follows the closing quote.
std::optional<std::string> Unquote(std::string_view s, std::string_view* rest) {
  if (s.empty() || s.front() != '"') return std::nullopt;
  std::string out;
  for (size_t i = 1; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
      out += s[++i];
    } else if (s[i] == '"') {
      if (rest) *rest = s.substr(i + 1);
      return out;
    } else {
      out += s[i];
    }
  }
  return std::nullopt;
}

std::string Quote(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

// hex(1): and hex(2): hold strings as bytes, ending in a NUL.
std::optional<std::string> HexString(std::string_view data) {
  const size_t colon = data.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string type = UpperCaseText(data.substr(0, colon));
  if (type != "HEX(1)" && type != "HEX(2)") return std::nullopt;
  std::string bytes;
  std::string_view list = data.substr(colon + 1);
  while (!list.empty()) {
    const size_t comma = list.find(',');
    const std::string_view item = Trim(list.substr(0, comma));
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    if (item.empty()) continue;
    if (item.size() > 2 ||
        !std::all_of(item.begin(), item.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
      return std::nullopt;
    bytes += static_cast<char>(std::stoi(std::string(item), nullptr, 16));
  }
  while (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();
  return bytes;
}

std::string EncodeValue(std::string_view value) {
  if (!HasControl(value)) return Quote(value);
  static const char digits[] = "0123456789abcdef";
  std::string out = "hex(1):";
  for (unsigned char c : value) out += digits[c >> 4], out += digits[c & 15], out += ',';
  return out + "00";
}

// A value line whose data is hex ("hex:", "hex(2):" ...): the only data
// regedit breaks over lines, each line but the last ending in ",\".
bool IsHexValue(std::string_view line) {
  std::string_view after;
  if (!line.empty() && line.front() == '@')
    after = line.substr(1);
  else if (!Unquote(line, &after))
    return false;
  after = Trim(after);
  if (after.empty() || after.front() != '=') return false;
  const std::string_view data = Trim(after.substr(1));
  return data.size() >= 3 && UpperCaseText(data.substr(0, 3)) == "HEX";
}

// Keys are stored without empty parts or outer backslashes. A key may not
// begin with "-": written out, it would read back as the key's removal.
std::optional<std::string> NormalKey(std::string_view key) {
  while (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  if (key.empty() || key.front() == '-' || HasControl(key) || key.find("\\\\") != std::string_view::npos)
    return std::nullopt;
  return std::string(key);
}

bool IsBelow(std::string_view path, std::string_view key) {
  return path.size() > key.size() && path[key.size()] == '\\' && SameText(path.substr(0, key.size()), key);
}

}  // namespace

std::optional<RegistryFile> RegistryFile::Parse(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  // The file is written in UTF-8 whatever the system's code page, so what it
  // holds never depends on the machine that reads it. Text that is not UTF-8
  // (a REGEDIT4 file made elsewhere) is read as code page 1252, a fixed choice
  // for the same reason.
  const std::string decoded = IsValidUtf8(text) ? std::string(text) : DecodeToUtf8(text, CodePage::Cp1252);

  // Lines, with the continuations of long hex values joined. Only hex data
  // is broken over lines, and only after a comma: other data that ends in a
  // backslash keeps it, and a key line is never part of a value. Whether a
  // line goes on is decided on the value as joined so far, so that no value
  // read ends in ",\" and reads as another once written on one line.
  std::vector<std::string> lines;
  std::string_view rest = decoded;
  bool continued = false;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    std::string_view line = Trim(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (continued && (line.empty() || line.front() != '['))
      lines.back() += line;
    else
      lines.emplace_back(line);
    std::string& joined = lines.back();
    continued = joined.size() >= 2 && joined.ends_with(",\\") && IsHexValue(joined);
    if (continued) joined.pop_back();
  }

  auto header = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return !l.empty(); });
  if (header == lines.end() || (*header != "REGEDIT4" && *header != "Windows Registry Editor Version 5.00"))
    return std::nullopt;

  RegistryFile file;
  Key* current = nullptr;
  for (auto it = header + 1; it != lines.end(); ++it) {
    const std::string_view line = *it;
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      current = nullptr;
      const size_t close = line.rfind(']');
      if (close == std::string_view::npos || line.substr(1, 1) == "-") continue;  // removal entries
      if (const auto key = NormalKey(line.substr(1, close - 1))) {
        file.CreateKey(*key);
        current = file.Find(*key);
      }
      continue;
    }
    if (!current) continue;
    std::string name;
    std::string_view afterName;
    if (line.front() == '@') {
      afterName = line.substr(1);
    } else if (auto quoted = Unquote(line, &afterName)) {
      name = *quoted;
    } else {
      continue;
    }
    afterName = Trim(afterName);
    if (afterName.empty() || afterName.front() != '=') continue;
    const std::string data(Trim(afterName.substr(1)));
    auto same = std::find_if(current->values.begin(), current->values.end(),
                             [&](const Value& v) { return SameText(v.name, name); });
    if (same != current->values.end())
      same->data = data;
    else
      current->values.push_back({name, data});
  }
  return file;
}

std::string RegistryFile::Serialize() const {
  std::string out = "REGEDIT4\r\n\r\n";
  for (const Key& key : keys_) {
    out += "[" + key.path + "]\r\n";
    for (const Value& v : key.values) out += (v.name.empty() ? "@" : Quote(v.name)) + "=" + v.data + "\r\n";
    out += "\r\n";
  }
  return out;
}

RegistryFile::Key* RegistryFile::Find(std::string_view key) {
  auto it = std::find_if(keys_.begin(), keys_.end(), [&](const Key& k) { return SameText(k.path, key); });
  return it == keys_.end() ? nullptr : &*it;
}

const RegistryFile::Key* RegistryFile::Find(std::string_view key) const {
  return const_cast<RegistryFile*>(this)->Find(key);
}

bool RegistryFile::KeyExists(std::string_view key) const {
  const auto normal = NormalKey(key);
  if (!normal) return false;
  if (normal->find('\\') == std::string::npos) return true;  // a root
  return std::any_of(keys_.begin(), keys_.end(),
                     [&](const Key& k) { return SameText(k.path, *normal) || IsBelow(k.path, *normal); });
}

std::optional<std::string> RegistryFile::ReadString(std::string_view key, std::string_view valueName) const {
  const auto normal = NormalKey(key);
  const Key* k = normal ? Find(*normal) : nullptr;
  if (!k) return std::nullopt;
  for (const Value& v : k->values) {
    if (!SameText(v.name, valueName)) continue;
    if (!v.data.empty() && v.data.front() == '"') {
      std::string_view rest;
      auto s = Unquote(v.data, &rest);
      return s && Trim(rest).empty() ? s : std::nullopt;
    }
    return HexString(v.data);
  }
  return std::nullopt;
}

std::vector<std::string> RegistryFile::SubkeyNames(std::string_view key) const {
  const auto normal = NormalKey(key);
  std::vector<std::string> names;
  if (!normal) return names;
  for (const Key& k : keys_) {
    if (!IsBelow(k.path, *normal)) continue;
    const std::string_view below = std::string_view(k.path).substr(normal->size() + 1);
    const std::string name(below.substr(0, below.find('\\')));
    if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return SameText(n, name); }))
      names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return UpperCaseText(a) < UpperCaseText(b); });
  return names;
}

bool RegistryFile::DeleteKey(std::string_view key) {
  const auto normal = NormalKey(key);
  if (!normal || normal->find('\\') == std::string::npos) return false;
  const size_t before = keys_.size();
  std::erase_if(keys_, [&](const Key& k) { return SameText(k.path, *normal) || IsBelow(k.path, *normal); });
  return keys_.size() != before;
}

bool RegistryFile::CreateKey(std::string_view key) {
  const auto normal = NormalKey(key);
  if (!normal) return false;
  if (normal->find('\\') != std::string::npos && !Find(*normal)) keys_.push_back({*normal, {}});
  return true;
}

bool RegistryFile::WriteString(std::string_view key, std::string_view valueName, std::string_view value) {
  const auto normal = NormalKey(key);
  if (!normal || normal->find('\\') == std::string::npos || HasControl(valueName)) return false;
  CreateKey(*normal);
  Key* k = Find(*normal);
  auto same =
      std::find_if(k->values.begin(), k->values.end(), [&](const Value& v) { return SameText(v.name, valueName); });
  if (same != k->values.end())
    same->data = EncodeValue(value);
  else
    k->values.push_back({std::string(valueName), EncodeValue(value)});
  return true;
}

}  // namespace velmar
