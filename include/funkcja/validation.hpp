// C++ interface: validation procedures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/export.h"
#include "funkcja/types.hpp"

namespace funkcja {

// MOD 97-10 check of an IBAN already reduced to its characters (no blanks or separators,
// letters in upper case); only the first 100 characters count. 0 when the check passes,
// 1 when it fails (also for any character other than a digit or an upper-case letter).
FK_API std::uint8_t IBANSPR(std::string_view account);

// Check digit of a NIP: 1 when accepted, 0 when rejected. A text whose first non-blank
// character is not a digit (a country prefix) is accepted unchecked; an all-blank text is
// rejected.
FK_API std::uint8_t SPR_NIP(std::string_view nip);

// The NIP stripped to its digits and the upper-case letters of the Polish alphabet (not Q, V,
// X, Y); at most 254 characters.
FK_API std::string OCZYSC_NIP(std::string_view nip);

}  // namespace funkcja
