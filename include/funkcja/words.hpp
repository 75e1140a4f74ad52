// C++ interface: words procedures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/export.h"
#include "funkcja/types.hpp"

namespace funkcja {

// The amount in Polish words, in złoty and grosze: each word after one blank, "minus " in
// front of a negative amount, no words for a zero part; blank-padded to 600 characters.
// NaN, infinities and magnitudes of 10^12 or more give 600 blanks.
FK_API std::string SLOWNIE(double amount);

// As SLOWNIE, with the currency code (first three characters, upper case) as the unit word and
// the code followed by "/100" as the hundredths word; PLN, empty or blank give SLOWNIE's text.
FK_API std::string SLOWNIEWALUTA(double amount, std::string_view currency);

}  // namespace funkcja
