#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "calendar_dialogs_fixture.hpp"
#include "frame/cp_literal.hpp"
#include "host/dane/requests.hpp"
#include "ui/calendar_windows.hpp"
#include "ui/month_grid.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
using testing::day;

constexpr std::int32_t kMonthList = 2;
constexpr std::int32_t kYearField = 3;
constexpr std::int32_t kGrid = 5;
constexpr std::int32_t kTodayButton = 6;
constexpr std::int32_t kCloseButton = 7;

TEST(MonthGrid, WeeksStartOnMondayAndOnlyAnEmptySixthWeekIsDropped) {
  struct Case {
    std::int32_t date;
    std::size_t weeks;
    Week first;
    Week last;
    std::int32_t row, column;
  };
  const Case cases[] = {
      // May 2017 starts on a Monday.
      {day(2017, 5, 17), 5, {1, 2, 3, 4, 5, 6, 7}, {29, 30, 31, 0, 0, 0, 0}, 3, 3},
      // January 2017 starts on a Sunday: six blanks, then six weeks.
      {day(2017, 1, 1), 6, {0, 0, 0, 0, 0, 0, 1}, {30, 31, 0, 0, 0, 0, 0}, 1, 7},
      // February 2021: four full weeks; the fifth stays, empty, and only the sixth goes.
      {day(2021, 2, 28), 5, {1, 2, 3, 4, 5, 6, 7}, {0, 0, 0, 0, 0, 0, 0}, 4, 7},
      // February 2016 (leap year) ends on Monday the 29th.
      {day(2016, 2, 29), 5, {1, 2, 3, 4, 5, 6, 7}, {29, 0, 0, 0, 0, 0, 0}, 5, 1},
      {day(9999, 12, 31), 5, {0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0}, 5, 5},
      {day(1801, 1, 1), 5, {0, 0, 0, 1, 2, 3, 4}, {26, 27, 28, 29, 30, 31, 0}, 1, 4},
  };
  for (const Case& c : cases) {
    const MonthGrid g = build_month_grid(c.date);
    ASSERT_EQ(g.weeks.size(), c.weeks) << c.date;
    if (c.date != day(9999, 12, 31)) {
      EXPECT_EQ(g.weeks.front(), c.first) << c.date;
      EXPECT_EQ(g.weeks.back(), c.last) << c.date;
    }
    EXPECT_EQ(g.row, c.row) << c.date;
    EXPECT_EQ(g.column, c.column) << c.date;
    EXPECT_EQ(g.weeks[c.row - 1][c.column - 1], date::to_civil(c.date)->day) << c.date;
  }
  EXPECT_TRUE(build_month_grid(0).weeks.empty());
  EXPECT_TRUE(build_month_grid(date::last_day() + 1).weeks.empty());
}

using Calendar = testing::CalendarDialogs;

