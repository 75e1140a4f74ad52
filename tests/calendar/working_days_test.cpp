#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "calendar/holidays.hpp"
#include "frame/cp_literal.hpp"
#include "frame/standard_date.hpp"
#include "funkcja/calendar.hpp"
#include "funkcja/funkcja.h"

namespace funkcja {
namespace {

using namespace funkcja::literals;

std::int32_t day(std::int32_t y, std::int32_t m, std::int32_t d) {
  return date::from_civil(y, m, d).value();
}

TEST(Easter, Sundays) {
  const struct {
    std::int32_t year, month, day;
  } rows[] = {{2008, 3, 23}, {2016, 3, 27}, {2017, 4, 16}, {2019, 4, 21}, {2038, 4, 25},
              {2285, 3, 22}, {1818, 3, 22}, {1943, 4, 25}, {2000, 4, 23}, {2026, 4, 5}};
  for (const auto& r : rows) {
    EXPECT_EQ(PODAJDATEWIELKANOCY(r.year), day(r.year, r.month, r.day)) << r.year;
  }
  for (std::int32_t y = 1801; y <= 9999; ++y) {
    const std::int32_t e = PODAJDATEWIELKANOCY(y);
    ASSERT_EQ(date::weekday(e), 0) << y;
    ASSERT_TRUE(e >= day(y, 3, 22) && e <= day(y, 4, 25)) << y;
  }
  for (const std::int32_t y : {0, -1, 99, 1800, 10000, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(PODAJDATEWIELKANOCY(y), 0) << y;
  }
}

TEST(WorkingDays, Table) {
  struct {
    std::int32_t date;
    int working, sunday_or_holiday;
  } const rows[] = {
      {day(2017, 4, 17), 0, 1},  // Easter Monday
      {day(2017, 6, 15), 0, 1},  // Corpus Christi, a Thursday
      {day(2017, 4, 18), 1, 0},
      {day(2017, 5, 6), 0, 0},    // a plain Saturday
      {day(2021, 5, 1), 0, 1},    // a Saturday that is a holiday
      {day(2017, 4, 16), 0, 1},   // Easter Sunday: a Sunday
      {day(2024, 12, 24), 1, 0},  // Christmas Eve, a Tuesday, before it became a day off
      {day(2025, 12, 24), 0, 1},
      {day(2026, 12, 24), 0, 1},
      {day(2026, 12, 23), 1, 0},
      {day(1990, 12, 24), 1, 0},
      {1, 1, 0},  // 29 December 1800, a Monday
      {0, 0, 1},  // no date; day 0 counts as a Sunday
      {-1, 0, 0},
      {-7, 0, 1},
      {INT32_MIN, 0, 0},
      {date::last_day(), 1, 0},      // Friday 31 December 9999
      {date::last_day() + 3, 0, 0},  // a Monday past the calendar
      {INT32_MAX, 0, 0}};
  for (const auto& r : rows) {
    EXPECT_EQ(ISDZIENROBOCZY(r.date), r.working) << r.date;
    EXPECT_EQ(ISNIEDZIELALUBSWIETO(r.date), r.sunday_or_holiday) << r.date;
  }
}

TEST(LastWorkingDay, Table) {
  struct {
    std::int32_t date, expected;
  } const rows[] = {{day(2017, 5, 4), day(2017, 5, 2)},
                    {day(2017, 1, 2), day(2016, 12, 30)},
                    {day(2017, 5, 5), day(2017, 5, 4)},  // the date itself is never the answer
                    {day(2024, 12, 27), day(2024, 12, 24)},
                    {day(2026, 12, 28), day(2026, 12, 23)},
                    {day(2025, 12, 29), day(2025, 12, 23)},
                    {5, 3},  // 2 January 1801: 1 January is a holiday, 31 December 1800 a Wednesday
                    {1, 0},
                    {0, -1},
                    {-100, -101},
                    {INT32_MIN, INT32_MIN},
                    {date::last_day() + 1, date::last_day()},
                    {INT32_MAX, date::last_day()}};
  for (const auto& r : rows) EXPECT_EQ(PODAJOSTATNIDZIENROBOCZY(r.date), r.expected) << r.date;
}

// Eleven holidays a year, twelve from 2025 (they never share a day), 6 January in every year,
// and the last working day agrees with the working days themselves.
TEST(LastWorkingDay, AgreesWithTheWorkingDaysBetween1801And2400) {
  std::int32_t last_working = 3;
  for (std::int32_t y = 1801; y <= 2400; ++y) {
    int holidays = 0;
    ASSERT_EQ(ISNIEDZIELALUBSWIETO(day(y, 1, 6)) * 2 + ISDZIENROBOCZY(day(y, 1, 6)), 2) << y;
    for (std::int32_t d = day(y, 1, 1); d <= day(y, 12, 31); ++d) {
      holidays += calendar::is_public_holiday(*date::to_civil(d));
      ASSERT_EQ(PODAJOSTATNIDZIENROBOCZY(d), last_working) << d;
      const bool working = ISDZIENROBOCZY(d) == 1;
      ASSERT_NE(working, ISNIEDZIELALUBSWIETO(d) == 1 || date::weekday(d) == 6) << d;
      if (working) last_working = d;
    }
    ASSERT_EQ(holidays, y >= 2025 ? 12 : 11) << y;
  }
}

TEST(MonthName, Table) {
  struct {
    std::int32_t month, year;
    std::string_view expected;
  } const rows[] = {{10, 0, "Październik"_cp},
                    {5, 2017, "Maj 2017"},
                    {1, 9999, "Styczeń 9999"_cp},
                    {13, 2017, " 2017"},
                    {0, 0, ""},
                    {-1, -1, " -1"},
                    {12, INT32_MIN, "Grudzień -2147483648"_cp},
                    {INT32_MAX, 0, ""}};
  for (const auto& r : rows) EXPECT_EQ(NAZWA_MIESIACA(r.month, r.year), r.expected) << r.month;
}

TEST(Calendar, CInterface) {
  EXPECT_EQ(::ISDZIENROBOCZY(day(2026, 12, 24)), 0);
  EXPECT_EQ(::PODAJDATEWIELKANOCY(2017), day(2017, 4, 16));
  const fk_text name = ::NAZWA_MIESIACA(5, 2017);
  EXPECT_EQ(std::string_view(name.ptr, name.len), "Maj 2017");
  EXPECT_NE(funkcja_find_procedure("PODAJOSTATNIDZIENROBOCZY"), nullptr);
}

}  // namespace
}  // namespace funkcja
