// C++ interface: calendar procedures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/export.h"
#include "funkcja/types.hpp"

namespace funkcja {

// The standard date of Easter Sunday of a year; 0 for years outside 1801..9999.
FK_API std::int32_t PODAJDATEWIELKANOCY(std::int32_t year);

// 1 for a working day; 0 for Saturdays, Sundays, public holidays and non-dates.
FK_API std::uint8_t ISDZIENROBOCZY(std::int32_t date);

// 1 for a Sunday or a public holiday; 0 for any other day, Saturdays included.
FK_API std::uint8_t ISNIEDZIELALUBSWIETO(std::int32_t date);

// The last working day strictly before the date (never the date itself); a date of 1 or less
// gives date - 1 untested.
FK_API std::int32_t PODAJOSTATNIDZIENROBOCZY(std::int32_t date);

// "Styczeń" .. "Grudzień" for months 1 to 12 (empty otherwise), then a blank and the year
// when the year is not 0: NAZWA_MIESIACA(5, 2017) is "Maj 2017".
FK_API std::string NAZWA_MIESIACA(std::int32_t month, std::int32_t year);

}  // namespace funkcja
