// Dates as the calendar and period dialogs show and read them: day-month-year with "-"
// separators, and the few month steps the dialogs take. Every date these windows hand back
// lies between 1 January 1801 and 31 December 9999.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "frame/standard_date.hpp"

namespace funkcja::ui::dates {

inline constexpr std::int32_t kFirstYear = 1801;
inline constexpr std::int32_t kLastYear = 9999;

// True for a standard date from 1 January 1801 to 31 December 9999.
bool in_calendar(std::int32_t day_number);

// "05-12-2026"; empty for a date outside the calendar.
std::string text_of(std::int32_t day_number);

// A typed date: day, month and year separated by "-", "." or "/", or eight digits ddmmyyyy;
// nothing for anything else or a date outside the calendar.
std::optional<std::int32_t> read(std::string_view typed);

// The first and the last day of a month of a year; nothing outside the calendar.
std::optional<std::int32_t> first_of_month(std::int32_t year, std::int32_t month);
std::optional<std::int32_t> last_of_month(std::int32_t year, std::int32_t month);

// A year typed into a year field: the number when it is from `lowest` to 9999, otherwise the
// operating system's current year.
std::int32_t repaired_year(std::string_view typed, std::int32_t lowest);

// The operating system's current year (through the platform's clock).
std::int32_t current_year();

}  // namespace funkcja::ui::dates
