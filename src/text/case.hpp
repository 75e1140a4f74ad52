// Upper case of code page 1250 text, as the host's upper-case conversion gives it: the ASCII
// letters a-z and the nine Polish letters ą ć ę ł ń ó ś ź ż. Every other byte stays as it is.
//
//   upper("zażółć"_cp) == "ZAŻÓŁĆ"_cp
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "frame/cp_literal.hpp"

namespace funkcja::text {

namespace detail {

constexpr std::array<unsigned char, 256> make_upper_case() {
  using namespace funkcja::literals;
  std::array<unsigned char, 256> table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<unsigned char>(i);
  for (unsigned char c = 'a'; c <= 'z'; ++c) table[c] = static_cast<unsigned char>(c - 'a' + 'A');
  constexpr std::string_view small = "ąćęłńóśźż"_cp;
  constexpr std::string_view capital = "ĄĆĘŁŃÓŚŹŻ"_cp;
  static_assert(small.size() == capital.size());
  for (std::size_t i = 0; i < small.size(); ++i) {
    table[static_cast<unsigned char>(small[i])] = static_cast<unsigned char>(capital[i]);
  }
  return table;
}

inline constexpr std::array<unsigned char, 256> kUpperCase = make_upper_case();

}  // namespace detail

// The upper-case form of one code page 1250 byte.
constexpr char upper(char c) {
  return static_cast<char>(detail::kUpperCase[static_cast<unsigned char>(c)]);
}

// The upper-case form of a text, byte for byte (the length never changes).
inline std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = upper(c);
  return out;
}

}  // namespace funkcja::text
