#pragma once
// Text without the blanks at its ends: one rule, with the blanks each kind
// of text has.

#include <string>
#include <string_view>

namespace velmar {

// The text without the characters `blank` accepts at either end.
std::string_view TrimmedBy(std::string_view text, bool (*blank)(char));
// Blanks as the user's typing and the medium's command lines have them: the
// space and every control character.
std::string TrimBlanks(std::string_view text);

}  // namespace velmar
