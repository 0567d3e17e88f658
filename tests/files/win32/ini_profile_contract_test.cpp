// Our INI layer (TIniFile on IniDocument) held against the system's own
// profile functions: every case of the table runs on two copies of one corpus
// file, one through TIniFile and one through GetPrivateProfileStringW,
// GetPrivateProfileSectionW and WritePrivateProfileStringW, and must give the
// same read and leave the same file.
//
// Under Wine the profile functions are Wine's, an implementation of the
// Windows behaviour. Where Wine and Windows part, ours follows Windows, and
// the case records it: `wine` is what Wine gives instead, `why` the evidence
// for the Windows behaviour, or, where that is not established, why ours is
// kept (a run on Windows itself settles those: there every case must match).
// One difference is general and handled once:
//
// - Wine writes the whole file anew from what it parsed (blank lines dropped,
//   blanks around names and "=" removed, every line ending in CR LF), Windows
//   changes the one line concerned and keeps every other byte. So a write on a corpus file that is not already
//   in the form Wine writes is compared with both files put in that form
//   (NormalForm): the same sections, keys and values in the same order.
//
// ReadSectionValues is ReadSection's names, each with ReadString's value, so
// the key lists and the reads stand for it here.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/windows_api.h"
#include "files/ini_file.h"
#include "support/files/temp_drive.h"

