#pragma once
// The entry gate of the install flows: no program of the product may run,
// and the welcome and licence pages must have been passed once in this run.

#include "services/wizard/licence_form.h"
#include "services/wizard/welcome_form.h"

namespace velmar {

struct InstallerContext;

// The gate's pages, created once with the main window and reused by every flow.
struct WizardPages {
  explicit WizardPages(InstallerContext& app) : WelcomeForm(app), LicenceForm(app) {}

  TWelcomeForm WelcomeForm;
  TLicenceForm LicenceForm;
};

// True when the flow may show its pages. A running program of the product is
// named in a message box; a welcome page left without Next or a rejected
// licence stops the flow too. Passing a page sets WelcomeShown or
// LicenceAccepted, so it is not shown again in this run.
bool EnterWizard(InstallerContext& app, WizardPages& pages);

}  // namespace velmar
