// The calendar window and the period dialogs as the library calls them inside; the exported C
// functions wrap them and the public C++ interface (funkcja/calendar_windows.hpp) describes
// what each does. In/out dates are written only as each procedure says (the range dialogs
// write their opening defaults at once, everything else on confirm).
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace funkcja::ui {

// A screen position summed from the caller's numbers, kept within int32 however large they are.
inline std::int32_t screen_position(std::int64_t sum) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::string KALENDARZ(std::int32_t x, std::int32_t y, std::string_view date);
void KALENDARZ1();

std::uint8_t GET_ZAKRES_DAT(std::int32_t& from, std::int32_t& to);
std::uint8_t GET_ZAKRES_DAT_KM(std::int32_t& from, std::int32_t& to, std::string& period_name);
std::uint8_t GET_ZAKRES_DAT_RPT_REJESTRY(std::int32_t& from, std::int32_t& to,
                                         std::string& period_name, std::string& register_name,
                                         std::int32_t register_kind);
std::uint8_t GET_PARAMETRY_ZEST_VAT(std::int32_t& from, std::int32_t& to, std::string& period_name,
                                    std::int32_t& form, std::int32_t& only_non_zero,
                                    std::int32_t& only_summary);
std::int32_t GET_DATE(std::int32_t date, std::string_view name, std::string_view information);

}  // namespace funkcja::ui
