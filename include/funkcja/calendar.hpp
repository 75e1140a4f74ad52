// C++ interface: calendar procedures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"
#include "funkcja/types.hpp"

namespace funkcja {

// The standard date of Easter Sunday of a year; 0 for years outside 1801..9999.
inline std::int32_t PODAJDATEWIELKANOCY(std::int32_t year) {
  return ::PODAJDATEWIELKANOCY(year);
}

// 1 for a working day; 0 for Saturdays, Sundays, public holidays and non-dates. 24 December
// (Wigilia) is a public holiday from 2025 on (Dz.U. 2024 poz. 1965); 6 January in every year.
inline std::uint8_t ISDZIENROBOCZY(std::int32_t date) {
  return ::ISDZIENROBOCZY(date);
}

// 1 for a Sunday or a public holiday; 0 for any other day, Saturdays included.
inline std::uint8_t ISNIEDZIELALUBSWIETO(std::int32_t date) {
  return ::ISNIEDZIELALUBSWIETO(date);
}

// The last working day strictly before the date (never the date itself); a date of 1 or less
// gives date - 1 untested.
inline std::int32_t PODAJOSTATNIDZIENROBOCZY(std::int32_t date) {
  return ::PODAJOSTATNIDZIENROBOCZY(date);
}

// "Styczeń" .. "Grudzień" for months 1 to 12 (empty otherwise), then a blank and the year
// when the year is not 0: NAZWA_MIESIACA(5, 2017) is "Maj 2017".
inline std::string NAZWA_MIESIACA(std::int32_t month, std::int32_t year) {
  return c_api::string(::NAZWA_MIESIACA(month, year));
}

}  // namespace funkcja
