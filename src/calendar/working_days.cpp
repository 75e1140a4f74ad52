// Easter, public holidays and working days of the Polish calendar.
//
//   PODAJDATEWIELKANOCY(2017)      -> 16 April 2017 (standard date 79002)
//   ISDZIENROBOCZY(17 April 2017)  -> 0, Easter Monday
//   ISNIEDZIELALUBSWIETO(15 June 2017) -> 1, Corpus Christi (Easter + 60)
//   PODAJOSTATNIDZIENROBOCZY(4 May 2017) -> 2 May 2017, since 3 May is a holiday
//
// Holidays: 1 and 6 January, 1 and 3 May, 15 August, 1 and 11 November, 25 and 26 December,
// Easter Monday and Corpus Christi in every year, and 24 December from 2025 on (the day became
// a statutory day off then; earlier years keep it a working day). A day number that is no
// calendar date (0, negative, after 31 December 9999) is never a working day; its weekday
// alone decides whether it counts as a Sunday.
#include <algorithm>
#include <array>
#include <cstdint>

#include "calendar/holidays.hpp"
#include "calendar/procedures.hpp"
#include "frame/standard_date.hpp"

namespace funkcja {
namespace calendar {
namespace {

// Days before the first of each month in a common year; index 1 = January.
constexpr std::array<std::int32_t, 13> kDaysBefore = {0,   0,   31,  59,  90,  120, 151,
                                                      181, 212, 243, 273, 304, 334};

// The remainder that is never negative; the quotients below are C++ divisions, which drop
// the fraction.
constexpr std::int32_t mod(std::int32_t a, std::int32_t b) {
  const std::int32_t r = a % b;
  return r < 0 ? r + b : r;
}

}  // namespace

MonthDay easter_sunday(std::int32_t year) {
  const std::int32_t a = mod(year, 19);
  const std::int32_t b = year / 100;
  const std::int32_t c = mod(year, 100);
  const std::int32_t d = b / 4;
  const std::int32_t e = mod(b, 4);
  const std::int32_t f = (b + 8) / 25;
  const std::int32_t g = (b - f + 1) / 3;
  const std::int32_t h = mod(19 * a + b - d - g + 15, 30);
  const std::int32_t i = c / 4;
  const std::int32_t k = mod(c, 4);
  const std::int32_t l = mod(32 + 2 * e + 2 * i - h - k, 7);
  const std::int32_t m = (a + 11 * h + 22 * l) / 451;
  const std::int32_t n = h + l - 7 * m + 114;
  return {n / 31, mod(n, 31) + 1};
}

bool is_public_holiday(const date::Civil& day) {
  switch (day.month) {
    case 1:
      return day.day == 1 || day.day == 6;
    case 5:
      if (day.day == 1 || day.day == 3) return true;
      break;
    case 8:
      return day.day == 15;
    case 11:
      return day.day == 1 || day.day == 11;
    case 12:
      return day.day == 25 || day.day == 26 || (day.day == 24 && day.year >= kChristmasEveFromYear);
    default:
      break;
  }
  // Easter Monday (Easter + 1) falls between 23 March and 26 April, Corpus Christi
  // (Easter + 60) between 21 May and 24 June: both after February, so the leap day counts
  // alike for the date and for Easter and the day of the year can omit it.
  if (day.month < 3 || day.month > 6) return false;
  const MonthDay easter = easter_sunday(day.year);
  const std::int32_t after_easter =
      (kDaysBefore[day.month] + day.day) - (kDaysBefore[easter.month] + easter.day);
  return after_easter == 1 || after_easter == 60;
}

std::int32_t PODAJDATEWIELKANOCY(std::int32_t year) {
  const calendar::MonthDay easter = calendar::easter_sunday(year);
  return date::from_civil(year, easter.month, easter.day).value_or(date::kNoDate);
}

std::uint8_t ISDZIENROBOCZY(std::int32_t day_number) {
  const std::int32_t weekday = date::weekday(day_number);
  if (weekday == 0 || weekday == 6) return 0;
  const auto day = date::to_civil(day_number);
  if (!day) return 0;
  return calendar::is_public_holiday(*day) ? 0 : 1;
}

std::uint8_t ISNIEDZIELALUBSWIETO(std::int32_t day_number) {
  if (date::weekday(day_number) == 0) return 1;
  const auto day = date::to_civil(day_number);
  if (!day) return 0;
  return calendar::is_public_holiday(*day) ? 1 : 0;
}

std::int32_t PODAJOSTATNIDZIENROBOCZY(std::int32_t day_number) {
  if (day_number == INT32_MIN) return day_number;  // date - 1 does not exist in int32
  // Past the calendar's last day every day number is a non-working day, so the search can
  // start on that last day instead of walking down from far beyond it.
  std::int32_t candidate = std::min(day_number - 1, date::last_day());
  while (candidate > 0 && ISDZIENROBOCZY(candidate) != 1) --candidate;
  return candidate;
}

}  // namespace calendar
}  // namespace funkcja