TEST_F(Calendar, KeyboardAndMousePathsChooseTheRightDay) {
  struct Case {
    std::int32_t given;
    std::vector<std::string> actions;
    std::int32_t chosen;
  };
  const std::vector<std::string> year_1700 = {"select 3",      "key Backspace", "key Backspace",
                                              "key Backspace", "key Backspace", "type 1700",
                                              "key Enter",     "key F10"};
  const Case cases[] = {
      {day(2017, 3, 15), {}, day(2017, 3, 15)},
      {day(2017, 3, 15), {"key Esc"}, day(2017, 3, 15)},
      {day(2017, 3, 15), {"mouse 7"}, day(2017, 3, 15)},
      {day(2017, 3, 15), {"key Enter"}, day(2017, 3, 15)},
      {day(2017, 3, 15), {"key Right", "key F10"}, day(2017, 3, 16)},
      {day(2017, 3, 15), {"key Up", "key Up", "key Enter"}, day(2017, 3, 1)},
      // Arrows cross month and year ends.
      {day(2016, 12, 31), {"key Right", "key Enter"}, day(2017, 1, 1)},
      {day(2017, 1, 1), {"key Left", "key Enter"}, day(2016, 12, 31)},
      {day(2017, 1, 3), {"key Up", "key Enter"}, day(2016, 12, 27)},
      {day(2016, 2, 28), {"key Down", "key Enter"}, day(2016, 3, 6)},
      {day(2016, 2, 22), {"key Down", "key Enter"}, day(2016, 2, 29)},
      {day(1801, 1, 1), {"key Left", "key Enter"}, day(1801, 1, 1)},
      // Next and previous month keep the day when the month has it, else the 1st.
      {day(2017, 1, 31), {"key Shift+Right", "key Enter"}, day(2017, 2, 1)},
      {day(2017, 1, 15), {"click >>", "key F10"}, day(2017, 2, 15)},
      {day(2016, 12, 15), {"click >>", "key F10"}, day(2017, 1, 15)},
      {day(2017, 1, 15), {"key Shift+Left", "key F10"}, day(2016, 12, 15)},
      {day(2017, 3, 31), {"click <<", "key F10"}, day(2017, 2, 1)},
      // The mouse: a double click chooses; a blank cell is refused.
      {day(2017, 1, 15), {"double 3 4"}, day(2017, 1, 12)},
      {day(2017, 1, 15), {"double 1 1", "key Esc"}, day(2017, 1, 15)},
      {day(2017, 1, 15), {"choose 1 1", "key F10"}, day(2017, 1, 15)},
      {day(2017, 1, 15), {"choose 6 2", "key Enter"}, day(2017, 1, 31)},
      // The month list and the year field show the 1st of the month.
      {day(2017, 1, 15), {"select 2", "choose 5", "key F10"}, day(2017, 5, 1)},
      {day(2017, 8, 15), year_1700, day(2026, 8, 1)},
      // Today: Ctrl+D and the today button.
      {day(2017, 1, 15), {"key Ctrl+D"}, day(2026, 12, 7)},
      {day(2017, 1, 15), {"mouse 6"}, day(2026, 12, 7)},
      // A date that is no date opens at today and still returns 0 when closed.
      {0, {"key Esc"}, 0},
      {-5, {"key Enter"}, day(2026, 12, 7)},
  };
  for (const Case& c : cases) {
    script(c.actions);
    EXPECT_EQ(KALENDARZ(0, 0, std::to_string(c.given)), std::to_string(c.chosen))
        << c.given << " " << ::testing::PrintToString(c.actions);
  }
}

TEST_F(Calendar, TypedJunkInTheYearNeverLeavesTheCalendar) {
  const std::string junk[] = {"abc",  "0",     "99999", "-12", std::string(200, '7'),
                              "1800", "10000", "2x17"};
  for (const std::string& j : junk) {
    script({"select 3", "type " + j, "key Tab", "select 5", "key F10"});
    const std::string chosen = KALENDARZ(0, 0, std::to_string(day(2017, 6, 15)));
    const std::int32_t d = std::stoi(chosen);
    EXPECT_GE(d, day(1801, 1, 1)) << j;
    EXPECT_LE(d, day(9999, 12, 31)) << j;
    EXPECT_EQ(d, day(2026, 6, 1)) << j;  // "2017" followed by junk is no year: today's year
  }
}

