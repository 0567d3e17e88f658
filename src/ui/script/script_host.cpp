#include "ui/script/script_host.h"

#include <stdexcept>

#include "ui/page.h"

namespace velmar::ui::script {

ScriptHost::ScriptHost(Script script, ScriptHostOptions options)
    : options_(std::move(options)), player_(std::move(script), options_.echo) {}

Answer ScriptHost::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon, Buttons buttons) {
  return player_.AnswerBox(text, caption, icon, buttons, Outcome::Stopped);
}

void ScriptHost::ShowError(const std::string& text) {
  player_.AnswerBox(text, ApplicationTitle, MessageIcon::Error, OkButton, Outcome::Failed);
}

std::optional<std::string> ScriptHost::BrowseForFolder(const std::string& title, const std::string& startFolder) {
  BrowseOptions options;
  options.title = title;
  options.startFolder = startFolder;
  return BrowseForFolder(options);
}

std::optional<std::string> ScriptHost::BrowseForFolder(const BrowseOptions& options) {
  const Step& step = player_.AnswerBrowser(options.title, options.startFolder);
  if (options.onInitialized) options.onInitialized();
  if (step.cancel) return std::nullopt;
  if (options.onSelectionChanged) options.onSelectionChanged(step.texts.at(0));
  return step.texts.at(0);
}

void ScriptHost::ShowModal(Page& page) {
  if (page.Showing()) throw std::logic_error("Page " + page.ClassName() + " is shown already");
  player_.ExpectPage(page);
  page.BeginModal(options_.screen);
  struct Ending {
    Page& page;
    ~Ending() { page.EndModal(); }
  } ending{page};

  Transcript& transcript = player_.Log();
  transcript.PageShown(page);
  Guard(page.OnShow);
  transcript.PageChanged(page);
  while (!page.Closing()) {
    const Step& step = player_.TakeAction(page);
    Guard([&] { player_.Perform(page, step, actions_); });
    transcript.PageChanged(page);
  }
  transcript.PageClosed(page);
}

}  // namespace velmar::ui::script
