#include "faults/fault_sweep.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <set>

#include "base/path_utils.h"
#include "base/text_case.h"
#include "base/utf16.h"
#include "formats/ini_document.h"
#include "formats/shell_link.h"
#include "platform/files/file_contents.h"
#include "text/texts.h"
#include "services/zip/zip_target.h"

namespace velmar::test {
namespace {

using ui::script::Outcome;

// --- What a run left on the drives ------------------------------------------

struct Entry {
  std::string path;  // folders end in "\"
  bool folder = false;
  std::string bytes;  // the drives' roots in it written as "<n>:\"
};
// By the path below a drive's root, upper-cased, after the root's number
// ("0:VELMAR\VELMAR.INI"): each run has drives of its own, and where the
// port gives them other names every run, paths and contents compare all the same.
using Tree = std::map<std::string, Entry>;

std::string KeyOf(const std::string& path, const std::vector<std::string>& roots) {
  const std::string upper = UpperCaseText(path);
  for (size_t i = 0; i < roots.size(); ++i)
    if (upper.starts_with(UpperCaseText(roots[i]))) return std::to_string(i) + ":" + upper.substr(roots[i].size());
  return "?:" + upper;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
}

std::string Utf16Bytes(const std::string& utf8) {
  std::string out;
  for (const char16_t unit : Utf8ToUtf16(utf8)) out += {char(unit & 0xFF), char(unit >> 8)};
  return out;
}

// A shortcut as what it leads to: the shell of Windows also keeps times and
// volume facts in it, which differ from run to run.
std::string WhatTheLinkSays(const std::string& bytes) {
  const auto link = DecodeShellLink(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
  if (!link) return "<no shortcut>";
  return link->target + "|" + link->workingFolder + "|" + link->description + "|" + link->arguments + "|" +
         link->iconPath + "|" + std::to_string(link->iconIndex);
}

void Walk(platform::FileSystem& fs, const std::vector<std::string>& roots, const std::string& folder, Tree& tree) {
  for (const platform::DirEntry& entry : fs.find(folder + "*.*")) {
    if (entry.name == "." || entry.name == "..") continue;
    const std::string path = folder + entry.name;
    if (IsFolderEntry(entry.attributes)) {
      tree[KeyOf(path + "\\", roots)] = {path + "\\", true, {}};
      Walk(fs, roots, path + "\\", tree);
      continue;
    }
    std::string bytes = platform::ReadFileContents(fs, path).value_or("<unreadable>");
    if (UpperCaseText(path).ends_with(".LNK")) bytes = WhatTheLinkSays(bytes);
    for (size_t i = 0; i < roots.size(); ++i) {
      const std::string name = "<" + std::to_string(i) + ">:\\";
      ReplaceAll(bytes, roots[i], name);
      ReplaceAll(bytes, Utf16Bytes(roots[i]), Utf16Bytes(name));
    }
    tree[KeyOf(path, roots)] = {path, false, std::move(bytes)};
  }
}

// Through the drive's own file system: no fault reaches it, no call is counted.
Tree Snapshot(TempDrive& drive) {
  Tree tree;
  const std::vector<std::string> roots = drive.privateRoots();
  for (const std::string& root : roots) Walk(drive.fs(), roots, root, tree);
  return tree;
}

bool Same(const Entry* a, const Entry* b) {
  if (!a || !b) return a == b;
  return a->folder == b->folder && a->bytes == b->bytes;
}

const Entry* At(const Tree& tree, const std::string& key) {
  const auto at = tree.find(key);
  return at == tree.end() ? nullptr : &at->second;
}

// Paths whose entry differs between two trees.
std::vector<std::string> Changed(const Tree& before, const Tree& after) {
  std::set<std::string> keys;
  for (const Tree* tree : {&before, &after})
    for (const auto& [key, entry] : *tree) keys.insert(key);
  std::vector<std::string> changed;
  for (const std::string& key : keys)
    if (!Same(At(before, key), At(after, key))) changed.push_back(key);
  return changed;
}

std::string NameOf(const std::string& upperPath) {
  std::string path = upperPath;
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path.substr(path.find_last_of("\\:") + 1);
}

bool IsIniFile(const std::string& upperPath) {
  return upperPath.ends_with(".INI") || upperPath.ends_with(".VPR");
}

bool IsTemporary(const std::string& upperPath) {
  return upperPath.find(".~TMP") != std::string::npos || upperPath.find(".~CP") != std::string::npos ||
         upperPath.find(UpperCaseText(TargetFile::TemporarySuffix)) != std::string::npos;
}

// --- INI files ---------------------------------------------------------------

using IniKeys = std::map<std::string, std::string>;  // "SECTION]KEY", folded -> value

std::optional<IniKeys> ReadIni(const std::string& bytes, CodePage page, std::string& why) {
  try {
    const IniDocument doc = IniDocument::Parse(bytes, page);
    IniKeys keys;
    for (const std::string& section : doc.Sections())
      for (const std::string& key : doc.Keys(section))
        keys.emplace(UpperCaseText(section) + "]" + UpperCaseText(key), doc.Value(section, key).value_or(""));
    return keys;
  } catch (const std::exception& e) {
    why = e.what();
    return std::nullopt;
  }
}

// --- Running -----------------------------------------------------------------

struct FlowRun {
  InstallerRun run;
  std::vector<std::string> boxes;  // the flow's message boxes, answered by the sweep
  Tree before, after;              // when the calls began to count, and at the end
  std::vector<std::string> places, keep;
  CodePage page = CodePage::Cp1252;
  bool armed = false;
};

// A press on the nth showing (0 first) of a page, added to the script or,
// with instead, in place of the script's steps there; or, with skip, the nth
// "page" step of a page that did not come, left out.
struct Press {
  std::string page;
  int showing = 0;
  bool skip = false;
  bool instead = false;
};

ui::script::Script WithPresses(const ui::script::Script& script, const std::vector<Press>& presses,
                               const FaultedFlow& flow) {
  ui::script::Script out;
  std::map<std::string, int> shown;
  std::string block;
  int blockShowing = -1;
  const auto pressed = [&](bool instead) {
    return std::find_if(presses.begin(), presses.end(), [&](const Press& p) {
      return !p.skip && p.instead == instead && p.page == block && p.showing == blockShowing;
    }) != presses.end();
  };
  const auto endBlock = [&] {
    if (pressed(false)) out.Click(flow.userPresses.at(block));
  };
  std::map<std::string, int> steps;
  for (const ui::script::Step& step : script.Steps()) {
    if (step.kind == ui::script::StepKind::Page) {
      const int nth = steps[step.name]++;
      if (std::any_of(presses.begin(), presses.end(),
                      [&](const Press& p) { return p.skip && p.page == step.name && p.showing == nth; }))
        continue;
      endBlock();
      block = step.name;
      blockShowing = shown[block]++;
    } else if (pressed(true)) {
      // The user leaves the page, and the run goes its own way from there.
      for (const ui::script::Step& then : flow.notOffered.at(block).Steps()) out.Add(then);
      return out;
    }
    out.Add(step);
  }
  endBlock();
  return out;
}

FlowRun RunFlow(const FaultedFlow& flow, const std::optional<FaultRule>& fault, std::vector<FileCall>* calls,
                const std::vector<Press>& presses = {}) {
  InstallerFixture f;
  flow.prepare(f);
  FlowRun result;
  f.onPageShown = [&](const ui::Page& page) {
    if (result.armed || page.ClassName() != flow.armAtPage) return;
    result.armed = true;
    result.before = Snapshot(f.drive);
    if (fault) f.files.addFault(*fault);
    if (calls) f.files.recordCalls(true);
  };
  f.onMessage = [&](const std::string& text, ui::Buttons buttons) -> std::optional<ui::Answer> {
    if (!buttons.Has(ui::Answer::Ok)) return std::nullopt;
    result.boxes.push_back(text);
    return ui::Answer::Ok;
  };
  result.run = f.Run(WithPresses(flow.script(f), presses, flow));
  f.files.clearFaults();
  f.files.recordCalls(false);
  if (calls) *calls = f.files.recordedCalls();
  result.after = Snapshot(f.drive);
  for (const std::string& place : flow.places(f)) result.places.push_back(KeyOf(place, f.drive.privateRoots()));
  if (flow.keep)
    for (const std::string& kept : flow.keep(f)) result.keep.push_back(KeyOf(kept, f.drive.privateRoots()));
  result.page = f.system.AnsiCodePage;
  return result;
}

bool HasBox(const std::vector<std::string>& boxes, std::string_view start) {
  return std::any_of(boxes.begin(), boxes.end(), [&](const std::string& box) { return box.starts_with(start); });
}

// The last message box of the transcript is the general error box.
bool EndsAtErrorBox(const InstallerRun& run) {
  const size_t box = run.transcript.rfind("\nmessage box ");
  return box != std::string::npos &&
         std::string_view(run.transcript).substr(box + 1).starts_with("message box \"Installer\", error icon, buttons OK\n") &&
         run.endMessage.starts_with("the message box");
}

class Sweep {
 public:
  explicit Sweep(const FaultedFlow& flow) : flow_(flow) {}

  // One line for each broken promise; calls counts those of the run without a fault.
  std::vector<std::string> Run(int maxRuns, int& callCount) {
    const auto inMemory = DrivesInMemory();
    std::vector<FileCall> calls;
    reference_ = RunFlow(flow_, std::nullopt, &calls);
    if (!reference_.armed || reference_.run.outcome != Outcome::Finished)
      return {"the run without a fault did not finish: " + ui::script::OutcomeName(reference_.run.outcome) + ": " +
              reference_.run.endMessage};
    for (const std::string& key : Changed(reference_.before, reference_.after)) {
      const Entry* now = At(reference_.after, key);
      std::string why;
      if (!now || now->folder || !IsIniFile(key)) continue;
      for (const auto& [name, value] : ReadIni(now->bytes, reference_.page, why).value_or(IniKeys{}))
        for (const std::string& file : {key, NameOf(key)}) shouldBe_[file][name].insert(value);
    }
    callCount = int(calls.size());
    const int writes = int(std::count_if(calls.begin(), calls.end(), [](const FileCall& c) { return c.op == FileOp::Write; }));

    std::vector<std::string> problems;
    for (const int n : Sample(callCount, writes, maxRuns)) {
      const FileCall& call = calls[size_t(n - 1)];
      for (const bool shortWrite : {false, true}) {
        if (shortWrite && call.op != FileOp::Write) continue;
        const std::string what = "call " + std::to_string(n) + " (" + FileOpName(call.op) + " " + call.path +
                                 (shortWrite ? ", short" : ", failing") + ")";
        const FaultRule fault{.op = FileOp::Any, .nth = n, .shortWrite = shortWrite};
        FlowRun run = RunFlow(flow_, fault, nullptr);
        // A page that said the step failed waits for the user: the user presses its button.
        std::vector<Press> presses;
        while (presses.size() < 4) {
          const auto press = Waiting(run.run);
          if (!press) break;
          presses.push_back(*press);
          run = RunFlow(flow_, fault, nullptr, presses);
        }
        const bool left = std::any_of(presses.begin(), presses.end(), [](const Press& p) { return p.instead; });
        for (const std::string& problem : Check(run, call.op, left)) problems.push_back(what + ": " + problem);
      }
    }
    return problems;
  }

 private:
  // Calls 1 to n, or, when they need more runs than allowed (one a call, one
  // more a write), call 1, calls at equal steps after it, and the last.
  static std::vector<int> Sample(int total, int writes, int maxRuns) {
    const int step = std::max(1, (total + writes + maxRuns - 1) / maxRuns);
    std::vector<int> chosen;
    for (int n = 1; n <= total; n += step) chosen.push_back(n);
    if (!chosen.empty() && chosen.back() != total) chosen.push_back(total);
    return chosen;
  }

  // The page that waits for the user at the end of a stopped run, when the
  // flow knows what the user presses there.
  std::optional<Press> Waiting(const InstallerRun& run) const {
    if (run.outcome != Outcome::Stopped) return std::nullopt;
    for (const auto& [page, button] : flow_.userPresses) {
      if (!run.endMessage.starts_with("page " + page + " waits for the user")) continue;
      return Press{page, TimesShown(run.transcript, page) - 1};
    }
    // A page that offers nothing to act on: the user leaves it.
    for (const auto& [page, button] : flow_.notOffered) {
      if (run.endMessage.find(" on page " + page + ": ") != std::string::npos && run.endMessage.ends_with(" is disabled"))
        return Press{page, TimesShown(run.transcript, page) - 1, false, true};
    }
    // A page of the script that does not come, because the step that shows it was left out.
    for (const std::string& page : flow_.mayNotCome) {
      if (run.endMessage.starts_with("page ") &&
          run.endMessage.ends_with(" is shown, but the script goes on with page " + page))
        return Press{page, TimesShown(run.transcript, page), true};
    }
    return std::nullopt;
  }

  // What the run broke, one line each. With left, the user left a page that
  // offered nothing.
  std::vector<std::string> Check(const FlowRun& run, FileOp faulted, bool left) const {
    const std::string_view errorsText =
        flow_.withErrorsText.empty() ? text::EnglishOf(text::FinishedWithErrors) : flow_.withErrorsText;
    const std::string_view errorsStart = errorsText.substr(0, errorsText.find('\r'));
    std::vector<std::string> problems;
    switch (run.run.outcome) {
      case Outcome::Finished:
        if (HasBox(run.boxes, errorsStart)) problems.push_back("status 0 after the message that a step failed");
        break;
      case Outcome::FinishedWithErrors:
        if (!HasBox(run.boxes, errorsStart)) problems.push_back("status 4 without the message that a step failed");
        break;
      case Outcome::Failed:
        if (!EndsAtErrorBox(run.run)) problems.push_back("failed without the general error box: " + run.run.endMessage);
        break;
      default:
        problems.push_back("ended " + ui::script::OutcomeName(run.run.outcome) + ": " + run.run.endMessage);
    }
    if (!run.armed) problems.push_back("page " + flow_.armAtPage + " never came");
    // A failed query (is the file there? what is in the folder?) reads as
    // "not there", as the system gives no other answer.
    const bool query = faulted == FileOp::Attributes || faulted == FileOp::Find || faulted == FileOp::FileVersion;
    const bool success = run.run.outcome == Outcome::Finished;

    for (const std::string& key : Changed(run.before, run.after)) {
      const Entry *now = At(run.after, key), *was = At(run.before, key);
      const std::string path = now ? now->path : was->path;
      if (!Inside(run.places, key)) problems.push_back("changed outside the flow's places: " + path);
      if (now && IsTemporary(key)) problems.push_back("temporary file left: " + path);
      if (now && !now->folder && IsIniFile(key)) CheckIni(run, key, *now, was, success && !query && !left, problems);
      if (!now && Inside(run.keep, key)) problems.push_back("removed what must stay: " + path);
    }
    if (success && left) {
      // Nothing was offered, so nothing may have gone.
      for (const auto& [key, entry] : run.before)
        if (!run.after.count(key)) problems.push_back("removed, though the user left a page that offered nothing: " + entry.path);
    } else if (success) {
      // The failed call did not matter, so the result is that of the run
      // without a fault; after a failed query the run may lack what needs
      // the file it did not see, as on a machine without it, and write other
      // values, but nothing else. A removal that did not see a file may
      // leave it as it was.
      for (const std::string& key : Changed(reference_.after, run.after)) {
        if (NameOf(key) == "INSTALL.LOG") continue;
        const Entry *now = At(run.after, key), *was = At(run.before, key);
        const bool keeps = query && flow_.removes && now && was && Same(was, now);
        const bool lacks = query && (!now || IsIniFile(key));
        if (!keeps && !lacks)
          problems.push_back("status 0, but not as without the fault: " +
                             (now ? now->path : reference_.after.at(key).path + " is missing"));
      }
    }
    return problems;
  }

  // In a place, or a folder on the way to one (made with its parents).
  static bool Inside(const std::vector<std::string>& places, const std::string& key) {
    return std::any_of(places.begin(), places.end(), [&](const std::string& place) {
      if (key.ends_with('\\') && place.starts_with(key)) return true;
      return place.ends_with('\\') ? key.starts_with(place) : key == place;
    });
  }

  // Never half written: readable, ending with a whole line, no key of before
  // lost and no key the flow does not write. With sameValues each value is
  // also the old one or the one the run without a fault wrote (a flow that
  // met a failure may rightly write other values: fewer shortcuts).
  void CheckIni(const FlowRun& run, const std::string& key, const Entry& now, const Entry* was, bool sameValues,
                std::vector<std::string>& problems) const {
    std::string why;
    const auto keys = ReadIni(now.bytes, run.page, why);
    if (!keys) {
      problems.push_back("INI file cannot be read: " + now.path + ": " + why);
      return;
    }
    IniKeys before;
    if (was && !was->folder) before = ReadIni(was->bytes, run.page, why).value_or(IniKeys{});
    const bool wholeBefore = !was || was->bytes.empty() || was->bytes.back() == '\n';
    if (wholeBefore && !now.bytes.empty() && now.bytes.back() != '\n')
      problems.push_back(now.path + " ends in the middle of a line");
    const auto written = [&](const std::string& name, const std::string& value) {
      for (const std::string& file : {key, NameOf(key)}) {
        const auto should = shouldBe_.find(file);
        if (should == shouldBe_.end()) continue;
        const auto values = should->second.find(name);
        if (values != should->second.end() && (!sameValues || values->second.count(value))) return true;
      }
      return false;
    };
    for (const auto& [name, value] : *keys) {
      const auto old = before.find(name);
      if (old != before.end() && old->second == value) continue;
      if (!written(name, value))
        problems.push_back(now.path + ": [" + name + "=" + value + " is neither the old value nor a new one");
    }
    for (const auto& [name, value] : before)
      if (!keys->count(name)) problems.push_back(now.path + ": [" + name + " is lost");
  }

  const FaultedFlow& flow_;
  FlowRun reference_;
  // What the run without a fault left in each INI file it changed, by path and by name.
  std::map<std::string, std::map<std::string, std::set<std::string>>> shouldBe_;
};

}  // namespace

ui::script::Script CancelToTheEnd() {
  ui::script::Script script;
  script.Click("CancelBtn");
  return BackToSelection(script).Key(ui::Key::Escape);
}

void ExpectPromisesKept(const FaultedFlow& flow, int atLeastCalls) {
  const char* budget = std::getenv("VELMAR_FAULT_RUNS");
  const int runs = budget && std::atoi(budget) > 0 ? std::atoi(budget) : DefaultFaultRuns();
  int calls = 0;
  const std::vector<std::string> problems = Sweep(flow).Run(runs, calls);
  EXPECT_GE(calls, atLeastCalls) << flow.name;
  for (size_t i = 0; i < problems.size() && i < 40; ++i) ADD_FAILURE() << flow.name << " " << problems[i];
}

}  // namespace velmar::test
