#include "host/sqlite/decimal.hpp"

#include <charconv>
#include <cmath>

#include "frame/number_text.hpp"

namespace funkcja::sqlite {
namespace {

__extension__ using Units = __int128;

// 10^0 .. 10^38; 10^38 still fits the 128-bit coefficient (about 1.7 * 10^38).
constexpr auto kPowers = [] {
  struct Table {
    Units at[Decimal::kMaxDigits + 1];
  } t{};
  t.at[0] = 1;
  for (int i = 1; i <= Decimal::kMaxDigits; ++i) t.at[i] = t.at[i - 1] * 10;
  return t;
}();

constexpr Units power(int n) {
  return kPowers.at[n];
}
constexpr Units kLimit = power(Decimal::kMaxDigits);  // every magnitude stays below

Units magnitude(Units u) {
  return u < 0 ? -u : u;
}

// u / 10^k rounded half away from zero.
Units divide_rounded(Units u, int k) {
  if (k <= 0) return u;
  if (k > Decimal::kMaxDigits) return 0;  // |u| < 10^38 <= 10^k / 2
  const Units p = power(k);
  Units q = u / p;
  const Units r = magnitude(u % p);
  if (r >= p - r) q += u < 0 ? -1 : 1;
  return q;
}

// u * 10^k, or nothing past 38 digits.
std::optional<Units> scaled_up(Units u, int k) {
  if (k <= 0 || u == 0) return u;
  if (k > Decimal::kMaxDigits || magnitude(u) > (kLimit - 1) / power(k)) return std::nullopt;
  return u * power(k);
}

}  // namespace

std::optional<Decimal> Decimal::parse(std::string_view s) {
  const auto read = text::read_decimal(s, text::NumberRules{.tabs_are_blanks = true});
  if (!read) return std::nullopt;
  // Every magnitude stays below 10^38, whichever digit comes next.
  const auto room = [](Units units) { return units < kLimit / 10; };
  Units units = 0;
  for (const char c : read->integer) {
    if (!room(units)) return std::nullopt;  // the whole part alone is too long
    units = units * 10 + (c - '0');
  }
  int scale = 0;
  bool round_up = false;
  for (const char c : read->fraction) {
    if (!room(units) || scale == kMaxDigits) {
      round_up = c >= '5';  // the first decimal that does not fit decides
      break;
    }
    units = units * 10 + (c - '0');
    ++scale;
  }
  if (round_up && ++units == kLimit) {
    if (scale == 0) return std::nullopt;
    units /= 10;
    --scale;
  }
  return Decimal(read->negative ? -units : units, scale);
}

Decimal Decimal::from_integer(std::int64_t value) {
  return Decimal(value, 0);
}

std::optional<Decimal> Decimal::from_double(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  if (value == 0) return Decimal();
  // "-d.dddddddddddddde+XX": 15 significant digits and the power of ten of the first, in
  // the same spelling whatever the process's locale.
  char buffer[40];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  const char* p = buffer;
  const bool negative = *p == '-';
  if (negative) ++p;
  Units mantissa = 0;
  for (; *p != 'e'; ++p) {
    if (*p != '.') mantissa = mantissa * 10 + (*p - '0');
  }
  int exponent = 0;
  std::from_chars(*(p + 1) == '+' ? p + 2 : p + 1, written.ptr, exponent);
  int scale = 14 - exponent;
  Units units = negative ? -mantissa : mantissa;
  if (scale < 0) {
    const auto up = scaled_up(units, -scale);
    if (!up) return std::nullopt;
    units = *up;
    scale = 0;
  } else if (scale > kMaxDigits) {
    units = divide_rounded(units, scale - kMaxDigits);
    scale = kMaxDigits;
  }
  while (scale > 0 && units % 10 == 0) {
    units /= 10;
    --scale;
  }
  return Decimal(units, scale);
}

std::optional<Decimal> Decimal::rounded(int scale) const {
  if (scale > kMaxDigits) scale = kMaxDigits;
  if (scale >= scale_) {
    const auto up = scaled_up(units_, scale - scale_);
    if (!up) return std::nullopt;
    return Decimal(*up, scale);
  }
  const Units kept = divide_rounded(units_, scale_ - scale);
  if (scale >= 0) return Decimal(kept, scale);
  const auto whole = scaled_up(kept, -scale);  // rounded to tens, hundreds ...
  if (!whole) return std::nullopt;
  return Decimal(*whole, 0);
}

std::optional<Decimal> Decimal::plus(const Decimal& other) const {
  const int scale = scale_ > other.scale_ ? scale_ : other.scale_;
  const auto a = scaled_up(units_, scale - scale_);
  const auto b = scaled_up(other.units_, scale - other.scale_);
  if (!a || !b) return std::nullopt;
  const Units sum = *a + *b;  // both below 10^38: no overflow of 128 bits
  if (magnitude(sum) >= kLimit) return std::nullopt;
  return Decimal(sum, scale);
}

Decimal Decimal::negated() const {
  return Decimal(-units_, scale_);
}

int Decimal::integer_digits() const {
  Units whole = magnitude(units_) / power(scale_);
  int digits = 0;
  while (whole != 0) {
    whole /= 10;
    ++digits;
  }
  return digits;
}

std::optional<std::int64_t> Decimal::as_integer() const {
  if (units_ % power(scale_) != 0) return std::nullopt;
  const Units whole = units_ / power(scale_);
  if (whole > INT64_MAX || whole < INT64_MIN) return std::nullopt;
  return static_cast<std::int64_t>(whole);
}

double Decimal::as_double() const {
  const std::string spelled = text();
  double value = 0;
  std::from_chars(spelled.data(), spelled.data() + spelled.size(), value);
  return value;
}

std::string Decimal::text() const {
  std::string digits;
  for (Units m = magnitude(units_); m != 0; m /= 10) {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
  }
  const auto scale = static_cast<std::size_t>(scale_);
  if (digits.size() <= scale) digits.insert(0, scale + 1 - digits.size(), '0');
  if (scale > 0) digits.insert(digits.size() - scale, 1, '.');
  if (units_ < 0) digits.insert(0, 1, '-');
  return digits;
}

}  // namespace funkcja::sqlite
