// NAZWA_MIESIACA: the Polish name of a month, with the year after it when one is given.
//
//   NAZWA_MIESIACA(5, 2017)  -> "Maj 2017"
//   NAZWA_MIESIACA(10, 0)    -> "Październik"
//   NAZWA_MIESIACA(13, 2017) -> " 2017"  (no name for a month outside 1..12)
#include <array>
#include <string>
#include <string_view>

#include "calendar/procedures.hpp"
#include "frame/cp_literal.hpp"
#include "frame/text_rules.hpp"

namespace funkcja::calendar {
namespace {

using namespace funkcja::literals;

constexpr std::array<std::string_view, 12> kMonths = {
    "Styczeń"_cp, "Luty"_cp,     "Marzec"_cp,   "Kwiecień"_cp,    "Maj"_cp,      "Czerwiec"_cp,
    "Lipiec"_cp,  "Sierpień"_cp, "Wrzesień"_cp, "Październik"_cp, "Listopad"_cp, "Grudzień"_cp};

constexpr std::size_t kCapacity = 50;

}  // namespace

std::string NAZWA_MIESIACA(std::int32_t month, std::int32_t year) {
  std::string out;
  if (month >= 1 && month <= 12) out = kMonths[static_cast<std::size_t>(month - 1)];
  if (year != 0) {
    out.push_back(text::kBlank);
    text::append_int(out, year);
  }
  if (out.size() > kCapacity) out.resize(kCapacity);  // cannot happen with an int32 year
  return out;
}

}  // namespace funkcja::calendar
