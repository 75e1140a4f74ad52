#include "host/sqlite/tsql_lexer.hpp"

#include "frame/cp_literal.hpp"

namespace funkcja::sqlite::tsql {

using namespace funkcja::literals;

std::vector<Token> tokenize(std::string_view s) {
  std::vector<Token> out;
  std::size_t i = 0;
  const std::size_t n = s.size();
  while (true) {
    while (i < n) {
      const auto c = static_cast<unsigned char>(s[i]);
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        ++i;
      } else if (c == '-' && i + 1 < n && s[i + 1] == '-') {
        while (i < n && s[i] != '\n') ++i;
      } else if (c == '/' && i + 1 < n && s[i + 1] == '*') {
        const auto end = s.find("*/", i + 2);
        if (end == std::string_view::npos) unsupported("niezamknięty komentarz"_cp);
        i = end + 2;
      } else {
        break;
      }
    }
    if (i >= n) break;
    const std::size_t start = i;
    const auto c = static_cast<unsigned char>(s[i]);
    if ((c == 'N' || c == 'n') && i + 1 < n && s[i + 1] == '\'') {
      ++i;  // N'...' is an ordinary text here
    }
    if (s[i] == '\'') {
      std::string text;
      ++i;
      while (true) {  // piece by piece up to each apostrophe: texts may be long
        const auto quote = s.find('\'', i);
        if (quote == std::string_view::npos) {
          throw Failure{std::string("Niezamknięty tekst w poleceniu SQL."_cp)};
        }
        text.append(s.substr(i, quote - i));
        i = quote + 1;
        if (i < n && s[i] == '\'') {
          text += '\'';
          ++i;
          continue;
        }
        break;
      }
      out.push_back({TokenKind::kString, std::move(text), start});
    } else if (ident_start(c)) {
      while (i < n && ident_char(static_cast<unsigned char>(s[i]))) ++i;
      out.push_back({TokenKind::kIdent, std::string(s.substr(start, i - start)), start});
    } else if (c == '[') {
      const auto end = s.find(']', i + 1);
      if (end == std::string_view::npos) unsupported("niezamknięty nawias [ ]"_cp);
      out.push_back({TokenKind::kIdent, std::string(s.substr(i + 1, end - i - 1)), start});
      i = end + 1;
    } else if (c == '"') {
      const auto end = s.find('"', i + 1);
      if (end == std::string_view::npos) unsupported("niezamknięty cudzysłów"_cp);
      out.push_back({TokenKind::kIdent, std::string(s.substr(i + 1, end - i - 1)), start});
      i = end + 1;
    } else if (digit(c) || (c == '.' && i + 1 < n && digit(static_cast<unsigned char>(s[i + 1])))) {
      while (i < n && digit(static_cast<unsigned char>(s[i]))) ++i;
      if (i < n && s[i] == '.') {
        ++i;
        while (i < n && digit(static_cast<unsigned char>(s[i]))) ++i;
      }
      if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < n && digit(static_cast<unsigned char>(s[j]))) {
          i = j;
          while (i < n && digit(static_cast<unsigned char>(s[i]))) ++i;
        }
      }
      if (i < n && ident_start(static_cast<unsigned char>(s[i]))) {
        syntax({TokenKind::kNumber, std::string(s.substr(start, i - start + 1)), start});
      }
      out.push_back({TokenKind::kNumber, std::string(s.substr(start, i - start)), start});
    } else if (c == '@') {
      unsupported("zmienne (@)"_cp);
    } else {
      static constexpr std::string_view kTwo[] = {"<>", "!=", "<=", ">=", "!<", "!>", "||"};
      std::string sym(1, static_cast<char>(c));
      for (const auto two : kTwo) {
        if (s.substr(i, 2) == two) sym = std::string(two);
      }
      if (sym == "!<" || sym == "!>" || sym == "||") unsupported("operator " + sym);
      static constexpr std::string_view kOne = "=<>+-*/%(),.;";
      if (sym.size() == 1 && kOne.find(sym[0]) == std::string_view::npos) {
        syntax({TokenKind::kSymbol, sym, start});
      }
      i += sym.size();
      out.push_back({TokenKind::kSymbol, std::move(sym), start});
    }
  }
  out.push_back({TokenKind::kEnd, {}, n});
  return out;
}

}  // namespace funkcja::sqlite::tsql
