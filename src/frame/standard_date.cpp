#include "frame/standard_date.hpp"

#include <chrono>

namespace funkcja::date {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day;

constexpr sys_days kEpoch = sys_days{year{1800} / 12 / 28};
constexpr std::int32_t kLastDay =
    static_cast<std::int32_t>((sys_days{year{9999} / 12 / 31} - kEpoch).count());

}  // namespace

std::int32_t last_day() {
  return kLastDay;
}

std::optional<Civil> to_civil(std::int32_t day_number) {
  if (day_number <= 0 || day_number > kLastDay) return std::nullopt;
  const year_month_day ymd{kEpoch + std::chrono::days{day_number}};
  return Civil{static_cast<int>(ymd.year()), static_cast<std::int32_t>(unsigned(ymd.month())),
               static_cast<std::int32_t>(unsigned(ymd.day()))};
}

std::optional<std::int32_t> from_civil(std::int32_t y, std::int32_t m, std::int32_t d) {
  if (y < 1800 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
  const year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
  if (!ymd.ok()) return std::nullopt;
  const auto n = (sys_days{ymd} - kEpoch).count();
  if (n < 0) return std::nullopt;
  return static_cast<std::int32_t>(n);
}

bool is_leap_year(std::int32_t y) {
  return year{y}.is_leap();
}

std::int32_t days_in_month(std::int32_t y, std::int32_t m) {
  if (m < 1 || m > 12) return 0;
  return static_cast<std::int32_t>(
      unsigned((year{y} / month{static_cast<unsigned>(m)} / std::chrono::last).day()));
}

}  // namespace funkcja::date
