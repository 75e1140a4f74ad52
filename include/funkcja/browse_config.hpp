// C++ interface: which columns a user's browse shows and in which order, and the other
// settings of the browse's window.
//
// A browse describes its columns by a format string in the host list control's format
// language, one entry per column with the column's name between "~":
// "40R(2)|M~Id~C(0)@n-14@#3#". Each user's choice is stored per browse in the database;
// a browse without a stored choice uses its built-in default.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"
#include "funkcja/types.hpp"

namespace funkcja {

// action 1 opens the configuration window ("Konfiguracja kolumn/" + the browse's name) after
// taking the column widths of current_format, and returns the new format after "Zapisz" or
// empty text after "Anuluj"; action 2 returns the format of the visible columns (from the
// process-wide cache after the first time); action 3 stores the widths of current_format when
// the visible columns changed and returns empty text; any other action is 1 without taking
// widths. Saving replaces the user's stored columns in one transaction.
//   KONFIGURACJA_OKNA(2, 7, "") == "40R(2)|M~Id~C(0)@n-14@#3#160L(2)|M~Nazwa~C(0)@s60@#4#..."
inline std::string KONFIGURACJA_OKNA(std::uint8_t action, std::int32_t browse,
                                     std::string_view current_format) {
  return c_api::string(::KONFIGURACJA_OKNA(action, browse, c_api::text(current_format)));
}

// action 1 loads the user's sort column and direction, splitter positions, general values and
// footer of the browse's window into $GGG:SORTOWANIE_LP, _DIR, _INTU, $GGG:VSPLITPOS,
// $GGG:HSPLITPOS, $GGG:UNI_1, $GGG:UNI_2 and $GGG:STOPKA_BROWSER (a browse's default sort
// when none is stored; a splitter that does not fit width or height becomes 0); action 2
// stores them.
inline void KONFIGURACJA_OKNA_PUNKTY(std::int32_t action, std::int32_t browse, std::int32_t width,
                                     std::int32_t height) {
  ::KONFIGURACJA_OKNA_PUNKTY(action, browse, width, height);
}

}  // namespace funkcja
