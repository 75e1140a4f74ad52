// The Polish account number of 26 digits (two check digits, an eight-digit bank number and a
// sixteen-digit account) and its display form, shared by the procedures that show one:
//
//   12345678901234567890123456 -> 12 3456 7890 1234 5678 9012 3456
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "validation/digits.hpp"

namespace funkcja::validation {

inline constexpr std::size_t kAccountDigits = 26;
inline constexpr std::size_t kCheckDigits = 2;
inline constexpr std::size_t kAccountGroup = 4;

// True for exactly 26 characters, each a digit. A sign, a point or an exponent would pass a
// looser numeric test but make no account number.
constexpr bool is_account_number(std::string_view text) {
  if (text.size() != kAccountDigits) return false;
  for (const char c : text)
    if (!is_digit(c)) return false;
  return true;
}

// The display form of a text for which is_account_number holds: the check digits, a blank,
// then the other 24 digits in groups of four separated by single blanks.
inline std::string account_display_form(std::string_view number) {
  std::string out(number.substr(0, kCheckDigits));
  for (std::size_t i = kCheckDigits; i < number.size(); i += kAccountGroup) {
    out += ' ';
    out += number.substr(i, kAccountGroup);
  }
  return out;
}

}  // namespace funkcja::validation
