// The month grid of the calendar window: the weeks of a month, Monday first, one row per week,
// 0 in the cells before the first and after the last day of the month.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace funkcja::ui {

using Week = std::array<std::int32_t, 7>;  // Monday .. Sunday

struct MonthGrid {
  std::vector<Week> weeks;  // five or six
  // The cell of the date the grid was built for, 1-based.
  std::int32_t row = 0;
  std::int32_t column = 0;
};

// The grid of the month of a standard date, with that date's cell; an empty grid for a date
// outside 1801..9999.
MonthGrid build_month_grid(std::int32_t day_number);

}  // namespace funkcja::ui