namespace velmar {
namespace {

using platform::Narrow;
using platform::Widen;

// Raw bytes in code page 1252; "missing" is no file at all.
const std::map<std::string, std::optional<std::string>>& Corpus() {
  static const std::map<std::string, std::optional<std::string>> corpus = {
      {"missing", std::nullopt},
      {"empty", ""},
      {"plain", "[Install]\r\nVelmarPath=C:\\Velmar\r\nProjectsPath=C:\\VelProj\r\n"
                "[Project]\r\nCustomer=Plant 7\r\n"},
      {"repeated", "[Install]\r\nPath=first\r\nPATH=second\r\n[Other]\r\nx=1\r\n"
                   "[install]\r\npath=third\r\nLink=L\r\n"},
      {"blanks", "  [ Title ]  \r\n\t Title \t=\t Velmar 3.4 \t\r\n Font\v=\vArial\v\r\n"
                 "Empty =\r\n  Size  =  9  \r\n"},
      {"comments", "; head\r\n[Title]\r\n;Title=commented\r\n  ; Font=indented\r\nTitle=Velmar\r\n"
                   "; about Next\r\n\r\n[Next]\r\nk=v\r\n"},
      {"no ]", "[Config]\r\nLanguage=1\r\n[Broken\r\nSize=9\r\n[Other]\r\nx=1\r\n"},
      {"no =", "[Config]\r\njust words\r\nLanguage=2\r\n\r\nmore words\r\n"},
      {"quotes", "[S]\r\nd=\"double\"\r\ns='single'\r\nb=\" kept \"\r\no=\"open\r\nn=\"\"x\"\"\r\ne=\"\"\r\n"},
      {"LF", "[Install]\nVelmarPath=C:\\Velmar\n\n[Title]\nTitle=Velmar\n"},
      {"CR", "[Install]\rVelmarPath=C:\\Velmar\r[Title]\rTitle=Velmar\r"},
      {"no last end", "[Install]\r\nVelmarPath=C:\\Velmar\r\nLinkPath=L"},
      {"empty values", "[Empty]\r\n[S]\r\nb= \r\n"},
      {"case", "[INSTALL]\r\nVELMARPATH=C:\\Velmar\r\n[Gr\xFC\xDF" "e]\r\n\xC4rger=M\xFCller\r\n"},
      {"no section", "VelmarPath=C:\\Velmar\r\nLanguage=1\r\n"},
      {"long", "[Install]\r\nLong=" + std::string(20000, 'x') + "\r\nAfter=1\r\n"},
  };
  return corpus;
}

enum class Op { Read, Keys, Write };

struct Case {
  const char* file;
  Op op;
  const char* section;
  const char* key;
  const char* value;  // the default of a Read, the value of a Write
  // A deliberate difference: what Wine gives (for a Write, Wine's file), and why ours differs.
  std::optional<std::string> wine = std::nullopt;
  const char* why = nullptr;
};

// Reasons shared by several cases.
const char* const kNoBracket =
    "Windows takes a line starting with \"[\" as a section header even without \"]\"; "
    "Wine takes no header there, so the keys below fall into the section above";
const char* const kNewKeyPlace =
    "a new key goes after the section's last key, so that a comment or stray line after it stays "
    "with what follows (it usually introduces the next section); Wine keeps such lines as keys "
    "and appends after them. Where Windows puts the key there is not established here";

const Case kCases[] = {
    {"missing", Op::Read, "S", "k", "default"}, {"missing", Op::Write, "S", "k", "v"},
    {"empty", Op::Keys, "S", "", ""}, {"empty", Op::Write, "S", "k", "v"},

    {"plain", Op::Read, "Install", "VelmarPath", ""}, {"plain", Op::Read, " Install ", " VelmarPath ", ""},
    {"plain", Op::Read, "Install", "Missing", "fallback  "}, {"plain", Op::Keys, "Install", "", ""},
    {"plain", Op::Write, "Install", "ProjectsPath", "D:\\Projects"}, {"plain", Op::Write, "Setup", "Language", "2"},
    {"plain", Op::Write, "install", "LINKPATH", "C:\\Links"}, {"plain", Op::Write, "Install", "VelmarPath", ""},
    {"plain", Op::Write, "Install", "VelmarPath", " padded ",
     "[Install]\r\nVelmarPath=padded \r\nProjectsPath=C:\\VelProj\r\n[Project]\r\nCustomer=Plant 7\r\n",
     "Windows writes the value as given, \"key= value \"; Wine drops the leading blanks. "
     "A read trims them either way."},

    {"repeated", Op::Read, "Install", "path", ""}, {"repeated", Op::Read, "Install", "Link", "default"},
    {"repeated", Op::Keys, "Install", "", ""}, {"repeated", Op::Write, "Install", "PATH", "new"},
    {"repeated", Op::Write, "Install", "Link", "new"},

    {"blanks", Op::Read, "Title", "Title", ""}, {"blanks", Op::Read, "Title", "Font", ""},
    {"blanks", Op::Read, "Title", "Empty", "default"}, {"blanks", Op::Keys, "Title", "", ""},
    {"blanks", Op::Write, "Title", "Size", "10"}, {"blanks", Op::Write, "Title", "New", "v"},

    {"comments", Op::Read, "Title", "Title", ""},
    {"comments", Op::Read, "Title", ";Title", "default", "commented",
     "on Windows a line starting with \";\" is a comment, never a key, whatever is asked "
     "; Wine keeps comment lines as keys"},
    {"comments", Op::Keys, "Title", "", ""}, {"comments", Op::Write, "Title", "Title", "New"},
    {"comments", Op::Write, "Title", "Font", "Arial",
     "; head\r\n[Title]\r\n;Title=commented\r\n; Font=indented\r\nTitle=Velmar\r\n; about Next\r\n"
     "Font=Arial\r\n[Next]\r\nk=v\r\n",
     kNewKeyPlace},

    {"no ]", Op::Read, "Broken", "Size", "default", "default", kNoBracket},
    {"no ]", Op::Read, "Config", "Size", "default", "9", kNoBracket},
    {"no ]", Op::Keys, "Broken", "", "", "", kNoBracket},
    {"no ]", Op::Write, "Broken", "Size", "10",
     "[Config]\r\nLanguage=1\r\n[Broken\r\nSize=9\r\n[Other]\r\nx=1\r\n[Broken]\r\nSize=10\r\n", kNoBracket},
    {"no ]", Op::Write, "Broken", "Font", "Arial",
     "[Config]\r\nLanguage=1\r\n[Broken\r\nSize=9\r\n[Other]\r\nx=1\r\n[Broken]\r\nFont=Arial\r\n", kNoBracket},
    {"no ]", Op::Write, "Config", "Language", "2"},

    {"no =", Op::Read, "Config", "just words", "default"}, {"no =", Op::Keys, "Config", "", ""},
    {"no =", Op::Write, "Config", "Language", "3"},
    {"no =", Op::Write, "Config", "Font", "Arial",
     "[Config]\r\njust words\r\nLanguage=2\r\nmore words\r\nFont=Arial\r\n", kNewKeyPlace},

    {"quotes", Op::Read, "S", "b", ""}, {"quotes", Op::Read, "S", "s", ""}, {"quotes", Op::Read, "S", "o", ""},
    {"quotes", Op::Read, "S", "n", ""}, {"quotes", Op::Read, "S", "e", "default"},
    {"quotes", Op::Write, "S", "d", "\"quoted again\""},

    {"LF", Op::Read, "Title", "Title", ""}, {"LF", Op::Write, "Install", "New", "v"},
    {"CR", Op::Read, "Title", "Title", ""}, {"CR", Op::Write, "Install", "New", "v"},
    {"no last end", Op::Read, "Install", "LinkPath", ""}, {"no last end", Op::Write, "Install", "LinkPath", "M"},
    {"no last end", Op::Write, "Install", "New", "v"},

    {"empty values", Op::Read, "S", "b", "default"}, {"empty values", Op::Keys, "Empty", "", ""},
    {"empty values", Op::Write, "Empty", "k", "v"},

    {"case", Op::Read, "install", "velmarpath", ""},
    {"case", Op::Read, "GRÜßE", "ärger", "", "",
     "Wine compares names with ntdll's _wcsnicmp, which folds A to Z only; ours folds every letter "
     "of code page 1252, as the layer promises names without regard to case. Not established for "
     "Windows here; the product's own names are ASCII"},
    {"case", Op::Write, "Install", "VelmarPath", "D:\\Velmar"}, {"case", Op::Write, "grüße", "ÄRGER", "Schmidt"},

    {"no section", Op::Read, "", "VelmarPath", "default", "C:\\Velmar",
     "Windows does not read keys above the first section, not even as section \"\"; "
     "Wine puts them in a section named \"\""},
    {"no section", Op::Read, "Install", "VelmarPath", "default"},
    {"no section", Op::Write, "Install", "VelmarPath", "D:\\Velmar"},

    {"long", Op::Read, "Install", "Long", ""}, {"long", Op::Write, "Install", "Long", "short"},
};

const char* Name(Op op) { return std::array{"read", "keys of", "write"}[int(op)]; }

// Text with its controls visible, cut when long; a list's items each end in a NUL.
std::string Show(const std::string& text) {
  return testing::PrintToString(text.substr(0, 400)) + (text.size() > 400 ? "..." : "");
}

std::string Describe(const Case& c) {
  return std::string("\"") + c.file + "\": " + Name(c.op) + " [" + c.section + "] " + c.key + " \"" + c.value + "\"";
}

std::string Joined(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += item + '\0';
  return out;
}

// What a profile function filled into a buffer.
template <class Call>
std::wstring Filled(Call call) {
  std::wstring buffer(70000, L'\0');
  buffer.resize(call(buffer.data(), static_cast<DWORD>(buffer.size())));
  return buffer;
}

// The strings of a NUL-separated list.
std::vector<std::string> Split(const std::wstring& list) {
  std::vector<std::string> items;
  for (size_t start = 0; start < list.size();) {
    const size_t end = std::min(list.find(L'\0', start), list.size());
    items.push_back(Narrow(list.substr(start, end - start)));
    start = end + 1;
  }
  return items;
}

class ProfileContract {
 public:
  explicit ProfileContract(test::TempDrive& drive) : drive_(drive) {}

