#include "frame/number_text.hpp"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>
#include <system_error>

namespace funkcja::text {
namespace {

constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

constexpr bool is_blank(char c, const NumberRules& rules) {
  return c == ' ' || (rules.tabs_are_blanks && c == '\t');
}

constexpr bool is_point(char c, const NumberRules& rules) {
  return c == '.' || (rules.comma_is_point && c == ',');
}

std::string_view strip_blanks(std::string_view s, const NumberRules& rules) {
  while (!s.empty() && is_blank(s.front(), rules)) s.remove_prefix(1);
  while (!s.empty() && is_blank(s.back(), rules)) s.remove_suffix(1);
  return s;
}

std::size_t digit_run(std::string_view s, std::size_t from) {
  std::size_t i = from;
  while (i < s.size() && is_digit(s[i])) ++i;
  return i - from;
}

template <class T>
constexpr NumberRead<T> value(T v) {
  return {v, NumberFault::kNone};
}

template <class T>
constexpr NumberRead<T> fault(NumberFault f) {
  return {T{}, f};
}

// The parts of a number whose blanks are already stripped: sign, integer digits, point and
// fraction digits; the position just after them.
struct Parts {
  DecimalDigits digits;
  std::size_t end = 0;
};

std::optional<Parts> scan_decimal(std::string_view s, const NumberRules& rules) {
  Parts p;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    p.digits.negative = s[i] == '-';
    ++i;
  }
  const std::size_t integer_length = digit_run(s, i);
  p.digits.integer = s.substr(i, integer_length);
  i += integer_length;
  if (i < s.size() && is_point(s[i], rules)) {
    p.digits.fraction = s.substr(i + 1, digit_run(s, i + 1));
    i += 1 + p.digits.fraction.size();
  }
  if (p.digits.integer.empty() && p.digits.fraction.empty()) return std::nullopt;
  while (!p.digits.integer.empty() && p.digits.integer.front() == '0') {
    p.digits.integer.remove_prefix(1);
  }
  p.end = i;
  return p;
}

// Appends one digit to a magnitude; false when it would pass `limit`.
constexpr bool push_digit(std::uint64_t& magnitude, char digit, std::uint64_t limit) {
  const auto d = static_cast<std::uint64_t>(digit - '0');
  if (magnitude > (limit - d) / 10) return false;
  magnitude = magnitude * 10 + d;
  return true;
}

constexpr std::uint64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

// The signed value of a magnitude that fits int64 for its sign (2^63 only when negative).
constexpr std::int64_t signed_value(std::uint64_t magnitude, bool negative) {
  if (!negative) return static_cast<std::int64_t>(magnitude);
  return magnitude == kInt64Max + 1 ? std::numeric_limits<std::int64_t>::min()
                                    : -static_cast<std::int64_t>(magnitude);
}

}  // namespace

NumberRead<std::int64_t> read_whole(std::string_view s, const NumberRules& rules) {
  s = strip_blanks(s, rules);
  if (s.empty())
    return rules.empty_is_zero ? value<std::int64_t>(0)
                               : fault<std::int64_t>(NumberFault::kUnreadable);
  std::size_t i = 0;
  const bool negative = s[0] == '-';
  if (s[0] == '+' || s[0] == '-') ++i;
  if (digit_run(s, i) != s.size() - i || i == s.size()) {
    return fault<std::int64_t>(NumberFault::kUnreadable);
  }
  const std::uint64_t limit = negative ? kInt64Max + 1 : kInt64Max;
  std::uint64_t magnitude = 0;
  for (; i < s.size(); ++i) {
    if (!push_digit(magnitude, s[i], limit)) return fault<std::int64_t>(NumberFault::kOverflow);
  }
  return value(signed_value(magnitude, negative));
}

NumberRead<std::int32_t> read_int32(std::string_view s, const NumberRules& rules) {
  const auto whole = read_whole(s, rules);
  if (!whole) return fault<std::int32_t>(whole.fault);
  if (*whole < std::numeric_limits<std::int32_t>::min() ||
      *whole > std::numeric_limits<std::int32_t>::max()) {
    return fault<std::int32_t>(NumberFault::kOverflow);
  }
  return value(static_cast<std::int32_t>(*whole));
}

NumberRead<DecimalDigits> read_decimal(std::string_view s, const NumberRules& rules) {
  s = strip_blanks(s, rules);
  if (s.empty()) {
    return rules.empty_is_zero ? value(DecimalDigits{})
                               : fault<DecimalDigits>(NumberFault::kUnreadable);
  }
  const auto parts = scan_decimal(s, rules);
  if (!parts || parts->end != s.size()) return fault<DecimalDigits>(NumberFault::kUnreadable);
  return value(parts->digits);
}

NumberRead<std::int64_t> to_units(const DecimalDigits& number, int scale) {
  if (scale < 0 || scale > 18) return fault<std::int64_t>(NumberFault::kOverflow);
  const std::uint64_t limit = number.negative ? kInt64Max + 1 : kInt64Max;
  std::uint64_t magnitude = 0;
  for (const char c : number.integer) {
    if (!push_digit(magnitude, c, limit)) return fault<std::int64_t>(NumberFault::kOverflow);
  }
  const auto places = static_cast<std::size_t>(scale);
  for (std::size_t i = 0; i < places; ++i) {
    const char c = i < number.fraction.size() ? number.fraction[i] : '0';
    if (!push_digit(magnitude, c, limit)) return fault<std::int64_t>(NumberFault::kOverflow);
  }
  if (number.fraction.size() > places && number.fraction[places] >= '5') {
    if (magnitude == limit) return fault<std::int64_t>(NumberFault::kOverflow);
    ++magnitude;
  }
  return value(signed_value(magnitude, number.negative));
}

NumberRead<double> read_real(std::string_view s, const NumberRules& rules) {
  s = strip_blanks(s, rules);
  if (s.empty()) return rules.empty_is_zero ? value(0.0) : fault<double>(NumberFault::kUnreadable);
  const auto parts = scan_decimal(s, rules);
  if (!parts) return fault<double>(NumberFault::kUnreadable);
  std::size_t end = parts->end;
  if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
    std::size_t i = end + 1;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t exponent_digits = digit_run(s, i);
    if (exponent_digits == 0) return fault<double>(NumberFault::kUnreadable);
    end = i + exponent_digits;
  }
  if (end != s.size()) return fault<double>(NumberFault::kUnreadable);

  // The text is now known to be a plain real number; the standard reader gives the nearest
  // double. It takes "-" but not "+", and a comma only as the point it was told of.
  std::string_view number = s;
  if (number.front() == '+') number.remove_prefix(1);
  std::string copy;
  if (rules.comma_is_point && number.find(',') != std::string_view::npos) {
    copy.assign(number);
    copy[copy.find(',')] = '.';
    number = copy;
  }
  double v = 0;
  const auto [stop, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
  if (ec == std::errc::result_out_of_range) return fault<double>(NumberFault::kOverflow);
  if (ec != std::errc() || stop != number.data() + number.size()) {
    return fault<double>(NumberFault::kUnreadable);
  }
  return value(v);
}

}  // namespace funkcja::text
