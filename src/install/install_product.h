#pragma once
// The work of F2 once the wizard has gathered the choices: the release
// unpacked into the product folder, the user's and the demo project, the
// installer's copy in the product's Install\ folder, the installation
// record, the product's shortcuts, Velmar.ini, the project manager's
// registration and the extra install commands, each step logged. A failed
// step does not stop the rest; the end says so.

#include <functional>
#include <string>

namespace velmar {

struct InstallerContext;
class TUnzipForm;

// "3.04.010" for version 3410: the first four digits, the second and third
// each after ".0".
std::string ReleaseText(int version);
// The file name in the medium's Velmar\ folder the release of a version is
// unpacked from: "Velmar3410.zip".
std::string ReleaseArchiveName(int version);

// What a custom install does in place of the new user project: the name of
// its folder below the medium's Custom\ folder, which goes along into the
// installer's copy (empty: nothing), and whether a step failed.
struct CustomProjectResult {
  std::string Folder;
  bool Failed = false;
};
using CustomProjectStep = std::function<CustomProjectResult()>;

// customProject runs, in a custom install, right after the release is unpacked.
void InstallProduct(InstallerContext& app, TUnzipForm& unzip, const CustomProjectStep& customProject = {});

}  // namespace velmar
