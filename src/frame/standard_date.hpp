// Standard dates: int32 day numbers counted from 28 December 1800 = 0, so that 1 January 1801
// is 4 and 1 January 1900 is 36163. The weekday is the day number modulo 7 (0 = Sunday,
// 6 = Saturday), and 0 means "no date". Every procedure that turns a standard date into day,
// month and year, or back, does it here.
#pragma once

#include <cstdint>
#include <optional>

namespace funkcja::date {

inline constexpr std::int32_t kNoDate = 0;
inline constexpr std::int32_t kFirstOf1900 = 36163;  // the server's day 0

struct Civil {
  std::int32_t year;
  std::int32_t month;  // 1..12
  std::int32_t day;    // 1..31
};

// The last day the calendar holds: 31 December 9999.
std::int32_t last_day();

// Day, month and year of a standard date; nothing for 0, negatives and days past last_day().
std::optional<Civil> to_civil(std::int32_t day_number);

// The standard date of a civil date; nothing when the date does not exist (30 February) or
// lies outside 28 December 1800 .. 31 December 9999.
std::optional<std::int32_t> from_civil(std::int32_t year, std::int32_t month, std::int32_t day);

// 0 = Sunday .. 6 = Saturday.
constexpr std::int32_t weekday(std::int32_t day_number) {
  const std::int32_t r = day_number % 7;
  return r < 0 ? r + 7 : r;
}

bool is_leap_year(std::int32_t year);
std::int32_t days_in_month(std::int32_t year, std::int32_t month);

}  // namespace funkcja::date
