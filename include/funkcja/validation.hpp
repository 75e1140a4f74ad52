// C++ interface: validation procedures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"
#include "funkcja/types.hpp"

namespace funkcja {

// MOD 97-10 check of an IBAN already reduced to its characters (no blanks or separators,
// letters in upper case); only the first 100 characters count. 0 when the check passes,
// 1 when it fails (also for any character other than a digit or an upper-case letter).
// Trailing blanks are ignored; the remainder is computed exactly for a number of any length.
inline std::uint8_t IBANSPR(std::string_view account) {
  return ::IBANSPR(c_api::text(account));
}

// Check digit of a NIP: 1 when accepted, 0 when rejected. A text whose first non-blank
// character is not a digit (a country prefix) is accepted unchecked; an all-blank text is
// rejected.
inline std::uint8_t SPR_NIP(std::string_view nip) {
  return ::SPR_NIP(c_api::text(nip));
}

// The NIP stripped to its digits and the upper-case letters of the Polish alphabet (not Q, V,
// X, Y); at most 254 characters.
inline std::string OCZYSC_NIP(std::string_view nip) {
  return c_api::string(::OCZYSC_NIP(c_api::text(nip)));
}

}  // namespace funkcja
