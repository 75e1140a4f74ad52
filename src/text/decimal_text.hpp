// Numbers written in text, read exactly in base 10: no binary floating point on the way, so
// 0.005 rounds to 0.01 and 1.005 to 1.01 as a person would expect.
//
// A readable number is: optional blanks, an optional "+" or "-", digits with at most one
// decimal point (at least one digit in all), optional blanks. Anything else is unreadable.
//
//   read_decimal(" -1234.567 ")  -> negative, integer "1234", fraction "567"
//   round_to_hundredths(that)    -> -123457
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace funkcja::decimal {

// A readable number as views into its text: digits only, leading zeros of the integer part
// removed (so "000" has an empty integer part).
struct DecimalText {
  bool negative = false;
  std::string_view integer;
  std::string_view fraction;
};

std::optional<DecimalText> read_decimal(std::string_view text);

// The value in hundredths, rounded half away from zero on the third decimal; nothing when
// the integer part has more than `max_integer_digits` digits (at most 15).
std::optional<std::int64_t> round_to_hundredths(const DecimalText& number,
                                                int max_integer_digits = 13);

// The whole part, cut toward zero; nothing when it does not fit an int32.
std::optional<std::int32_t> whole_part(const DecimalText& number);

}  // namespace funkcja::decimal