  std::string Read(const std::string& path, const char* section, const char* key, const char* fallback) {
    return Narrow(Filled([&](wchar_t* buffer, DWORD size) {
      return GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(fallback).c_str(), buffer,
                                      size, Widen(path).c_str());
    }));
  }
  std::vector<std::string> Keys(const std::string& path, const char* section) {
    return Split(Filled([&](wchar_t* buffer, DWORD size) {
      return GetPrivateProfileStringW(Widen(section).c_str(), nullptr, L"", buffer, size, Widen(path).c_str());
    }));
  }
  void Flush(const std::string& path) { WritePrivateProfileStringW(nullptr, nullptr, nullptr, Widen(path).c_str()); }

  // The file as Wine writes it after any change: a section added and taken away again.
  std::string NormalForm(const std::string& bytes) {
    const std::string name = Fresh();
    drive_.writeFile(name, bytes);
    const std::wstring path = Widen(drive_.path(name));
    WritePrivateProfileStringW(L"Velmar~NormalForm", L"k", L"v", path.c_str());
    WritePrivateProfileStringW(L"Velmar~NormalForm", nullptr, nullptr, path.c_str());
    Flush(drive_.path(name));
    return drive_.readFile(name);
  }

  // A name not used before: the profile functions cache what they read.
  std::string Fresh() { return "f" + std::to_string(++files_) + ".ini"; }

