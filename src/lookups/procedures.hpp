// The log, option and account-check procedures as the library calls them inside; the exported C
// functions wrap them and the public C++ interface (include/funkcja/) describes what each does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace funkcja::lookups {

// As funkcja/lookups.hpp.
void LOG_DODAJ(std::int32_t operation_key, std::string_view rodzaj_operacji,
               std::string_view miejsce_wywolania, std::string_view tekst_1,
               std::string_view tekst_2, std::string_view tekst_3, std::string_view tekst_4);
void LOG_ADD(std::int32_t id_zapisu, std::string_view rodzaj_operacji,
             std::string_view modul_operacji, std::string_view szczegoly_operacji);
std::string LOG_DISPLAY(std::string_view kind, std::string_view code);
std::string GETPARAMETRU(std::int32_t option);
std::uint8_t PUTPARAMETRU(std::int32_t option, std::string_view value,
                          std::uint8_t current_company_only);
std::string GETPARAMETRF(std::int32_t option);
std::string WERSJABAZYPROGRAMUVAY(std::int32_t program, std::string_view unused = {});
std::uint8_t SPR_KONTA(std::int32_t fiscal_year, std::int32_t document, std::uint8_t unused = 0);

}  // namespace funkcja::lookups