TEST_F(Calendar, OpensNextToTheFieldShowsTodayAndRemembersItsPlace) {
  library().own_settings().UPDATE("Kalendarz", {{"XPos", "300"}, {"YPos", "200"}});
  struct Case {
    std::int32_t x, y;
    std::int32_t shown_x, shown_y;
  };
  const Case cases[] = {{100, 50, 102, 50},
                        {0, 0, 300, 200},
                        {0, 75, 300, 75},
                        {INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN},
                        {-2, -1, 0, -1}};
  for (const Case& c : cases) {
    script({"key Esc"});
    KALENDARZ(c.x, c.y, std::to_string(day(2017, 3, 15)));
    const WindowSnapshot s = last_of("Kalendarz");
    EXPECT_EQ(s.rect.x, c.shown_x);
    EXPECT_EQ(s.rect.y, c.shown_y);
    EXPECT_EQ(library().own_settings().FETCH("Kalendarz", "XPos"), std::to_string(c.shown_x));
    library().own_settings().UPDATE("Kalendarz", {{"XPos", "300"}, {"YPos", "200"}});
  }
  script({"key Esc"});
  KALENDARZ(0, 0, std::to_string(day(2017, 3, 15)));
  const WindowSnapshot s = last_of("Kalendarz");
  // 7 December 2026 is a Monday, as the database numbers it.
  EXPECT_EQ(s.control(kTodayButton)->text, "Poniedziałek 07-12-2026"_cp);
  EXPECT_EQ(s.control(kTodayButton)->font.color, 0x0282BF);
  EXPECT_EQ(s.control(kMonthList)->selected, 3);
  EXPECT_EQ(s.control(kYearField)->text, "2017");
  EXPECT_EQ(s.control(kGrid)->columns.at(2), "Ś"_cp);
  EXPECT_EQ(s.control(kGrid)->selected_bg, kColorDarkGrey);
  EXPECT_EQ(s.control(kMonthList)->selected_bg, kColorLightGrey);
  EXPECT_EQ(s.control(kCloseButton)->tooltip, "Zamknij /Esc/");
}

TEST_F(Calendar, TodayButtonNamesTheWeekdayTheDatabaseGives) {
  struct Case {
    std::int32_t today;
    std::string label;
  };
  const Case cases[] = {{day(2017, 3, 2), std::string("Czwartek 02-03-2017")},
                        {day(2017, 3, 4), std::string("Sobota 04-03-2017")},
                        {day(2017, 3, 5), std::string("Niedziela 05-03-2017")},
                        {day(1900, 1, 1), std::string("Poniedziałek 01-01-1900"_cp)},
                        {day(1899, 12, 31), std::string("Niedziela 31-12-1899")}};
  for (const Case& c : cases) {
    platform::ScopedEnv clock(
        std::make_unique<testing::FixedClock>(platform::Env::headless(), c.today));
    script({"key Ctrl+D"});
    EXPECT_EQ(KALENDARZ(0, 0, "82000"), std::to_string(c.today));
    EXPECT_EQ(last_of("Kalendarz").control(kTodayButton)->text, c.label);
  }
}

TEST_F(Calendar, DayNumberIsShownAndCopied) {
  struct Case {
    std::string key;
    bool copied;
  };
  const Case cases[] = {{"key Ctrl+Alt+D", false}, {"key Ctrl+Alt+C", true}};
  for (const Case& c : cases) {
    platform::Env::current().set_clipboard_text("");
    script({c.key, "key Esc"});
    KALENDARZ(0, 0, std::to_string(day(2017, 3, 2)));
    const auto boxes = platform::headless_message_box().shown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("02-03-2017"), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("78957"), std::string::npos) << boxes[0].text;
    EXPECT_EQ(boxes[0].text.find("schowka") != std::string::npos, c.copied);
    EXPECT_EQ(platform::Env::current().clipboard_text(), c.copied ? "78957" : "");
  }
}

TEST_F(Calendar, Kalendarz1ReportsItIsUnfinishedAndCancelsTheRequest) {
  dane::thread_requests() = {0, 1, 0, key::kF10};
  KALENDARZ1();
  EXPECT_NE(library().errors().last_error().find("Kalendarz1"), std::string::npos);
  EXPECT_TRUE(headless_driver().history().empty());
  EXPECT_EQ(dane::thread_requests().global_response, dane::kRequestCancelled);
  EXPECT_EQ(dane::thread_requests().pending_keycode, 0);
  // Another thread's request objects are its own.
  std::thread([] { EXPECT_EQ(dane::thread_requests().global_response, 0); }).join();
}

}  // namespace
}  // namespace funkcja::ui
