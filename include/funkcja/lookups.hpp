// C++ interface: operation logs, options and parameters, the posting-account check. Each
// works on the calling thread's query tables with the session values of the data library.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/c_bridge.hpp"

namespace funkcja {

// Appends a row to FK_LOG_1. Calls with the same operation key share one operation number;
// a new key takes the table's highest number plus 1, reserved together with its first row in
// one write transaction, so neither two threads nor two processes ever share a number.
inline void LOG_DODAJ(std::int32_t operation_key, std::string_view rodzaj_operacji,
                      std::string_view miejsce_wywolania, std::string_view tekst_1,
                      std::string_view tekst_2, std::string_view tekst_3,
                      std::string_view tekst_4) {
  ::LOG_DODAJ(operation_key, c_api::text(rodzaj_operacji), c_api::text(miejsce_wywolania),
              c_api::text(tekst_1), c_api::text(tekst_2), c_api::text(tekst_3),
              c_api::text(tekst_4));
}
// Appends a row to UZYTKOWNIK_FK_LOG about record id_zapisu (details cut to 250 characters).
inline void LOG_ADD(std::int32_t id_zapisu, std::string_view rodzaj_operacji,
                    std::string_view modul_operacji, std::string_view szczegoly_operacji) {
  ::LOG_ADD(id_zapisu, c_api::text(rodzaj_operacji), c_api::text(modul_operacji),
            c_api::text(szczegoly_operacji));
}
// The Polish word of a log code: kind R (operation) or M (module). Up to 50 characters.
inline std::string LOG_DISPLAY(std::string_view kind, std::string_view code) {
  return c_api::string(::LOG_DISPLAY(c_api::text(kind), c_api::text(code)));
}

// The current user's value of an option in the current company (up to 100 characters).
inline std::string GETPARAMETRU(std::int32_t option) {
  return c_api::string(::GETPARAMETRU(option));
}
// Updates the user's option (in the current company only, or in all); 1 when it failed.
inline std::uint8_t PUTPARAMETRU(std::int32_t option, std::string_view value,
                                 std::uint8_t current_company_only) {
  return ::PUTPARAMETRU(option, c_api::text(value), current_company_only);
}
// The system option of the current company and fiscal year (up to 100 characters).
inline std::string GETPARAMETRF(std::int32_t option) {
  return c_api::string(::GETPARAMETRF(option));
}
// The database version recorded for a program (up to 19 characters).
inline std::string WERSJABAZYPROGRAMUVAY(std::int32_t program, std::string_view unused = {}) {
  return c_api::string(::WERSJABAZYPROGRAMUVAY(program, c_api::text(unused)));
}

// Checks every account of a document's posting lines: 1 when one is missing from the chart,
// not allowed to the user or locked (after a warning), 0 when all pass.
inline std::uint8_t SPR_KONTA(std::int32_t fiscal_year, std::int32_t document,
                              std::uint8_t unused = 0) {
  return ::SPR_KONTA(fiscal_year, document, unused);
}

}  // namespace funkcja
