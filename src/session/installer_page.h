#pragma once
// The base of the installer's pages. Every page gets the installer's context
// in its constructor, builds its controls there, and is shown by its own
// Execute(arguments), which returns the page's result.

#include <string>

#include "ui/page.h"

namespace velmar {

struct InstallerContext;
struct InstallSession;

class InstallerPage : public ui::Page {
 protected:
  InstallerPage(InstallerContext& app, std::string className);

  InstallerContext& App() const { return app_; }
  InstallSession& Session() const;
  // An installer text by its constant in texts.h, in the run's language.
  std::string Text(int id) const;
  std::string TextWith(int id, const std::string& argument) const;

 private:
  InstallerContext& app_;
};

}  // namespace velmar
