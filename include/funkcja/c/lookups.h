/* C interface: operation logs, options and parameters, the posting-account check; company,
   office and contractor lookups. */
#ifndef FUNKCJA_C_LOOKUPS_H
#define FUNKCJA_C_LOOKUPS_H

#include "funkcja/funkcja.h"

#ifdef __cplusplus
extern "C" {
#endif

FK_API void LOG_DODAJ(int32_t operation_key, fk_text rodzaj_operacji, fk_text miejsce_wywolania,
                      fk_text tekst_1, fk_text tekst_2, fk_text tekst_3, fk_text tekst_4);
FK_API void LOG_ADD(int32_t id_zapisu, fk_text rodzaj_operacji, fk_text modul_operacji,
                    fk_text szczegoly_operacji);
FK_API fk_text LOG_DISPLAY(fk_text kind, fk_text code);

FK_API fk_text GETPARAMETRU(int32_t option);
FK_API uint8_t PUTPARAMETRU(int32_t option, fk_text value, uint8_t current_company_only);
FK_API fk_text GETPARAMETRF(int32_t option);
FK_API fk_text WERSJABAZYPROGRAMUVAY(int32_t program, fk_text unused);

FK_API uint8_t SPR_KONTA(int32_t fiscal_year, int32_t document, uint8_t unused);

/* ---- Company, office and contractor lookups ---- */
FK_API void USTAL_DANE_FIRMY(fk_text address_type, fk_buffer name, fk_buffer street_line,
                             fk_buffer town_line);
FK_API fk_text GETFORMAPLATNOSCI(uint8_t kind, int32_t first_number, int32_t second_number,
                                 fk_text first_text, fk_text second_text);
FK_API fk_text GET_NAZWA_ADRES_URZEDU(uint8_t kind, int32_t office);
FK_API fk_text USTAL_URZAD_SKARBOWY(uint8_t mode, int32_t date, int32_t office_link);
FK_API void GET_NIP_PESEL_KONTRAHENTA_VAX(fk_text kind, int32_t id, fk_buffer nip, fk_buffer pesel);
FK_API void GET_ADRES_KONTRAHENTA_VAX(fk_text kind, int32_t id, int32_t unused, fk_buffer town_line,
                                      fk_buffer street_line);
FK_API uint8_t SPR_ZAMKNIETY_OKRES(int32_t fiscal_year, int32_t date);
FK_API uint8_t SPR_ZAMKNIETY_OKRES_VAT(int32_t date, uint8_t reload);
FK_API uint8_t SPR_UPRAWNIENIA(fk_text function);
FK_API uint8_t UPRAWNIENIA_MENU_SPR(fk_text function, uint8_t show_message);
FK_API uint8_t SPR_UKRYJ_ROZRACHUNEK_VAY(int32_t fiscal_year, int32_t document_type,
                                         fk_text account);
FK_API fk_text VAT_VIEW_USTAL_NAZWE(uint8_t flag, fk_text register_type);
FK_API uint8_t VATGRUPAODWROTNEOBCIAZENIE(int32_t vat_group);
FK_API fk_text SPR_KLASYFIKACJA_BUDZETOWA(fk_text type, fk_text section, fk_text chapter,
                                          fk_text paragraph, fk_text position);
FK_API fk_text MPK_NAZWA_DRZEWKO(fk_text path);
/* Windows: a print variant's name, and the balances of a dictionary position's accounts. */
FK_API fk_text NAZWA_WARIANTU(fk_text current_name);
FK_API void STAN_KONTA_KARTOTEKOWEGO(int32_t position, fk_text dictionary_filter,
                                     fk_text position_name);
/* ---- end of company, office and contractor lookups ---- */

#ifdef __cplusplus
}
#endif

#endif
