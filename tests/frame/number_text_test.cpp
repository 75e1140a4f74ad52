#include "frame/number_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace funkcja::text {
namespace {

using F = NumberFault;
constexpr NumberRules kLibrary{};

struct WholeCase {
  std::string_view text;
  NumberRules rules;
  NumberFault fault;
  std::int64_t value;
};

TEST(NumberText, WholeNumbers) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  const WholeCase cases[] = {
      {"42", kLibrary, F::kNone, 42},
      {"  -42  ", kLibrary, F::kNone, -42},
      {"+7", kLibrary, F::kNone, 7},
      {"-0", kLibrary, F::kNone, 0},
      {"007", kLibrary, F::kNone, 7},
      // one sign, directly before the digits
      {"+-5", kLibrary, F::kUnreadable, 0},
      {"--5", kLibrary, F::kUnreadable, 0},
      {"- 5", kLibrary, F::kUnreadable, 0},
      {"5-", kLibrary, F::kUnreadable, 0},
      {"+", kLibrary, F::kUnreadable, 0},
      {"-", kLibrary, F::kUnreadable, 0},
      // not whole numbers
      {"1 000", kLibrary, F::kUnreadable, 0},
      {"1.0", kLibrary, F::kUnreadable, 0},
      {"0x10", kLibrary, F::kUnreadable, 0},
      {"1e3", kLibrary, F::kUnreadable, 0},
      {"12a", kLibrary, F::kUnreadable, 0},
      // blanks: spaces, and tabs only where asked
      {"\t5\t", kLibrary, F::kUnreadable, 0},
      {"\t5 \t", kServerNumbers, F::kNone, 5},
      // empty text
      {"", kLibrary, F::kUnreadable, 0},
      {"   ", kLibrary, F::kUnreadable, 0},
      {"", kServerNumbers, F::kNone, 0},
      {" \t ", kServerNumbers, F::kNone, 0},
      // the limits of int64, and one past them
      {"9223372036854775807", kLibrary, F::kNone, kMax},
      {"-9223372036854775808", kLibrary, F::kNone, kMin},
      {"9223372036854775808", kLibrary, F::kOverflow, 0},
      {"-9223372036854775809", kLibrary, F::kOverflow, 0},
      {"00000000000000000000009223372036854775807", kLibrary, F::kNone, kMax},
      {"99999999999999999999999999", kLibrary, F::kOverflow, 0},
  };
  for (const auto& c : cases) {
    const auto read = read_whole(c.text, c.rules);
    EXPECT_EQ(read.fault, c.fault) << '"' << c.text << '"';
    if (c.fault == F::kNone) {
      EXPECT_EQ(*read, c.value) << '"' << c.text << '"';
    }
  }
}

TEST(NumberText, Int32LimitsAreStatedAsOverflow) {
  const WholeCase cases[] = {
      {"2147483647", kLibrary, F::kNone, 2147483647},
      {"-2147483648", kLibrary, F::kNone, -2147483648LL},
      {"2147483648", kLibrary, F::kOverflow, 0},
      {"-2147483649", kLibrary, F::kOverflow, 0},
      {"9223372036854775808", kLibrary, F::kOverflow, 0},
      {"2147483648x", kLibrary, F::kUnreadable, 0},
  };
  for (const auto& c : cases) {
    const auto read = read_int32(c.text, c.rules);
    EXPECT_EQ(read.fault, c.fault) << '"' << c.text << '"';
    if (c.fault == F::kNone) {
      EXPECT_EQ(*read, c.value) << '"' << c.text << '"';
    }
  }
}

struct DecimalCase {
  std::string_view text;
  NumberRules rules;
  bool readable;
  bool negative;
  std::string_view integer;
  std::string_view fraction;
};

