#include "ui/month_grid.hpp"

#include "frame/standard_date.hpp"
#include "ui/date_fields.hpp"

namespace funkcja::ui {
namespace {

// 1 = Monday .. 7 = Sunday.
std::int32_t monday_first(std::int32_t day_number) {
  const std::int32_t w = date::weekday(day_number);
  return w == 0 ? 7 : w;
}

}  // namespace

MonthGrid build_month_grid(std::int32_t day_number) {
  MonthGrid grid;
  if (!dates::in_calendar(day_number)) return grid;
  const date::Civil d = *date::to_civil(day_number);
  const std::int32_t last = date::days_in_month(d.year, d.month);
  const std::int32_t first_column = monday_first(*date::from_civil(d.year, d.month, 1));

  // The first week counts from the first day's column; the next five go on until the last day
  // and hold 0 after it.
  std::int32_t count = 0;
  Week first{};
  for (std::int32_t k = 1; k <= 7; ++k) {
    if (k >= first_column) ++count;
    first[static_cast<std::size_t>(k - 1)] = count;
  }
  grid.weeks.push_back(first);
  for (int row = 0; row < 5; ++row) {
    Week week{};
    for (auto& cell : week) {
      if (count != 0) ++count;
      if (count > last) count = 0;
      cell = count;
    }
    grid.weeks.push_back(week);
  }
  if (grid.weeks.back() == Week{}) grid.weeks.pop_back();

  grid.column = monday_first(day_number);
  for (std::size_t r = 0; r < grid.weeks.size(); ++r) {
    if (grid.weeks[r][static_cast<std::size_t>(grid.column - 1)] == d.day) {
      grid.row = static_cast<std::int32_t>(r + 1);
    }
  }
  return grid;
}

}  // namespace funkcja::ui
