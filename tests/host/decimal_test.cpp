// The exact decimal of the embedded database: reading, rounding half away from zero, sums and
// the 38-digit limit.
#include "host/sqlite/decimal.hpp"

#include <gtest/gtest.h>

namespace funkcja::sqlite {
namespace {

std::string rounded(std::string_view text, int scale) {
  const auto d = Decimal::parse(text);
  if (!d) return "unreadable";
  const auto r = d->rounded(scale);
  return r ? r->text() : "overflow";
}

TEST(Decimal, ReadsAndRoundsHalfAwayFromZero) {
  struct Case {
    std::string_view text;
    int scale;
    std::string_view expected;
  };
  const Case cases[] = {
      {"1.005", 2, "1.01"},
      {"-1.005", 2, "-1.01"},
      {"1.0049999", 2, "1.00"},
      {" +19.999 ", 2, "20.00"},
      {"0.5", 0, "1"},
      {"-0.5", 0, "-1"},
      {"-0.4", 0, "0"},
      {".125", 2, "0.13"},
      {"7.", 2, "7.00"},
      {"007", 0, "7"},
      {"1234.5678", -2, "1200"},
      {"1250", -2, "1300"},
      {"-1250", -2, "-1300"},
      {"49", -2, "0"},
      {"5", -40, "0"},
      {"99999999999999999999999999999999999999", 0, "99999999999999999999999999999999999999"},
      {"99999999999999999999999999999999999999", -1, "overflow"},
      {"9999999999999999999999999999999999999.9", 0, "10000000000000000000000000000000000000"},
      {"99999999999999999999999999999999999999.9", 0, "unreadable"},
      {"0.5", 38, "0.50000000000000000000000000000000000000"},
      {"1", 38, "overflow"},
      {"10", 37, "overflow"},
      {"0.123456789012345678901234567890123456785", 38, "0.12345678901234567890123456789012345679"},
      {"999999999999999999999999999999999999999", 0, "unreadable"},  // 39 digits
      {"", 0, "unreadable"},
      {".", 0, "unreadable"},
      {"-", 0, "unreadable"},
      {"1.2.3", 0, "unreadable"},
      {"1e3", 0, "unreadable"},
      {"1 000", 0, "unreadable"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rounded(c.text, c.scale), c.expected) << c.text << " to " << c.scale;
  }
}

TEST(Decimal, DoublesReadAsTheirFifteenSignificantDigits) {
  struct Case {
    double value;
    int scale;
    std::string_view expected;
  };
  const Case cases[] = {
      {1.005, 2, "1.01"},
      {2.675, 2, "2.68"},
      {10.0 / 3, 2, "3.33"},
      {0.1 + 0.2, 20, "0.30000000000000000000"},
      {-1e-30, 2, "0.00"},
      {1e-300, 0, "0"},
      {123456789012.345, 2, "123456789012.35"},
      {1e37, 0, "10000000000000000000000000000000000000"},
  };
  for (const Case& c : cases) {
    const auto d = Decimal::from_double(c.value);
    ASSERT_TRUE(d) << c.value;
    const auto r = d->rounded(c.scale);
    ASSERT_TRUE(r) << c.value;
    EXPECT_EQ(r->text(), c.expected) << c.value;
  }
  EXPECT_FALSE(Decimal::from_double(1e38));
  EXPECT_FALSE(Decimal::from_double(1.0 / 0.0));
}

TEST(Decimal, SumsAndConversions) {
  const auto sum = Decimal::parse("0.1")->plus(*Decimal::parse("0.2"));
  ASSERT_TRUE(sum);
  EXPECT_EQ(sum->text(), "0.3");
  const auto debit = Decimal::parse("100.005")->plus(Decimal::parse("200")->negated());
  ASSERT_TRUE(debit);
  EXPECT_EQ(debit->text(), "-99.995");
  EXPECT_TRUE(debit->is_negative());
  EXPECT_EQ(debit->rounded(2)->text(), "-100.00");
  EXPECT_EQ(debit->integer_digits(), 2);
  const auto nines = Decimal::parse("99999999999999999999999999999999999999");
  EXPECT_FALSE(nines->plus(*Decimal::parse("1")));
  EXPECT_FALSE(nines->plus(*Decimal::parse("0.1")));  // no room for the decimal
  EXPECT_EQ(Decimal::parse("12.00")->as_integer(), 12);
  EXPECT_FALSE(Decimal::parse("12.5")->as_integer());
  EXPECT_FALSE(Decimal::parse("9223372036854775808")->as_integer());
  EXPECT_EQ(Decimal::parse("-9223372036854775808")->as_integer(), INT64_MIN);
  EXPECT_EQ(Decimal::parse("3.33")->as_double(), 3.33);
  EXPECT_EQ(Decimal::parse("0.0001")->integer_digits(), 0);
  EXPECT_EQ(Decimal().text(), "0");
}

}  // namespace
}  // namespace funkcja::sqlite
