// Tokens of the server's dialect and the stream the parser reads them from, with the two ways
// a translation is refused: a construct outside the translated subset, or a syntax error.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace funkcja::sqlite::tsql {

enum class TokenKind { kIdent, kNumber, kString, kSymbol, kEnd };

struct Token {
  TokenKind kind;
  std::string text;  // identifiers without brackets; strings without quotes, unescaped
  std::size_t offset;
};

// Why a statement is not translated; thrown inside the translator and caught at its façade.
struct Failure {
  std::string message;  // code page 1250
};

// The start of a long name or token only, so that a message stays readable.
std::string excerpt(std::string_view text, std::size_t limit);

[[noreturn]] void unsupported(std::string_view construct, std::string_view name = {});
[[noreturn]] void syntax(const Token& near);

inline bool ident_start(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}
inline bool ident_char(unsigned char c) {
  return ident_start(c) || (c >= '0' && c <= '9') || c == '$' || c == '#';
}
inline bool digit(unsigned char c) {
  return c >= '0' && c <= '9';
}

// ASCII letters without regard to case: keywords and names of the dialect.
inline bool iequals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto x = static_cast<unsigned char>(a[i]);
    auto y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
    if (x != y) return false;
  }
  return true;
}
std::string upper_ascii(std::string_view s);

// The tokens of one statement, read front to back; the last token is always kEnd, and reading
// past it keeps returning it.
class TokenStream {
 public:
  explicit TokenStream(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  const Token& peek(std::size_t ahead = 0) const {
    const std::size_t i = std::min(position_ + ahead, tokens_.size() - 1);
    return tokens_[i];
  }
  const Token& take() {
    const Token& t = tokens_[position_];
    if (position_ + 1 < tokens_.size()) ++position_;
    return t;
  }
  bool is(std::string_view word, std::size_t ahead = 0) const {
    const Token& t = peek(ahead);
    return t.kind == TokenKind::kIdent && iequals(t.text, word);
  }
  bool is_sym(std::string_view sym, std::size_t ahead = 0) const {
    const Token& t = peek(ahead);
    return t.kind == TokenKind::kSymbol && t.text == sym;
  }
  bool accept(std::string_view word_or_sym) {
    const Token& t = peek();
    if ((t.kind == TokenKind::kIdent && iequals(t.text, word_or_sym)) ||
        (t.kind == TokenKind::kSymbol && t.text == word_or_sym)) {
      take();
      return true;
    }
    return false;
  }
  void expect(std::string_view word_or_sym) {
    if (!accept(word_or_sym)) syntax(peek());
  }
  std::string ident() {
    const Token& t = peek();
    if (t.kind != TokenKind::kIdent) syntax(t);
    return take().text;
  }

 protected:
  std::vector<Token> tokens_;
  std::size_t position_ = 0;
};

}  // namespace funkcja::sqlite::tsql
