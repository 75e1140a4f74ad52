// Character classes that the identifier checks share.
#pragma once

#include <cstddef>
#include <string_view>

namespace funkcja::validation {

constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Copies the first `limit` digits of the text, in order, into out; every other character is
// skipped. Returns how many were copied.
constexpr std::size_t first_digits(std::string_view text, char* out, std::size_t limit) {
  std::size_t n = 0;
  for (const char c : text) {
    if (n == limit) break;
    if (is_digit(c)) out[n++] = c;
  }
  return n;
}

}  // namespace funkcja::validation
