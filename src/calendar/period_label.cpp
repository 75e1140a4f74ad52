#include "calendar/period_label.hpp"

#include "calendar/procedures.hpp"
#include "frame/standard_date.hpp"

namespace funkcja::calendar {
namespace {

constexpr std::size_t kLabelCapacity = 50;
constexpr std::int32_t kOpeningDay = 1;
constexpr std::int32_t kMonthDay = 2;
constexpr std::int32_t kClosingDay = 28;

}  // namespace

std::string INFOKRES(std::int32_t code, std::uint8_t numeric_month) {
  const auto civil = date::to_civil(code);
  if (!civil) return {};
  std::string label;
  switch (civil->day) {
    case kOpeningDay:
      label = "BO";
      break;
    case kClosingDay:
      label = "BZ";
      break;
    case kMonthDay:
      label = numeric_month == 1 ? std::to_string(civil->month) + " -"
                                 : NAZWA_MIESIACA(civil->month, 0);
      break;
    default:
      break;
  }
  std::string result = label + " " + std::to_string(civil->year);
  if (result.size() > kLabelCapacity) result.resize(kLabelCapacity);
  return result;
}

}  // namespace funkcja::calendar
