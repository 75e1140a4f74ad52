// The Polish public holidays and Easter, shared by the working-day procedures and the windows
// that mark days off.
#pragma once

#include <cstdint>

#include "frame/standard_date.hpp"

namespace funkcja::calendar {

struct MonthDay {
  std::int32_t month;
  std::int32_t day;
};

// Easter Sunday of a Gregorian year (anonymous Gregorian algorithm of Meeus, Jones and
// Butcher); defined for every int32 year, always in March or April.
MonthDay easter_sunday(std::int32_t year);

// From this year on, 24 December (Christmas Eve) is a statutory day off in Poland.
inline constexpr std::int32_t kChristmasEveFromYear = 2025;

// Whether the date is a public holiday: the fixed days, Easter Monday, Corpus Christi and,
// from 2025 on, Christmas Eve. Sundays as such are not holidays here.
bool is_public_holiday(const date::Civil& day);

}  // namespace funkcja::calendar
