// An exact base-10 number of up to 38 digits, as the server's decimal type holds it: a whole
// coefficient and the count of its decimals. Used where the embedded database must round or
// sum money as the server does, without a binary double in between:
//
//   Decimal::parse("1.005")->rounded(2)->text()   -> "1.01"
//   Decimal::from_double(10.0 / 3)->rounded(2)    -> 3.33 (the double's 15 significant digits)
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace funkcja::sqlite {

class Decimal {
 public:
  static constexpr int kMaxDigits = 38;

  Decimal() = default;

  // "[blanks][+|-]digits[.digits][blanks]" (digits on at least one side of the point);
  // nothing for any other text or an integer part of more than 38 digits. Decimals beyond
  // 38 digits in all are rounded away.
  static std::optional<Decimal> parse(std::string_view text);
  static Decimal from_integer(std::int64_t value);
  // The double as its 15 significant digits, the precision a double keeps for any decimal it
  // was made from; nothing for an infinity, NaN or a magnitude beyond 38 digits.
  static std::optional<Decimal> from_double(double value);

  // Rounded half away from zero to `scale` decimals (a negative scale rounds to tens,
  // hundreds ...); nothing when the result needs more than 38 digits.
  std::optional<Decimal> rounded(int scale) const;
  std::optional<Decimal> plus(const Decimal& other) const;
  Decimal negated() const;

  bool is_negative() const { return units_ < 0; }
  bool is_zero() const { return units_ == 0; }
  int scale() const { return scale_; }
  // Digits before the decimal point (0 for a magnitude below 1).
  int integer_digits() const;
  // The whole part when the number has no decimals left and fits.
  std::optional<std::int64_t> as_integer() const;
  // The nearest double.
  double as_double() const;
  // Plain notation with exactly scale() decimals: "-12.50", "0.05", "7".
  std::string text() const;

 private:
  __extension__ using Units = __int128;

  Decimal(Units units, int scale) : units_(units), scale_(scale) {}

  Units units_ = 0;  // the value is units_ / 10^scale_
  int scale_ = 0;    // 0 to 38 once normalised; negative only inside rounded()
};

}  // namespace funkcja::sqlite
