#include "install/pages/select_vel_zip_form.h"

#include "install/install_product.h"
#include "text/texts.h"
#include "session/installer_context.h"
#include "ui/layout/page_layout.h"

namespace velmar {
namespace {

// Versions up to this one are not releases of this product line.
constexpr int OldestRelease = 3200;

}  // namespace

TSelectVelZipForm::TSelectVelZipForm(InstallerContext& app) : WizardPage(app, "TSelectVelZipForm") {
  using ui::layout::Margin;
  const int width = ClientWidth - 2 * Margin;
  SelectLbl.SetBounds(Margin + 4, Margin + 4, width - 4, 16);
  VersionLB.SetBounds(Margin, Margin + 26, width, ButtonTop() - 2 * Margin - 26);
}

PageResult TSelectVelZipForm::Execute(int step, bool finishCaption) { return Run(step, finishCaption); }

void TSelectVelZipForm::SetTexts() { SelectLbl.Caption = Text(text::SelectVersion); }

// The list is ordered by archive name, so the newest release is its last entry.
void TSelectVelZipForm::LoadFields() {
  const std::string prefix = Text(text::ReleasePrefix) + " ";
  std::string suffix = Text(text::NewestVersionSuffix);
  VersionLB.Clear();
  const auto& archives = Session().ProductArchiveList;
  for (auto it = archives.rbegin(); it != archives.rend(); ++it) {
    if (it->second <= OldestRelease) continue;
    VersionLB.Add(prefix + ReleaseText(it->second) + suffix, it->second);
    suffix.clear();
  }
  if (!VersionLB.Items.empty()) VersionLB.ItemIndex = 0;
}

void TSelectVelZipForm::PageClosed() {
  const ui::ListItem* row = VersionLB.Selected();
  if (!row && !VersionLB.Items.empty()) row = &VersionLB.Items.front();
  Session().SelectedVersion = row ? int(row->Data) : 0;
}

}  // namespace velmar
