// Upper case of code page 1250 text, as the host's upper-case conversion gives it: the ASCII
// letters a-z and the nine Polish letters ą ć ę ł ń ó ś ź ż. Every other byte stays as it is.
//
//   upper("zażółć"_cp) == "ZAŻÓŁĆ"_cp
#pragma once

#include <string>
#include <string_view>

#include "frame/cp1250_case.hpp"

namespace funkcja::text {

// The upper-case form of one code page 1250 byte.
constexpr char upper(char c) {
  return static_cast<char>(cp1250::kUpperAsciiPolish[static_cast<unsigned char>(c)]);
}

// The upper-case form of a text, byte for byte (the length never changes).
inline std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = upper(c);
  return out;
}

}  // namespace funkcja::text
