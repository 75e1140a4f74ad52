#include "ui/period_list.hpp"

#include <string_view>

#include "frame/cp_literal.hpp"
#include "frame/standard_date.hpp"
#include "ui/date_fields.hpp"

namespace funkcja::ui {
namespace {

using namespace funkcja::literals;

constexpr std::string_view kCurrent = "bieżący"_cp;

PeriodEntry entry(std::string_view name, std::int32_t from, std::int32_t to) {
  return {std::string(name), from, to, name.find(kCurrent) != std::string_view::npos};
}

}  // namespace

std::vector<PeriodEntry> period_list(const PeriodListInput& in) {
  static constexpr std::string_view kQuarters[] = {"1 kwartał"_cp, "2 kwartał"_cp, "3 kwartał"_cp,
                                                   "4 kwartał"_cp};
  static constexpr std::string_view kMonths[] = {
      "styczeń"_cp, "luty",        "marzec",      "kwiecień"_cp,    "maj",      "czerwiec",
      "lipiec",     "sierpień"_cp, "wrzesień"_cp, "październik"_cp, "listopad", "grudzień"_cp};
  std::vector<PeriodEntry> list;
  list.reserve(20);
  if (in.current_entries) {
    const date::Civil w = *date::to_civil(in.working_date);
    list.push_back(entry("aktualny zakres", in.given_from, in.given_to));
    list.push_back(entry("bieżący dzień"_cp, in.working_date, in.working_date));
    list.push_back(entry("bieżący miesiąc"_cp, *dates::first_of_month(w.year, w.month),
                         *dates::last_of_month(w.year, w.month)));
    list.push_back(entry("bieżący rok"_cp, *dates::first_of_month(w.year, 1),
                         *dates::last_of_month(w.year, 12)));
  }
  for (std::int32_t q = 0; q < 4; ++q) {
    list.push_back(entry(kQuarters[q], *dates::first_of_month(in.year, 3 * q + 1),
                         *dates::last_of_month(in.year, 3 * q + 3)));
  }
  for (std::int32_t m = 1; m <= 12; ++m) {
    list.push_back(entry(kMonths[m - 1], *dates::first_of_month(in.year, m),
                         *dates::last_of_month(in.year, m)));
  }
  return list;
}

std::int32_t find_period(const std::vector<PeriodEntry>& list, std::int32_t from, std::int32_t to) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].from == from && list[i].to == to) return static_cast<std::int32_t>(i + 1);
  }
  return 0;
}

}  // namespace funkcja::ui
