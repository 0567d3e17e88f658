#pragma once
// F3: a customer's install. The product is installed as by F2, and in place
// of a new project the customer's project of the custom folder is placed,
// stamped, given its shortcut, and its driver files set to the chosen serial
// port.

#include "custom/brenta_pick_vpr_form.h"
#include "custom/brenta_port_form.h"
#include "custom/custom_select_form.h"
#include "install/install_product.h"
#include "platform/serial_ports.h"

namespace velmar {

struct WizardPages;
struct ProductPages;
class TOverwriteDlg;

struct CustomPages {
  explicit CustomPages(InstallerContext& app, TBrentaPortForm::PortTest test = platform::CanOpenSerialPort)
      : CustomSelectForm(app), BrentaPickVprForm(app), BrentaPortForm(app, std::move(test)) {}
  TCustomSelectForm CustomSelectForm;
  TBrentaPickVprForm BrentaPickVprForm;
  TBrentaPortForm BrentaPortForm;
};

void CustomInstallFlow(InstallerContext& app, WizardPages& gate, ProductPages& product, CustomPages& pages);

// The customer's project, placed inside the installation: its folder, the
// project file or the first archive of the custom folder that holds it, the
// installer's keys in the project file, its shortcut, and the port of every
// driver file of its folder. Failed steps are shown and logged.
CustomProjectResult RunCustomInstall(InstallerContext& app, TUnzipForm& unzip, TOverwriteDlg& overwrite);

}  // namespace velmar
