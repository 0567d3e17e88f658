#include "base/wildcard.h"

#include <vector>

#include "base/codepage.h"
#include "base/text_case.h"

namespace velmar {

namespace {

std::u32string UpperCodePoints(std::string_view utf8) {
  std::u32string out;
  for (size_t pos = 0; pos < utf8.size();) out.push_back(UpperCodePoint(NextCodePoint(utf8, pos)));
  return out;
}

// FindFirstFile hands the pattern to the kernel with the DOS wildcards put in:
// '?' always, '*' before a dot, and a dot before a wildcard or at the end.
enum class Kind { Literal, Star, DosStar, DosQm, DosDot };
struct Token {
  Kind kind;
  char32_t cp = 0;
};

std::vector<Token> Translate(const std::u32string& pattern) {
  std::vector<Token> tokens;
  for (size_t i = 0; i < pattern.size(); ++i) {
    char32_t c = pattern[i];
    char32_t next = i + 1 < pattern.size() ? pattern[i + 1] : 0;
    if (c == U'?')
      tokens.push_back({Kind::DosQm});
    else if (c == U'*')
      tokens.push_back({next == U'.' ? Kind::DosStar : Kind::Star});
    else if (c == U'.' && (next == U'?' || next == U'*' || next == 0))
      tokens.push_back({Kind::DosDot});
    else
      tokens.push_back({Kind::Literal, c});
  }
  return tokens;
}

class Matcher {
 public:
  Matcher(std::vector<Token> tokens, std::u32string name)
      : tokens_(std::move(tokens)), name_(std::move(name)),
        memo_((tokens_.size() + 1) * (name_.size() + 1), Unknown) {
    lastDot_ = name_.rfind(U'.');
  }

  bool match(size_t p, size_t n) {
    int8_t& known = memo_[p * (name_.size() + 1) + n];
    if (known == Unknown) known = compute(p, n) ? Yes : No;
    return known == Yes;
  }

 private:
  static constexpr int8_t Unknown = -1, No = 0, Yes = 1;

  bool compute(size_t p, size_t n) {
    const size_t len = name_.size();
    if (p == tokens_.size()) return n == len;
    const Token& t = tokens_[p];
    switch (t.kind) {
      case Kind::Literal:
        return n < len && name_[n] == t.cp && match(p + 1, n + 1);
      // A star matches nothing, or one character and is tried again: each
      // state is then worked out once, however many stars a pattern holds.
      case Kind::Star:
        return match(p + 1, n) || (n < len && match(p, n + 1));
      case Kind::DosStar: {
        // Any run of characters that stops short of the name's last dot.
        size_t limit = (lastDot_ != std::u32string::npos && lastDot_ >= n) ? lastDot_ : len;
        return match(p + 1, n) || (n < limit && match(p, n + 1));
      }
      case Kind::DosQm:
        if (n == len || name_[n] == U'.') return match(p + 1, n);
        return match(p + 1, n + 1);
      case Kind::DosDot:
        if (n == len) return match(p + 1, n);
        return name_[n] == U'.' && match(p + 1, n + 1);
    }
    return false;
  }

  std::vector<Token> tokens_;
  std::u32string name_;
  std::vector<int8_t> memo_;
  size_t lastDot_;
};

}  // namespace

bool HasWildcard(std::string_view pattern) {
  return pattern.find_first_of("*?") != std::string_view::npos;
}

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
  if (pattern == "*" || pattern == "*.*") return true;
  Matcher matcher(Translate(UpperCodePoints(pattern)), UpperCodePoints(name));
  return matcher.match(0, 0);
}

}  // namespace velmar
