#include "ui/script/answer_file.h"

#include <array>

#include "base/text_case.h"
#include "platform/files/file_contents.h"
#include "base/codepage.h"
#include "base/errors.h"
#include "ui/caption.h"

namespace velmar::ui::script {
namespace {

struct Token {
  std::string text;
  bool quoted = false;
};

// Where a line stands, for messages: "Answer file C:\Unattended.txt, line 3".
struct Place {
  std::string_view source;
  int line;
};

[[noreturn]] void Fail(const Place& place, const std::string& message) {
  throw InstallerError(std::string(place.source) + ", line " + std::to_string(place.line) + ": " + message);
}

std::vector<Token> Tokenize(std::string_view line, const Place& number) {
  std::vector<Token> tokens;
  size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == ' ' || c == '\t') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      Token token{"", true};
      for (++i;; ++i) {
        if (i >= line.size()) Fail(number, "a text has no closing double quote");
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            token.text += '"';
            ++i;
          } else {
            ++i;
            break;
          }
        } else {
          token.text += line[i];
        }
      }
      if (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '#')
        Fail(number, "a blank must follow the closing double quote");
      tokens.push_back(std::move(token));
    } else {
      Token token;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '"') token.text += line[i++];
      tokens.push_back(std::move(token));
    }
  }
  return tokens;
}

struct Command {
  std::string_view word;
  StepKind kind;
  std::string_view usage;
};

constexpr std::array kCommands{
    Command{"page", StepKind::Page, "page <page class name>"},
    Command{"type", StepKind::Type, "type <edit> \"<text>\""},
    Command{"click", StepKind::Click, "click <control>"},
    Command{"double-click", StepKind::DoubleClick, "double-click <list or tree> \"<item>\" [\"<child item>\" ...]"},
    Command{"check", StepKind::Check, "check <check box or radio button>"},
    Command{"uncheck", StepKind::Uncheck, "uncheck <check box>"},
    Command{"select", StepKind::Select, "select <radio group, list or tree> \"<item>\" [\"<child item>\" ...]"},
    Command{"key", StepKind::Key, "key <key>, for example key F6, key Enter, key Esc"},
    Command{"answer", StepKind::Answer, "answer \"<text of the message, or a part of it>\" <OK|Cancel|Yes|No|YesToAll|NoToAll>"},
    Command{"browse", StepKind::Browse, "browse \"<folder>\" or browse cancel"},
};

bool IsWord(const std::vector<Token>& tokens, size_t index) {
  return index < tokens.size() && !tokens[index].quoted && !tokens[index].text.empty();
}
bool IsText(const std::vector<Token>& tokens, size_t index) { return index < tokens.size() && tokens[index].quoted; }

Step ParseLine(const std::vector<Token>& tokens, const Place& number) {
  const Command* command = nullptr;
  if (!tokens[0].quoted)
    for (const auto& candidate : kCommands)
      if (SameAsciiText(candidate.word, tokens[0].text)) command = &candidate;
  if (!command) Fail(number, "unknown command \"" + tokens[0].text + "\"");

  Step step;
  step.kind = command->kind;
  step.line = number.line;
  auto usage = [&] { Fail(number, "write it as: " + std::string(command->usage)); };
  size_t count = tokens.size();
  switch (command->kind) {
    case StepKind::Page:
    case StepKind::Click:
    case StepKind::Check:
    case StepKind::Uncheck:
      if (count != 2 || !IsWord(tokens, 1)) usage();
      step.name = tokens[1].text;
      break;
    case StepKind::Type:
      if (count != 3 || !IsWord(tokens, 1) || !IsText(tokens, 2)) usage();
      step.name = tokens[1].text;
      step.texts = {tokens[2].text};
      break;
    case StepKind::Select:
    case StepKind::DoubleClick:
      if (count < 3 || !IsWord(tokens, 1)) usage();
      step.name = tokens[1].text;
      for (size_t i = 2; i < count; ++i) {
        if (!IsText(tokens, i)) usage();
        step.texts.push_back(tokens[i].text);
      }
      break;
    case StepKind::Key: {
      if (count != 2 || !IsWord(tokens, 1)) usage();
      auto key = ParseKeyName(tokens[1].text);
      if (!key) Fail(number, "unknown key \"" + tokens[1].text + "\"");
      step.key = *key;
      break;
    }
    case StepKind::Answer: {
      if (count != 3 || !IsText(tokens, 1) || !IsWord(tokens, 2)) usage();
      auto answer = ParseAnswerName(tokens[2].text);
      if (!answer) Fail(number, "unknown button \"" + tokens[2].text + "\" (OK, Cancel, Yes, No, YesToAll, NoToAll)");
      step.texts = {tokens[1].text};
      step.answer = *answer;
      break;
    }
    case StepKind::Browse:
      if (count != 2) usage();
      if (IsText(tokens, 1)) {
        step.texts = {tokens[1].text};
      } else if (SameAsciiText(tokens[1].text, "cancel")) {
        step.cancel = true;
      } else {
        usage();
      }
      break;
  }
  return step;
}

}  // namespace

Script ParseAnswerFile(std::string_view text, std::string_view source) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Script script;
  int number = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    Place place{source, ++number};
    if (!IsValidUtf8(line)) Fail(place, "the line is not UTF-8 text");
    // A carriage return that does not end a line would otherwise become part
    // of a name or a text, and no step written back would read the same.
    for (const char c : line)
      if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F)
        Fail(place, "the line holds a control character (such as a carriage return inside it)");
    auto tokens = Tokenize(line, place);
    if (!tokens.empty()) script.Add(ParseLine(tokens, place));
    start = end + 1;
  }
  return script;
}

Script ReadAnswerFile(platform::FileSystem& files, const std::string& path) {
  const std::optional<std::string> text = platform::ReadFileContents(files, path);
  if (!text) throw UnreadableAnswerFile("Cannot read the answer file " + path);
  return ParseAnswerFile(*text, "Answer file " + path);
}

}  // namespace velmar::ui::script
