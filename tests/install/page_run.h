#pragma once
// An install page shown once under a script.

#include <functional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "services/wizard/wizard_flow.h"
#include "support/fixture/installer_fixture.h"
#include "support/fixture/installer_test_context.h"
#include "ui/script/script_host.h"

namespace velmar::test {

template <class Form>
struct PageRun {
  explicit PageRun(ui::script::Script script) : host(std::move(script)) {}

  // Runs show(page) under the script, which must end with it and finish.
  PageResult Show(const std::function<PageResult(Form&)>& show) {
    PageResult result = prNone;
    outcome = host.Run([&] {
      result = show(page);
      return ui::script::Outcome::Finished;
    });
    EXPECT_EQ(outcome, ui::script::Outcome::Finished) << host.EndMessage();
    return result;
  }
  const std::string& Transcript() const { return host.TranscriptText(); }
  // The page's controls as it was first shown.
  std::string Opened() const { return PageBlock(Transcript(), page.ClassName()); }

  ui::script::ScriptHost host;
  InstallerTestContext t{host};
  Form page{t.app};
  ui::script::Outcome outcome = ui::script::Outcome::Failed;
};

// The steps of `steps` on the page `name`.
inline ui::script::Script OnPage(const char* name, const ui::script::Script& steps) {
  ui::script::Script script = ui::script::Script().Page(name);
  for (const auto& step : steps.Steps()) script.Add(step);
  return script;
}

}  // namespace velmar::test
