#include "common/sample_medium.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "base/errors.h"
#include "common/language_compiler.h"
#include "common/language_source.h"
#include "common/sample_texts.h"
#include "common/zip_writer.h"

namespace velmar {

namespace fs = std::filesystem;
using zipwrite::ZipEntry;

namespace {

std::string ReadHostFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw velmar::InstallerError("Cannot read " + path.string());
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteHostFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out.flush()) throw velmar::InstallerError("Cannot write " + path.string());
}

// A program the installer may start: on Linux it needs the right to run.
void WriteProgram(const fs::path& path, const std::string& bytes) {
  WriteHostFile(path, bytes);
  fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add);
}

// The sample files are written in the ANSI code page, as the product keeps
// them: 1252, the page of a Western European system, whose letters the German
// and French sample texts need.
std::string Ansi(const std::string& utf8) { return velmar::EncodeFromUtf8(utf8, velmar::CodePage::Cp1252); }

ZipEntry Item(std::string name, std::string data) {
  ZipEntry entry;
  entry.name = std::move(name);
  entry.data = std::move(data);
  return entry;
}

std::string Archive(const std::vector<ZipEntry>& items, const std::string& comment = "") {
  velmar::zipwrite::ZipOptions options;
  options.comment = comment;
  return velmar::zipwrite::BuildZip(items, options);
}

std::string ProjectFile(const std::string& name, const std::string& customer) {
  return Ansi("[Project]\r\nProjectName=" + name + "\r\nCustomerName=" + customer +
              "\r\nMajorVer=3\r\nMinorVer=5\r\nRevision=0\r\n[Config]\r\nLanguage=44\r\n");
}

std::string Screen(const std::string& title) { return Ansi("[Screen]\r\nTitle=" + title + "\r\n"); }

std::vector<ZipEntry> Release(const std::string& standin, const std::string& version) {
  std::vector<ZipEntry> items;
  for (const char* program : {"VelmarPM.exe", "Velmar.exe", "VelmarArc.exe", "VelmarSpool.exe", "VelmarSms.exe"})
    items.push_back(Item(program, standin));
  items.push_back(Item("VelCore.dll", velmar::zipwrite::RandomBytes(256 * 1024, 7)));
  items.push_back(Item("VelComm.dll", velmar::zipwrite::RandomBytes(64 * 1024, 8)));
  items.push_back(Item("Bin/Drivers/Brenta.drv", Ansi("; BRENTA serial driver " + version + "\r\nPort=COM1\r\n")));
  items.push_back(Item("Help/Velmar.txt", Ansi(sample::ProductHelp)));
  items.push_back(Item("Config/Defaults.ini", Ansi("[Defaults]\r\nScanRate=500\r\nHistoryDays=30\r\n")));
  items.push_back(Item("Readme.txt", Ansi(sample::ReadmeEnglish)));
  items.push_back(Item("Liesmich.txt", Ansi(sample::ReadmeGerman)));
  items.push_back(Item("Lif-moi.txt", Ansi(sample::ReadmeFrench)));
  return items;
}

// A pump's driver description: its kind and form near the start, then the
// serial port it talks on as one digit after "ComPortNum[".
std::string DriverFile(const std::string& device) {
  std::string bytes = std::string("\x01\x00\x03\x00Vel_Driver\x00\x02\x00\x0bTHalvikForm\x00", 30);
  bytes += device.substr(0, 20);
  bytes.resize(64, '\0');
  bytes += std::string("ComPortNum[\x01") + "1]" + std::string(1, '\0') + "Baud=9600;Parity=N;Bits=8";
  return bytes;
}

// The harbour's logo: a pale blue plate with three waves and a pump house,
// on a white field that is drawn transparent.
std::string HarbourLogo() {
  constexpr int width = 96, height = 48, row = (width * 3 + 3) / 4 * 4;
  std::string bmp(54 + row * height, '\0');
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<char>(v >> (8 * i));
  };
  bmp[0] = 'B', bmp[1] = 'M';
  put32(2, static_cast<uint32_t>(bmp.size()));
  put32(10, 54), put32(14, 40), put32(18, width), put32(22, height);
  bmp[26] = 1, bmp[28] = 24;
  put32(34, static_cast<uint32_t>(row * height));
  for (int y = 0; y < height; ++y) {  // y from the bottom
    for (int x = 0; x < width; ++x) {
      const double dx = (x - 47.5) / 46.0, dy = (y - 23.5) / 22.0;
      int r = 255, g = 255, b = 255;
      if (dx * dx + dy * dy <= 1.0) {
        r = 200, g = 228, b = 250;
        const double wave = 4 * std::sin(x / 5.0);
        for (int band = 0; band < 3; ++band)
          if (std::abs(y - (8 + 7 * band + wave)) < 1.6) r = 20, g = 90, b = 170;
        if (x >= 36 && x < 60 && y >= 28 && y < 38) r = 150, g = 40, b = 30;   // the house
        if (x >= 44 && x < 52 && y >= 38 && y < 43) r = 90, g = 90, b = 100;   // its chimney
      }
      char* pixel = &bmp[54 + y * row + x * 3];
      pixel[0] = static_cast<char>(b), pixel[1] = static_cast<char>(g), pixel[2] = static_cast<char>(r);
    }
  }
  return bmp;
}

