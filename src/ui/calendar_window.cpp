// KALENDARZ: a month calendar next to the field it serves. The grid shows one month, Monday
// first; the user moves by month (<<, >>, Shift+Left/Right), by year (the year field), by day
// (the arrows, across month and year ends), jumps to today (Ctrl+D or the today button, which
// names today's weekday and date) and chooses a day with Enter, F10 or a double click. Esc
// returns the date it was given.
#include <algorithm>
#include <optional>
#include <string>

#include "calendar/procedures.hpp"
#include "frame/cp_literal.hpp"
#include "frame/number_text.hpp"
#include "frame/standard_date.hpp"
#include "frame/text_rules.hpp"
#include "host/dane/requests.hpp"
#include "host/dane/tables.hpp"
#include "host/gateway.hpp"
#include "host/lifecycle.hpp"
#include "host/platform/env.hpp"
#include "host/sql_text.hpp"
#include "ui/calendar_windows.hpp"
#include "ui/date_fields.hpp"
#include "ui/key_navigator.hpp"
#include "ui/list_colours.hpp"
#include "ui/month_grid.hpp"
#include "ui/procedures.hpp"
#include "ui/window.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;
namespace ct = control_type;

constexpr std::int32_t kTodayColour = 0x0282BF;  // red 2, green 130, blue 191
constexpr std::int32_t kLetterC = 'C';
constexpr std::int32_t kLetterD = 'D';
constexpr std::int32_t kNotImplemented = 27;

// The day name by the database's weekday number, Monday = 1; anything else is Sunday.
std::string day_name(std::int32_t weekday) {
  static constexpr std::string_view kNames[] = {"Poniedziałek"_cp, "Wtorek",    "Środa"_cp,
                                                "Czwartek",        "Piątek"_cp, "Sobota"};
  return std::string(weekday >= 1 && weekday <= 6 ? kNames[weekday - 1] : "Niedziela");
}

// Today's weekday as the database numbers it.
std::int32_t database_weekday(std::int32_t today) {
  sql::Statement s("select datepart(dw,convert(datetime,");
  s.number(today - date::kFirstOf1900).text("))");
  dane::QueryTable& t = dane::thread_tables().ZAPYTANIESQL;
  gateway::send(t, s);
  // Its first column is a number; a failed statement leaves it 0.
  const std::int32_t weekday = gateway::next(t) ? t.field(1).as_int32() : 0;
  t.close();
  return weekday;
}

class CalendarWindow : public Window {
 public:
  CalendarWindow(std::int32_t x, std::int32_t y, std::int32_t given)
      : Window(options()), x_(x), y_(y), result_(given) {
    previous_ = add(ct::kButton, "<<", {4, 4, 18, 14});
    control(previous_).tooltip = "Poprzedni miesiąc /Shift + <- /"_cp;
    month_ = add(ct::kDropList, {}, {24, 4, 70, 14});
    for (std::int32_t m = 1; m <= 12; ++m)
      control(month_).rows.push_back({{calendar::NAZWA_MIESIACA(m, 0)}});
    year_ = add(ct::kSpin, {}, {96, 4, 40, 14});
    next_ = add(ct::kButton, ">>", {138, 4, 18, 14});
    control(next_).tooltip = "Następny miesiąc /Shift + ->/"_cp;
    grid_ = add(ct::kList, {}, {4, 22, 152, 92});
    Control& g = control(grid_);
    g.columns = {"P", "W", std::string("Ś"_cp), "C", "P", "S", "N"};
    // The arrows move the selected day; the grid takes them from the keyboard navigator.
    g.alerts[1] = key::kLeft;
    g.alerts[2] = key::kRight;
    g.alerts[3] = key::kUp;
    g.alerts[4] = key::kDown;
    today_ = add(ct::kButton, "Ustaw dzisiejszą datę"_cp, {4, 118, 128, 14});
    control(today_).tooltip = "Ustaw dzisiejszą datę /Ctrl+D/"_cp;
    control(today_).font.color = kTodayColour;
    close_ = add(ct::kButton, {}, {138, 118, 18, 14});
    control(close_).icon = "~zamknij.ico";
    control(close_).tooltip = "Zamknij /Esc/";
    for (const std::int32_t k :
         {key::kF10, key::kShift | key::kLeft, key::kShift | key::kRight, key::kCtrl | kLetterD,
          key::kCtrl | key::kAlt | kLetterD, key::kCtrl | key::kAlt | kLetterC}) {
      alert(k);
    }
    show(dates::in_calendar(given) ? given : platform::today());
    relabel_today();
  }

