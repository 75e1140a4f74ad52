// The list of named periods that the range dialogs offer: optionally the current range, day,
// month and year, then the four quarters and the twelve months of a year.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace funkcja::ui {

struct PeriodEntry {
  std::string name;  // code page 1250
  std::int32_t from = 0;
  std::int32_t to = 0;
  // Named after the working date ("bieżący ..."): the year field does not apply to it.
  bool current = false;
};

struct PeriodListInput {
  bool current_entries = false;  // "aktualny zakres" and the three "bieżący" entries first
  std::int32_t given_from = 0;   // "aktualny zakres"
  std::int32_t given_to = 0;
  std::int32_t working_date = 0;  // a date of 1801..9999
  std::int32_t year = 0;          // 1801..9999
};

std::vector<PeriodEntry> period_list(const PeriodListInput& input);

// The position (from 1) of the entry whose dates are exactly these; 0 when none is.
std::int32_t find_period(const std::vector<PeriodEntry>& list, std::int32_t from, std::int32_t to);

}  // namespace funkcja::ui
