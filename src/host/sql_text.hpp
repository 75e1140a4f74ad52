// Splicing values into statement text. Every text value that a procedure puts into a
// statement goes through quoted(): it is written between apostrophes with each apostrophe
// inside doubled, so a value such as O'Brien or x' or '1'='1 reaches the database as the text
// it is and can never end the literal early.
//
//   "select 1 from KONTRAHENT where nazwa=" + sql::quoted("O'Brien")
//     -> select 1 from KONTRAHENT where nazwa='O''Brien'
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frame/text_rules.hpp"

namespace funkcja::sql {

// Appends 'value' with every apostrophe doubled.
inline void append_quoted(std::string& out, std::string_view value) {
  out += '\'';
  for (const char c : value) {
    if (c == '\'') out += '\'';
    out += c;
  }
  out += '\'';
}

inline std::string quoted(std::string_view value) {
  std::string out;
  out.reserve(value.size() + 2);
  append_quoted(out, value);
  return out;
}

// A statement under construction: fixed pieces, numbers in plain decimal, quoted texts.
//   Statement s("select nazwa from FIRMA where id_firmy=");
//   s.number(7).text(" AND nazwa=").quoted(name);
class Statement {
 public:
  explicit Statement(std::string_view start = {}) : text_(start) {}
  Statement& text(std::string_view piece) {
    text_ += piece;
    return *this;
  }
  Statement& number(std::int32_t value) {
    text::append_int(text_, value);
    return *this;
  }
  Statement& quoted(std::string_view value) {
    append_quoted(text_, value);
    return *this;
  }
  const std::string& str() const { return text_; }
  operator std::string_view() const { return text_; }

 private:
  std::string text_;
};

}  // namespace funkcja::sql