  std::int32_t result() const { return result_; }

 protected:
  void setup_navigator(KeyNavigator& navigator) override { navigator.ExcludeControl(grid_); }

  void on_open() override {
    // A position given by the caller wins over the stored one.
    Rect r = rect();
    if (x_ != 0) r.x = screen_position(std::int64_t{x_} + 2);
    if (y_ != 0) r.y = y_;
    set_rect(r);
    select(grid_);
  }

  void on_event() override {
    const std::int32_t f = field();
    switch (event()) {
      case event::kAccepted:
        if (f == previous_) step_month(-1);
        if (f == next_) step_month(+1);
        if (f == today_) finish(platform::today());
        if (f == close_) close();
        if (f == year_) year_changed();
        if (f == grid_) choose_cell();
        break;
      case event::kNewSelection:
        if (f == month_) month_changed();
        if (f == year_) year_changed();
        if (f == grid_) cell_changed();
        break;
      case event::kAlertKey:
        alert_key(keycode());
        break;
      default:
        break;
    }
    apply_selection_colours(*this, grid_);
    apply_selection_colours(*this, month_);
  }

 private:
  static WindowOptions options() {
    WindowOptions o("Kalendarz", "Kalendarz");
    o.rect = {0, 0, 160, 136};
    return o;
  }

  // The displayed date: month list, year field and grid, with its day selected.
  void show(std::int32_t day_number) {
    if (!dates::in_calendar(day_number)) return;
    const date::Civil c = *date::to_civil(day_number);
    shown_month_ = c.month;
    shown_year_ = c.year;
    control(month_).selected = c.month;
    control(year_).value = c.year;
    control(year_).text = std::to_string(c.year);
    control(year_).dirty = false;
    const MonthGrid grid = build_month_grid(day_number);
    Control& g = control(grid_);
    g.rows.clear();
    for (const Week& week : grid.weeks) {
      ListRow row;
      for (const std::int32_t day : week) row.cells.push_back(day != 0 ? std::to_string(day) : "");
      g.rows.push_back(std::move(row));
    }
    g.selected = grid.row;
    g.value = grid.column;
    selected_row_ = grid.row;
    selected_column_ = grid.column;
  }

  std::int32_t cell_day(std::int32_t row, std::int32_t column) const {
    const Control* g = find(grid_);
    if (row < 1 || column < 1 || column > 7 || row > static_cast<std::int32_t>(g->rows.size())) {
      return 0;
    }
    const std::string& cell =
        g->rows[static_cast<std::size_t>(row - 1)].cells[static_cast<std::size_t>(column - 1)];
    return text::read_int32(cell).optional().value_or(0);
  }

  // The date of the selected cell: its day, the month shown and the year shown.
  std::optional<std::int32_t> selected_date() const {
    const std::int32_t day = cell_day(selected_row_, selected_column_);
    if (day == 0) return std::nullopt;
    return date::from_civil(shown_year_, shown_month_, day);
  }

  void cell_changed() {
    Control& g = control(grid_);
    if (cell_day(g.selected, g.value) == 0) {
      g.selected = selected_row_;
      g.value = selected_column_;
      refused_ = true;
      return;
    }
    refused_ = false;
    selected_row_ = g.selected;
    selected_column_ = g.value;
  }

