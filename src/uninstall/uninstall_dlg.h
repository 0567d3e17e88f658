#pragma once
// The uninstall dialog (F8): a check box that must be ticked before the
// product can be removed, and the list of the steps as they run. The
// removal runs inside the dialog while it is open.

#include <memory>
#include <string>
#include <vector>

#include "session/installer_page.h"
#include "ui/controls.h"
#include "uninstall/protected_folders.h"

namespace velmar {

class Removal;

class TUnInstallDlg : public InstallerPage {
 public:
  explicit TUnInstallDlg(InstallerContext& app);

  // Shows the dialog; true when the product was removed (OK pressed with the
  // check box ticked).
  bool Execute();

  // The installed product's folder as the installation record names it, with
  // a trailing backslash; empty without a record.
  const std::string& UninstallFolder() const { return folder_; }
  // The record names a folder that holds the product and may be emptied.
  bool ProductFound() const { return found_; }

  ui::Panel Panel1{*this, "Panel1"};
  ui::CheckBox VelmarCB{*this, "VelmarCB"};
  ui::ListBox LB{*this, "LB"};
  ui::Button OkBtn{*this, "OkBtn"};
  ui::Button CancelBtn{*this, "CancelBtn"};
  ui::StatusBar StatBar{*this, "StatBar"};

 private:
  void LocateProduct();
  void UninstallProduct();
  void RemoveProjectShortcutsFolder(Removal& removal);
  void RemoveProductShortcuts(Removal& removal);
  // A step's title, shown at once.
  void Step(int textId);
  void Report(const std::string& line);

  std::string folder_;
  bool found_ = false;
  std::unique_ptr<ProtectedFolders> protect_;
  bool failed_ = false;
  int result_ = 0;
};

}  // namespace velmar
