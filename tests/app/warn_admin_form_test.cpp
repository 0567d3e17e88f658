#include "app/warn_admin_form.h"

#include <gtest/gtest.h>

#include "ui/script/answer_file.h"
#include "ui/script/script_host.h"

namespace velmar {
namespace {

using ui::script::Outcome;
using ui::script::ParseAnswerFile;
using ui::script::ScriptHost;

TEST(AdminWarning, ShowsTheTranslatedWarningAndClosesOnOkEnterOrEsc) {
  std::vector<std::string> lookups;
  TranslateFn translate = [&](int group, int id, const std::string& defaultText) {
    lookups.push_back(std::to_string(group) + "/" + std::to_string(id) + " " + defaultText);
    return std::string("Administratorrechte sind nötig.");
  };
  for (const char* close : {"click OkBtn", "key Enter", "key Esc"}) {
    lookups.clear();
    ScriptHost host(ParseAnswerFile(std::string("page TWarnAdminForm\n") + close));
    EXPECT_EQ(host.Run([&] { ShowAdminWarning(host, translate); return Outcome::Finished; }), Outcome::Finished)
        << close << ": " << host.EndMessage();
    EXPECT_EQ(lookups, (std::vector<std::string>{
                           "16/9 Administrator rights are required when installing some drivers."}));
    EXPECT_EQ(host.TranscriptText(),
              "page TWarnAdminForm\n"
              "  WarnLabel: label \"Administratorrechte sind nötig.\"\n"
              "  OkBtn: button \"Ok\", default, cancel\n"
              "> " + std::string(close) + "\n"
              "closed TWarnAdminForm\n"
              "end: finished\n");
  }
}

}  // namespace
}  // namespace velmar