  void choose_cell() {
    // A double click on a blank cell chooses nothing.
    if (keycode() == key::kMouseLeft && refused_) {
      refused_ = false;
      return;
    }
    if (const auto d = selected_date()) finish(*d);
  }

  void month_changed() {
    const std::int32_t month = std::clamp(control(month_).selected, 1, 12);
    show(*dates::first_of_month(shown_year_, month));
  }

  void year_changed() {
    const std::int32_t year = dates::repaired_year(control(year_).text, dates::kFirstYear);
    show(*dates::first_of_month(year, shown_month_));
  }

  void step_month(std::int32_t step) {
    const auto s = selected_date();
    if (!s) return;
    const date::Civil c = *date::to_civil(*s);
    std::int32_t month = c.month + step;
    std::int32_t year = c.year;
    if (month == 0) {
      month = 12;
      --year;
    } else if (month == 13) {
      month = 1;
      ++year;
    }
    if (year < dates::kFirstYear || year > dates::kLastYear) {
      year = dates::current_year();
      show(*dates::first_of_month(year, month));
      return;
    }
    const auto same_day = date::from_civil(year, month, c.day);
    show(same_day ? *same_day : *dates::first_of_month(year, month));
  }

  void step_day(std::int32_t days) {
    const auto s = selected_date();
    if (!s || !dates::in_calendar(*s + days)) return;
    show(*s + days);
  }

  void alert_key(std::int32_t k) {
    if (k == key::kF10) {
      choose_cell();
    } else if (k == (key::kShift | key::kLeft)) {
      step_month(-1);
    } else if (k == (key::kShift | key::kRight)) {
      step_month(+1);
    } else if (k == (key::kCtrl | kLetterD)) {
      finish(platform::today());
    } else if (k == (key::kCtrl | key::kAlt | kLetterD)) {
      tell_day_number(false);
    } else if (k == (key::kCtrl | key::kAlt | kLetterC)) {
      tell_day_number(true);
    } else if (field() == grid_) {
      if (k == key::kLeft) step_day(-1);
      if (k == key::kRight) step_day(+1);
      if (k == key::kUp) step_day(-7);
      if (k == key::kDown) step_day(+7);
    }
  }

  void tell_day_number(bool copy) {
    const auto s = selected_date();
    if (!s) return;
    const std::string number = std::to_string(*s);
    std::string message = "Data: " + dates::text_of(*s) + "\r\nNumer dnia: " + number;
    if (copy) {
      platform::Env::current().set_clipboard_text(number);
      message += "\r\nNumer dnia skopiowano do schowka."_cp;
    }
    MSG_INF(message);
  }

  void relabel_today() {
    const std::int32_t today = platform::today();
    control(today_).text = day_name(database_weekday(today)) + " " + dates::text_of(today);
  }

  void finish(std::int32_t day_number) {
    result_ = day_number;
    close();
  }

  std::int32_t x_;
  std::int32_t y_;
  std::int32_t result_;
  std::int32_t previous_ = 0, month_ = 0, year_ = 0, next_ = 0, grid_ = 0, today_ = 0, close_ = 0;
  std::int32_t shown_month_ = 1;
  std::int32_t shown_year_ = 2000;
  std::int32_t selected_row_ = 0;
  std::int32_t selected_column_ = 0;
  bool refused_ = false;
};

}  // namespace

std::string KALENDARZ(std::int32_t x, std::int32_t y, std::string_view date) {
  const std::int32_t given = text::read_int32(text::trim(date)).optional().value_or(0);
  CalendarWindow w(x, y, given);
  w.run();
  return std::to_string(w.result());
}

void KALENDARZ1() {
  library().errors().report(kNotImplemented, "Kalendarz1");
  dane::ThreadRequests& requests = dane::thread_requests();
  requests.pending_keycode = 0;
  requests.global_response = dane::kRequestCancelled;
}

}  // namespace funkcja::ui
