// C++ interface: operation logs, options and parameters, the posting-account check. Each
// works on the calling thread's query tables with the session values of the data library.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/export.h"

namespace funkcja {

// Appends a row to FK_LOG_1. Calls with the same operation key share one operation number;
// a new key takes the table's highest number plus 1.
FK_API void LOG_DODAJ(std::int32_t operation_key, std::string_view rodzaj_operacji,
                      std::string_view miejsce_wywolania, std::string_view tekst_1,
                      std::string_view tekst_2, std::string_view tekst_3, std::string_view tekst_4);
// Appends a row to UZYTKOWNIK_FK_LOG about record id_zapisu (details cut to 250 characters).
FK_API void LOG_ADD(std::int32_t id_zapisu, std::string_view rodzaj_operacji,
                    std::string_view modul_operacji, std::string_view szczegoly_operacji);
// The Polish word of a log code: kind R (operation) or M (module). Up to 50 characters.
FK_API std::string LOG_DISPLAY(std::string_view kind, std::string_view code);

// The current user's value of an option in the current company (up to 100 characters).
FK_API std::string GETPARAMETRU(std::int32_t option);
// Updates the user's option (in the current company only, or in all); 1 when it failed.
FK_API std::uint8_t PUTPARAMETRU(std::int32_t option, std::string_view value,
                                 std::uint8_t current_company_only);
// The system option of the current company and fiscal year (up to 100 characters).
FK_API std::string GETPARAMETRF(std::int32_t option);
// The database version recorded for a program (up to 19 characters).
FK_API std::string WERSJABAZYPROGRAMUVAY(std::int32_t program, std::string_view unused = {});

// Checks every account of a document's posting lines: 1 when one is missing from the chart,
// not allowed to the user or locked (after a warning), 0 when all pass.
FK_API std::uint8_t SPR_KONTA(std::int32_t fiscal_year, std::int32_t document,
                              std::uint8_t unused = 0);

}  // namespace funkcja
