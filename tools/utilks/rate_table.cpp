#include "rate_table.hpp"

#include <cstdlib>

namespace utilks {
namespace {

bool digit(char c) {
  return c >= '0' && c <= '9';
}

int number_at(std::string_view s, std::size_t from, std::size_t count) {
  int n = 0;
  for (std::size_t i = from; i < from + count; ++i) n = n * 10 + (s[i] - '0');
  return n;
}

}  // namespace

bool valid_day(std::string_view day) {
  if (day.size() != 10 || day[4] != '-' || day[7] != '-') return false;
  for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (!digit(day[i])) return false;
  const int y = number_at(day, 0, 4), m = number_at(day, 5, 2), d = number_at(day, 8, 2);
  if (y < 1801 || m < 1 || m > 12 || d < 1) return false;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return d <= kDays[m - 1] + (m == 2 && leap ? 1 : 0);
}

bool valid_code(std::string_view code) {
  if (code.size() != 3) return false;
  for (char c : code)
    if (c < 'A' || c > 'Z') return false;
  return true;
}

bool valid_value(std::string_view value) {
  if (value.empty() || value.size() > 30) return false;
  bool point = false, nonzero = false, any_digit = false;
  for (char c : value) {
    if (c == '.') {
      if (point) return false;
      point = true;
    } else if (digit(c)) {
      any_digit = true;
      nonzero = nonzero || c != '0';
    } else {
      return false;
    }
  }
  return any_digit && nonzero && value.front() != '.' && value.back() != '.';
}

bool valid_number(std::string_view number) {
  if (number.size() > 40) return false;
  for (unsigned char c : number)
    if (c < 0x20 || c >= 0x7F || c == '\'' || c == '|' || c == '"') return false;
  return true;
}

std::optional<std::string> rate_text(const RateTable& table) {
  if (!valid_day(table.day) || !valid_number(table.number) || table.rates.empty()) return {};
  std::string text = "TABELA|" + table.number + "|" + table.day + "\n";
  for (const Rate& r : table.rates) {
    if (!valid_code(r.code) || !valid_value(r.value) || r.units < 1) return {};
    text += r.code + "|" + std::to_string(r.units) + "|" + r.value + "\n";
  }
  return text;
}

}  // namespace utilks
