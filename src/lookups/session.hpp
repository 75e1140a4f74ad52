// The session values that the lookups splice into their statements, read from the data
// library at the moment of each call.
#pragma once

#include <cstdint>
#include <string>

#include "frame/text_rules.hpp"
#include "host/dane/globals.hpp"

namespace funkcja::lookups {

inline std::int32_t company() {
  return dane::get_int(dane::Global::DANE_ID_FIRMY);
}
inline std::int32_t fiscal_year() {
  return dane::get_int(dane::Global::DANE_LATA_OBROTOWE);
}
inline std::int32_t user_number() {
  return dane::get_int(dane::Global::DANE_ID_UZYTKOWNIKA_NR);
}
inline std::string user_login() {
  return dane::get_text(dane::Global::DANE_ID_UZYT);
}

}  // namespace funkcja::lookups