void MakeCustomInstalls(const fs::path& custom) {
  WriteHostFile(custom / "Custom.ini", Ansi(sample::CustomIni));
  WriteHostFile(custom / "Harbour" / "Harbour.zip",
                Archive({Item("Harbour/Harbour.VPR", ProjectFile("Harbour", "Port authority")),
                         Item("Harbour/Screens/Main.scr", Screen("Harbour pumping station")),
                         Item("Harbour/Pump1.vdr", DriverFile("BRENTA pump 1")),
                         Item("Harbour/Pump2.vdr", DriverFile("BRENTA pump 2"))},
                        "Harbour pumping station, two BRENTA pumps"));
  WriteHostFile(custom / "Harbour" / "Logo.bmp", HarbourLogo());
  WriteHostFile(custom / "Mill" / "Mill.VPR", ProjectFile("Winder line", "Velmar Paper"));
  WriteHostFile(custom / "Mill" / "Readme.txt", Ansi("The winder line of the paper mill.\r\n"));
}

void CompileLanguages(const fs::path& sources, const fs::path& out) {
  for (const std::string code : {"44", "49", "33", "48"}) {
    const auto source = velmar::ParseLanguageSource(ReadHostFile(sources / ("vsetup_" + code + ".txt")));
    const velmar::CompiledLanguage compiled = velmar::CompileLanguage(source);
    WriteHostFile(out / ("Velmar.L" + code), compiled.combinedFile);
    WriteHostFile(out / ("VSETUP.L" + code), compiled.separateFile);
  }
}

}  // namespace

void MakeSampleMedium(const fs::path& out, const fs::path& setup, const fs::path& standinPath,
                const fs::path& languages) {
  const std::string standin = ReadHostFile(standinPath);
  fs::create_directories(out);
  fs::copy_file(setup, out / "Setup.exe", fs::copy_options::overwrite_existing);
  WriteHostFile(out / "Setup.ini", Ansi(sample::SetupIni));
  CompileLanguages(languages, out);
  WriteHostFile(out / "Readme.txt", Ansi(sample::ReadmeEnglish));
  WriteHostFile(out / "Liesmich.txt", Ansi(sample::ReadmeGerman));
  WriteHostFile(out / "Lif-moi.txt", Ansi(sample::ReadmeFrench));

  WriteHostFile(out / "Velmar" / "Velmar3410.zip", Archive(Release(standin, "3.4.10")));
  WriteHostFile(out / "Velmar" / "Velmar3500.zip", Archive(Release(standin, "3.5.0")));

  WriteHostFile(out / "Patch" / "Patch3501.zip",
                Archive({Item("VelmarArc.exe", standin),
                         Item("VelCore.dll", velmar::zipwrite::RandomBytes(64 * 1024, 9))},
                        "Velmar 3.5.01: corrections for the archive viewer"));
  WriteHostFile(out / "Patch" / "Patch3502.zip",
                Archive({Item("Bin/Drivers/Brenta.drv", Ansi("; BRENTA serial driver 3.5.02\r\nPort=COM1\r\n"))},
                        "Velmar 3.5.02: BRENTA driver with longer time-outs"));

  WriteHostFile(out / "Projects" / "Demo" / "Demo.zip",
                Archive({Item("DEMO.VPR", ProjectFile("Demo", "Kravo")),
                         Item("Screens/Overview.scr", Screen("Demo plant overview")),
                         Item("Screens/Pumps.scr", Screen("Pumps"))}));
  WriteHostFile(out / "Projects" / "Plant" / "Plant.vpr", ProjectFile("Water works", "City of Velmar"));
  WriteHostFile(out / "Projects" / "Plant" / "Screens" / "Main.scr", Screen("Water works"));
  WriteHostFile(out / "Projects" / "Site" / "Site.zip",
                Archive({Item("Site/Site.VPR", ProjectFile("Pumping station", "Sample customer")),
                         Item("Site/Screens/Main.scr", Screen("Pumping station"))},
                        "Pumping station, two pumps and a tank"));

  MakeCustomInstalls(out / "Custom");

  WriteProgram(out / "Extras" / "OpcSetup.exe", standin);
  WriteHostFile(out / "Extras" / "VelOpc.dll", velmar::zipwrite::RandomBytes(32 * 1024, 11));

  WriteHostFile(out / "Tools" / "Tools.txt", Ansi(sample::ToolsText));
  WriteProgram(out / "Tools" / "Diag" / "PortTest.exe", standin);
}


}  // namespace velmar
