#pragma once
// An install page shown once under a script.

#include <functional>
#include <string>
#include <utility>

#include "services/wizard/wizard_flow.h"
#include "support/fixture/installer_fixture.h"
#include "support/fixture/installer_test_context.h"
#include "ui/script/script_host.h"

namespace velmar::test {

template <class Form>
struct PageRun {
  explicit PageRun(ui::script::Script script) : host(std::move(script)) {}

  // Runs show(page) under the script, which must end with it.
  PageResult Show(const std::function<PageResult(Form&)>& show) {
    PageResult result = prNone;
    outcome = host.Run([&] {
      result = show(page);
      return ui::script::Outcome::Finished;
    });
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

}  // namespace velmar::test
