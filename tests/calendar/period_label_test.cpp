#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "frame/cp_literal.hpp"
#include "frame/standard_date.hpp"
#include "funkcja/calendar.hpp"
#include "funkcja/calendar_windows.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;

std::int32_t day(std::int32_t y, std::int32_t m, std::int32_t d) {
  return date::from_civil(y, m, d).value();
}

TEST(PeriodLabel, NamesEachKindOfCode) {
  struct Case {
    std::int32_t code;
    std::uint8_t numeric;
    std::string_view label;
  };
  const Case cases[] = {
      {78957, 0, "Marzec 2017"},  // 2 March 2017
      {78957, 1, "3 - 2017"},
      {79258, 0, "BZ 2017"},  // 28 December 2017
      {day(2017, 1, 1), 0, "BO 2017"},
      {day(2017, 1, 1), 1, "BO 2017"},
      {day(2017, 10, 2), 0, "Październik 2017"_cp},
      {day(2017, 10, 2), 2, "Październik 2017"_cp},
      {day(2017, 12, 2), 1, "12 - 2017"},
      {day(2017, 3, 28), 0, "BZ 2017"},
      {day(2017, 3, 15), 0, " 2017"},
      {day(1801, 1, 1), 0, "BO 1801"},
      {day(9999, 12, 28), 0, "BZ 9999"},
      {0, 0, ""},
      {-1, 0, ""},
      {date::last_day() + 1, 0, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(INFOKRES(c.code, c.numeric), c.label) << c.code;
}

// Every code of every month of 1801..9999 agrees with the month names of the calendar module.
TEST(PeriodLabel, AgreesWithTheCalendarOverTheWholeRange) {
  for (std::int32_t y = 1801; y <= 9999; ++y) {
    const std::string year = std::to_string(y);
    for (std::int32_t m = 1; m <= 12; ++m) {
      ASSERT_EQ(INFOKRES(day(y, m, 1), 0), "BO " + year);
      ASSERT_EQ(INFOKRES(day(y, m, 28), 1), "BZ " + year);
      ASSERT_EQ(INFOKRES(day(y, m, 2), 0), NAZWA_MIESIACA(m, y));
      ASSERT_EQ(INFOKRES(day(y, m, 2), 1), std::to_string(m) + " - " + year);
      ASSERT_EQ(INFOKRES(day(y, m, 3 + (y + m) % 25), 0), " " + year);
    }
  }
}

}  // namespace
}  // namespace funkcja
