// The runtime's display pictures that lists and exports use to show numbers and dates, as one
// formatter:
//
//   @N-16        a whole number with a leading minus:            -1234.5  -> -1235
//   @n-16_`d     blanks between thousands, a comma before d places: 1234.5 -> 1 234,50 (d = 2)
//   @n-16_.d     the same with a period before the decimals:     1234.5 -> 1 234.50 (d = 2)
//   @d17         a date in the system's short date format:       day 82524 -> 07.12.2026
//
// Numbers are rounded half away from zero in base 10, exactly. A number that needs more than
// the picture's 16 characters is shown as 16 "#", as the runtime shows a field too narrow for
// its value. The date 0 (no date), and a day outside the calendar, is shown as empty text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "frame/number_text.hpp"

namespace funkcja::text {

inline constexpr std::size_t kPictureWidth = 16;

// The decimal separator of a grouped number picture.
enum class DecimalMark : char { kComma = ',', kPeriod = '.' };

// @N-16: the number rounded to a whole one.
std::string picture_whole(const DecimalDigits& number);
// @n-16_`d or @n-16_.d: grouped by blanks, places decimals (0 to 8) after mark.
std::string picture_grouped(const DecimalDigits& number, int places, DecimalMark mark);
// @d17: the standard date day in format ("dd.MM.yyyy": d, dd, M, MM, yy, yyyy are replaced,
// any other character is written as it stands).
std::string picture_date(std::int32_t day, std::string_view format);

// A text read as the runtime turns a text into a number for a picture: a decimal (blanks
// around it allowed), and 0 when the text is not one.
DecimalDigits picture_number(std::string_view text);

// The system's short date format: the environment variable FUNKCJA_SHORT_DATE when set and not
// empty, else the Polish dd.MM.yyyy.
std::string short_date_format();

}  // namespace funkcja::text
