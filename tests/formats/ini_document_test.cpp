#include "formats/ini_document.h"

#include <gtest/gtest.h>

#include <tuple>

#include "files/ini_file.h"

namespace velmar {
namespace {

constexpr CodePage Western = CodePage::Cp1252;

std::string Get(const IniDocument& doc, std::string_view section, std::string_view key) {
  return doc.Value(section, key).value_or("<none>");
}

}  // namespace

// Names ignore case (of the ANSI code page's letters too) and the first key
// wins. As on Windows (and Wine): the keys of a repeated section are not read,
// a write goes to the first section, and a repeated key is listed each time.
TEST(IniDocument, OnlyTheFirstOfRepeatedSectionsAndKeysCounts) {
  auto doc = IniDocument::Parse(
      "[Install]\r\nPath=first\r\nPATH=second\r\n[Other]\r\nx=1\r\n"
      "[install]\r\npath=third\r\nLink=L\r\n[Gr\xF6\xDF" "e]\r\n\xC4rger=1\r\n", Western);
  EXPECT_EQ(Get(doc, "install", "path"), "first");
  EXPECT_EQ(Get(doc, "Install", "Link"), "<none>");
  EXPECT_EQ(Get(doc, "GRÖßE", "äRGER"), "1");
  EXPECT_EQ(doc.Keys("INSTALL"), (std::vector<std::string>{"Path", "PATH"}));
  doc.Set("Install", "Link", "new");
  doc.Set("Install", "path", "changed");
  EXPECT_EQ(doc.Serialize(),
            "[Install]\r\nPath=changed\r\nPATH=second\r\nLink=new\r\n[Other]\r\nx=1\r\n"
            "[install]\r\npath=third\r\nLink=L\r\n[Gr\xF6\xDF" "e]\r\n\xC4rger=1\r\n");
  EXPECT_EQ(IniDocument::Parse("[A]\r\n[B]\r\n[A]\r\nk=1\r\n", Western).Keys("A"), std::vector<std::string>{});
}

TEST(IniDocument, ValuesAreTrimmedAndLoseOnePairOfQuotes) {
  const auto doc = IniDocument::Parse(
      "[S]\n  a  =  spaced value \t\nb=\" kept \"\nc='single'\nd=\"open\ne=\"\"x\"\"\n"
      "f=\"mixed'\ng==x\nh=\n\v v\v=\vvertical tab\v\n", Western);  // a vertical tab is a blank for Windows too
  for (const auto& [key, value] : std::vector<std::pair<std::string, std::string>>{
           {"a", "spaced value"}, {"v", "vertical tab"}, {"b", " kept "}, {"c", "single"}, {"d", "\"open"},
           {"e", "\"x\""}, {"f", "\"mixed'"}, {"g", "=x"}, {"h", ""}})
    EXPECT_EQ(Get(doc, "S", key), value) << key;
}

TEST(IniDocument, OddLinesAreReadSanelyAndKeptByteForByte) {
  using namespace std::string_literals;
  const std::string bytes =
      "stray=before any section\n"
      "[ Title ]  ; trailing text\r\n"
      "; Title=commented out\r\n"
      "no equals sign\r\n"
      "=no key\r\n"
      "Font=Ari\0al\r\n"s
      "[Broken\r"
      "Size=9\r\n"
      "Long=" + std::string(100000, 'x') + "\n"
      "Last=no final newline";
  const auto doc = IniDocument::Parse(bytes, Western);
  EXPECT_EQ(Get(doc, "Title", "Title"), "<none>");
  EXPECT_EQ(Get(doc, "Title", "no equals sign"), "<none>");
  EXPECT_EQ(Get(doc, "title", "Font"), "Ari");  // the value ends at the NUL byte
  EXPECT_EQ(Get(doc, "Broken", "Size"), "9");
  EXPECT_EQ(Get(doc, "Broken", "Long").size(), 100000u);
  EXPECT_EQ(Get(doc, "Broken", "Last"), "no final newline");
  EXPECT_EQ(doc.Keys("Title"), (std::vector<std::string>{"Font"}));  // kept byte for byte: the fuzz target's
}

// A value replaces the first occurrence in place; a new key goes after the
// last key of its section, a new section at the end; the file's own line ends
// stay.
TEST(IniDocument, WritesChangeOnlyTheirLine) {
  const struct {
    const char *before, *section, *key, *value, *after;
  } cases[] = {
      {"; head\r\n[A]\r\nKey = old ; note\r\nkey=second\r\n\r\n[B]\r\n", "a", "KEY", "new",
       "; head\r\n[A]\r\nKey=new\r\nkey=second\r\n\r\n[B]\r\n"},
      {"[A]\nx=1\n; about B\n\n[B]\ny=2\n[A]\nz=3\n", "A", "New", "v",
       "[A]\nx=1\nNew=v\r\n; about B\n\n[B]\ny=2\n[A]\nz=3\n"},
      {"[E]\n\n\n[F]\n", "E", "k", "v", "[E]\nk=v\r\n\n\n[F]\n"},
      {"[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
      {"[A]\r\nx=1", "Project", "Customer", "Plant 7", "[A]\r\nx=1\r\n[Project]\r\nCustomer=Plant 7\r\n"},
      {"", "Config", "Language", "1", "[Config]\r\nLanguage=1\r\n"},
  };
  for (const auto& c : cases) {
    auto doc = IniDocument::Parse(c.before, Western);
    doc.Set(c.section, c.key, c.value);
    EXPECT_EQ(doc.Serialize(), c.after) << c.before;
  }
}

TEST(IniDocument, StoresTextInTheCodePageItIsGiven) {
  auto doc = IniDocument::Parse("[Project]\r\nCustomer=M\xFCller\r\n", Western);
  EXPECT_EQ(Get(doc, "Project", "Customer"), "Müller");
  doc.Set("Project", "Projekt", "Café Łódź");
  EXPECT_EQ(doc.Serialize(), "[Project]\r\nCustomer=M\xFCller\r\nProjekt=Caf\xE9 ?\xF3" "d?\r\n");
}

TEST(IniDocument, RefusesWhatDoesNotFitOnALine) {
  EXPECT_EQ(IniDocument::CanStore("Install", "VelmarPath", "C:\\Velmar"), "");
  for (const auto& [section, key, value] : std::vector<std::tuple<std::string, std::string, std::string>>{
           {"Install", "Key", "two\r\n[Evil]"}, {"Install", "Key", std::string("a\0b", 3)}, {"In]stall", "Key", "v"},
           {" ", "Key", "v"}, {"S", "a=b", "v"}, {"S", ";k", "v"}, {"S", "[k", "v"}, {"S", "", "v"}})
    EXPECT_NE(IniDocument::CanStore(section, key, value), "") << section << "/" << key;
}

TEST(IniInteger, DecimalWithTheHexFormsOfEarlierReleases) {
  const auto parse = [](std::string_view text) {
    int value = -999;
    return ParseIniInteger(text, value) ? value : -999;
  };
  for (const auto& [text, value] : std::vector<std::pair<const char*, int>>{
           {"12", 12}, {"-1", -1}, {"+7", 7}, {"007", 7}, {"0x10", 16}, {"$1f", 31}, {"-$10", -16},
           {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}})
    EXPECT_EQ(parse(text), value) << text;
  for (const char* bad : {"", " 12", "12abc", "2147483648", "0x", "$", "-", "0x80000000", "--1"})
    EXPECT_EQ(parse(bad), -999) << bad;
}

}  // namespace velmar
