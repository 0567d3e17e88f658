#include "ui/host.h"

#include <array>
#include <exception>

#include "base/text_case.h"
#include "ui/caption.h"

namespace velmar::ui {
namespace {

struct NamedAnswer {
  Answer answer;
  std::string_view name;
};

// Also the order in which a message box shows its buttons.
constexpr std::array kAnswers{
    NamedAnswer{Answer::Yes, "Yes"}, NamedAnswer{Answer::YesToAll, "YesToAll"},
    NamedAnswer{Answer::No, "No"},   NamedAnswer{Answer::NoToAll, "NoToAll"},
    NamedAnswer{Answer::Ok, "OK"},   NamedAnswer{Answer::Cancel, "Cancel"},
};

}  // namespace

std::string AnswerName(Answer answer) {
  for (const auto& named : kAnswers)
    if (named.answer == answer) return std::string(named.name);
  return "None";
}

std::optional<Answer> ParseAnswerName(std::string_view name) {
  for (const auto& named : kAnswers)
    if (SameAsciiText(named.name, name)) return named.answer;
  return std::nullopt;
}

std::vector<Answer> Buttons::InOrder() const {
  std::vector<Answer> answers;
  for (const auto& named : kAnswers)
    if (Has(named.answer)) answers.push_back(named.answer);
  return answers;
}

std::optional<std::string> Host::BrowseForFolder(const BrowseOptions& options) {
  return BrowseForFolder(options.title, options.startFolder);
}

void Host::Guard(const std::function<void()>& handler) {
  if (!handler) return;
  // The installer's own InstallerError is a std::exception too.
  try {
    handler();
  } catch (const std::exception& error) {
    ShowError(error.what());
  }
}

void Host::ShowError(const std::string& text) { ShowMessage(text, ApplicationTitle, MessageIcon::Error, OkButton); }

}  // namespace velmar::ui