  // What our layer and the profile functions give for the case.
  std::pair<std::string, std::string> Run(const Case& c) {
    const std::optional<std::string>& bytes = Corpus().at(c.file);
    const std::string ours = Fresh(), theirs = Fresh();
    if (bytes) drive_.writeFile(ours, *bytes), drive_.writeFile(theirs, *bytes);
    TIniFile ini(drive_.fs(), drive_.path(ours), CodePage::Cp1252);
    const std::string path = drive_.path(theirs);
    std::pair<std::string, std::string> result;
    switch (c.op) {
      case Op::Read:
        result = {ini.ReadString(c.section, c.key, c.value), Read(path, c.section, c.key, c.value)};
        break;
      case Op::Keys:
        result = {Joined(ini.ReadSection(c.section)), Joined(Keys(path, c.section))};
        break;
      case Op::Write:
        ini.WriteString(c.section, c.key, c.value);
        WritePrivateProfileStringW(Widen(c.section).c_str(), Widen(c.key).c_str(), Widen(c.value).c_str(),
                                   Widen(path).c_str());
        Flush(path);
        result = {drive_.readFile(ours), drive_.exists(theirs) ? drive_.readFile(theirs) : "<no file>"};
        break;
    }
    Flush(path);
    return result;
  }

 private:
  test::TempDrive& drive_;
  int files_ = 0;
};

}  // namespace

TEST(IniProfileContract, OurLayerReadsAndWritesAsTheProfileFunctions) {
  if (GetACP() != 1252) GTEST_SKIP() << "the corpus is in code page 1252, the system's is " << GetACP();
  // On Windows itself the records of Wine's ways do not apply: every case must match there.
  const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  test::TempDrive drive;
  ProfileContract contract(drive);
  for (const Case& c : kCases) {
    const auto [ours, theirs] = contract.Run(c);
    if (wine && c.why) {
      EXPECT_EQ(Show(theirs), Show(*c.wine)) << Describe(c) << ": Wine no longer gives what the case records";
      EXPECT_NE(ours, theirs) << Describe(c) << ": recorded as a difference (" << c.why << ")";
      continue;
    }
    const std::optional<std::string>& bytes = Corpus().at(c.file);
    if (wine && c.op == Op::Write && ours != theirs && bytes && contract.NormalForm(*bytes) != *bytes) {
      EXPECT_EQ(Show(contract.NormalForm(ours)), Show(contract.NormalForm(theirs)))
          << Describe(c) << ", both files as Wine writes them";
    } else {
      EXPECT_EQ(Show(ours), Show(theirs)) << Describe(c);
    }
  }
}

}  // namespace velmar
