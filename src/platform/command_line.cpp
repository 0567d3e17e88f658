#include "platform/command_line.h"

#include <algorithm>

#include "base/text_case.h"

namespace velmar::platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

}  // namespace

std::vector<ProgramCandidate> ProgramCandidates(std::string_view line) {
  line = TrimLeft(line);
  if (line.empty()) return {};
  if (line.front() == '"') {
    const size_t close = line.find('"', 1);
    if (close == std::string_view::npos) return {{std::string(line.substr(1)), ""}};
    return {{std::string(line.substr(1, close - 1)), std::string(TrimLeft(line.substr(close + 1)))}};
  }
  std::vector<ProgramCandidate> readings;
  size_t at = 0;
  while (true) {
    const size_t blank = line.find_first_of(" \t", at);
    if (blank == std::string_view::npos) {
      readings.push_back({std::string(line), ""});
      return readings;
    }
    readings.push_back({std::string(line.substr(0, blank)), std::string(TrimLeft(line.substr(blank)))});
    at = blank + 1;
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at >= line.size()) return readings;
  }
}

std::vector<std::string> SplitArguments(std::string_view s) {
  std::vector<std::string> args;
  std::string current;
  bool started = false;
  int quotes = 0;  // 1 inside a quoted part
  size_t backslashes = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (IsBlank(c) && quotes == 0) {
      if (started) args.push_back(current);
      current.clear(), started = false, backslashes = 0;
      continue;
    }
    started = true;
    if (c == '\\') {
      current += c, ++backslashes;
      continue;
    }
    if (c != '"') {
      current += c, backslashes = 0;
      continue;
    }
    current.resize(current.size() - backslashes / 2);
    if (backslashes % 2 == 1) {
      current.back() = '"';  // the odd backslash escapes the quote
    } else {
      ++quotes;
      // A run of quotes: every third one is literal.
      while (i + 1 < s.size() && s[i + 1] == '"') {
        ++i;
        if (++quotes == 3) current += '"', quotes = 0;
      }
      if (quotes == 2) quotes = 0;
    }
    backslashes = 0;
  }
  if (started) args.push_back(current);
  return args;
}

std::optional<std::string> ExplorerFolder(std::string_view line) {
  const auto readings = ProgramCandidates(line);
  if (readings.empty()) return std::nullopt;
  const std::string program = AsciiLowerCase(readings.front().program);
  const size_t slash = program.find_last_of("\\/");
  const std::string name = slash == std::string::npos ? program : program.substr(slash + 1);
  if (name != "explorer.exe" && name != "explorer") return std::nullopt;
  const std::string& args = readings.front().arguments;
  const size_t comma = args.rfind(',');
  return comma == std::string::npos ? args : args.substr(comma + 1);
}

}  // namespace velmar::platform
