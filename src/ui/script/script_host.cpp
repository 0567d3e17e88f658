#include "ui/script/script_host.h"

#include <optional>
#include <stdexcept>

#include "ui/page.h"

namespace velmar::ui::script {

ScriptHost::ScriptHost(Script script, ScriptHostOptions options)
    : options_(std::move(options)), player_(std::move(script), options_.echo) {}

Answer ScriptHost::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon, Buttons buttons) {
  const Answer answer = player_.AnswerBox(text, caption, icon, buttons, Outcome::Stopped);
  if (options_.recorder) options_.recorder->Answered(text, answer);
  return answer;
}

void ScriptHost::ShowError(const std::string& text) {
  const Answer answer = player_.AnswerBox(text, ApplicationTitle, MessageIcon::Error, OkButton, Outcome::Failed);
  if (options_.recorder) options_.recorder->Answered(text, answer);
}

std::optional<std::string> ScriptHost::BrowseForFolder(const std::string& title, const std::string& startFolder) {
  BrowseOptions options;
  options.title = title;
  options.startFolder = startFolder;
  return BrowseForFolder(options);
}

std::optional<std::string> ScriptHost::BrowseForFolder(const BrowseOptions& options) {
  const Step& step = player_.AnswerBrowser(options.title, options.startFolder);
  if (options_.recorder)
    options_.recorder->Browsed(step.cancel ? std::nullopt : std::optional<std::string>(step.texts.at(0)));
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
    AnswerRecorder* recorder;
    ~Ending() {
      page.EndModal();
      if (recorder) recorder->PageClosed(page);
    }
  } ending{page, options_.recorder};
  if (options_.recorder) options_.recorder->PageShown(page);
  std::optional<RecordingActions> recording;
  if (options_.recorder) recording.emplace(actions_, *options_.recorder);
  StepActions& actions = recording ? static_cast<StepActions&>(*recording) : actions_;

  Transcript& transcript = player_.Log();
  transcript.PageShown(page);
  Guard(page.OnShow);
  transcript.PageChanged(page);
  while (!page.Closing()) {
    const Step& step = player_.TakeAction(page);
    Guard([&] { player_.Perform(page, step, actions); });
    transcript.PageChanged(page);
  }
  transcript.PageClosed(page);
}

}  // namespace velmar::ui::script
