// Numbers written in text: the one reader through which the library reads whole numbers,
// decimals and real numbers from text.
//
//   whole number   [blanks] [+|-] digits [blanks]
//   decimal        [blanks] [+|-] digits [. digits] [blanks]   (a digit on one side of the point
//                                                              at least: "5.", ".5")
//   real number    a decimal, then optionally e|E [+|-] digits
//
// Blanks: spaces only; NumberRules::tabs_are_blanks also skips tabs (the database server's
// conversions do).
// Sign: one "+" or "-" at most, directly before the first digit or point; "+-5", "- 5", "5-"
// are unreadable.
// Empty text: a text that is empty or holds blanks only is unreadable; with
// NumberRules::empty_is_zero it reads as 0 (the database server reads '' so).
// Overflow: a value beyond the range asked for is never cut, saturated or wrapped; the read
// fails with NumberFault::kOverflow, so that a caller can tell "too large" from "not a number".
// Not numbers: digit groups ("1 000"), hexadecimal, "inf", "nan", a lone sign or point.
//
//   read_whole(" -42 ")                 -> -42
//   read_int32("2147483648")            -> kOverflow
//   read_decimal("-0012.50")            -> negative, integer "12", fraction "50"
//   to_units(*read_decimal("1.005"), 2) -> 101 (half away from zero, in base 10)
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace funkcja::text {

enum class NumberFault : unsigned char { kNone, kUnreadable, kOverflow };

// The value read, or why there is none.
template <class T>
struct NumberRead {
  T value{};
  NumberFault fault = NumberFault::kUnreadable;

  constexpr explicit operator bool() const { return fault == NumberFault::kNone; }
  constexpr const T& operator*() const { return value; }
  constexpr const T* operator->() const { return &value; }
  constexpr bool overflow() const { return fault == NumberFault::kOverflow; }
  constexpr std::optional<T> optional() const {
    return fault == NumberFault::kNone ? std::optional<T>(value) : std::nullopt;
  }
};

// Where callers truly differ. The defaults are the library's own rules; the database server's
// conversions use kServerNumbers.
struct NumberRules {
  bool tabs_are_blanks = false;
  bool empty_is_zero = false;
  bool comma_is_point = false;  // a decimal comma is read as a point too ("12,5")
};

inline constexpr NumberRules kServerNumbers{.tabs_are_blanks = true, .empty_is_zero = true};

// A decimal as views into its text: digits only. Leading zeros of the integer part are
// dropped, so "000" and ".5" have an empty integer part; the fraction keeps every digit.
struct DecimalDigits {
  bool negative = false;
  std::string_view integer;
  std::string_view fraction;
};

// A whole number in the range of int64 (overflow beyond it).
NumberRead<std::int64_t> read_whole(std::string_view s, const NumberRules& rules = {});

// A whole number in the range of int32 (overflow beyond it).
NumberRead<std::int32_t> read_int32(std::string_view s, const NumberRules& rules = {});

// A decimal, exactly: nothing is computed, so it never overflows.
NumberRead<DecimalDigits> read_decimal(std::string_view s, const NumberRules& rules = {});

// The decimal in units of 10^-scale (scale 0 to 18), rounded half away from zero on the first
// dropped digit; overflow when the units do not fit an int64.
NumberRead<std::int64_t> to_units(const DecimalDigits& number, int scale);

// A real number as the nearest double; overflow when its magnitude is beyond a double's
// range or below its smallest.
NumberRead<double> read_real(std::string_view s, const NumberRules& rules = {});

}  // namespace funkcja::text
