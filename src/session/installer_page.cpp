#include "session/installer_page.h"

#include "text/language_support.h"
#include "session/installer_context.h"

namespace velmar {

InstallerPage::InstallerPage(InstallerContext& app, std::string className)
    : Page(app.host, std::move(className)), app_(app) {}

InstallSession& InstallerPage::Session() const { return app_.session; }

std::string InstallerPage::Text(int id) const { return app_.texts.Text(id); }

std::string InstallerPage::TextWith(int id, const std::string& argument) const {
  return app_.texts.TextWith(id, argument);
}

}  // namespace velmar
