#include "support/installer_test_context.h"

#include <stdexcept>

#include "platform/system_host.h"
#include "platform/taskbar_host.h"
#include "common/language_compiler.h"
#include "common/language_source.h"

namespace velmar::test {

InstallerTestContext::InstallerTestContext(ui::Host& host)
    : system(platform::MakeHostSystemInfo()),
      taskbar(platform::MakeHostTaskbar()),
      os{files, *system, mutexes, processes, registry.registry(), *shortcuts, *taskbar},
      log(drive.fs(), CodePage::Cp1252, [this] { return system->now(); }),
      app{os, host, session, texts, log} {
  drive.makeFolder("Windows\\System32");
  session.MediumRoot = drive.root();
  session.VelmarPath = drive.path("Velmar");
  session.Captions = ButtonCaptionsFor(1);
  texts.Initialise();
  processes.EndAtOnce("VelmarPM.exe");
}

InstallerTestContext::~InstallerTestContext() = default;

void InstallerTestContext::LoadLanguage(const std::string& source) {
  const CompiledLanguage compiled = CompileLanguage(ParseLanguageSource(source));
  drive.writeFile("VSETUP.L" + std::to_string(compiled.code), compiled.separateFile);
  texts.Initialise();
  if (texts.Load(compiled.code) != LanguageSupport::Loaded) throw std::runtime_error("language file not loaded");
}

}  // namespace velmar::test
