// The display pictures: whole numbers, grouped numbers with a decimal comma or period, dates.
#include "text/picture.hpp"

#include <gtest/gtest.h>

#include <string>

namespace funkcja::text {
namespace {

DecimalDigits number(std::string_view s) {
  const auto read = read_decimal(s);
  EXPECT_TRUE(read) << s;
  return *read;
}

TEST(Picture, WholeNumbers) {
  struct Case {
    std::string_view in, out;
  } const cases[] = {
      {"0", "0"},
      {"1234.5", "1235"},  // half away from zero
      {"-1234.5", "-1235"},
      {"-0.4", "0"},  // no minus on a zero
      {"  42 ", "42"},
      {"1234567890123456", "1234567890123456"},
      {"12345678901234567", "################"},  // 17 characters do not fit
      {"-123456789012345", "-123456789012345"},
      {"-1234567890123456", "################"},
      {"99999999999999999999999", "################"},  // beyond int64
  };
  for (const auto& c : cases) EXPECT_EQ(picture_whole(number(c.in)), c.out) << c.in;
}

TEST(Picture, GroupedNumbers) {
  struct Case {
    std::string_view in;
    int places;
    DecimalMark mark;
    std::string_view out;
  } const cases[] = {
      {"1234.5", 2, DecimalMark::kComma, "1 234,50"},
      {"1234.5", 2, DecimalMark::kPeriod, "1 234.50"},
      {"-1234567.891", 2, DecimalMark::kComma, "-1 234 567,89"},
      {"0.005", 2, DecimalMark::kComma, "0,01"},
      {"-0.004", 2, DecimalMark::kComma, "0,00"},
      {"999.9995", 3, DecimalMark::kComma, "1 000,000"},
      {"12.5", 4, DecimalMark::kComma, "12,5000"},
      {"3.14159265358", 8, DecimalMark::kPeriod, "3.14159265"},
      {"100", 2, DecimalMark::kComma, "100,00"},
      {"1000", 2, DecimalMark::kComma, "1 000,00"},
      {"12345678901.5", 2, DecimalMark::kComma, "################"},  // 17 characters
      {"1234567890.5", 2, DecimalMark::kComma, "1 234 567 890,50"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(picture_grouped(number(c.in), c.places, c.mark), c.out) << c.in << " " << c.places;
  }
}

TEST(Picture, Dates) {
  struct Case {
    std::int32_t day;
    std::string_view format, out;
  } const cases[] = {
      {82524, "dd.MM.yyyy", "07.12.2026"},
      {82247, "dd.MM.yyyy", "05.03.2026"},
      {82247, "d.M.yy", "5.3.26"},
      {72746, "yyyy-MM-dd", "2000-02-29"},
      {82524, "MM/dd/yyyy", "12/07/2026"},
      {0, "dd.MM.yyyy", ""},   // no date
      {-5, "dd.MM.yyyy", ""},  // before the calendar
  };
  for (const auto& c : cases) EXPECT_EQ(picture_date(c.day, c.format), c.out) << c.day;
}

TEST(Picture, TextThatIsNoNumberCountsAsZero) {
  for (const std::string_view s : {"", "abc", "1 000", "12,5"}) {
    EXPECT_EQ(picture_whole(picture_number(s)), "0") << s;
  }
  EXPECT_EQ(short_date_format(), "dd.MM.yyyy");
}

}  // namespace
}  // namespace funkcja::text
