// The medium check on the sample medium, clean, and with one fault of each
// kind that would make the installer fail or stop: each must give exactly its
// findings.

#include <gtest/gtest.h>

#include <functional>

#include "common/zip_writer.h"
#include "formats/zip/zip_errors.h"
#include "tools/medium_fixture.h"

namespace velmar {
namespace {

using medcheck::Finding;
using medcheck::Severity;
using test::Driver;
using test::Medium;
using zipwrite::ZipEntry;
constexpr Severity E = Severity::Error, W = Severity::Warning;

std::string Zip(const std::vector<ZipEntry>& entries) { return zipwrite::BuildZip(entries); }

TEST(MediumCheck, TheSampleMediumWithACustomInstallIsClean) {
  Medium medium;
  const medcheck::Report report = medcheck::CheckMedium(medium.drive.fs(), medium.Path(""));
  EXPECT_EQ(report.findings, std::vector<Finding>{});
  EXPECT_EQ(report.details.back(), "Custom install [Line1] accepted: Custom\\Line1\\");
}

// A fault of the medium and the findings it gives.
struct FaultyMedium {
  const char* fault;
  std::function<void(Medium&)> make;
  std::vector<Finding> findings;
};

std::vector<FaultyMedium> FaultyMedia() {
  static const std::string extras = "[NT_Install] ", release = "Velmar\\Velmar3500.zip";
  static const std::vector<ZipEntry> goodRelease = {{.name = "VelmarPM.exe", .data = "pm"},
                                                    {.name = "Velmar.exe", .data = "v"}};
  return {
      {"setup program damaged",
       [](Medium& m) { std::string setup = m.Read("Setup.exe"); setup[0x300] ^= 0x55; m.Write("Setup.exe", setup); },
       {{E, "Setup.exe", "damaged: its checksum does not match its contents"}}},
      {"extra commands: unclosed quote, missing source",
       [](Medium& m) {
         m.Delete("Extras\\VelOpc.dll");
         m.Replace("Setup.ini", "2=COPY", "5=RUN \"[EXTRAS]OpcSetup.exe /x\r\n2=COPY");
       },
       {{E, "Setup.ini", extras + "5=RUN \"[EXTRAS]OpcSetup.exe /x: unclosed quote: the command fails"},
        {E, "Setup.ini", extras + "2=COPY [EXTRAS]VelOpc.dll [WINSYS]VelOpc.dll: Extras\\VELOPC.DLL is not on the medium"}}},
      {"language file damaged", [](Medium& m) { m.Write("Velmar.L48", "no language file"); },
       {{E, "Velmar.L48", "is not a language file: the installer stops in this language"}}},
      {"no release offered",
       [&](Medium& m) {
         m.Delete("Velmar\\Velmar3410.zip");
         m.Delete(release);
         m.Write("Velmar\\Release.zip", Zip(goodRelease));
       },
       {{W, "Velmar\\Release.zip", "not offered: its name gives no version above 3200 after \"Velmar\""},
        {E, "Velmar\\", "holds no release archive: F2 and F3 are not offered"}}},
      {"release item with a bad CRC",
       [&](Medium& m) {
         std::string zip = Zip({goodRelease[0], {.name = "Bin/Core.dll", .data = "core library", .method = 0}});
         zip[zip.find("core library")] = 'C';
         m.Write(release, zip);
       },
       {{E, release, "Bin/Core.dll: " + ZipErrorMessage(zip_error::BadCrc)}}},
      {"release item with a name the installer refuses",
       [&](Medium& m) { m.Write(release, Zip({goodRelease[0], {.name = "../Evil.dll", .data = "x"}})); },
       {{E, release, "../Evil.dll: " + ZipErrorMessage(zip_error::UnsafeName)}}},
      {"release without the project manager",
       [&](Medium& m) { m.Write(release, Zip({goodRelease[1], {.name = "Bin/VelmarPM.exe", .data = "pm"}})); },
       {{E, release, "holds no VelmarPM.exe at its top: the project manager cannot be registered"}}},
      {"patch cut short",
       [&](Medium& m) { m.Write("Patch\\Patch3501.zip", m.Read("Patch\\Patch3501.zip").substr(0, 5000)); },
       {{E, "Patch\\Patch3501.zip", ""}}},
      {"project archive cut short",
       [&](Medium& m) { m.Write("Projects\\Site\\Site.zip", m.Read("Projects\\Site\\Site.zip").substr(0, 100)); },
       {{E, "Projects\\Site\\Site.zip", ""}}},
      {"custom installs: refused ones and a missing section",
       [](Medium& m) {
         m.Replace("Custom\\Custom.ini", "1=Line1", "1=Line1\r\n2=Gone\r\n3=Line2\r\n4=Line3\r\n5=Line4");
         m.Write("Custom\\Line2\\Line2.vpr", "[Project]\r\n");
         m.Replace("Custom\\Custom.ini", "[Line1]",
                   "[Line2]\r\nType=Other\r\nFolder=Line2\r\nTitle44=L2\r\nTitle33=L2\r\n"
                   "[Line3]\r\nType=BRENTA\r\nFolder=Line3\r\nTitle44=L3\r\nTitle49=L3\r\n"
                   "[Line4]\r\nType=BRENTA\r\nFolder=..\\Projects\\Site\r\nTitle44=L4\r\nTitle49=L4\r\n[Line1]");
       },
       {{E, "Custom\\Custom.ini", "install [Gone] refused: the section is missing"},
        {E, "Custom\\Custom.ini", "install [Line2] refused: type \"Other\" is not BRENTA"},
        {E, "Custom\\Custom.ini", "install [Line3] refused: its folder Custom\\Line3\\ is missing or empty"},
        {E, "Custom\\Custom.ini", "install [Line4] refused: its folder \"..\\Projects\\Site\" is not a path of plain names below Custom\\"}}},
      {"custom install without titles", [](Medium& m) { m.Replace("Custom\\Custom.ini", "Title49=Linie 1", "Title48=Linia 1"); },
       {{E, "Custom\\Custom.ini", "install [Line1] refused: neither a German nor a French title (Title49, Title33)"}}},
      {"custom install without project, with a damaged archive",
       [](Medium& m) {
         m.Delete("Custom\\Line1\\Line1.VPR");
         m.Write("Custom\\Line1\\Old.zip", "PK no archive");
       },
       {{E, "Custom\\Line1\\", "holds no project (a .VPR file, or an archive holding one)"},
        {E, "Custom\\Line1\\Old.zip", ""}}},
      {"driver files without port text or digit",
       [](Medium& m) {
         m.Write("Custom\\Line1\\B.vdr", Driver("THalvikForm", "ComPortNr["));
         m.Write("Custom\\Line1\\C.vdr", Driver("THalvikForm", "ComPortNum[", '9'));
       },
       {{E, "Custom\\Line1\\B.vdr", "holds no \"ComPortNum[\" in bytes 48 to 120: its port cannot be set"},
        {E, "Custom\\Line1\\C.vdr", "holds no port digit 1 to 8 after \"ComPortNum[\": its port cannot be set"}}},
      {"release named with a leading zero", [&](Medium& m) { m.Write("Velmar\\Velmar03600.zip", Zip(goodRelease)); },
       {{E, "Velmar\\Velmar03600.zip", "offered as release 3.06.000, but F2 unpacks Velmar\\Velmar3600.zip: name it so"}}},
  };
}

TEST(MediumCheck, EachFaultGivesExactlyItsFindings) {
  for (const auto& c : FaultyMedia()) {
    SCOPED_TRACE(c.fault);
    Medium medium;
    c.make(medium);
    std::vector<Finding> found = medium.Check();
    // An archive the reader cannot open is named with the reader's own words.
    for (size_t i = 0; i < found.size() && i < c.findings.size(); ++i)
      if (c.findings[i].text.empty() && found[i].file == c.findings[i].file && !found[i].text.empty())
        found[i].text.clear();
    EXPECT_EQ(found, c.findings);
  }
}

}  // namespace

}  // namespace velmar
