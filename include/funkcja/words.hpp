// C++ interface: words procedures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"
#include "funkcja/types.hpp"

namespace funkcja {

// The amount in Polish words, in złoty and grosze: each word after one blank, "minus " in
// front of a negative amount, no words for a zero part; blank-padded to 600 characters.
// The amount is read through 15 significant digits and rounded half away from zero (0.015
// gives "dwa grosze"); the sign is tested before rounding, so -0.004 gives "minus " alone.
// NaN, infinities and magnitudes of 10^12 or more (after rounding) give 600 blanks.
inline std::string SLOWNIE(double amount) {
  return c_api::string(::SLOWNIE(amount));
}

// As SLOWNIE, with the currency code (first three characters, upper case) as the unit word and
// the code followed by "/100" as the hundredths word; PLN, empty or blank give SLOWNIE's text.
inline std::string SLOWNIEWALUTA(double amount, std::string_view currency) {
  return c_api::string(::SLOWNIEWALUTA(amount, c_api::text(currency)));
}

}  // namespace funkcja