TEST(NumberText, DecimalsAreReadExactly) {
  constexpr NumberRules kComma{.comma_is_point = true};
  const DecimalCase cases[] = {
      {" -0012.50 ", kLibrary, true, true, "12", "50"},
      {"+.5", kLibrary, true, false, "", "5"},
      {"5.", kLibrary, true, false, "5", ""},
      {"000", kLibrary, true, false, "", ""},
      {"12,5", kLibrary, false, false, "", ""},
      {"12,5", kComma, true, false, "12", "5"},
      {".", kLibrary, false, false, "", ""},
      {"-.", kLibrary, false, false, "", ""},
      {"1.2.3", kLibrary, false, false, "", ""},
      {"1 .5", kLibrary, false, false, "", ""},
      {"+-1.5", kLibrary, false, false, "", ""},
      {"1e5", kLibrary, false, false, "", ""},
      {"", kLibrary, false, false, "", ""},
      {"  ", kServerNumbers, true, false, "", ""},
  };
  for (const auto& c : cases) {
    const auto read = read_decimal(c.text, c.rules);
    ASSERT_EQ(static_cast<bool>(read), c.readable) << '"' << c.text << '"';
    if (!c.readable) continue;
    EXPECT_EQ(read->negative, c.negative) << '"' << c.text << '"';
    EXPECT_EQ(read->integer, c.integer) << '"' << c.text << '"';
    EXPECT_EQ(read->fraction, c.fraction) << '"' << c.text << '"';
  }
}

TEST(NumberText, UnitsRoundHalfAwayFromZeroAndStateOverflow) {
  struct Case {
    std::string_view text;
    int scale;
    NumberFault fault;
    std::int64_t units;
  };
  const Case cases[] = {
      {"1.005", 2, F::kNone, 101},  // 1.005 has no exact double; read in base 10
      {"-1.005", 2, F::kNone, -101},
      {"1.00499", 2, F::kNone, 100},
      {"0.5", 0, F::kNone, 1},
      {"-0.5", 0, F::kNone, -1},
      {"12.5", 4, F::kNone, 125000},
      {"7", 3, F::kNone, 7000},
      {"922337203685477.5807", 4, F::kNone, std::numeric_limits<std::int64_t>::max()},
      {"-922337203685477.5808", 4, F::kNone, std::numeric_limits<std::int64_t>::min()},
      {"922337203685477.5808", 4, F::kOverflow, 0},
      {"922337203685477.9999", 4, F::kOverflow, 0},
      {"9223372036854775807.5", 0, F::kOverflow, 0},  // the rounding step overflows
      {"1", 19, F::kOverflow, 0},
  };
  for (const auto& c : cases) {
    const auto read = read_decimal(c.text);
    ASSERT_TRUE(read) << c.text;
    const auto units = to_units(*read, c.scale);
    EXPECT_EQ(units.fault, c.fault) << c.text;
    if (c.fault == F::kNone) {
      EXPECT_EQ(*units, c.units) << c.text;
    }
  }
}

TEST(NumberText, RealNumbers) {
  struct Case {
    std::string_view text;
    NumberRules rules;
    NumberFault fault;
    double value;
  };
  const Case cases[] = {
      {" 1.5 ", kLibrary, F::kNone, 1.5},
      {"+2", kLibrary, F::kNone, 2},
      {"-.25", kLibrary, F::kNone, -0.25},
      {"5.", kLibrary, F::kNone, 5},
      {"1e3", kLibrary, F::kNone, 1000},
      {"1.5E-2", kLibrary, F::kNone, 0.015},
      {"2,5", NumberRules{.comma_is_point = true}, F::kNone, 2.5},
      {"", kServerNumbers, F::kNone, 0},
      {"1e", kLibrary, F::kUnreadable, 0},
      {"e5", kLibrary, F::kUnreadable, 0},
      {"+-1", kLibrary, F::kUnreadable, 0},
      {"inf", kLibrary, F::kUnreadable, 0},
      {"-infinity", kLibrary, F::kUnreadable, 0},
      {"nan", kLibrary, F::kUnreadable, 0},
      {"0x1p3", kLibrary, F::kUnreadable, 0},
      {"1e999", kLibrary, F::kOverflow, 0},
  };
  for (const auto& c : cases) {
    const auto read = read_real(c.text, c.rules);
    EXPECT_EQ(read.fault, c.fault) << '"' << c.text << '"';
    if (c.fault == F::kNone) {
      EXPECT_DOUBLE_EQ(*read, c.value) << '"' << c.text << '"';
    }
  }
}

}  // namespace
}  // namespace funkcja::text
