// Values given as text, formatted for display.
//
//   FORMATKWOTA("1234567.891") -> "       1 234 567,89"   (19 characters)
//   FORMATKWOTA("-1234.5")     -> "          -1 234,50"
//   FORMATDATA("82522")        -> "05-12-2026"
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>

#include "frame/number_text.hpp"
#include "frame/standard_date.hpp"
#include "frame/text_rules.hpp"
#include "text/procedures.hpp"

namespace funkcja::text {
namespace {

constexpr std::size_t kAmountWidth = 19;
constexpr std::size_t kDateWidth = 10;
// The amount is held with 15 digits, 2 of them decimals.
constexpr std::size_t kAmountIntegerDigits = 13;

// "1 234 567,89" with a leading "-" for a negative amount.
std::string amount_text(std::int64_t hundredths) {
  const bool negative = hundredths < 0;
  // The magnitude as unsigned, so that no value overflows on negation.
  std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(hundredths)
                                     : static_cast<std::uint64_t>(hundredths);
  // Built backwards: two decimals, the comma, then the integer digits in groups of three.
  char reversed[40];
  std::size_t n = 0;
  reversed[n++] = static_cast<char>('0' + magnitude % 10);
  magnitude /= 10;
  reversed[n++] = static_cast<char>('0' + magnitude % 10);
  magnitude /= 10;
  reversed[n++] = ',';
  int in_group = 0;
  do {
    if (in_group == 3) {
      reversed[n++] = ' ';
      in_group = 0;
    }
    reversed[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
    ++in_group;
  } while (magnitude != 0);
  if (negative) reversed[n++] = '-';
  return std::string(std::make_reverse_iterator(reversed + n),
                     std::make_reverse_iterator(reversed));
}

void append_two_digits(std::string& out, std::int32_t value) {
  out.push_back(static_cast<char>('0' + value / 10));
  out.push_back(static_cast<char>('0' + value % 10));
}

// The day, month and year of a standard date written in text; nothing for unreadable text,
// 0, and days outside the calendar.
std::optional<date::Civil> read_date(std::string_view day_number) {
  const auto read = text::read_decimal(day_number);
  if (!read) return std::nullopt;
  text::DecimalDigits whole = *read;  // the day number is cut toward zero
  whole.fraction = {};
  const auto day = text::to_units(whole, 0);
  if (!day || *day < INT32_MIN || *day > INT32_MAX) return std::nullopt;
  return date::to_civil(static_cast<std::int32_t>(*day));
}

}  // namespace

std::string FORMATKWOTA(std::string_view number) {
  std::int64_t hundredths = 0;
  // Read in base 10, so that 0.005 rounds to 0.01 and 1.005 to 1.01 as a person expects.
  if (const auto read = text::read_decimal(number)) {
    if (read->integer.size() > kAmountIntegerDigits) return std::string(kAmountWidth, '#');
    hundredths = *text::to_units(*read, 2);  // 15 digits always fit
  }
  const std::string amount = amount_text(hundredths);
  // A cut amount would show a different number: one that does not fit shows as "#".
  if (amount.size() > kAmountWidth) return std::string(kAmountWidth, '#');
  return std::string(kAmountWidth - amount.size(), text::kBlank) + amount;
}

std::string FORMATDATA(std::string_view day_number) {
  const auto civil = read_date(day_number);
  if (!civil) return std::string(kDateWidth, text::kBlank);
  std::string out;
  out.reserve(kDateWidth);
  append_two_digits(out, civil->day);
  out.push_back('-');
  append_two_digits(out, civil->month);
  out.push_back('-');
  append_two_digits(out, civil->year / 100);
  append_two_digits(out, civil->year % 100);
  return out;
}

}  // namespace funkcja::text
