#include "ui/date_fields.hpp"

#include <array>
#include <cctype>

#include "frame/number_text.hpp"
#include "frame/text_rules.hpp"
#include "host/platform/env.hpp"

namespace funkcja::ui::dates {
namespace {

void two_digits(std::string& out, std::int32_t n) {
  out.push_back(static_cast<char>('0' + n / 10 % 10));
  out.push_back(static_cast<char>('0' + n % 10));
}

bool all_digits(std::string_view s) {
  if (s.empty()) return false;
  for (const char c : s) {
    if (std::isdigit(static_cast<unsigned char>(c)) == 0) return false;
  }
  return true;
}

// A part of a typed date: one to four digits, nothing else.
std::optional<std::int32_t> part(std::string_view s) {
  if (s.size() > 4 || !all_digits(s)) return std::nullopt;
  return text::read_int32(s).optional();
}

std::optional<std::int32_t> civil(std::int32_t year, std::int32_t month, std::int32_t day) {
  if (year < kFirstYear || year > kLastYear) return std::nullopt;
  return date::from_civil(year, month, day);
}

}  // namespace

bool in_calendar(std::int32_t day_number) {
  const auto c = date::to_civil(day_number);
  return c && c->year >= kFirstYear && c->year <= kLastYear;
}

std::string text_of(std::int32_t day_number) {
  if (!in_calendar(day_number)) return {};
  const auto c = date::to_civil(day_number);
  std::string out;
  two_digits(out, c->day);
  out.push_back('-');
  two_digits(out, c->month);
  out.push_back('-');
  two_digits(out, c->year / 100);
  two_digits(out, c->year % 100);
  return out;
}

std::optional<std::int32_t> read(std::string_view typed) {
  const std::string_view s = text::trim(typed);
  if (s.size() == 8 && all_digits(s)) {
    return civil(*part(s.substr(4, 4)), *part(s.substr(2, 2)), *part(s.substr(0, 2)));
  }
  std::array<std::string_view, 3> parts;
  std::size_t from = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::size_t end = i + 1 < parts.size() ? s.find_first_of("-./", from) : s.size();
    if (end == std::string_view::npos) return std::nullopt;
    parts[i] = s.substr(from, end - from);
    from = end + 1;
  }
  const auto day = part(parts[0]);
  const auto month = part(parts[1]);
  const auto year = part(parts[2]);
  if (!day || !month || !year || parts[2].size() != 4) return std::nullopt;
  return civil(*year, *month, *day);
}

std::optional<std::int32_t> first_of_month(std::int32_t year, std::int32_t month) {
  return civil(year, month, 1);
}

std::optional<std::int32_t> last_of_month(std::int32_t year, std::int32_t month) {
  if (month < 1 || month > 12) return std::nullopt;
  return civil(year, month, date::days_in_month(year, month));
}

std::int32_t repaired_year(std::string_view typed, std::int32_t lowest) {
  const auto year = text::read_int32(typed).optional();
  if (year && *year >= lowest && *year <= kLastYear) return *year;
  return current_year();
}

std::int32_t current_year() {
  const auto c = date::to_civil(platform::today());
  return c ? c->year : 2000;
}

}  // namespace funkcja::ui::dates
