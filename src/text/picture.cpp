#include "text/picture.hpp"

#include "frame/standard_date.hpp"
#include "host/platform/env.hpp"

namespace funkcja::text {
namespace {

constexpr std::string_view kDefaultShortDate = "dd.MM.yyyy";

std::string overflow() {
  return std::string(kPictureWidth, '#');
}

// The digits of a non-negative whole number, with a blank before every group of three when
// grouped.
std::string whole_digits(std::uint64_t value, bool grouped) {
  std::string digits = std::to_string(value);
  if (!grouped) return digits;
  std::string out;
  out.reserve(digits.size() + digits.size() / 3);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ' ';
    out += digits[i];
  }
  return out;
}

std::uint64_t magnitude(std::int64_t units) {
  return units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
}

std::string two_digits(std::int32_t n) {
  return std::string(1, static_cast<char>('0' + n / 10 % 10)) + static_cast<char>('0' + n % 10);
}

}  // namespace

std::string picture_whole(const DecimalDigits& number) {
  const auto units = to_units(number, 0);
  if (!units) return overflow();
  std::string out = (*units < 0 ? "-" : "") + whole_digits(magnitude(*units), false);
  return out.size() > kPictureWidth ? overflow() : out;
}

std::string picture_grouped(const DecimalDigits& number, int places, DecimalMark mark) {
  if (places < 0) places = 0;
  if (places > 8) places = 8;
  const auto units = to_units(number, places);
  if (!units) return overflow();
  std::uint64_t scale = 1;
  for (int i = 0; i < places; ++i) scale *= 10;
  const std::uint64_t value = magnitude(*units);
  std::string out = (*units < 0 ? "-" : "") + whole_digits(value / scale, true);
  if (places > 0) {
    const std::string fraction = std::to_string(value % scale);
    out += static_cast<char>(mark);
    out.append(static_cast<std::size_t>(places) - fraction.size(), '0');
    out += fraction;
  }
  return out.size() > kPictureWidth ? overflow() : out;
}

std::string picture_date(std::int32_t day, std::string_view format) {
  const auto civil = date::to_civil(day);
  if (!civil) return {};
  std::string out;
  for (std::size_t i = 0; i < format.size();) {
    const char c = format[i];
    std::size_t run = 1;
    while (i + run < format.size() && format[i + run] == c) ++run;
    if (c == 'd' && run <= 2) {
      out += run == 2 ? two_digits(civil->day) : std::to_string(civil->day);
    } else if (c == 'M' && run <= 2) {
      out += run == 2 ? two_digits(civil->month) : std::to_string(civil->month);
    } else if (c == 'y' && run == 2) {
      out += two_digits(civil->year % 100);
    } else if (c == 'y' && run == 4) {
      out += std::to_string(civil->year);
    } else {
      out.append(format.substr(i, run));
    }
    i += run;
  }
  return out;
}

DecimalDigits picture_number(std::string_view text) {
  if (const auto read = read_decimal(text)) return *read;
  return {};
}

std::string short_date_format() {
  const auto named = platform::Env::current().environment("FUNKCJA_SHORT_DATE");
  return named && !named->empty() ? *named : std::string(kDefaultShortDate);
}

}  // namespace funkcja::text
