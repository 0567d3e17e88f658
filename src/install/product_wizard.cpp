#include "install/product_wizard.h"

#include "install/product_pages.h"
#include "session/install_session.h"

namespace velmar {

void ResetProductChoices(InstallSession& s, bool defaultProject) {
  s.SelectedVersion = 0;
  s.MakeProject = false;
  s.DefaultProject = defaultProject;
  s.StartMenuGroup = "Velmar";
  s.DesktopLinks = true;
  s.Autostart = false;
}

bool RunProductWizard(InstallSession& s, ProductPages& pages, const std::vector<FlowStep>& projectSteps) {
  std::vector<FlowStep> steps{
      [&](int step) -> std::optional<PageResult> { return pages.MainInstallForm.Execute(step); },
      [&](int step) -> std::optional<PageResult> {
        if (s.ProductArchiveList.size() < 2) return std::nullopt;
        return pages.SelectVelZipForm.Execute(step, false);
      },
      [&](int) -> std::optional<PageResult> { return pages.WinLinksForm.Execute(); },
  };
  steps.insert(steps.end(), projectSteps.begin(), projectSteps.end());
  steps.push_back([&](int) -> std::optional<PageResult> { return pages.ReadyToInstallForm.Execute(); });
  return RunFlow(steps);
}

}  // namespace velmar
