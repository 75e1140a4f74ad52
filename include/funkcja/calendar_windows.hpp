// C++ interface: the calendar window, the period dialogs and period labels. Dates are standard
// dates; the windows are modal on the calling thread and answer the user's keys and mouse.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"
#include "funkcja/types.hpp"

namespace funkcja {

namespace calendar_windows_detail {
// An out text of the period dialogs, as the C interface fills it.
struct Output {
  char data[64] = {};
  fk_buffer buffer() { return fk_buffer{data, sizeof data}; }
  std::string text() const { return std::string(data); }
};
}  // namespace calendar_windows_detail

// The month calendar, Monday first, at x + 2, y on the screen (0 keeps the saved position),
// showing the month of date (decimal text). Enter, F10 or a double click on a day chooses it,
// Ctrl+D chooses today, Esc closes; the result is the chosen date as decimal text, the given
// one when closed.
inline std::string KALENDARZ(std::int32_t x, std::int32_t y, std::string_view date) {
  return c_api::string(::KALENDARZ(x, y, c_api::text(date)));
}
// An unfinished entry: reports error 27 "Kalendarz1" to the error manager.
inline void KALENDARZ1() {
  ::KALENDARZ1();
}

// "Wybór okresu": the current range, day, month and year, the quarters and months of a year.
// 1 when confirmed, with from and to set; a from or to of 0 is replaced at once by the first or
// last day of the working date's month, even when the user cancels.
inline std::uint8_t GET_ZAKRES_DAT(std::int32_t& from, std::int32_t& to) {
  return ::GET_ZAKRES_DAT(&from, &to);
}
// The quarters and months of a year; on confirm also the period's name, "2 kwartał 2026".
inline std::uint8_t GET_ZAKRES_DAT_KM(std::int32_t& from, std::int32_t& to,
                                      std::string& period_name) {
  calendar_windows_detail::Output name;
  const std::uint8_t r = ::GET_ZAKRES_DAT_KM(&from, &to, name.buffer());
  if (r == 1) period_name = name.text();
  return r;
}
// As GET_ZAKRES_DAT_KM, with a VAT register to choose: sales registers for kind -1, purchase
// registers otherwise, "Brak" for none.
inline std::uint8_t GET_ZAKRES_DAT_RPT_REJESTRY(std::int32_t& from, std::int32_t& to,
                                                std::string& period_name,
                                                std::string& register_name,
                                                std::int32_t register_kind) {
  calendar_windows_detail::Output name, reg;
  const std::uint8_t r =
      ::GET_ZAKRES_DAT_RPT_REJESTRY(&from, &to, name.buffer(), reg.buffer(), register_kind);
  if (r == 1) {
    period_name = name.text();
    register_name = reg.text();
  }
  return r;
}
// As GET_ZAKRES_DAT_KM, with a VAT-7 declaration form (newest first) and two print options;
// "Wybierz" without a form keeps the dialog open.
inline std::uint8_t GET_PARAMETRY_ZEST_VAT(std::int32_t& from, std::int32_t& to,
                                           std::string& period_name, std::int32_t& form,
                                           std::int32_t& only_non_zero,
                                           std::int32_t& only_summary) {
  calendar_windows_detail::Output name;
  const std::uint8_t r =
      ::GET_PARAMETRY_ZEST_VAT(&from, &to, name.buffer(), &form, &only_non_zero, &only_summary);
  if (r == 1) period_name = name.text();
  return r;
}
// "Ustaw datę": one date, typed or picked from the calendar; 0 when cancelled.
inline std::int32_t GET_DATE(std::int32_t date, std::string_view name,
                             std::string_view information) {
  return ::GET_DATE(date, c_api::text(name), c_api::text(information));
}

// "BO 2017", "Marzec 2017" ("3 - 2017" with numeric_month 1), "BZ 2017" for period codes of
// day 1, 2 and 28; empty for 0.
inline std::string INFOKRES(std::int32_t code, std::uint8_t numeric_month = 0) {
  return c_api::string(::INFOKRES(code, numeric_month));
}

}  // namespace funkcja
