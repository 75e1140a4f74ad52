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

// ---- Company, office and contractor lookups ----
// Each reads the session's company, user and fiscal year at the moment of the call. Outputs
// of the procedures with several results are set empty first.

namespace lookups_detail {
// A caller's output of up to 255 characters, as the C interface fills it.
struct Output {
  char data[256] = {};
  fk_buffer buffer() { return fk_buffer{data, sizeof data}; }
  std::string text() const { return std::string(data); }
};
}  // namespace lookups_detail

// The company's name (the full name when the user's option 69 is "tak"), street line and town
// line of its newest address of a type ("S" when empty).
inline void USTAL_DANE_FIRMY(std::string_view address_type, std::string& name,
                             std::string& street_line, std::string& town_line) {
  lookups_detail::Output n, s, t;
  ::USTAL_DANE_FIRMY(c_api::text(address_type), n.buffer(), s.buffer(), t.buffer());
  name = n.text();
  street_line = s.text();
  town_line = t.text();
}
// The name of a payment form, as the database function dbo.TG_GetFormaPlatnosci gives it for
// the current company (up to 50 characters).
inline std::string GETFORMAPLATNOSCI(std::uint8_t kind, std::int32_t first_number,
                                     std::int32_t second_number, std::string_view first_text,
                                     std::string_view second_text) {
  return c_api::string(::GETFORMAPLATNOSCI(kind, first_number, second_number,
                                           c_api::text(first_text), c_api::text(second_text)));
}
// An office's name (kind 0) or name and address (kind 1); empty for other kinds.
inline std::string GET_NAZWA_ADRES_URZEDU(std::uint8_t kind, std::int32_t office) {
  return c_api::string(::GET_NAZWA_ADRES_URZEDU(kind, office));
}
// The company's tax office: mode 0 its number ("0" when none), 1 its upper-cased name and
// address, 2 its code; empty for other modes.
inline std::string USTAL_URZAD_SKARBOWY(std::uint8_t mode, std::int32_t date,
                                        std::int32_t office_link) {
  return c_api::string(::USTAL_URZAD_SKARBOWY(mode, date, office_link));
}
// NIP and PESEL of a contractor (kind K) or employee (kind P).
inline void GET_NIP_PESEL_KONTRAHENTA_VAX(std::string_view kind, std::int32_t id, std::string& nip,
                                          std::string& pesel) {
  lookups_detail::Output n, p;
  ::GET_NIP_PESEL_KONTRAHENTA_VAX(c_api::text(kind), id, n.buffer(), p.buffer());
  nip = n.text();
  pesel = p.text();
}
// Town line and street line of a contractor (K), office (U) or employee (P).
inline void GET_ADRES_KONTRAHENTA_VAX(std::string_view kind, std::int32_t id,
                                      std::string& town_line, std::string& street_line) {
  lookups_detail::Output t, s;
  ::GET_ADRES_KONTRAHENTA_VAX(c_api::text(kind), id, 0, t.buffer(), s.buffer());
  town_line = t.text();
  street_line = s.text();
}
// 1 when the fiscal year's period is closed up to the date, 2 when the year is closed, else 0.
inline std::uint8_t SPR_ZAMKNIETY_OKRES(std::int32_t fiscal_year, std::int32_t date) {
  return ::SPR_ZAMKNIETY_OKRES(fiscal_year, date);
}
// 0 when the date is a closed VAT period of the list the last reload (reload 1) read for the
// current company; 1 otherwise. The list is shared by the whole process.
inline std::uint8_t SPR_ZAMKNIETY_OKRES_VAT(std::int32_t date, std::uint8_t reload) {
  return ::SPR_ZAMKNIETY_OKRES_VAT(date, reload);
}
// 1 (after an information message) when the user may not run the function; 0 when allowed,
// for an administrator and for an empty function.
inline std::uint8_t SPR_UPRAWNIENIA(std::string_view function) {
  return ::SPR_UPRAWNIENIA(c_api::text(function));
}
// The user's right to a menu function (1 for an administrator); a 0 shows a message when asked.
inline std::uint8_t UPRAWNIENIA_MENU_SPR(std::string_view function, std::uint8_t show_message) {
  return ::UPRAWNIENIA_MENU_SPR(c_api::text(function), show_message);
}
// 1 when settlements of the document type or the account's synthetic account are hidden by
// default ($GGG:ISDURAX set only), else 0.
inline std::uint8_t SPR_UKRYJ_ROZRACHUNEK_VAY(std::int32_t fiscal_year, std::int32_t document_type,
                                              std::string_view account) {
  return ::SPR_UKRYJ_ROZRACHUNEK_VAY(fiscal_year, document_type, c_api::text(account));
}
// The VAT view a register of the type reads: VAT_VIEW, VAT_VIEW_MK or VAT_VIEW_MK_ALL.
inline std::string VAT_VIEW_USTAL_NAZWE(std::uint8_t flag, std::string_view register_type) {
  return c_api::string(::VAT_VIEW_USTAL_NAZWE(flag, c_api::text(register_type)));
}
// 1 for the VAT groups of reverse-charge supplies.
inline std::uint8_t VATGRUPAODWROTNEOBCIAZENIE(std::int32_t vat_group) {
  return ::VATGRUPAODWROTNEOBCIAZENIE(vat_group);
}
// Empty when every given part of a budget classification is in its dictionary; otherwise the
// message of the first missing part, led by its number (1, 2, 3 or 5).
inline std::string SPR_KLASYFIKACJA_BUDZETOWA(std::string_view type, std::string_view section,
                                              std::string_view chapter, std::string_view paragraph,
                                              std::string_view position) {
  return c_api::string(::SPR_KLASYFIKACJA_BUDZETOWA(c_api::text(type), c_api::text(section),
                                                    c_api::text(chapter), c_api::text(paragraph),
                                                    c_api::text(position)));
}
// The codes of a path of cost-centre ids, each closed by $DANE_SEPARATOR_MPK, joined by " - ".
inline std::string MPK_NAZWA_DRZEWKO(std::string_view path) {
  return c_api::string(::MPK_NAZWA_DRZEWKO(c_api::text(path)));
}
// Asks for a print variant's name in the window "Nazwa_wariantu", starting from the current
// name: an empty entry is refused with a message, keeping the current name asks whether to
// overwrite that variant. The name chosen (up to 100 characters), or empty text on cancel.
inline std::string NAZWA_WARIANTU(std::string_view current_name) {
  return c_api::string(::NAZWA_WARIANTU(c_api::text(current_name)));
}
// Shows the window "Stan_konta_kartotekowego": for the accounts of the fiscal year whose last
// segment is the position and whose leading part belongs to a user dictionary of the filter,
// the opening balance, the year's turnovers and the closing balance in a chosen currency, with
// their sums and the netted balances. position_name is shown beside the position.
inline void STAN_KONTA_KARTOTEKOWEGO(std::int32_t position, std::string_view dictionary_filter,
                                     std::string_view position_name = {}) {
  ::STAN_KONTA_KARTOTEKOWEGO(position, c_api::text(dictionary_filter), c_api::text(position_name));
}
// ---- end of company, office and contractor lookups ----

}  // namespace funkcja
