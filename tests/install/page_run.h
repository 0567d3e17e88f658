#pragma once
// One install page shown under a script, for the tests of the pages:
//
//   test::PageRun<TDemoInstallForm> run(Script().Page("TDemoInstallForm").Click("NextBtn"));
//   EXPECT_EQ(run.Show([](auto& page) { return page.Execute(0, false); }), prNext);

#include <functional>
#include <string>
#include <utility>

#include "services/wizard/wizard_flow.h"
#include "support/installer_fixture.h"
#include "support/installer_test_context.h"
#include "ui/script/script_host.h"

namespace velmar::test {

template <class Form>
struct PageRun {
  explicit PageRun(ui::script::Script script) : host(std::move(script)) {}

  // Runs show(page) under the script, which must end with it.
  template <class Shows>
  PageResult Show(Shows show) {
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

// A host on which every page is closed, as the system may close a window,
// without any of its buttons; whileShown acts on the page before that.
class ClosingHost : public ui::script::ScriptHost {
 public:
  ClosingHost() : ScriptHost(ui::script::Script()) {}
  void ShowModal(ui::Page& page) override {
    if (whileShown) whileShown(page);
  }
  std::function<void(ui::Page&)> whileShown;
};

}  // namespace velmar::test
