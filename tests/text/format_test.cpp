// Amounts and dates formatted from text.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "frame/standard_date.hpp"
#include "funkcja/filters.hpp"

namespace {

std::string right19(std::string_view s) {
  return std::string(19 - s.size(), ' ') + std::string(s);
}

struct Case {
  std::string_view input;
  std::string_view expected;
};

TEST(FormatKwota, GroupsSignAndTwoDecimals) {
  const Case cases[] = {{"1234567.891", "1 234 567,89"},
                        {"-1234.5", "-1 234,50"},
                        {"0", "0,00"},
                        {"0.5", "0,50"},
                        {".5", "0,50"},
                        {"5.", "5,00"},
                        {"+12", "12,00"},
                        {"999", "999,00"},
                        {"1000", "1 000,00"},
                        {"-100000", "-100 000,00"},
                        {"  42.1  ", "42,10"},
                        {"0000000000000000000000012.30", "12,30"},
                        {"1.2300000000000000000000000009", "1,23"}};
  for (const auto& c : cases) {
    const std::string out = funkcja::FORMATKWOTA(c.input);
    EXPECT_EQ(out, right19(c.expected)) << c.input;
    EXPECT_EQ(out.size(), 19u);
  }
}

TEST(FormatKwota, RoundsHalfAwayFromZeroInDecimal) {
  // Values a binary double holds just below the half: exact decimal rounding goes up.
  const Case cases[] = {{"1.005", "1,01"},       {"2.675", "2,68"},   {"1.015", "1,02"},
                        {"0.285", "0,29"},       {"-1.005", "-1,01"}, {"-2.675", "-2,68"},
                        {"0.004999", "0,00"},    {"0.005", "0,01"},   {"-0.005", "-0,01"},
                        {"-0.004", "0,00"},      {"-0", "0,00"},      {"9.995", "10,00"},
                        {"999.999", "1 000,00"}, {"1.9949", "1,99"}};
  for (const auto& c : cases)
    EXPECT_EQ(funkcja::FORMATKWOTA(c.input), right19(c.expected)) << c.input;
}

TEST(FormatKwota, UnreadableTextIsZero) {
  for (const std::string_view bad : {"", "   ", "abc", "1,5", "1.2.3", "12a", "- 5", "--5", "1e3",
                                     ".", "-", "+", "0x10", "1 000"}) {
    EXPECT_EQ(funkcja::FORMATKWOTA(bad), right19("0,00")) << bad;
  }
  EXPECT_EQ(funkcja::FORMATKWOTA(std::string_view("12\0", 3)), right19("0,00"));
}

TEST(FormatKwota, WidthBoundary) {
  const std::string overflow(19, '#');
  const Case cases[] = {
      {"999999999999.99", "999 999 999 999,99"},    // 18 characters
      {"-999999999999.99", "-999 999 999 999,99"},  // exactly 19
      {"-999999999999.994", "-999 999 999 999,99"}  // rounds down, still fits
  };
  for (const auto& c : cases)
    EXPECT_EQ(funkcja::FORMATKWOTA(c.input), right19(c.expected)) << c.input;
  // Too wide for 19 characters, or beyond the 13 integer digits the amount holds: never a cut
  // (which would show another number), always the overflow mark.
  for (const std::string_view wide :
       {"999999999999.995", "-999999999999.995", "1000000000000", "-1000000000000",
        "9999999999999.99", "99999999999999", "123456789012345678901234567890"}) {
    EXPECT_EQ(funkcja::FORMATKWOTA(wide), overflow) << wide;
  }
}

TEST(FormatData, DayMonthYear) {
  const std::string blank(10, ' ');
  const Case cases[] = {{"1", "29-12-1800"},       {"4", "01-01-1801"},
                        {"36163", "01-01-1900"},   {"72746", "29-02-2000"},
                        {"82522", "05-12-2026"},   {" 82522 ", "05-12-2026"},
                        {"82522.9", "05-12-2026"},  // the whole part
                        {"+4", "01-01-1801"}};
  for (const auto& c : cases) EXPECT_EQ(funkcja::FORMATDATA(c.input), c.expected) << c.input;
  const std::string last = std::to_string(funkcja::date::last_day());
  EXPECT_EQ(funkcja::FORMATDATA(last), "31-12-9999");
  const std::string past = std::to_string(funkcja::date::last_day() + 1);
  for (const std::string_view none :
       {std::string_view(""), std::string_view("0"), std::string_view("   "),
        std::string_view("0.7"), std::string_view("-1"), std::string_view("-36163"),
        std::string_view("abc"), std::string_view("2147483648"), std::string_view("99999999999"),
        std::string_view(past)}) {
    EXPECT_EQ(funkcja::FORMATDATA(none), blank) << none;
  }
}

}  // namespace
