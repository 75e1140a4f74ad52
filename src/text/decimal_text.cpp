// Reading base-10 numbers from text without binary floating point.
#include "text/decimal_text.hpp"

#include <cstddef>

namespace funkcja::decimal {
namespace {

constexpr bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view skip_blanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::size_t digit_run(std::string_view s, std::size_t from) {
  std::size_t i = from;
  while (i < s.size() && is_digit(s[i])) ++i;
  return i - from;
}

}  // namespace

std::optional<DecimalText> read_decimal(std::string_view text) {
  std::string_view s = skip_blanks(text);
  DecimalText number;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    number.negative = s.front() == '-';
    s.remove_prefix(1);
  }
  const std::size_t integer_length = digit_run(s, 0);
  number.integer = s.substr(0, integer_length);
  std::size_t pos = integer_length;
  if (pos < s.size() && s[pos] == '.') {
    number.fraction = s.substr(pos + 1, digit_run(s, pos + 1));
    pos += 1 + number.fraction.size();
  }
  if (pos != s.size() || (number.integer.empty() && number.fraction.empty())) return std::nullopt;
  while (!number.integer.empty() && number.integer.front() == '0') number.integer.remove_prefix(1);
  return number;
}

std::optional<std::int64_t> round_to_hundredths(const DecimalText& number, int max_integer_digits) {
  if (max_integer_digits > 15) max_integer_digits = 15;  // 17 digits of hundredths fit int64
  if (number.integer.size() > static_cast<std::size_t>(max_integer_digits)) return std::nullopt;
  std::int64_t hundredths = 0;
  for (const char c : number.integer) hundredths = hundredths * 10 + (c - '0');
  for (std::size_t i = 0; i < 2; ++i) {
    hundredths = hundredths * 10 + (i < number.fraction.size() ? number.fraction[i] - '0' : 0);
  }
  // Half away from zero: the magnitude goes up when the dropped part is at least 0.005,
  // which the third decimal alone decides.
  if (number.fraction.size() > 2 && number.fraction[2] >= '5') ++hundredths;
  return number.negative ? -hundredths : hundredths;
}

std::optional<std::int32_t> whole_part(const DecimalText& number) {
  if (number.integer.size() > 10) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : number.integer) value = value * 10 + (c - '0');
  if (number.negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace funkcja::decimal
