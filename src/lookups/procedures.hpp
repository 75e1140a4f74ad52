// The log, option and account-check procedures as the library calls them inside; the exported C
// functions wrap them and the public C++ interface (include/funkcja/) describes what each does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "funkcja/types.hpp"

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

// Company, office and contractor lookups, as funkcja/lookups.hpp.
void USTAL_DANE_FIRMY(std::string_view address_type, TextBuffer name, TextBuffer street_line,
                      TextBuffer town_line);
std::string GETFORMAPLATNOSCI(std::uint8_t kind, std::int32_t first_number,
                              std::int32_t second_number, std::string_view first_text,
                              std::string_view second_text);
std::string GET_NAZWA_ADRES_URZEDU(std::uint8_t kind, std::int32_t office);
std::string USTAL_URZAD_SKARBOWY(std::uint8_t mode, std::int32_t date, std::int32_t office_link);
void GET_NIP_PESEL_KONTRAHENTA_VAX(std::string_view kind, std::int32_t id, TextBuffer nip,
                                   TextBuffer pesel);
void GET_ADRES_KONTRAHENTA_VAX(std::string_view kind, std::int32_t id, std::int32_t unused,
                               TextBuffer town_line, TextBuffer street_line);
std::uint8_t SPR_ZAMKNIETY_OKRES(std::int32_t fiscal_year, std::int32_t date);
std::uint8_t SPR_ZAMKNIETY_OKRES_VAT(std::int32_t date, std::uint8_t reload);
std::uint8_t SPR_UPRAWNIENIA(std::string_view function);
std::uint8_t UPRAWNIENIA_MENU_SPR(std::string_view function, std::uint8_t show_message);
std::uint8_t SPR_UKRYJ_ROZRACHUNEK_VAY(std::int32_t fiscal_year, std::int32_t document_type,
                                       std::string_view account);
std::string VAT_VIEW_USTAL_NAZWE(std::uint8_t flag, std::string_view register_type);
std::uint8_t VATGRUPAODWROTNEOBCIAZENIE(std::int32_t vat_group);
std::string SPR_KLASYFIKACJA_BUDZETOWA(std::string_view type, std::string_view section,
                                       std::string_view chapter, std::string_view paragraph,
                                       std::string_view position);
std::string MPK_NAZWA_DRZEWKO(std::string_view path);

// Empties the process-wide list of closed VAT periods (tests; a host starting a new session).
void forget_closed_vat_periods();

}  // namespace funkcja::lookups
