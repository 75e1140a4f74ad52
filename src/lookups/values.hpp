// Reading the answers of single lookups: one value through FUNCVAY, one row on a table, and a
// value taken as a number.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "frame/cp1250_case.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/tables.hpp"
#include "host/gateway.hpp"

namespace funkcja::lookups {

// A value read back as a whole number: empty text, or text that is not one, counts as 0.
inline std::int32_t number_of(std::string_view value) {
  value = text::trim(value);
  std::int32_t n = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
  if (error != std::errc() || end != value.data() + value.size()) return 0;
  return n;
}

// Runs the statement and reads its first row into the table's record without looking at the
// error code: a failed statement or a missing row leaves the cleared record (empty fields).
inline dane::QueryTable& one_row(dane::QueryTable& table, std::string_view statement) {
  gateway::send(table, statement);
  table.next();
  return table;
}

// A field of the record as clipped text.
inline std::string_view clipped(dane::QueryTable& table, std::size_t n) {
  return text::clip(table.field(n).text);
}

// Upper case as the host converts it (ASCII and the Polish letters); lower case of every letter.
inline std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    c = static_cast<char>(cp1250::kUpperAsciiPolish[static_cast<unsigned char>(c)]);
  return out;
}
inline std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(cp1250::kLower[static_cast<unsigned char>(c)]);
  return out;
}

}  // namespace funkcja::lookups
