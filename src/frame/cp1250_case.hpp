// Upper and lower case of code page 1250: the one list of letter pairs from which every case
// table of the library is built.
//
// The text procedures change the case of the ASCII letters and the nine Polish letters only,
// as the host's own upper-case conversion does (kUpperAsciiPolish); the database's collation
// and its UPPER and LOWER know every letter of the code page that has two cases (kUpper,
// kLower), as the server does.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "frame/cp_literal.hpp"

namespace funkcja::cp1250 {

namespace detail {

using namespace funkcja::literals;

// Capital and small letters outside ASCII, pair by pair: the nine Polish letters first.
inline constexpr std::size_t kPolishLetters = 9;
inline constexpr std::string_view kCapitals = "ĄĆĘŁŃÓŚŹŻŠŤŽŞĽŔÁÂĂÄĹÇČÉËĚÍÎĎĐŇÔŐÖŘŮÚŰÜÝŢ"_cp;
inline constexpr std::string_view kSmalls = "ąćęłńóśźżšťžşľŕáâăäĺçčéëěíîďđňôőöřůúűüýţ"_cp;
static_assert(kCapitals.size() == kSmalls.size());

using CaseTable = std::array<unsigned char, 256>;

// Every byte mapped to itself, then the ASCII letters and the first `pairs` pairs of the list
// mapped from one case to the other.
constexpr CaseTable make_case_table(bool to_upper, std::size_t pairs) {
  CaseTable table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<unsigned char>(i);
  for (unsigned char c = 'a'; c <= 'z'; ++c) {
    const auto capital = static_cast<unsigned char>(c - 'a' + 'A');
    if (to_upper) {
      table[c] = capital;
    } else {
      table[capital] = c;
    }
  }
  for (std::size_t i = 0; i < pairs; ++i) {
    const auto capital = static_cast<unsigned char>(kCapitals[i]);
    const auto small = static_cast<unsigned char>(kSmalls[i]);
    if (to_upper) {
      table[small] = capital;
    } else {
      table[capital] = small;
    }
  }
  return table;
}

}  // namespace detail

// ASCII and the nine Polish letters to upper case; every other byte unchanged.
inline constexpr detail::CaseTable kUpperAsciiPolish =
    detail::make_case_table(true, detail::kPolishLetters);

// Every letter of the code page that has two cases, to upper and to lower case.
inline constexpr detail::CaseTable kUpper = detail::make_case_table(true, detail::kCapitals.size());
inline constexpr detail::CaseTable kLower =
    detail::make_case_table(false, detail::kCapitals.size());

}  // namespace funkcja::cp1250
