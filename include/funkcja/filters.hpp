// C++ interface: character filters and value formatting.
//
// Each filter takes one code page 1250 text and returns what stays of it, cut to the filter's
// capacity. Filters marked "clipped" remove the trailing blanks of their argument first.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"
#include "funkcja/types.hpp"

namespace funkcja {

// Digits 0-9 only (clipped; 2000).
inline std::string TYLKO_CYFRY(std::string_view text) {
  return c_api::string(::TYLKO_CYFRY(c_api::text(text)));
}
// Digits 0-9 only (clipped; 254); an empty or all-blank text gives "0".
inline std::string OPUSC_ALFANUMERYCZNE(std::string_view text) {
  return c_api::string(::OPUSC_ALFANUMERYCZNE(c_api::text(text)));
}
// Digits and "-", ".", "," (clipped; 254); an empty or all-blank text gives "0".
inline std::string OPUSC_ALFANUMERYCZNE_SOFT(std::string_view text) {
  return c_api::string(::OPUSC_ALFANUMERYCZNE_SOFT(c_api::text(text)));
}
// Digits, blank, ",", ".", "-" and "+" (clipped; 2000).
inline std::string TYLKO_KWOTY(std::string_view text) {
  return c_api::string(::TYLKO_KWOTY(c_api::text(text)));
}
// Every blank removed (clipped; 1000).
inline std::string OPUSC_SPACE(std::string_view text) {
  return c_api::string(::OPUSC_SPACE(c_api::text(text)));
}
// Without * / \ : ? " < > | (as passed; 200).
inline std::string CLEARFORFILENAME(std::string_view text) {
  return c_api::string(::CLEARFORFILENAME(c_api::text(text)));
}
// Without CR and LF, then without one leading blank (as passed; 4000).
inline std::string USUN_ZNAKI_STERUJACE(std::string_view text) {
  return c_api::string(::USUN_ZNAKI_STERUJACE(c_api::text(text)));
}
// Control bytes other than CR and LF, 0x7F and 0x81 become blanks (as passed; 4000).
inline std::string USUN_ZNAKI_NIEDRUKOWALNE(std::string_view text) {
  return c_api::string(::USUN_ZNAKI_NIEDRUKOWALNE(c_api::text(text)));
}
// Polish letters as ASCII letters of the same case (clipped; 500).
inline std::string BEZPL(std::string_view text) {
  return c_api::string(::BEZPL(c_api::text(text)));
}
// Polish letters as small ASCII letters (clipped; 3999).
inline std::string USUN_POLSKIE_ZNAKI(std::string_view text) {
  return c_api::string(::USUN_POLSKIE_ZNAKI(c_api::text(text)));
}

// A number in text as an amount: right-aligned in 19 characters, blanks between thousands,
// a decimal comma and 2 decimals rounded half away from zero ("       1 234 567,89").
// Unreadable text counts as 0; an amount too wide for 19 characters gives 19 "#".
inline std::string FORMATKWOTA(std::string_view number) {
  return c_api::string(::FORMATKWOTA(c_api::text(number)));
}
// A standard date in text as DD-MM-YYYY; 0, unreadable text or a day outside the calendar
// gives 10 blanks.
inline std::string FORMATDATA(std::string_view day_number) {
  return c_api::string(::FORMATDATA(c_api::text(day_number)));
}

}  // namespace funkcja
