#include "app/warn_admin_form.h"

#include <gtest/gtest.h>

#include "support/fixture/installer_test_context.h"
#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::ParseAnswerFile;
using ui::script::ScriptHost;

TEST(AdminWarning, ShowsTheTranslatedWarningAndClosesOnOkEnterOrEsc) {
  for (const char* close : {"click OkBtn", "key Enter", "key Esc"}) {
    ScriptHost host(ParseAnswerFile(std::string("page TWarnAdminForm\n") + close));
    test::InstallerTestContext t(host);
    t.LoadLanguage("language 49\n9\tAdministratorrechte sind nötig.\n");
    EXPECT_EQ(host.Run([&] { ShowAdminWarning(t.app); return Outcome::Finished; }), Outcome::Finished)
        << close << ": " << host.EndMessage();
    EXPECT_NE(host.TranscriptText().find("  WarnLabel: label \"Administratorrechte sind nötig.\"\n"), std::string::npos)
        << host.TranscriptText();
  }
}

}  // namespace
}  // namespace velmar
