#pragma once
// Captions carry their mnemonic as "&" before the letter ("E&xit"); "&&" is a
// plain "&". Names of pages and controls compare without regard to case, as
// the toolkit's names do.

#include <string>
#include <string_view>

namespace velmar::ui {

// The caption as it reads, mnemonic marks removed: "E&xit (Esc)" -> "Exit (Esc)".
std::string StripMnemonic(std::string_view caption);
// The caption as the transcript shows it: the mnemonic letter gets an
// underscore in front ("E&xit (Esc)" -> "E_xit (Esc)").
std::string MarkMnemonic(std::string_view caption);

}  // namespace velmar::ui
