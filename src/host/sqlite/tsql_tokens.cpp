#include "host/sqlite/tsql_tokens.hpp"

#include "frame/cp_literal.hpp"

namespace funkcja::sqlite::tsql {

using namespace funkcja::literals;

std::string excerpt(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return std::string(text);
  return std::string(text.substr(0, limit)) + "...";
}

[[noreturn]] void unsupported(std::string_view construct, std::string_view name) {
  throw Failure{std::string("Nieobsługiwana konstrukcja SQL: "_cp) + excerpt(construct, 120) +
                excerpt(name, 60)};
}

[[noreturn]] void syntax(const Token& near) {
  std::string m("Błąd składni SQL w pobliżu "_cp);
  if (near.kind == TokenKind::kEnd) {
    m += "końca polecenia"_cp;
  } else {
    const std::string shown = excerpt(near.text, 60);
    m += '\'';
    m += near.kind == TokenKind::kString ? "'" + shown + "'" : shown;
    m += '\'';
  }
  throw Failure{m};
}

std::string upper_ascii(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

}  // namespace funkcja::sqlite::tsql
